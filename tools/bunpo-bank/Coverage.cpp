#include "Coverage.h"

#include "KanjiLevelCheck.h"
#include "SourceReader.h"

#include <QDir>
#include <QSet>

namespace Coverage {

namespace {

QString described(const GrammarPoint &point)
{
    return QStringLiteral("%1 %2 (%3)").arg(point.id, point.name, point.meaning);
}

QString questions(int n)
{
    return n == 1 ? QStringLiteral("1 question") : QStringLiteral("%1 questions").arg(n);
}

void printCounted(QTextStream &out, const GrammarList &list, const QMap<QString, int> &counts)
{
    // In the list's order, which is the order of the points within a grade.
    for (const GrammarPoint &point : list.points()) {
        if (const auto it = counts.constFind(point.id); it != counts.constEnd())
            out << "    " << described(point) << ": " << questions(*it) << '\n';
    }
}

void printPlaces(QTextStream &out, const GrammarList &list, const QList<Place> &places)
{
    for (const Place &place : places) {
        out << "    " << place.file << ':' << place.line << ": ";
        if (const GrammarPoint *point = list.find(place.point))
            out << described(*point) << '\n';
        else
            out << place.point << '\n';
    }
}

} // namespace

QList<GradeReport> report(const BankSource &bank, const GrammarList &list)
{
    QList<GradeReport> reports;
    for (const int examGrade : {4, 3}) {
        GradeReport r;
        r.examGrade = examGrade;
        for (const GrammarPoint &point : list.points()) {
            if (point.grade == examGrade && !point.isOwnLabel())
                r.listed.append(&point);
        }
        QSet<QString> seenBefore;
        for (const GradeSource &grade : bank.grades) {
            if (KanjiLevelCheck::examinationGrade(grade.index) != examGrade)
                continue;
            r.codes.append(grade.code);
            QStringList first;
            for (const QuestionSource &q : grade.questions) {
                if (q.point.isEmpty()) {
                    ++r.withoutPoint;
                    continue;
                }
                const GrammarPoint *point = list.find(q.point);
                if (!point) {
                    r.unknown.append({grade.file, q.line, q.point});
                } else if (point->grade < examGrade) { // grade 3 is the harder
                    r.aboveGrade.append({grade.file, q.line, q.point});
                } else if (point->isOwnLabel()) {
                    ++r.ownLabels[point->id];
                } else if (point->grade > examGrade) {
                    ++r.lowerGrade[point->id];
                } else {
                    ++r.drilled[point->id];
                    if (!seenBefore.contains(point->id) && !first.contains(point->id))
                        first.append(point->id);
                }
            }
            for (const QString &id : first)
                seenBefore.insert(id);
            // In the list's order, as every other list of points here.
            QStringList inOrder;
            for (const GrammarPoint *point : r.listed) {
                if (first.contains(point->id))
                    inOrder.append(point->id);
            }
            r.firstDrilledIn.append({grade.code, inOrder});
        }
        reports.append(r);
    }
    return reports;
}

Result command(const QString &sourceDir, const QString &pointsFile, const QList<Requirement> &required,
               QTextStream &out, QTextStream &err)
{
    BankSource bank;
    SourceErrors errors;
    const bool readable = SourceReader::read(sourceDir, bank, errors);
    for (const SourceError &e : errors)
        err << e.text() << '\n';

    const QString listPath = pointsFile.isEmpty() ? GrammarList::locate(sourceDir) : pointsFile;
    if (listPath.isEmpty()) {
        err << "bunpo-bank coverage: no grammar list: " << QDir(sourceDir).filePath(GrammarList::fileName())
            << " is missing, and none is installed (" << GrammarList::installedPaths().join(QStringLiteral(", "))
            << "); name one with --points FILE\n";
        return Short;
    }
    SourceErrors listErrors;
    const std::optional<GrammarList> list = GrammarList::read(listPath, listErrors);
    if (!list) {
        for (const SourceError &e : listErrors)
            err << e.text() << '\n';
        err << "bunpo-bank coverage: the grammar list " << listPath << " cannot be used\n";
        return Short;
    }

    Result result = readable ? Covered : Short;
    const QList<GradeReport> reports = report(bank, *list);
    out << "Grammar points of " << listPath << " drilled by the banks of " << sourceDir << '\n';
    for (const GradeReport &r : reports) {
        out << '\n'
            << "Grade " << r.examGrade << " (" << r.codes.join(QStringLiteral(", ")) << "): drilled " << r.drilled.size()
            << " of " << r.listed.size() << '\n';
        out << "  drilled:" << (r.drilled.isEmpty() ? " none" : "") << '\n';
        printCounted(out, *list, r.drilled);
        QList<const GrammarPoint *> missing;
        for (const GrammarPoint *point : r.listed) {
            if (!r.drilled.contains(point->id))
                missing.append(point);
        }
        out << "  not drilled:" << (missing.isEmpty() ? " none" : "") << '\n';
        for (const GrammarPoint *point : missing)
            out << "    " << described(*point) << '\n';
        for (const auto &[code, ids] : r.firstDrilledIn) {
            QStringList named;
            for (const QString &id : ids)
                named.append(id + QLatin1Char(' ') + list->find(id)->name);
            out << "  first drilled in " << code << ": "
                << (named.isEmpty() ? QStringLiteral("none") : named.join(QStringLiteral(", "))) << '\n';
        }
        if (!r.lowerGrade.isEmpty()) {
            out << "  points of grade " << r.examGrade + 1 << " drilled again (not counted):\n";
            printCounted(out, *list, r.lowerGrade);
        }
        if (!r.ownLabels.isEmpty()) {
            out << "  our own labels (not counted):\n";
            printCounted(out, *list, r.ownLabels);
        }
        if (r.withoutPoint > 0)
            out << "  questions without a point: " << r.withoutPoint << '\n';
        if (!r.aboveGrade.isEmpty()) {
            out << "  points above grade " << r.examGrade << ":\n";
            printPlaces(out, *list, r.aboveGrade);
            result = Short;
        }
        if (!r.unknown.isEmpty()) {
            out << "  points in no list:\n";
            printPlaces(out, *list, r.unknown);
            result = Short;
        }
        for (const Place &place : r.aboveGrade)
            err << place.file << ':' << place.line << ": point " << place.point << " is above grade " << r.examGrade
                << '\n';
        for (const Place &place : r.unknown)
            err << place.file << ':' << place.line << ": point \"" << place.point << "\" is not in " << listPath
                << '\n';
    }
    for (const Requirement &requirement : required) {
        for (const GradeReport &r : reports) {
            if (r.examGrade == requirement.examGrade && r.drilled.size() < requirement.points) {
                err << "bunpo-bank coverage: grade " << r.examGrade << " drills " << r.drilled.size()
                    << " listed points, fewer than the " << requirement.points << " required\n";
                result = Short;
            }
        }
    }
    return result;
}

} // namespace Coverage
