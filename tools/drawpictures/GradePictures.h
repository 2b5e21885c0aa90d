#pragma once

#include "PictureSpec.h"

#include <QList>

// The pictures of the Grade window: the ladder, the seven grade buttons, the mark and the
// two buttons.
QList<PictureSpec> gradePictures();
