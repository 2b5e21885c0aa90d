# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DSOURCE_DIR=<source tree> -DSCRATCH=<scratch folder> -P cmake/CheckIncludesTest.cmake
#
# The include check's own test. Copies the sources of src/ and tools/ into a scratch tree, where
# the check passes as it does on the real one; then plants, one case at a time, includes against
# the order and a file outside every layer, and requires the check to fail and to name the
# file:line of every planted include.

foreach(variable SOURCE_DIR SCRATCH)
  if(NOT ${variable})
    message(FATAL_ERROR "CheckIncludesTest: give -D${variable}=<folder>")
  endif()
endforeach()
set(CHECK "${CMAKE_CURRENT_LIST_DIR}/CheckIncludes.cmake")

file(REMOVE_RECURSE "${SCRATCH}")
file(GLOB_RECURSE sources LIST_DIRECTORIES false RELATIVE "${SOURCE_DIR}"
  "${SOURCE_DIR}/src/*.h" "${SOURCE_DIR}/src/*.cpp" "${SOURCE_DIR}/tools/*.h" "${SOURCE_DIR}/tools/*.cpp")
foreach(source IN LISTS sources)
  configure_file("${SOURCE_DIR}/${source}" "${SCRATCH}/${source}" COPYONLY)
endforeach()

function(run_check out_result out_output)
  execute_process(COMMAND "${CMAKE_COMMAND}" "-DROOT=${SCRATCH}" -P "${CHECK}"
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  set(${out_result} "${result}" PARENT_SCOPE)
  set(${out_output} "${output}" PARENT_SCOPE)
endfunction()

run_check(result output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "The check fails on an untouched copy of the tree:\n${output}")
endif()

# Appends `#include <name>` to a file of the scratch tree (new or not); gives its line.
function(plant relative include out_line)
  set(path "${SCRATCH}/${relative}")
  set(content "")
  if(EXISTS "${path}")
    file(READ "${path}" content)
  endif()
  if(NOT content STREQUAL "" AND NOT content MATCHES "\n$")
    string(APPEND content "\n")
  endif()
  string(REGEX MATCHALL "\n" newlines "${content}")
  list(LENGTH newlines line)
  math(EXPR line "${line} + 1")
  string(APPEND content "#include ${include}\n")
  file(WRITE "${path}" "${content}")
  set(${out_line} ${line} PARENT_SCOPE)
endfunction()

# Each case: what it shows; then file|include pairs planted together. Every pair must be named.
set(cases
  "a lower layer includes a higher one|src/platform/DataPictureLoader.cpp|\"bank/DataPaths.h\""
  "the rules include the widgets, and the bank the rules|src/rules/DrillSession.h|\"widgets/ScreenWindow.h\"|src/bank/DataPaths.cpp|<rules/DrillSession.h>"
  "the screens' shared part includes the composition root|src/screens/Screen.h|\"app/Program.h\""
  "a screen includes another screen|src/screens/menu/MenuScreen.cpp|\"screens/drill/DrillScreen.h\""
  "the error layer reaches up by a relative path|src/error/RuntimeError.cpp|\"../platform/Clock.h\""
  "a tool includes the widgets|tools/bunpo-bank/BankChecker.cpp|\"widgets/PictureButton.h\""
  "a file in a folder that is no layer|src/extras/Thing.cpp|\"error/RuntimeError.h\"")

foreach(case IN LISTS cases)
  string(REPLACE "|" ";" parts "${case}")
  list(POP_FRONT parts what)
  # A fresh copy of the planted files, so that each case stands alone.
  set(planted)
  set(expected)
  while(parts)
    list(POP_FRONT parts relative include)
    if(EXISTS "${SCRATCH}/${relative}")
      file(READ "${SCRATCH}/${relative}" original)
    else()
      set(original "<none>")
    endif()
    list(APPEND planted "${relative}")
    set(original_${relative} "${original}")
    plant("${relative}" "${include}" line)
    list(APPEND expected "${relative}:${line}:")
  endwhile()
  if(what MATCHES "no layer")
    list(GET planted 0 relative)
    set(expected "${relative}: in no layer")
  endif()

  run_check(result output)
  if(result EQUAL 0)
    message(FATAL_ERROR "The check passed where ${what}:\n${output}")
  endif()
  foreach(name IN LISTS expected)
    string(FIND "${output}" "${name}" at)
    if(at EQUAL -1)
      message(FATAL_ERROR "The check failed where ${what}, but did not name ${name}:\n${output}")
    endif()
  endforeach()
  string(JOIN ", " named ${expected})
  message(STATUS "Fails and names ${named} where ${what}")

  foreach(relative IN LISTS planted)
    if(original_${relative} STREQUAL "<none>")
      file(REMOVE "${SCRATCH}/${relative}")
    else()
      file(WRITE "${SCRATCH}/${relative}" "${original_${relative}}")
    endif()
  endforeach()
endforeach()

# And passes again once every planted include is gone.
run_check(result output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "The check fails on the restored copy of the tree:\n${output}")
endif()
file(REMOVE_RECURSE "${SCRATCH}")
