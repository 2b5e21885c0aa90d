# SPDX-License-Identifier: GPL-3.0-or-later
# make package: two Debian packages of what cmake --install puts under /usr.
#   bunpo-drill       the programs, the sound module, the menu entry, icons, metainfo, man pages;
#   bunpo-drill-data  everything installed under share/bunpo-drill: the question banks, their
#                     pictures and sounds, the grammar list. The same on every architecture.
# The data package is chosen by where a file is installed, not by a list of its folders, so a
# folder the build adds to the data comes along by itself (cmake/PackageStage.cmake moves it).
# Each package has its own copyright file and the changelog made from NEWS in usr/share/doc.

# The copyright files: a template from packaging/ with the project's address as Source (no
# Source line while there is none), and the full text of CC-BY-SA-4.0, which Debian does not
# keep in /usr/share/common-licenses.
file(STRINGS ${CMAKE_SOURCE_DIR}/LICENSES/CC-BY-SA-4.0.txt cc_by_sa_lines ENCODING UTF-8)
set(cc_by_sa_paragraph "License: CC-BY-SA-4.0\n")
foreach(line IN LISTS cc_by_sa_lines)
  if(line STREQUAL "")
    string(APPEND cc_by_sa_paragraph " .\n")
  else()
    string(APPEND cc_by_sa_paragraph " ${line}\n")
  endif()
endforeach()
foreach(copyright copyright copyright-data)
  set(template ${BUNPO_PACKAGING_DIR}/${copyright})
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${template} ${CMAKE_SOURCE_DIR}/LICENSES/CC-BY-SA-4.0.txt)
  file(READ ${template} text)
  string(CONFIGURE "${text}" text @ONLY)
  string(REGEX REPLACE "\nSource: \n" "\n" text "${text}")
  file(WRITE ${BUNPO_GENERATED_DIR}/${copyright}.new "${text}\n${cc_by_sa_paragraph}")
  file(COPY_FILE ${BUNPO_GENERATED_DIR}/${copyright}.new ${BUNPO_GENERATED_DIR}/${copyright} ONLY_IF_DIFFERENT)
  file(REMOVE ${BUNPO_GENERATED_DIR}/${copyright}.new)
endforeach()

# The changelog that cmake/Release.cmake made from NEWS, compressed as Debian keeps it.
if(GZIP_EXECUTABLE)
  set(BUNPO_CHANGELOG_FILE ${BUNPO_GENERATED_DIR}/changelog.gz)
  add_custom_command(OUTPUT ${BUNPO_CHANGELOG_FILE}
    COMMAND ${GZIP_EXECUTABLE} -9 -n -c ${BUNPO_DEBIAN_CHANGELOG} > ${BUNPO_CHANGELOG_FILE}
    DEPENDS ${BUNPO_DEBIAN_CHANGELOG}
    COMMENT "Compressing the changelog")
else()
  set(BUNPO_CHANGELOG_FILE ${BUNPO_DEBIAN_CHANGELOG})
endif()
add_custom_target(changelog ALL DEPENDS ${BUNPO_CHANGELOG_FILE})
install(FILES ${BUNPO_CHANGELOG_FILE} DESTINATION ${BUNPO_DOC_INSTALL_DIR})
# The data package's own, only in that package.
install(FILES ${BUNPO_CHANGELOG_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/bunpo-drill-data
        COMPONENT data EXCLUDE_FROM_ALL)
install(FILES ${BUNPO_GENERATED_DIR}/copyright-data DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/bunpo-drill-data
        RENAME copyright COMPONENT data EXCLUDE_FROM_ALL)

# Lintian's overrides, each with the reason it does not apply; only in the package.
install(FILES ${BUNPO_PACKAGING_DIR}/bunpo-drill.lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME bunpo-drill COMPONENT program EXCLUDE_FROM_ALL)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME bunpo-drill)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Bunpo Drill developers")
set(CPACK_PACKAGE_CONTACT ${BUNPO_MAINTAINER})
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL program data)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
if(BUNPO_PROJECT_URL)
  set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${BUNPO_PROJECT_URL})
endif()

set(CPACK_DEBIAN_PROGRAM_PACKAGE_NAME bunpo-drill)
file(READ ${BUNPO_PACKAGING_DIR}/bunpo-drill.description CPACK_DEBIAN_PROGRAM_DESCRIPTION)
# What is loaded at run time without being linked: the window system's platform plugins,
# GStreamer's WAV parser and PulseAudio sink (the fallback player for WAVs our own reader does
# not decode; the usual sounds go through Qt's audio output), and a Mincho face for the score
# labels and bunpo-bank's lettering. The libraries linked are added by dpkg-shlibdeps when the
# package is made (cmake/PackageStage.cmake).
set(BUNPO_PROGRAM_DEPENDS "bunpo-drill-data (= ${PROJECT_VERSION}), qt6-qpa-plugins, \
gstreamer1.0-plugins-good, gstreamer1.0-pulseaudio, fonts-ipaexfont-mincho | fonts-noto-cjk")
set(CPACK_DEBIAN_PROGRAM_PACKAGE_SUGGESTS kanjidic)

set(CPACK_DEBIAN_DATA_PACKAGE_NAME bunpo-drill-data)
set(CPACK_DEBIAN_DATA_PACKAGE_ARCHITECTURE all)
file(READ ${BUNPO_PACKAGING_DIR}/bunpo-drill-data.description CPACK_DEBIAN_DATA_DESCRIPTION)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
  ${BUNPO_PACKAGING_DIR}/bunpo-drill.description ${BUNPO_PACKAGING_DIR}/bunpo-drill-data.description)

# Stripping, the libraries' dependencies and the data's move are done on the staged files
# (cmake/PackageStage.cmake), as Debian's own tools do them: CPack's versions strip too little
# and have the maintainer scripts call ldconfig for the private sound module.
set(CPACK_STRIP_FILES OFF)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS OFF)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_SOURCE_DIR}/cmake/PackageStage.cmake)
set(CPACK_BUNPO_DATA_DIR ${BUNPO_DATA_INSTALL_DIR})
set(CPACK_BUNPO_PROGRAM_DEPENDS ${BUNPO_PROGRAM_DEPENDS})
set(CPACK_BUNPO_STRIP ${CMAKE_STRIP})

include(CPack)
