#pragma once

#include <QString>

// The run display writes its digit in full-width form (U+FF10..U+FF19).
namespace FullWidthDigits {

// Digits 0..9 become their full-width forms; any other character stays as it is.
QString toFullWidth(const QString &text);
// The last character of the decimal text of value, in full-width form: 5 gives "５", 12 gives "２".
QString lastDigitOf(int value);

} // namespace FullWidthDigits
