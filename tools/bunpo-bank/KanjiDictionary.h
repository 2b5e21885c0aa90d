#pragma once

#include <QHash>
#include <QString>

#include <optional>

// The kanji levels of the former four-level examination, as the installed KANJIDIC records
// them (its J field: 4 the easiest, 1 the hardest). The file is read as it is installed, one
// kanji a line with its code point in a U field, and is never copied into the project.
class KanjiDictionary
{
public:
    // Where the dictionary is looked for: $BUNPO_KANJIDIC when set, else where the Debian
    // package kanjidic installs it.
    static QString defaultPath();

    // Reads the file; nothing, with *error set, when it cannot be read or records no level.
    static std::optional<KanjiDictionary> load(const QString &path, QString *error);

    // The kanji's level 1 to 4, or 0 when the dictionary gives it none.
    int level(char32_t kanji) const { return m_levels.value(kanji, 0); }
    qsizetype size() const { return m_levels.size(); }

private:
    QHash<char32_t, int> m_levels;
};
