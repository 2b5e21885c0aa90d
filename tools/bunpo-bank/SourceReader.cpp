#include "SourceReader.h"

#include "BankLayout.h"
#include "CsvReader.h"
#include "RubyText.h"

#include "bank/GradeCatalogue.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace SourceReader {

namespace {

const QStringList GradeHeader = {QStringLiteral("code"), QStringLiteral("title"), QStringLiteral("button")};
const QStringList QuestionHeader = {QStringLiteral("question"), QStringLiteral("choice1"), QStringLiteral("choice2"),
                                    QStringLiteral("choice3"), QStringLiteral("choice4"), QStringLiteral("answer")};
// What the drill shows after the answer: a grade file has all three after answer, or none.
const QStringList NoteColumns = {QStringLiteral("point"), QStringLiteral("meaning"), QStringLiteral("note")};

int characters(const QString &text)
{
    int n = 0;
    for (const char32_t c : text.toUcs4()) {
        if (c != U'\n')
            ++n;
    }
    return n;
}

bool isHeader(const QStringList &fields, const QStringList &header)
{
    if (fields.size() != header.size())
        return false;
    for (qsizetype i = 0; i < header.size(); ++i) {
        if (fields.at(i).trimmed().compare(header.at(i), Qt::CaseInsensitive) != 0)
            return false;
    }
    return true;
}

// Reads a CSV file whose first row must be one of `headers`; the rows after it go to `rows`
// and the header found to `found`.
bool readTable(const QString &path, const QList<QStringList> &headers, QList<CsvReader::Row> &rows,
               SourceErrors &errors, QStringList *found = nullptr)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        errors.append({path, 0, QStringLiteral("cannot be read: %1").arg(file.errorString())});
        return false;
    }
    if (!CsvReader::parse(file.readAll(), path, rows, errors))
        return false;
    const QString wanted = headers.first().join(QLatin1Char(','));
    if (rows.isEmpty()) {
        errors.append({path, 1, QStringLiteral("the file is empty; it begins with the header %1").arg(wanted)});
        return false;
    }
    for (const QStringList &header : headers) {
        if (isHeader(rows.first().fields, header)) {
            if (found)
                *found = header;
            rows.removeFirst();
            return true;
        }
    }
    const QStringList &fields = rows.first().fields;
    if (headers.size() > 1 && fields.size() > QuestionHeader.size() && fields.size() < headers.last().size()
        && isHeader(fields.mid(0, QuestionHeader.size()), QuestionHeader)) {
        QStringList named;
        for (const QString &f : fields.mid(QuestionHeader.size()))
            named.append(f.trimmed());
        errors.append({path, rows.first().line,
                       QStringLiteral("the header has %1 after answer; a grade file has all three of %2 or none")
                           .arg(named.join(QLatin1Char(',')), NoteColumns.join(QLatin1Char(',')))});
        return false;
    }
    QStringList names;
    for (const QStringList &header : headers)
        names.append(header.join(QLatin1Char(',')));
    errors.append({path, rows.first().line,
                   QStringLiteral("the first row must be the header %1").arg(names.join(QStringLiteral(" or ")))});
    return false;
}

QString fieldCountText(qsizetype count, const QStringList &header)
{
    QString text = QStringLiteral("%1 fields, a row needs %2 (%3)")
                       .arg(count)
                       .arg(header.size())
                       .arg(header.join(QLatin1Char(',')));
    if (count > header.size())
        text += QStringLiteral("; a comma inside a field needs the field in double quotes");
    return text;
}

// The text of a field without its readings; malformed notation is reported, and the field
// is then taken as it stands.
QString readingsChecked(const QString &field, const QString &name, const QString &path, int line,
                        SourceErrors &errors)
{
    QString why;
    if (const std::optional<RubyText> text = RubyText::parse(field, &why))
        return text->plain();
    errors.append({path, line, QStringLiteral("%1: %2").arg(name, why)});
    return field;
}

