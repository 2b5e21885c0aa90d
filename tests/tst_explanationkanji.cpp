// The explanation is written for a beginner: its Japanese text keeps to the kanji of a grade-4
// bank, held to them by the banks' own check against the installed KANJIDIC. A kanji above
// that level is named with its line, as the banks' check names a question's.

#include "KanjiDictionary.h"
#include "KanjiLevelCheck.h"

#include <QFile>
#include <QTest>

class TestExplanationKanji : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void japaneseKeepsToGradeFourKanji();
};

void TestExplanationKanji::japaneseKeepsToGradeFourKanji()
{
    QString why;
    const std::optional<KanjiDictionary> dictionary = KanjiDictionary::load(KanjiDictionary::defaultPath(), &why);
    if (!dictionary)
        QSKIP(qPrintable(QStringLiteral("no kanji dictionary at %1 (%2; the Debian package kanjidic installs it)")
                             .arg(KanjiDictionary::defaultPath(), why)));

    const QString name = QStringLiteral("src/screens/menu/explanation-ja.txt");
    QFile file(QStringLiteral(BUNPO_SOURCE_DIR "/") + name);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.errorString()));

    // The text as a bank of grade 4 (index 1), one question a line.
    GradeSource grade;
    grade.index = 1;
    grade.code = QStringLiteral("g4_1");
    grade.file = name;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    // The banks' check accepts a kanji with a reading (漢字《かんじ》), but the picture draws
    // no readings: the marks would show as they are.
    for (qsizetype i = 0; i < lines.size(); ++i)
        QVERIFY2(!lines[i].contains(QChar(u'《')) && !lines[i].contains(QChar(u'｜')),
                 qPrintable(QStringLiteral("%1:%2: a reading; write the word in kana").arg(name).arg(i + 1)));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QuestionSource line;
        line.line = int(i) + 1;
        line.question = lines[i];
        grade.questions.append(line);
    }
    BankSource bank;
    bank.grades.append(grade);

    SourceErrors errors;
    KanjiLevelCheck::check(bank, *dictionary, errors);
    QStringList found;
    for (const SourceError &error : errors)
        found.append(error.text());
    QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
}

QTEST_GUILESS_MAIN(TestExplanationKanji)
#include "tst_explanationkanji.moc"
