# Initial cache of the fuzz build (make fuzz: cmake -C cmake/Fuzz.cmake, with clang).
# Everything is built with libFuzzer's coverage and with AddressSanitizer and
# UndefinedBehaviorSanitizer; only the fuzz targets link libFuzzer's main (fuzz/CMakeLists.txt).
set(CMAKE_BUILD_TYPE RelWithDebInfo CACHE STRING "")
set(CMAKE_CXX_FLAGS "-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
    CACHE STRING "")
set(CMAKE_EXE_LINKER_FLAGS "-fsanitize=address,undefined" CACHE STRING "")
set(BUNPO_FUZZ ON CACHE BOOL "Build the fuzz targets")
# The sanitizers find what the hardening would stop, and report it better; -D_FORTIFY_SOURCE
# would also hide some of their findings behind its own checks.
set(BUNPO_HARDENING OFF CACHE BOOL "")
