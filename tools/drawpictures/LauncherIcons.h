// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PictureRecipe.h"

#include <QImage>
#include <QList>

// The program's icon motif, a snow-capped mountain under a blue sky, painted 256 px square
// and opaque; the window icon and the launcher icons are reduced from it.
QImage iconMotif();

// The launcher icons: the motif on a rounded square with a transparent surround, at 48, 64,
// 128 and 256 px, stored as PNG under launcher/ ("launcher/icon-48.png").
QList<PictureRecipe> launcherIcons();
