# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DREADELF=<readelf> -DFILES=<a;b> -P cmake/CheckNoWidgets.cmake
#
# The programs below the widgets' layer (the rules' test, bunpo-bank) must run without Qt
# Widgets: fails naming each of FILES that needs the library.
if(NOT READELF OR NOT FILES)
  message(FATAL_ERROR "CheckNoWidgets: give -DREADELF=<readelf> -DFILES=<programs>")
endif()
set(faults 0)
foreach(file IN LISTS FILES)
  execute_process(COMMAND "${READELF}" -d "${file}" RESULT_VARIABLE result OUTPUT_VARIABLE dynamic ERROR_VARIABLE dynamic)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "CheckNoWidgets: ${READELF} cannot read ${file}:\n${dynamic}")
  endif()
  if(dynamic MATCHES "NEEDED[^\n]*libQt6Widgets")
    message(NOTICE "${file} needs Qt Widgets")
    math(EXPR faults "${faults} + 1")
  endif()
endforeach()
if(faults GREATER 0)
  message(FATAL_ERROR "CheckNoWidgets: ${faults} program(s) below the widgets need Qt Widgets")
endif()