void readQuestion(const CsvReader::Row &row, const QString &path, GradeSource &grade, SourceErrors &errors)
{
    const QStringList header = grade.hasNotes ? QuestionHeader + NoteColumns : QuestionHeader;
    if (row.fields.size() != header.size()) {
        const bool notesUnnamed = !grade.hasNotes && row.fields.size() == header.size() + NoteColumns.size();
        errors.append({path, row.line,
                       notesUnnamed ? QStringLiteral("%1 fields, a row needs %2 (%3); a row with %4 needs them in the "
                                                     "header too")
                                          .arg(row.fields.size())
                                          .arg(header.size())
                                          .arg(header.join(QLatin1Char(',')), NoteColumns.join(QLatin1Char(',')))
                                    : fieldCountText(row.fields.size(), header)});
        return;
    }
    QuestionSource q;
    q.line = row.line;
    bool complete = true;
    for (qsizetype i = 0; i < header.size(); ++i) {
        if (row.fields.at(i).trimmed().isEmpty()) {
            errors.append({path, row.line,
                           QStringLiteral("%1 is empty%2")
                               .arg(header.at(i),
                                    i >= QuestionHeader.size()
                                        ? QStringLiteral(": in a file with %1, every row fills all three")
                                              .arg(NoteColumns.join(QLatin1Char(',')))
                                        : QString())});
            complete = false;
        }
    }
    if (!complete)
        return;

    q.question = row.fields.at(0).trimmed();
    // The rules below hold for the text as read; its readings are the lettering's to fit.
    const QString question = readingsChecked(q.question, QStringLiteral("the question"), path, row.line, errors);
    const int breaks = int(question.count(QLatin1Char('\n')));
    if (breaks > 1)
        errors.append({path, row.line,
                       QStringLiteral("the question holds %1 line breaks; it has two lines at most").arg(breaks)});
    const int blanks = int(question.count(blank()));
    if (blanks != 1)
        errors.append({path, row.line,
                       blanks == 0 ? QStringLiteral("the question has no blank %1").arg(blank())
                                   : QStringLiteral("the question has %1 blanks %2; it needs exactly one")
                                         .arg(blanks)
                                         .arg(blank())});
    if (const int n = characters(question); n > BankLayout::QuestionMaxCharacters)
        errors.append({path, row.line,
                       QStringLiteral("the question has %1 characters; at most %2 fit on two lines")
                           .arg(n)
                           .arg(BankLayout::QuestionMaxCharacters)});

    for (int c = 0; c < 4; ++c) {
        const QString &name = QuestionHeader.at(c + 1);
        q.choices[size_t(c)] = row.fields.at(c + 1).trimmed();
        const QString choice = readingsChecked(q.choices[size_t(c)], name, path, row.line, errors);
        if (choice.contains(QLatin1Char('\n')))
            errors.append({path, row.line, QStringLiteral("%1 holds a line break; a choice is one row").arg(name)});
        else if (const int n = characters(choice); n > BankLayout::ChoiceMaxCharacters)
            errors.append({path, row.line,
                           QStringLiteral("%1 has %2 characters; at most %3 fit on its row")
                               .arg(name)
                               .arg(n)
                               .arg(BankLayout::ChoiceMaxCharacters)});
    }

    // Spreadsheets may give the number in full-width digits or as "2.0"-free text; NFKC folds
    // the full-width forms.
    const QString answerText = row.fields.at(5).trimmed().normalized(QString::NormalizationForm_KC);
    bool isNumber = false;
    const int answer = answerText.toInt(&isNumber);
    if (!isNumber)
        errors.append({path, row.line, QStringLiteral("answer \"%1\" is not a number 1 to 4").arg(answerText)});
    else if (answer < 1 || answer > 4)
        errors.append({path, row.line, QStringLiteral("right choice %1 is outside 1 to 4").arg(answer)});
    q.answer = answer;

    if (grade.hasNotes) {
        q.point = row.fields.at(6).trimmed();
        q.meaning = row.fields.at(7).trimmed();
        q.note = row.fields.at(8).trimmed();
        // The note picture wraps both itself; a line of its own would not fit its lines.
        for (const auto &[name, text] : {std::pair{NoteColumns.at(1), &q.meaning}, std::pair{NoteColumns.at(2), &q.note}}) {
            (void)readingsChecked(*text, name, path, row.line, errors);
            if (text->contains(QLatin1Char('\n')) || text->contains(QLatin1Char('\r')))
                errors.append({path, row.line,
                               QStringLiteral("the %1 holds a line break; the note picture breaks its lines itself")
                                   .arg(name)});
        }
    }
    grade.questions.append(q);
}

