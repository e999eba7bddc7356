# SPDX-License-Identifier: GPL-3.0-or-later
# The texts a release is told by agree with each other: the README lists every feature of
# packaging/features.txt (which the catalogue entry and the package description are made from),
# and the newest entry of the Debian change history is the version being built.
# Takes SOURCE_DIR and VERSION.
cmake_minimum_required(VERSION 3.25)
file(STRINGS ${SOURCE_DIR}/packaging/features.txt features REGEX "^[^#]")
file(READ ${SOURCE_DIR}/README.md readme)
set(untold)
foreach(feature IN LISTS features)
  string(FIND "${readme}" "\n- ${feature}\n" at)
  if(at EQUAL -1)
    list(APPEND untold "${feature}")
  endif()
endforeach()
if(untold)
  list(JOIN untold "\n  " untold_text)
  message(FATAL_ERROR "The README's list of features does not tell:\n  ${untold_text}")
endif()

file(STRINGS ${SOURCE_DIR}/packaging/changelog newest LIMIT_COUNT 1)
if(NOT newest MATCHES "^verdimark \\(${VERSION}\\) ")
  message(FATAL_ERROR "packaging/changelog begins with \"${newest}\", not with version ${VERSION}.")
endif()
