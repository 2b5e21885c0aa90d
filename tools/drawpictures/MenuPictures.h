#pragma once

#include "PictureRecipe.h"

#include <QList>

// The pictures of the Menu window (mountain scene, title, explanation, buttons) and the
// window icon.
QList<PictureRecipe> menuPictures();
