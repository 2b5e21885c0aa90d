#pragma once

#include "PictureSpec.h"

#include <QList>

// The pictures of the Menu window (mountain scene, title, explanation, buttons) and the
// window icon.
QList<PictureSpec> menuPictures();
