#include "ScreenReaderText.h"

#include "RubyText.h"

#include <QStringList>

namespace ScreenReaderText {

QString question(const QString &question)
{
    // The line break only places the picture's second line; the sentence runs on.
    return RubyText::plainText(question).remove(QLatin1Char('\n')).remove(QLatin1Char('\r'));
}

QString choices(const std::array<QString, 4> &choices)
{
    static const QString digits = QStringLiteral("１２３４");
    QStringList items;
    for (int c = 0; c < 4; ++c)
        items.append(digits.at(c) + QLatin1Char(' ') + RubyText::plainText(choices[size_t(c)]));
    return items.join(QStringLiteral("、"));
}

} // namespace ScreenReaderText
