#pragma once

#include "SourceError.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// The grammar points each examination grade expects, one a line of grammar-points.tsv:
// grade, number, point, romaji, meaning, separated by tabs, under that header. A point is
// named by its id "grade-number" ("4-29"): its name alone is not unique (のに twice in grade 3,
// でも in both grades), its meaning tells such points apart. Numbers from 901 up are our own
// labels for what the list lacks (counters, question words): shown, never counted as a point.
struct GrammarPoint
{
    QString id;       // "4-29"
    int grade = 0;    // 4 or 3
    int number = 0;
    QString name;     // "まで"
    QString romaji;   // "made"
    QString meaning;  // "until; as far as; to (an extent); even"
    int line = 0;     // its line in the list

    bool isOwnLabel() const { return number >= OwnLabelsFrom; }
    static constexpr int OwnLabelsFrom = 901;
};

class GrammarList
{
public:
    static const QString &fileName(); // "grammar-points.tsv"

    // The list a source folder is checked against: its own grammar-points.tsv when it has one,
    // else the copy installed with bunpo-bank (../share/bunpo-drill beside the tool's folder,
    // or the tool's own folder in a build tree). Empty when there is none.
    static QString locate(const QString &sourceDir);
    // Where the installed copy is looked for, in order.
    static QStringList installedPaths();

    // Reads the list; nothing, with every fault in errors (file:line), when any line is wrong.
    static std::optional<GrammarList> read(const QString &path, SourceErrors &errors);
    static std::optional<GrammarList> parse(const QByteArray &bytes, const QString &path, SourceErrors &errors);

    const QString &path() const { return m_path; }
    const QList<GrammarPoint> &points() const { return m_points; }
    // The point with this id, or nullptr.
    const GrammarPoint *find(const QString &id) const;
    // Up to count points whose name (or reading, or romaji) is nearest to text, nearest first.
    QList<const GrammarPoint *> nearest(const QString &text, int count) const;

    // Whether text has the shape of an id: digits, a hyphen, digits.
    static bool looksLikeId(const QString &text);

private:
    QString m_path;
    QList<GrammarPoint> m_points;
};
