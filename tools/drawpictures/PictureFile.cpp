// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureFile.h"

#include "GifWriter.h"
#include "IndexedBmpWriter.h"

#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>

namespace {

bool writeWithQt(const QImage& image, const QString& path, const QByteArray& format, int quality,
                 QString* error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = QStringLiteral("%1: cannot open for writing: %2").arg(path, file.errorString());
        return false;
    }
    QImageWriter writer(&file, format);
    if (quality >= 0)
        writer.setQuality(quality);
    writer.setProgressiveScanWrite(false); // baseline JPEG
    writer.setOptimizedWrite(false);
    if (!writer.write(image)) {
        *error = QStringLiteral("%1: %2").arg(path, writer.errorString());
        return false;
    }
    if (!file.commit()) {
        *error = QStringLiteral("%1: cannot write: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

} // namespace

bool savePicture(const PictureRecipe& recipe, int scale, const QImage& image, const QString& outDir, QString* error)
{
    const QString path = QDir(outDir).filePath(recipe.pathAt(scale));
    const QSize size = recipe.size * scale;
    if (image.size() != size) {
        *error = QStringLiteral("%1: drawn %2x%3 px, expected %4x%5 px")
                     .arg(path)
                     .arg(image.width())
                     .arg(image.height())
                     .arg(size.width())
                     .arg(size.height());
        return false;
    }
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        *error = QStringLiteral("%1: cannot create its folder").arg(path);
        return false;
    }
    switch (recipe.format) {
    case PictureRecipe::Format::Gif:
        return writeGif(image, path, recipe.transparent, error);
    case PictureRecipe::Format::Bmp8:
        return writeIndexedBmp(image, path, error);
    case PictureRecipe::Format::Bmp24:
        // Qt stores an opaque RGB32 image as a 24-bit BMP.
        return writeWithQt(image.convertToFormat(QImage::Format_RGB32), path, "bmp", -1, error);
    case PictureRecipe::Format::Jpeg:
        return writeWithQt(image.convertToFormat(QImage::Format_RGB32), path, "jpeg", 90, error);
    case PictureRecipe::Format::Png:
        return writeWithQt(image.convertToFormat(QImage::Format_ARGB32), path, "png", -1, error);
    }
    *error = QStringLiteral("%1: unknown format").arg(path);
    return false;
}
