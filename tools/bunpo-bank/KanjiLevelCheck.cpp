#include "KanjiLevelCheck.h"

#include "RubyText.h"

#include <QStringList>

namespace KanjiLevelCheck {

namespace {

// "経", "経 and 済", "経, 済 and 簡".
QString listed(const QStringList &kanji)
{
    if (kanji.size() == 1)
        return kanji.first();
    return kanji.mid(0, kanji.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" and ") + kanji.last();
}

// The kanji of text that a reader sees without a reading: the bases of readings are read,
// and a reading is shown as it is written.
void collect(const QString &field, int grade, const KanjiDictionary &dictionary, QStringList &above)
{
    QString error;
    const std::optional<RubyText> text = RubyText::parse(field, &error);
    QString unread;
    if (!text) {
        unread = field; // reported by the source reader
    } else {
        for (const RubyText::Segment &segment : text->segments())
            unread += segment.reading.isEmpty() ? segment.base : segment.reading;
    }
    for (const char32_t c : unread.toUcs4()) {
        if (!isKanji(c) || dictionary.level(c) >= grade)
            continue;
        const QString kanji = QString::fromUcs4(&c, 1);
        if (!above.contains(kanji))
            above.append(kanji);
    }
}

} // namespace

int examinationGrade(int gradeIndex)
{
    return gradeIndex <= 3 ? 4 : 3;
}

bool isKanji(char32_t c)
{
    return RubyText::isKanjiRunCharacter(c) && c != U'々' && c != U'〆' && c != U'〇' && c != U'ヶ';
}

void check(const BankSource &bank, const KanjiDictionary &dictionary, SourceErrors &errors)
{
    for (const GradeSource &grade : bank.grades) {
        const int examGrade = examinationGrade(grade.index);
        for (const QuestionSource &q : grade.questions) {
            const auto report = [&](const QString &where, const QStringList &above) {
                if (!above.isEmpty())
                    errors.append({grade.file, q.line,
                                   QStringLiteral("%1%2 %3 above grade %4: give a reading or write it in kana")
                                       .arg(where, listed(above),
                                            above.size() == 1 ? QStringLiteral("is") : QStringLiteral("are"))
                                       .arg(examGrade)});
            };
            QStringList above;
            collect(q.question, examGrade, dictionary, above);
            for (const QString &choice : q.choices)
                collect(choice, examGrade, dictionary, above);
            report(QString(), above);
            // The note picture is read by the same learner.
            for (const auto &[name, text] : {std::pair{QStringLiteral("the meaning"), &q.meaning},
                                             std::pair{QStringLiteral("the note"), &q.note}}) {
                QStringList inNote;
                collect(*text, examGrade, dictionary, inNote);
                report(name + QStringLiteral(": "), inNote);
            }
        }
    }
}

} // namespace KanjiLevelCheck
