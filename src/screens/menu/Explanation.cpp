#include "screens/menu/Explanation.h"

#include "error/RuntimeError.h"
#include "widgets/BuiltinPictures.h"

#include <QFile>
#include <QStringList>

namespace Explanation {

Language other(Language language)
{
    return language == Language::Japanese ? Language::English : Language::Japanese;
}

QString picture(Language language)
{
    return language == Language::Japanese ? Builtin::Explanation : Builtin::ExplanationEnglish;
}

QString textFile(Language language)
{
    return language == Language::Japanese ? QStringLiteral(":/menu/explanation-ja.txt")
                                          : QStringLiteral(":/menu/explanation-en.txt");
}

QString spoken(Language language)
{
    QFile file(textFile(language));
    if (!file.open(QIODevice::ReadOnly))
        throw RuntimeError(RuntimeError::Kind::FileNotFound, file.fileName(), QStringLiteral("built-in text"));
    // The lines break between words (or after 、 and 。), so a space joins them in both languages.
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    // A listener cannot see the picture's tooltip: the key is told at the end.
    const QString key = language == Language::Japanese ? QStringLiteral("English: E.") : QStringLiteral("Japanese: E.");
    return lines.join(QLatin1Char(' ')) + QLatin1Char(' ') + key;
}

QString switchHint(Language language)
{
    return language == Language::Japanese ? QStringLiteral("English: E or click") : QStringLiteral("Japanese: E or click");
}

} // namespace Explanation
