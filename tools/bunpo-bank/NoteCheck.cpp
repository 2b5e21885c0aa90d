#include "NoteCheck.h"

#include "KanjiLevelCheck.h"
#include "RubyText.h"

#include <QHash>
#include <QRegularExpression>

namespace NoteCheck {

namespace {

QString withoutBlanks(QString text)
{
    static const QRegularExpression blanks(QStringLiteral("[\\s\\x{3000}]"));
    return text.remove(blanks);
}

// The text as it is read aloud: each base with a reading replaced by the reading.
QString spoken(const QString &notation)
{
    QString error;
    const std::optional<RubyText> text = RubyText::parse(notation, &error);
    if (!text)
        return notation;
    QString result;
    for (const RubyText::Segment &segment : text->segments())
        result += segment.reading.isEmpty() ? segment.base : segment.reading;
    return result;
}

QString pointText(const GrammarPoint &point)
{
    return QStringLiteral("%1 %2 (%3)").arg(point.id, point.name, point.meaning);
}

} // namespace

bool hasNotes(const BankSource &bank)
{
    for (const GradeSource &grade : bank.grades) {
        if (grade.hasNotes)
            return true;
    }
    return false;
}

QStringList keyForms(const QString &choice)
{
    QStringList forms{withoutBlanks(RubyText::plainText(choice))};
    const QString reading = withoutBlanks(spoken(choice));
    if (!forms.contains(reading))
        forms.append(reading);
    forms.removeAll(QString());
    return forms;
}

void checkPoints(const BankSource &bank, const GrammarList &list, SourceErrors &errors)
{
    for (const GradeSource &grade : bank.grades) {
        for (const QuestionSource &q : grade.questions) {
            if (q.point.isEmpty() || list.find(q.point))
                continue;
            // Written as an id, the id says nothing of the point: the right choice usually does.
            const bool shapedAsId = GrammarList::looksLikeId(q.point);
            const QString query = shapedAsId ? RubyText::plainText(q.choices[size_t(q.answer - 1)]) : q.point;
            QStringList nearest;
            for (const GrammarPoint *point : list.nearest(query, 3))
                nearest.append(pointText(*point));
            errors.append({grade.file, q.line,
                           QStringLiteral("point \"%1\" is %2 %3; the ids nearest by name%4: %5")
                               .arg(q.point,
                                    shapedAsId ? QStringLiteral("not in") : QStringLiteral("not an id (grade-number) of"),
                                    list.path(),
                                    shapedAsId ? QStringLiteral(" to the right choice %1").arg(query) : QString(),
                                    nearest.join(QStringLiteral(", ")))});
        }
    }
}

void checkNotes(const BankSource &bank, SourceErrors &errors)
{
    struct Place
    {
        QString file;
        int line;
    };
    QHash<int, QHash<QString, Place>> seen; // examination grade -> note -> where first written
    for (const GradeSource &grade : bank.grades) {
        const int examGrade = KanjiLevelCheck::examinationGrade(grade.index);
        for (const QuestionSource &q : grade.questions) {
            if (q.note.isEmpty() || q.answer < 1 || q.answer > 4)
                continue;
            const QString &choice = q.choices[size_t(q.answer - 1)];
            const QStringList keys = keyForms(choice);
            const QStringList notes = {withoutBlanks(RubyText::plainText(q.note)), withoutBlanks(spoken(q.note))};
            bool named = false;
            for (const QString &note : notes) {
                for (const QString &key : keys)
                    named = named || note.contains(key);
            }
            if (!named && !keys.isEmpty())
                errors.append({grade.file, q.line,
                               keys.size() == 1
                                   ? QStringLiteral("the note does not name the right choice %1: say why it fits")
                                         .arg(keys.first())
                                   : QStringLiteral("the note names neither the right choice %1 nor its reading %2: "
                                                    "say why it fits")
                                         .arg(keys.at(0), keys.at(1))});

            const QString words = q.note.simplified();
            QHash<QString, Place> &notesOfGrade = seen[examGrade];
            if (const auto it = notesOfGrade.constFind(words); it != notesOfGrade.constEnd())
                errors.append({grade.file, q.line,
                               QStringLiteral("the note repeats word for word the note of %1:%2; within grade %3 "
                                              "each note says why its own question's choice fits")
                                   .arg(it->file)
                                   .arg(it->line)
                                   .arg(examGrade)});
            else
                notesOfGrade.insert(words, {grade.file, q.line});
        }
    }
}

} // namespace NoteCheck
