# SPDX-License-Identifier: GPL-3.0-or-later
# Proves that only the store writes record files: compiles each case of private_writers.cpp on
# its own (-DCXX=compiler -DSRC=src folder -DSOURCE=the file). Case 0 must compile; every other
# case must be refused, and refused for reaching a private member, not for anything else.
file(STRINGS "${SOURCE}" case_lines REGEX "^#(el)?if CASE == [0-9]+$")
set(refused 0)
foreach(line IN LISTS case_lines)
  string(REGEX REPLACE "^.* ([0-9]+)$" "\\1" case "${line}")
  execute_process(
    COMMAND "${CMAKE_COMMAND}" -E env LC_ALL=C "${CXX}" -std=c++20 -fsyntax-only "-I${SRC}" -DCASE=${case} "${SOURCE}"
    RESULT_VARIABLE result ERROR_VARIABLE errors OUTPUT_QUIET)
  if(case EQUAL 0)
    if(NOT result EQUAL 0)
      message(FATAL_ERROR "case 0, which only reads, does not compile:\n${errors}")
    endif()
  elseif(result EQUAL 0)
    message(FATAL_ERROR "case ${case} compiles: a record file can be written outside the store")
  elseif(NOT errors MATCHES "is private within this context|is a private member")
    message(FATAL_ERROR "case ${case} is refused, but not for a private member:\n${errors}")
  else()
    math(EXPR refused "${refused} + 1")
  endif()
endforeach()
if(refused LESS 8)
  message(FATAL_ERROR "only ${refused} cases were refused")
endif()
message(STATUS "${refused} writes from outside the store refused by the compiler")
