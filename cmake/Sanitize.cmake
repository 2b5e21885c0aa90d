# Initial cache of the sanitizer build (make check-sanitize: cmake -C cmake/Sanitize.cmake).
# AddressSanitizer with its leak checker, and UndefinedBehaviorSanitizer; every finding ends
# the program that made it, so the test that ran it fails.
set(CMAKE_BUILD_TYPE RelWithDebInfo CACHE STRING "")
set(CMAKE_CXX_FLAGS "-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer" CACHE STRING "")
set(CMAKE_EXE_LINKER_FLAGS "-fsanitize=address,undefined" CACHE STRING "")
# The sanitizers find what the hardening would stop, and report it better; -D_FORTIFY_SOURCE
# would also hide some of their findings behind its own checks.
set(BUNPO_HARDENING OFF CACHE BOOL "")
