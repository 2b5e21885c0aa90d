#include "ScreenReaderText.h"

#include <QStringList>

namespace ScreenReaderText {

QString withoutReadings(const QString &text)
{
    QString plain;
    plain.reserve(text.size());
    bool inReading = false;
    for (const QChar c : text) {
        if (c == QChar(0x300A)) // 《
            inReading = true;
        else if (c == QChar(0x300B)) // 》
            inReading = false;
        else if (!inReading && c != QChar(0xFF5C)) // ｜
            plain.append(c);
    }
    return plain;
}

QString question(const QString &question)
{
    // The line break only places the picture's second line; the sentence runs on.
    return withoutReadings(question).remove(QLatin1Char('\n')).remove(QLatin1Char('\r'));
}

QString choices(const std::array<QString, 4> &choices)
{
    static const QString digits = QStringLiteral("１２３４");
    QStringList items;
    for (int c = 0; c < 4; ++c)
        items.append(digits.at(c) + QLatin1Char(' ') + withoutReadings(choices[size_t(c)]));
    return items.join(QStringLiteral("、"));
}

} // namespace ScreenReaderText
