# SPDX-License-Identifier: GPL-3.0-or-later
# cmake --install: the two commands, the default data folders, the desktop entry, the metainfo,
# the launcher icons, the man pages and the licences, in the usual places under the prefix.
# The program finds its data at ../share/bunpo-drill beside its own folder, so any prefix works.
include(GNUInstallDirs)
# What no rule puts elsewhere belongs to the program's package (cmake/Package.cmake).
set(CMAKE_INSTALL_DEFAULT_COMPONENT_NAME program)

# Only the files that print the version or name the application id are told them, so that a
# new version rebuilds those alone. --version prints the version with its release date.
foreach(target bunpo-drill bunpo-bank tst_commandline tst_install tst_bunpobank)
  if(TARGET ${target})
    target_compile_definitions(${target} PRIVATE "BUNPO_VERSION=\"${PROJECT_VERSION} (${BUNPO_RELEASE_DATE})\""
      BUNPO_APP_ID="${BUNPO_APP_ID}")
  endif()
endforeach()

set(BUNPO_DATA_INSTALL_DIR ${CMAKE_INSTALL_DATADIR}/bunpo-drill)
set(BUNPO_DOC_INSTALL_DIR ${CMAKE_INSTALL_DATADIR}/doc/bunpo-drill)
set(BUNPO_PACKAGING_DIR ${CMAKE_SOURCE_DIR}/packaging)
set(BUNPO_GENERATED_DIR ${CMAKE_BINARY_DIR}/packaging)

install(TARGETS bunpo-drill RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The sound module, where the program looks for it when it is not beside it: bin/../lib/bunpo-drill.
install(TARGETS bunpo-sound LIBRARY DESTINATION lib/bunpo-drill RUNTIME DESTINATION lib/bunpo-drill)
if(TARGET bunpo-bank)
  install(TARGETS bunpo-bank RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  # The grammar list the notes' points name, with the data: where bunpo-bank looks
  # (../share/bunpo-drill beside its folder) when a source folder has no list of its own.
  install(FILES ${CMAKE_SOURCE_DIR}/content/grammar-points.tsv DESTINATION ${BUNPO_DATA_INSTALL_DIR})
endif()

# The data folders that the build draws into bin/ from content/; note only when the default
# banks carry notes (the build removes it otherwise).
if(TARGET databank)
  foreach(folder answer question choices title sound)
    install(DIRECTORY ${BUNPO_BIN_DIR}/${folder} DESTINATION ${BUNPO_DATA_INSTALL_DIR})
  endforeach()
  install(DIRECTORY ${BUNPO_BIN_DIR}/note DESTINATION ${BUNPO_DATA_INSTALL_DIR} OPTIONAL)
endif()

# The desktop entry and the metainfo are named by the application id.
set(BUNPO_DESKTOP_FILE ${BUNPO_GENERATED_DIR}/${BUNPO_APP_ID}.desktop)
set(BUNPO_METAINFO_FILE ${BUNPO_GENERATED_DIR}/${BUNPO_APP_ID}.metainfo.xml)
configure_file(${BUNPO_PACKAGING_DIR}/bunpo-drill.desktop.in ${BUNPO_DESKTOP_FILE} @ONLY)
configure_file(${BUNPO_PACKAGING_DIR}/bunpo-drill.metainfo.xml.in ${BUNPO_METAINFO_FILE} @ONLY)
install(FILES ${BUNPO_DESKTOP_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${BUNPO_METAINFO_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Launcher icons, drawn by tools/drawpictures and committed.
foreach(size 48 64 128 256)
  install(FILES ${CMAKE_SOURCE_DIR}/src/widgets/pictures/launcher/icon-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${BUNPO_APP_ID}.png)
endforeach()

# Man pages with the version and the release date, compressed as Debian installs them when gzip is there.
find_program(GZIP_EXECUTABLE gzip)
foreach(page bunpo-drill.1 bunpo-bank.1)
  configure_file(${BUNPO_PACKAGING_DIR}/${page} ${BUNPO_GENERATED_DIR}/${page} @ONLY)
  if(GZIP_EXECUTABLE)
    add_custom_command(OUTPUT ${BUNPO_GENERATED_DIR}/${page}.gz
      COMMAND ${GZIP_EXECUTABLE} -9 -n -c ${BUNPO_GENERATED_DIR}/${page} > ${BUNPO_GENERATED_DIR}/${page}.gz
      DEPENDS ${BUNPO_GENERATED_DIR}/${page}
      COMMENT "Compressing the man page ${page}")
    list(APPEND BUNPO_MAN_PAGES ${BUNPO_GENERATED_DIR}/${page}.gz)
  else()
    list(APPEND BUNPO_MAN_PAGES ${BUNPO_GENERATED_DIR}/${page})
  endif()
endforeach()
add_custom_target(manpages ALL DEPENDS ${BUNPO_MAN_PAGES})
install(FILES ${BUNPO_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The copyright file (made by cmake/Package.cmake) holds every licence; the licence texts
# beside it are for installations without /usr/share/common-licenses, never in a package.
install(FILES ${CMAKE_SOURCE_DIR}/README.md ${BUNPO_GENERATED_DIR}/copyright DESTINATION ${BUNPO_DOC_INSTALL_DIR})
install(FILES ${CMAKE_SOURCE_DIR}/LICENSE
        ${CMAKE_SOURCE_DIR}/LICENSES/GPL-3.0-or-later.txt ${CMAKE_SOURCE_DIR}/LICENSES/CC-BY-SA-4.0.txt
        DESTINATION ${BUNPO_DOC_INSTALL_DIR} COMPONENT licences)

# The desktop entry and the metainfo as the software centres read them.
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
find_program(APPSTREAMCLI appstreamcli)
if(DESKTOP_FILE_VALIDATE)
  add_test(NAME desktop_entry_valid COMMAND ${DESKTOP_FILE_VALIDATE} ${BUNPO_DESKTOP_FILE})
else()
  message(STATUS "desktop-file-validate not found (scripts/bootstrap installs it): desktop entry not checked")
endif()
if(APPSTREAMCLI)
  add_test(NAME metainfo_valid COMMAND ${APPSTREAMCLI} validate --no-net --explain ${BUNPO_METAINFO_FILE})
else()
  message(STATUS "appstreamcli not found (scripts/bootstrap installs it): metainfo not checked")
endif()

# The installed program, started from a temporary DESTDIR with no data beside it.
if(TARGET tst_install)
  target_compile_definitions(tst_install PRIVATE
    BUNPO_CMAKE_COMMAND="${CMAKE_COMMAND}"
    BUNPO_BUILD_DIR="${CMAKE_BINARY_DIR}"
    BUNPO_INSTALL_BINDIR="${CMAKE_INSTALL_BINDIR}"
    BUNPO_INSTALL_DATADIR="${CMAKE_INSTALL_DATADIR}"
    BUNPO_INSTALL_MANDIR="${CMAKE_INSTALL_MANDIR}")
  add_dependencies(tst_install bunpo-drill manpages)
  if(TARGET databank)
    add_dependencies(tst_install databank)
  endif()
  if(TARGET bunpo-bank)
    add_dependencies(tst_install bunpo-bank)
  endif()
endif()
