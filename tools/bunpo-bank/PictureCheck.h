#pragma once

#include <QSize>
#include <QString>

// One data picture held to what the program and its layout need: present, whole (Qt decodes a
// cut-short GIF without a word, so the end of the file is looked at first), decoded by the
// program's own loader, and of a size that keeps the screen's layout.
namespace PictureCheck {

struct SizeRule
{
    QSize largest;      // neither side may be larger
    bool exact = false; // the size must be exactly `largest`
};

// What is wrong with the picture at file (a path of this system), or an empty string. Where
// the picture could be decoded, its size goes to `size` if given.
QString problem(const QString &file, SizeRule rule, QSize *size = nullptr);

} // namespace PictureCheck
