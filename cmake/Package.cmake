# SPDX-License-Identifier: GPL-3.0-or-later
# make package: a Debian package of everything cmake --install puts under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME bunpo-drill)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Bunpo Drill developers")
set(CPACK_PACKAGE_CONTACT "The Bunpo Drill developers <bunpodrill@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "drill of Japanese grammar for grades 4 and 3 of the proficiency examination")
set(CPACK_PACKAGE_DESCRIPTION "Bunpo Drill drills the grammar section of grades 4 and 3 of the \
Japanese-language proficiency examination for foreigners living in Japan: seven grades of \
multiple-choice questions with a score, a bonus for five right answers in a row and a balloon \
that bursts at the fifth wrong one. bunpo-bank turns questions written as CSV into a question bank.")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${BUNPO_HOMEPAGE})
# The libraries come from dpkg-shlibdeps; what is loaded at run time without being linked is
# named here: the window system's platform plugins, GStreamer's WAV parser and PulseAudio sink
# (the fallback player for WAVs our own reader does not decode; the usual sounds go through
# Qt's audio output), and a Mincho face for the score labels and bunpo-bank's lettering.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "qt6-qpa-plugins, gstreamer1.0-plugins-good, gstreamer1.0-pulseaudio, fonts-ipaexfont-mincho | fonts-noto-cjk")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS kanjidic)

include(CPack)
