# SPDX-License-Identifier: GPL-3.0-or-later
# The hardening a distribution builds its programs with. The program and bunpo-bank read files
# that anyone may hand a teacher, so a bounds fault in a reader should stop the program rather
# than let a crafted file take it over. Each flag is used only where the compiler or the linker
# accepts it, so that a build with another toolchain keeps working without it.
# The sanitizer and fuzz builds (cmake/Sanitize.cmake, cmake/Fuzz.cmake) turn it off: their
# instrumentation finds what these flags would stop, and reports it better.
# A build folder configured with sanitizers before this option existed gets it off as well.
set(hardening_default ON)
if(CMAKE_CXX_FLAGS MATCHES "-fsanitize=")
  set(hardening_default OFF)
endif()
option(BUNPO_HARDENING "Build with stack protection, fortified library calls, PIE and immediate binding"
       ${hardening_default})
if(NOT BUNPO_HARDENING)
  message(STATUS "Hardening: off")
  return()
endif()

include(CheckCXXCompilerFlag)
include(CheckLinkerFlag)
include(CheckPIESupported)

set(BUNPO_HARDENING_USED)

# Fortified library calls: copies, fills and formatted output checked against the size of their
# destination. Level 3 also checks sizes known only at run time; with level 2, bunpo-bank has
# no call that the compiler can check (the copies of its KANJIDIC reader need level 3). A glibc
# or compiler that cannot do level 3 does level 2. It needs the optimiser to see the sizes, so
# not in Debug builds; a compiler that sets it itself (Ubuntu's) is overridden, not warned about.
check_cxx_compiler_flag("-U_FORTIFY_SOURCE -D_FORTIFY_SOURCE=3" BUNPO_HAS_FORTIFY)
if(BUNPO_HAS_FORTIFY)
  add_compile_options("$<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=3>")
  list(APPEND BUNPO_HARDENING_USED "_FORTIFY_SOURCE=3 (optimised builds)")
endif()

foreach(flag -fstack-protector-strong -fstack-clash-protection)
  string(MAKE_C_IDENTIFIER "BUNPO_HAS${flag}" found)
  check_cxx_compiler_flag(${flag} ${found})
  if(${found})
    add_compile_options(${flag})
    list(APPEND BUNPO_HARDENING_USED ${flag})
  endif()
endforeach()

# Position-independent executables: Qt asks for position-independent code already; linking
# the programs as PIE as well lets the loader place them anywhere.
check_pie_supported(OUTPUT_VARIABLE pie_message LANGUAGES CXX)
if(CMAKE_CXX_LINK_PIE_SUPPORTED)
  set(CMAKE_POSITION_INDEPENDENT_CODE ON)
  list(APPEND BUNPO_HARDENING_USED PIE)
endif()

# Read-only relocations, resolved all at start-up so that none stays writable.
check_linker_flag(CXX "LINKER:-z,relro,-z,now" BUNPO_HAS_RELRO_NOW)
if(BUNPO_HAS_RELRO_NOW)
  add_link_options("LINKER:-z,relro,-z,now")
  list(APPEND BUNPO_HARDENING_USED "-z relro -z now")
endif()

list(JOIN BUNPO_HARDENING_USED ", " hardening_summary)
message(STATUS "Hardening: ${hardening_summary}")
