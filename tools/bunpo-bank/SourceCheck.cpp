#include "SourceCheck.h"

#include "FontPicker.h"
#include "KanjiDictionary.h"
#include "KanjiLevelCheck.h"
#include "NoteCheck.h"
#include "SourceReader.h"

#include <QDir>

namespace SourceCheck {

namespace {

// Every fault that the lettering decides: a character no font has, a text that does not fit.
void checkLettering(const BankSource &bank, const BankPainter &painter, SourceErrors &errors)
{
    for (const GradeSource &grade : bank.grades) {
        if (!grade.title.isEmpty())
            if (const QString why = painter.checkTitle(grade.title); !why.isEmpty())
                errors.append({bank.cataloguePath, grade.catalogueLine, QStringLiteral("%1: %2").arg(grade.code, why)});
        if (!grade.button.isEmpty())
            if (const QString why = painter.checkButton(grade.button); !why.isEmpty())
                errors.append({bank.cataloguePath, grade.catalogueLine, QStringLiteral("%1: %2").arg(grade.code, why)});
        for (const QuestionSource &q : grade.questions) {
            if (const QString why = painter.checkQuestion(q.question); !why.isEmpty())
                errors.append({grade.file, q.line, why});
            for (int c = 0; c < 4; ++c) {
                if (const QString why = painter.checkChoice(q.choices[size_t(c)], QStringLiteral("choice%1").arg(c + 1));
                    !why.isEmpty())
                    errors.append({grade.file, q.line, why});
            }
            if (!q.meaning.isEmpty())
                if (const QString why = painter.checkMeaning(q.meaning); !why.isEmpty())
                    errors.append({grade.file, q.line, why});
            if (!q.note.isEmpty())
                if (const QString why = painter.checkNote(q.note); !why.isEmpty())
                    errors.append({grade.file, q.line, why});
        }
    }
}

} // namespace

bool run(const QString &sourceDir, const BankPainter &painter, BankSource &bank, SourceErrors &errors,
         QTextStream &notes)
{
    const qsizetype errorsBefore = errors.size();
    SourceReader::read(sourceDir, bank, errors);

    const QString dictionaryPath = KanjiDictionary::defaultPath();
    QString why;
    if (const std::optional<KanjiDictionary> dictionary = KanjiDictionary::load(dictionaryPath, &why))
        KanjiLevelCheck::check(bank, *dictionary, errors);
    else
        notes << "bunpo-bank: kanji levels are not checked: no kanji dictionary at " << dictionaryPath << " (" << why
              << "; the Debian package kanjidic installs it)\n";

    if (NoteCheck::hasNotes(bank)) {
        const QString listPath = GrammarList::locate(sourceDir);
        if (listPath.isEmpty()) {
            QStringList tried{QDir(sourceDir).filePath(GrammarList::fileName())};
            tried += GrammarList::installedPaths();
            errors.append({tried.first(), 0,
                           QStringLiteral("missing: the points of the notes are ids of the grammar list, and there is "
                                          "none here nor where bunpo-bank is installed (%1)")
                               .arg(tried.mid(1).join(QStringLiteral(", ")))});
        } else {
            bank.grammar = GrammarList::read(listPath, errors);
            if (bank.grammar)
                NoteCheck::checkPoints(bank, *bank.grammar, errors);
        }
        NoteCheck::checkNotes(bank, errors);
    }
    checkLettering(bank, painter, errors);
    return errors.size() == errorsBefore;
}

Result command(const QString &sourceDir, QTextStream &out, QTextStream &err)
{
    if (!FontPicker::minchoInstalled()) {
        err << "bunpo-bank check-source: no Mincho font is installed (IPAexMincho or Noto Serif CJK JP), so the "
               "lettering cannot be measured\n";
        return Problems;
    }
    BankSource bank;
    SourceErrors errors;
    const BankPainter painter;
    if (!SourceCheck::run(sourceDir, painter, bank, errors, err)) {
        for (const SourceError &e : errors)
            out << e.text() << '\n';
        out << "bunpo-bank check-source: " << errors.size() << (errors.size() == 1 ? " problem" : " problems")
            << " in " << sourceDir << '\n';
        return Problems;
    }
    qsizetype questions = 0;
    for (const GradeSource &grade : bank.grades)
        questions += grade.questions.size();
    out << "bunpo-bank check-source: sound: " << bank.grades.size() << " grades, " << questions << " questions in "
        << sourceDir << '\n';
    return Clean;
}

} // namespace SourceCheck
