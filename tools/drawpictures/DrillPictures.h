#pragma once

#include "PictureRecipe.h"

#include <QList>

// The pictures of the Drill window: wallpaper, board with its track, the train car and the
// balloon, the marks, the score and answer boxes and the button faces.
QList<PictureRecipe> drillPictures();
