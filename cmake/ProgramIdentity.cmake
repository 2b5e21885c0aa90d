# SPDX-License-Identifier: GPL-3.0-or-later
# The names the desktop knows the program by, shared by the code, the desktop entry, the
# metainfo, the icons and the package. The version is the project's (project() above).
set(BUNPO_APP_ID io.github.bunpodrill.BunpoDrill)
set(BUNPO_HOMEPAGE https://github.com/bunpodrill/bunpo-drill)