void readGrade(GradeSource &grade, SourceErrors &errors)
{
    QList<CsvReader::Row> rows;
    QStringList header;
    if (!readTable(grade.file, {QuestionHeader, QuestionHeader + NoteColumns}, rows, errors, &header))
        return;
    grade.hasNotes = header.size() > QuestionHeader.size();
    for (qsizetype i = 0; i < rows.size(); ++i) {
        if (i >= BankLayout::MaxQuestions) {
            errors.append({grade.file, rows.at(i).line,
                           QStringLiteral("question %1 is one too many: a grade holds at most %2 questions")
                               .arg(i + 1)
                               .arg(BankLayout::MaxQuestions)});
            return;
        }
        readQuestion(rows.at(i), grade.file, grade, errors);
    }
    if (rows.size() < BankLayout::MinQuestions)
        errors.append({grade.file, 1,
                       QStringLiteral("%1 question%2; a grade needs %3 to %4")
                           .arg(rows.size())
                           .arg(rows.size() == 1 ? QString() : QStringLiteral("s"))
                           .arg(BankLayout::MinQuestions)
                           .arg(BankLayout::MaxQuestions)});
}

} // namespace

const QString &blank()
{
    static const QString text = QStringLiteral("（　）");
    return text;
}

bool read(const QString &sourceDir, BankSource &bank, SourceErrors &errors)
{
    const qsizetype errorsBefore = errors.size();
    const QDir dir(sourceDir);
    bank = BankSource{};
    bank.cataloguePath = dir.filePath(QStringLiteral("grades.csv"));
    if (!QFileInfo(bank.cataloguePath).isFile()) {
        errors.append({bank.cataloguePath, 0,
                       QStringLiteral("missing: it lists the seven grades, one row each: code,title,button")});
        return false;
    }
    QList<CsvReader::Row> rows;
    if (!readTable(bank.cataloguePath, {GradeHeader}, rows, errors))
        return false;

    for (qsizetype i = 0; i < rows.size(); ++i) {
        const CsvReader::Row &row = rows.at(i);
        const int index = int(i) + 1;
        const std::optional<Grade> grade = GradeCatalogue::lookup(index);
        if (!grade) {
            errors.append({bank.cataloguePath, row.line,
                           QStringLiteral("a grade row too many: there are %1 grades").arg(GradeCatalogue::Count)});
            break;
        }
        if (row.fields.size() != GradeHeader.size()) {
            errors.append({bank.cataloguePath, row.line, fieldCountText(row.fields.size(), GradeHeader)});
            continue;
        }
        GradeSource g;
        g.index = index;
        g.code = row.fields.at(0).trimmed();
        g.title = row.fields.at(1).trimmed();
        g.button = row.fields.at(2).trimmed();
        g.catalogueLine = row.line;
        if (g.code != grade->code) {
            errors.append({bank.cataloguePath, row.line,
                           QStringLiteral("row %1 must be grade %2, not \"%3\" (the grades go in the order "
                                          "g4_1 g4_2 g4_3 g3_1 g3_2 g3_3 g3_4)")
                               .arg(index)
                               .arg(grade->code, g.code)});
            continue;
        }
        if (g.title.isEmpty())
            errors.append({bank.cataloguePath, row.line, QStringLiteral("the title of %1 is empty").arg(g.code)});
        else if (const int n = characters(g.title); n > BankLayout::TitleMaxCharacters)
            errors.append({bank.cataloguePath, row.line,
                           QStringLiteral("the title of %1 has %2 characters; at most %3 fit")
                               .arg(g.code)
                               .arg(n)
                               .arg(BankLayout::TitleMaxCharacters)});
        if (g.button.isEmpty())
            errors.append({bank.cataloguePath, row.line, QStringLiteral("the button of %1 is empty").arg(g.code)});
        if (g.title.contains(QLatin1Char('\n')) || g.button.contains(QLatin1Char('\n')))
            errors.append({bank.cataloguePath, row.line,
                           QStringLiteral("the title and the button of %1 are one line each").arg(g.code)});

        g.file = dir.filePath(g.code + QStringLiteral(".csv"));
        if (!QFileInfo(g.file).isFile())
            errors.append({bank.cataloguePath, row.line,
                           QStringLiteral("the grade file %1 of %2 is missing").arg(g.file, g.code)});
        else
            readGrade(g, errors);
        bank.grades.append(g);
    }
    if (rows.size() < GradeCatalogue::Count) {
        const int line = rows.isEmpty() ? 1 : rows.last().line;
        errors.append({bank.cataloguePath, line,
                       QStringLiteral("%1 grade rows; the %2 grades g4_1 g4_2 g4_3 g3_1 g3_2 g3_3 g3_4 need one "
                                      "row each")
                           .arg(rows.size())
                           .arg(GradeCatalogue::Count)});
    }
    return errors.size() == errorsBefore;
}

} // namespace SourceReader
