# SPDX-License-Identifier: GPL-3.0-or-later
# Run by CPack (make package) once each package's files are staged and before the packages are
# made; the CPACK_ variables are cmake/Package.cmake's. Three things, as Debian's own tools do:
# 1. everything installed under share/bunpo-drill moves from the program's package to the
#    data package, whatever folders and files the build wrote there;
# 2. the programs and the sound module are stripped of their symbols and of the .comment and
#    .note sections (the build ID notes stay);
# 3. the program's package depends on the libraries they link, as dpkg-shlibdeps finds them.
set(stage ${CPACK_TEMPORARY_DIRECTORY})
set(program_root ${stage}/program${CPACK_PACKAGING_INSTALL_PREFIX})
set(data_root ${stage}/data${CPACK_PACKAGING_INSTALL_PREFIX})
if(NOT IS_DIRECTORY ${program_root} OR NOT IS_DIRECTORY ${data_root})
  message(FATAL_ERROR "PackageStage: the staged packages are not in ${stage}/program and ${stage}/data")
endif()

# 1. The data.
set(program_data ${program_root}/${CPACK_BUNPO_DATA_DIR})
if(NOT IS_DIRECTORY ${program_data})
  message(FATAL_ERROR "PackageStage: no data was installed in ${CPACK_BUNPO_DATA_DIR}")
endif()
get_filename_component(data_parent ${data_root}/${CPACK_BUNPO_DATA_DIR} DIRECTORY)
file(MAKE_DIRECTORY ${data_parent})
file(RENAME ${program_data} ${data_root}/${CPACK_BUNPO_DATA_DIR})

# 2. and 3. Every ELF file of the program's package.
file(GLOB_RECURSE staged LIST_DIRECTORIES false ${program_root}/*)
set(elf_files "")
foreach(file IN LISTS staged)
  if(NOT IS_SYMLINK ${file})
    file(READ ${file} magic LIMIT 4 HEX)
    if(magic STREQUAL "7f454c46")
      list(APPEND elf_files ${file})
    endif()
  endif()
endforeach()
if(NOT elf_files)
  message(FATAL_ERROR "PackageStage: no program found in ${program_root}")
endif()

find_program(strip_command NAMES ${CPACK_BUNPO_STRIP} strip)
foreach(file IN LISTS elf_files)
  # A shared object keeps the symbols that others link against; a program needs none.
  if(file MATCHES "\\.so$")
    set(strip_options --remove-section=.comment --remove-section=.note --strip-unneeded)
  else()
    set(strip_options --remove-section=.comment --remove-section=.note)
  endif()
  execute_process(COMMAND ${strip_command} ${strip_options} ${file}
                  RESULT_VARIABLE result ERROR_VARIABLE error)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "PackageStage: strip ${file}: ${error}")
  endif()
endforeach()

find_program(shlibdeps_command dpkg-shlibdeps)
if(NOT shlibdeps_command)
  message(FATAL_ERROR "PackageStage: dpkg-shlibdeps is missing (Debian package dpkg-dev; scripts/bootstrap installs it)")
endif()
# dpkg-shlibdeps reads debian/control of the folder it runs in; an empty one will do.
set(shlibdeps_dir ${stage}/shlibdeps)
file(MAKE_DIRECTORY ${shlibdeps_dir}/debian)
file(WRITE ${shlibdeps_dir}/debian/control "")
execute_process(COMMAND ${shlibdeps_command} -O ${elf_files}
                WORKING_DIRECTORY ${shlibdeps_dir}
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE error
                OUTPUT_STRIP_TRAILING_WHITESPACE)
file(REMOVE_RECURSE ${shlibdeps_dir})
if(NOT result EQUAL 0 OR NOT output MATCHES "shlibs:Depends=([^\n]+)")
  message(FATAL_ERROR "PackageStage: dpkg-shlibdeps failed: ${error}")
endif()
set(CPACK_DEBIAN_PROGRAM_PACKAGE_DEPENDS "${CMAKE_MATCH_1}, ${CPACK_BUNPO_PROGRAM_DEPENDS}")
message(STATUS "PackageStage: bunpo-drill depends on ${CPACK_DEBIAN_PROGRAM_PACKAGE_DEPENDS}")
