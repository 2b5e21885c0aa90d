#include "GrammarList.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QStringDecoder>

#include <algorithm>
#include <vector>

namespace {

const QStringList Header = {QStringLiteral("grade"), QStringLiteral("number"), QStringLiteral("point"),
                            QStringLiteral("romaji"), QStringLiteral("meaning")};

// What a writer might type for a point: no blanks, no wave dashes, dots or placeholders.
QString folded(QString text)
{
    static const QRegularExpression noise(QStringLiteral("[\\s～〜・…]|\\.\\.\\.|\\[A\\]"));
    return text.remove(noise).toLower();
}

// The ways a point's name may be written: "まだ～ていません"; "ちゃいけない・じゃいけない" as
// either; "一番（いちばん）" as its name or its reading; the romaji.
QStringList spellings(const GrammarPoint &point)
{
    QStringList result;
    static const QRegularExpression reading(QStringLiteral("（([^）]*)）"));
    QString name = point.name;
    for (const QRegularExpressionMatch &m : reading.globalMatch(name))
        result += m.captured(1).split(QRegularExpression(QStringLiteral("[/／]")));
    name.remove(reading);
    result += name.split(QRegularExpression(QStringLiteral("[・/／]")));
    result += point.romaji.split(QLatin1Char('/'));
    for (QString &s : result)
        s = folded(s);
    result.removeAll(QString());
    return result;
}

int editDistance(const QString &a, const QString &b)
{
    const QList<uint> x = a.toUcs4();
    const QList<uint> y = b.toUcs4();
    std::vector<int> row(size_t(y.size()) + 1);
    for (size_t j = 0; j < row.size(); ++j)
        row[j] = int(j);
    for (qsizetype i = 1; i <= x.size(); ++i) {
        int diagonal = row[0];
        row[0] = int(i);
        for (qsizetype j = 1; j <= y.size(); ++j) {
            const int above = row[size_t(j)];
            row[size_t(j)] = std::min({above + 1, row[size_t(j) - 1] + 1, diagonal + (x[i - 1] == y[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[size_t(y.size())];
}

} // namespace

const QString &GrammarList::fileName()
{
    static const QString name = QStringLiteral("grammar-points.tsv");
    return name;
}

QStringList GrammarList::installedPaths()
{
    const QDir tool(QCoreApplication::applicationDirPath());
    return {QDir::cleanPath(tool.filePath(QStringLiteral("../share/bunpo-drill/") + fileName())),
            tool.filePath(fileName())};
}

QString GrammarList::locate(const QString &sourceDir)
{
    const QString own = QDir(sourceDir).filePath(fileName());
    if (QFileInfo(own).isFile())
        return own;
    for (const QString &path : installedPaths()) {
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}

bool GrammarList::looksLikeId(const QString &text)
{
    static const QRegularExpression id(QStringLiteral("^[0-9]+-[0-9]+$"));
    return id.match(text).hasMatch();
}

std::optional<GrammarList> GrammarList::read(const QString &path, SourceErrors &errors)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        errors.append({path, 0, QStringLiteral("cannot be read: %1").arg(file.errorString())});
        return std::nullopt;
    }
    return parse(file.readAll(), path, errors);
}

std::optional<GrammarList> GrammarList::parse(const QByteArray &bytes, const QString &path, SourceErrors &errors)
{
    const qsizetype errorsBefore = errors.size();
    GrammarList list;
    list.m_path = path;
    QHash<QString, int> seen; // id -> line
    const QList<QByteArray> lines = bytes.split('\n');
    bool headerSeen = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int lineNumber = int(i) + 1;
        QByteArray raw = lines.at(i);
        if (raw.endsWith('\r'))
            raw.chop(1);
        if (i == 0 && raw.startsWith("\xEF\xBB\xBF"))
            raw.remove(0, 3);
        QStringDecoder decoder(QStringDecoder::Utf8);
        const QString text = decoder.decode(raw);
        if (decoder.hasError()) {
            errors.append({path, lineNumber, QStringLiteral("not UTF-8")});
            continue;
        }
        if (text.trimmed().isEmpty())
            continue;
        const QStringList fields = text.split(QLatin1Char('\t'));
        if (!headerSeen) {
            headerSeen = true;
            QStringList names;
            for (const QString &f : fields)
                names.append(f.trimmed().toLower());
            if (names != Header) {
                errors.append({path, lineNumber,
                               QStringLiteral("the first line must be the header %1, separated by tabs")
                                   .arg(Header.join(QLatin1Char(' ')))});
                return std::nullopt;
            }
            continue;
        }
        if (fields.size() != Header.size()) {
            errors.append({path, lineNumber,
                           QStringLiteral("%1 fields separated by tabs, a line needs %2 (%3)")
                               .arg(fields.size())
                               .arg(Header.size())
                               .arg(Header.join(QLatin1Char(' ')))});
            continue;
        }
        GrammarPoint point;
        point.line = lineNumber;
        bool gradeOk = false, numberOk = false;
        point.grade = fields.at(0).trimmed().toInt(&gradeOk);
        point.number = fields.at(1).trimmed().toInt(&numberOk);
        point.name = fields.at(2).trimmed();
        point.romaji = fields.at(3).trimmed();
        point.meaning = fields.at(4).trimmed();
        if (!gradeOk || (point.grade != 3 && point.grade != 4)) {
            errors.append({path, lineNumber, QStringLiteral("grade \"%1\" is not 4 or 3").arg(fields.at(0).trimmed())});
            continue;
        }
        if (!numberOk || point.number < 1 || point.number > 999) {
            errors.append({path, lineNumber,
                           QStringLiteral("number \"%1\" is not a number 1 to 999").arg(fields.at(1).trimmed())});
            continue;
        }
        point.id = QStringLiteral("%1-%2").arg(point.grade).arg(point.number);
        if (point.name.isEmpty() || point.meaning.isEmpty()) {
            errors.append({path, lineNumber,
                           QStringLiteral("%1: the %2 is empty")
                               .arg(point.id, point.name.isEmpty() ? QStringLiteral("point") : QStringLiteral("meaning"))});
            continue;
        }
        if (const auto it = seen.constFind(point.id); it != seen.constEnd()) {
            errors.append({path, lineNumber, QStringLiteral("%1 is listed twice: also on line %2").arg(point.id).arg(*it)});
            continue;
        }
        seen.insert(point.id, lineNumber);
        list.m_points.append(point);
    }
    if (!headerSeen) {
        errors.append({path, 1, QStringLiteral("the file is empty; it begins with the header %1, separated by tabs")
                                    .arg(Header.join(QLatin1Char(' ')))});
        return std::nullopt;
    }
    if (errors.size() != errorsBefore)
        return std::nullopt;
    return list;
}

const GrammarPoint *GrammarList::find(const QString &id) const
{
    for (const GrammarPoint &point : m_points) {
        if (point.id == id)
            return &point;
    }
    return nullptr;
}

QList<const GrammarPoint *> GrammarList::nearest(const QString &text, int count) const
{
    const QString query = folded(text);
    if (query.isEmpty())
        return {};
    std::vector<std::pair<int, const GrammarPoint *>> ranked;
    for (const GrammarPoint &point : m_points) {
        int best = INT_MAX;
        for (const QString &spelling : spellings(point))
            best = std::min(best, editDistance(query, spelling));
        ranked.emplace_back(best, &point);
    }
    std::stable_sort(ranked.begin(), ranked.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    QList<const GrammarPoint *> result;
    for (const auto &[distance, point] : ranked) {
        if (result.size() == count)
            break;
        result.append(point);
    }
    return result;
}
