#include "rules/FullWidthDigits.h"

namespace FullWidthDigits {

QString toFullWidth(const QString &text)
{
    QString result = text;
    for (QChar &c : result)
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            c = QChar(char16_t(0xFF10 + (c.unicode() - u'0')));
    return result;
}

QString lastDigitOf(int value)
{
    return toFullWidth(QString::number(value).right(1));
}

} // namespace FullWidthDigits
