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

namespace {

QString textOf(Language language)
{
    QFile file(textFile(language));
    if (!file.open(QIODevice::ReadOnly))
        throw RuntimeError(RuntimeError::Kind::FileNotFound, file.fileName(), QStringLiteral("built-in text"));
    // The lines break between words (or after 、 and 。), so a space joins them in both languages.
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return lines.join(QLatin1Char(' '));
}

} // namespace

QString spoken(Language language)
{
    // A screen reader speaks this when the focus lands on the return button, and never again
    // when E switches the picture (it does not speak a change under the focus): the other
    // language follows, so a listener hears both at every opening.
    const Language second = other(language);
    const QString intro = second == Language::English ? QStringLiteral("In English:") : QStringLiteral("日本語で：");
    return textOf(language) + QLatin1Char(' ') + intro + QLatin1Char(' ') + textOf(second);
}

QString switchHint(Language language)
{
    return language == Language::Japanese ? QStringLiteral("English: E or click") : QStringLiteral("Japanese: E or click");
}

} // namespace Explanation
