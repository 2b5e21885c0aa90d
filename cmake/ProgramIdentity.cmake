# SPDX-License-Identifier: GPL-3.0-or-later
# The names the desktop knows the program by, shared by the code, the desktop entry, the
# metainfo, the icons and the package. The version is the project's (project() above); the
# release date is the newest release's in NEWS (cmake/Release.cmake).
set(BUNPO_APP_ID io.github.bunpodrill.BunpoDrill)
set(BUNPO_MAINTAINER "The Bunpo Drill developers <bunpodrill@users.noreply.github.com>")

# The project's web address (https://…), once it has one. While it is empty nothing names an
# address: the metainfo has no homepage, bug-tracker or screenshot links, the package no
# Homepage and its copyright file no Source. Set, the screenshots are read from
# <address>/raw/main/docs/screenshots/ and bugs are reported at <address>/issues.
set(BUNPO_PROJECT_URL "" CACHE STRING "The project's web address; empty while it has none")
string(REGEX REPLACE "/+$" "" BUNPO_PROJECT_URL "${BUNPO_PROJECT_URL}")

# The metainfo's links, and nothing while there is no address.
set(BUNPO_METAINFO_LINKS "")
if(BUNPO_PROJECT_URL)
  set(screenshots ${BUNPO_PROJECT_URL}/raw/main/docs/screenshots)
  string(CONCAT BUNPO_METAINFO_LINKS
    "  <url type=\"homepage\">${BUNPO_PROJECT_URL}</url>\n"
    "  <url type=\"bugtracker\">${BUNPO_PROJECT_URL}/issues</url>\n"
    "  <screenshots>\n"
    "    <screenshot type=\"default\">\n"
    "      <caption>The menu</caption>\n"
    "      <caption xml:lang=\"ja\">メニュー</caption>\n"
    "      <image>${screenshots}/menu.png</image>\n"
    "    </screenshot>\n"
    "    <screenshot>\n"
    "      <caption>A question of the drill, answered</caption>\n"
    "      <caption xml:lang=\"ja\">ドリルの問題</caption>\n"
    "      <image>${screenshots}/drill.png</image>\n"
    "    </screenshot>\n"
    "    <screenshot>\n"
    "      <caption>Choosing the grade</caption>\n"
    "      <caption xml:lang=\"ja\">級の選択</caption>\n"
    "      <image>${screenshots}/grade.png</image>\n"
    "    </screenshot>\n"
    "  </screenshots>\n")
endif()
