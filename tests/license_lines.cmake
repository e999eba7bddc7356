# SPDX-License-Identifier: GPL-3.0-or-later
# Every C++, CMake and shell source file of the tree names its licence on its first line (on the
# line after the #! of a script), so that a new file keeps it and a file copied out of the tree
# still says on which terms it may be used. Takes SOURCE_DIR.
cmake_minimum_required(VERSION 3.25)
set(cxx_line "// SPDX-License-Identifier: GPL-3.0-or-later")
set(script_line "# SPDX-License-Identifier: GPL-3.0-or-later")

set(cxx_files)
set(script_files Makefile CMakeLists.txt)
foreach(dir src tests bench packaging)
  file(GLOB_RECURSE found RELATIVE ${SOURCE_DIR}
       ${SOURCE_DIR}/${dir}/*.h ${SOURCE_DIR}/${dir}/*.cpp ${SOURCE_DIR}/${dir}/*.h.in)
  list(APPEND cxx_files ${found})
  file(GLOB_RECURSE found RELATIVE ${SOURCE_DIR}
       ${SOURCE_DIR}/${dir}/CMakeLists.txt ${SOURCE_DIR}/${dir}/*.cmake)
  list(APPEND script_files ${found})
endforeach()
# Every file of these folders is a script, whatever its name.
file(GLOB found RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/scripts/* ${SOURCE_DIR}/.ci/*)
list(APPEND script_files ${found})

set(missing)
foreach(file IN LISTS cxx_files)
  file(READ ${SOURCE_DIR}/${file} head LIMIT 300)
  string(FIND "${head}" "${cxx_line}\n" at)
  if(NOT at EQUAL 0)
    list(APPEND missing ${file})
  endif()
endforeach()
foreach(file IN LISTS script_files)
  file(READ ${SOURCE_DIR}/${file} head LIMIT 300)
  string(REGEX REPLACE "^#![^\n]*\n" "" head "${head}")
  string(FIND "${head}" "${script_line}\n" at)
  if(NOT at EQUAL 0)
    list(APPEND missing ${file})
  endif()
endforeach()

list(LENGTH cxx_files cxx_count)
if(cxx_count LESS 100)
  message(FATAL_ERROR "Only ${cxx_count} C++ files found under ${SOURCE_DIR}: wrong folder?")
endif()
if(missing)
  list(JOIN missing "\n  " missing_text)
  message(FATAL_ERROR "These files do not begin with their licence line:\n  ${missing_text}")
endif()
