#include "KanjiDictionary.h"

#include <QFile>

QString KanjiDictionary::defaultPath()
{
    const QString chosen = qEnvironmentVariable("BUNPO_KANJIDIC");
    return chosen.isEmpty() ? QStringLiteral("/usr/share/edict/kanjidic") : chosen;
}

std::optional<KanjiDictionary> KanjiDictionary::load(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return std::nullopt;
    }
    // The lines are EUC-JP, but the fields read here are ASCII: Uxxxx, the code point, and Jn,
    // the level. The English meanings in braces at the end are not read.
    KanjiDictionary dictionary;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine();
        if (line.startsWith('#'))
            continue;
        const qsizetype meanings = line.indexOf('{');
        char32_t kanji = 0;
        int level = 0;
        for (const QByteArray &field : line.left(meanings < 0 ? line.size() : meanings).trimmed().split(' ')) {
            if (field.size() < 2)
                continue;
            bool ok = false;
            if (field.at(0) == 'U') {
                const uint code = field.mid(1).toUInt(&ok, 16);
                if (ok && code <= 0x10ffff)
                    kanji = code;
            } else if (field.at(0) == 'J') {
                const int n = field.mid(1).toInt(&ok);
                if (ok && n >= 1 && n <= 4)
                    level = n;
            }
        }
        if (kanji != 0 && level != 0)
            dictionary.m_levels.insert(kanji, level);
    }
    if (file.error() != QFileDevice::NoError) {
        *error = file.errorString();
        return std::nullopt;
    }
    if (dictionary.m_levels.isEmpty()) {
        *error = QStringLiteral("it records no kanji level (no line with both a U and a J field)");
        return std::nullopt;
    }
    return dictionary;
}
