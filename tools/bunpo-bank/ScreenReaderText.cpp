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
    // One choice a line, so that the program can name each choice button after its choice;
    // a line break inside a choice would cut it in two.
    static const QString digits = QStringLiteral("１２３４");
    QStringList lines;
    for (int c = 0; c < 4; ++c) {
        const QString text = RubyText::plainText(choices[size_t(c)]).remove(QLatin1Char('\n')).remove(QLatin1Char('\r'));
        lines.append(digits.at(c) + QStringLiteral("\u3000") + text);
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace ScreenReaderText
