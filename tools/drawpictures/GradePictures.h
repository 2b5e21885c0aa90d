#pragma once

#include "PictureRecipe.h"

#include <QList>

// The pictures of the Grade window: the ladder, the seven grade buttons, the mark and the
// two buttons.
QList<PictureRecipe> gradePictures();
