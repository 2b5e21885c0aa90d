#pragma once

#include "PictureRecipe.h"

#include <QString>

// Stores a picture drawn at `scale` in the file format its recipe asks for, under `outDir`,
// creating the subfolders. Refuses a drawing of the wrong size. On failure returns false and
// sets `error` to a message naming the file.
bool savePicture(const PictureRecipe& recipe, int scale, const QImage& image, const QString& outDir, QString* error);
