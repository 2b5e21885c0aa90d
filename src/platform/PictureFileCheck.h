#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>

// Qt decodes a cut GIF, BMP or JPEG into a full-size picture with the missing part blank and
// reports no error. These checks read the file's own structure to tell a whole file from a
// cut one.
namespace PictureFileCheck {

// format: as QImageReader names it ("gif", "bmp", "jpeg"); other formats are not checked.
// Returns what is missing ("ends inside its image data"), or an empty string for a whole file.
QString damage(const QByteArray &data, const QByteArray &format);

// The size that a GIF's header declares, the logical screen grown to hold the first image:
// Qt allocates that much however small the file, and reports only the image's size. An
// invalid size for other formats, whose reported size is what Qt allocates.
QSize declaredSize(const QByteArray &data, const QByteArray &format);

// The logical screen size that the first bytes of a file (at least 10) declare when they
// begin a GIF (87a or 89a); an invalid size for anything else. Nothing more is read.
QSize gifHeaderSize(const QByteArray &firstBytes);

// The bytes of a whole GIF's comment extensions that come before the end of its first image,
// joined; empty for a GIF without one and for a cut or damaged file.
QByteArray gifComment(const QByteArray &data);

} // namespace PictureFileCheck
