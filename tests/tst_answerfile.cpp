#include "bank/AnswerFileReader.h"
#include "error/RuntimeError.h"
#include "support/TestMain.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

using Kind = RuntimeError::Kind;
Q_DECLARE_METATYPE(std::optional<RuntimeError::Kind>)

namespace {

constexpr qint16 Untouched = -7;

// "60" then 60 answers 1, 2, 3, 4, 1, ... one a line.
QByteArray bankOf(int count, int answers)
{
    QByteArray text = QByteArray::number(count) + "\r\n";
    for (int k = 1; k <= answers; ++k)
        text += QByteArray::number((k - 1) % 4 + 1) + "\r\n";
    return text;
}

QList<qint16> cycle(int n)
{
    QList<qint16> values;
    for (int k = 1; k <= n; ++k)
        values.append(qint16((k - 1) % 4 + 1));
    return values;
}

int openFiles()
{
    return int(QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::Files | QDir::System).size());
}

} // namespace

class TestAnswerFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void read_data();
    void read();
    void missingFile();
};

void TestAnswerFile::read_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<std::optional<Kind>>("error");
    QTest::addColumn<QString>("detail"); // how the error starts: "item 3"
    QTest::addColumn<int>("count");
    QTest::addColumn<QList<qint16>>("answers"); // entries 1.. stored; the rest stay untouched

    const std::optional<Kind> none;
    const QList<qint16> two41{2, 4, 1};

    // Layouts of items.
    QTest::newRow("lines CR LF") << QByteArray("3\r\n2\r\n4\r\n1\r\n") << none << "" << 3 << two41;
    QTest::newRow("one line, commas") << QByteArray("3,2,4,1") << none << "" << 3 << two41;
    QTest::newRow("bare LF") << QByteArray("3\n2\n4\n1") << none << "" << 3 << two41;
    QTest::newRow("bare CR") << QByteArray("3\r2\r4\r1\r") << none << "" << 3 << two41;
    QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBF" "3\r\n2\r\n4\r\n1\r\n") << none << "" << 3 << two41;
    QTest::newRow("blanks and tabs before items") << QByteArray("  3, \t2,4\r\n\t 1") << none << "" << 3 << two41;
    QTest::newRow("blanks after items") << QByteArray("3 \r\n2\t,4  ,1 ") << none << "" << 3 << two41;
    QTest::newRow("comma ending each line") << QByteArray("3,\r\n2,\r\n4,\r\n1,\r\n") << none << "" << 3 << two41;
    QTest::newRow("blank lines") << QByteArray("\r\n3\r\n\r\n2\n  \n4\r\n1") << none << "" << 3 << two41;
    QTest::newRow("later lines never read") << QByteArray("3\r\n2\r\n4\r\n1\r\n9\r\nnot, numbers, 99999\r\n") << none
                                            << "" << 3 << two41;
    QTest::newRow("rubbish after the last item") << QByteArray("3,2,4,1,x") << none << "" << 3 << two41;
    QTest::newRow("sign and leading zeros") << QByteArray("+3,02,+004,-0001") << none << "" << 3
                                            << QList<qint16>{2, 4, -1};
    QTest::newRow("limits of 16 bits") << QByteArray("2,32767,-32768") << none << "" << 2
                                       << QList<qint16>{32767, -32768};
    QTest::newRow("answer outside 1..4 is stored") << QByteArray("2,0,9") << none << "" << 2 << QList<qint16>{0, 9};

    // Counts.
    QTest::newRow("count 60") << bankOf(60, 60) << none << "" << 60 << cycle(60);
    QTest::newRow("count 61") << bankOf(61, 61) << std::optional(Kind::SubscriptOutOfRange) << "answer 61" << 61
                              << cycle(60);
    QTest::newRow("count 61, 60 answers") << bankOf(61, 60) << std::optional(Kind::SubscriptOutOfRange)
                                          << "answer 61" << 61 << cycle(60);
    QTest::newRow("count 1") << QByteArray("1\r\n3\r\n") << none << "" << 1 << QList<qint16>{3};
    QTest::newRow("count 0") << QByteArray("0\r\n") << none << "" << 0 << QList<qint16>{};
    QTest::newRow("count -1") << QByteArray("-1\r\n2\r\n") << none << "" << -1 << QList<qint16>{};

    // Files that end too soon.
    QTest::newRow("count 5, four answers") << QByteArray("5\r\n1\r\n2\r\n3\r\n4\r\n")
                                           << std::optional(Kind::InputPastEndOfFile) << "item 6" << 5
                                           << QList<qint16>{1, 2, 3, 4};
    QTest::newRow("empty file") << QByteArray() << std::optional(Kind::InputPastEndOfFile) << "item 1" << int(Untouched)
                                << QList<qint16>{};
    QTest::newRow("blank lines only") << QByteArray("\xEF\xBB\xBF \r\n\r\n") << std::optional(Kind::InputPastEndOfFile)
                                      << "item 1" << int(Untouched) << QList<qint16>{};
    QTest::newRow("comma, then the end") << QByteArray("2,1,") << std::optional(Kind::InputPastEndOfFile) << "item 3"
                                         << 2 << QList<qint16>{1};

    // Items that are not whole numbers, or too large.
    QTest::newRow("decimal count") << QByteArray("3.0\r\n2\r\n4\r\n1") << std::optional(Kind::TypeMismatch) << "item 1"
                                   << int(Untouched) << QList<qint16>{};
    QTest::newRow("letter") << QByteArray("3,2,x,1") << std::optional(Kind::TypeMismatch) << "item 3" << 3
                            << QList<qint16>{2};
    QTest::newRow("empty item") << QByteArray("3,2,,1") << std::optional(Kind::TypeMismatch) << "item 3" << 3
                                << QList<qint16>{2};
    QTest::newRow("empty first item") << QByteArray(",3,2") << std::optional(Kind::TypeMismatch) << "item 1"
                                      << int(Untouched) << QList<qint16>{};
    QTest::newRow("blank between two numbers") << QByteArray("3\r\n2 4\r\n1") << std::optional(Kind::TypeMismatch)
                                               << "item 2" << 3 << QList<qint16>{};
    QTest::newRow("long blank run between two numbers") << QByteArray("3\r\n2" + QByteArray(80, ' ') + "4\r\n1")
                                                        << std::optional(Kind::TypeMismatch) << "item 2" << 3
                                                        << QList<qint16>{};
    QTest::newRow("sign alone") << QByteArray("3,2,-,1") << std::optional(Kind::TypeMismatch) << "item 3" << 3
                                << QList<qint16>{2};
    QTest::newRow("full-width digit") << QByteArray("3,2,\xEF\xBC\x94,1") << std::optional(Kind::TypeMismatch)
                                      << "item 3" << 3 << QList<qint16>{2};
    QTest::newRow("32768") << QByteArray("3,2,32768,1") << std::optional(Kind::Overflow) << "item 3" << 3
                           << QList<qint16>{2};
    QTest::newRow("-32769") << QByteArray("3,2,4,-32769") << std::optional(Kind::Overflow) << "item 4" << 3
                            << QList<qint16>{2, 4};
    QTest::newRow("count of 30 digits") << QByteArray("999999999999999999999999999999\r\n1") << std::optional(Kind::Overflow)
                                        << "item 1" << int(Untouched) << QList<qint16>{};
    QTest::newRow("200 digits") << QByteArray("2,1,") + QByteArray(200, '7') << std::optional(Kind::Overflow) << "item 3"
                                << 2 << QList<qint16>{1};
}

void TestAnswerFile::read()
{
    QFETCH(QByteArray, content);
    QFETCH(std::optional<Kind>, error);
    QFETCH(QString, detail);
    QFETCH(int, count);
    QFETCH(QList<qint16>, answers);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("g4_1.ans"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();

    qint16 questionCount = Untouched;
    AnswerTable table;
    table.fill(Untouched);
    const int filesBefore = openFiles();
    try {
        AnswerFileReader::read(path, questionCount, table);
        QVERIFY2(!error, "no error was raised");
    } catch (const RuntimeError &e) {
        QVERIFY2(error.has_value(), qPrintable(e.message()));
        QCOMPARE(e.kind(), *error);
        QCOMPARE(e.subject(), path);
        QVERIFY2(e.detail().startsWith(detail), qPrintable(e.detail()));
    }
    QCOMPARE(openFiles(), filesBefore);
    QCOMPARE(questionCount, qint16(count));
    QCOMPARE(table[0], Untouched);
    for (int k = 1; k < int(table.size()); ++k)
        QCOMPARE(table[k], k <= answers.size() ? answers[k - 1] : Untouched);
}

void TestAnswerFile::missingFile()
{
    QTemporaryDir dir;
    for (const QString &path : {dir.filePath(QStringLiteral("g4_1.ans")), dir.path()}) {
        qint16 count = 0;
        AnswerTable table{};
        try {
            AnswerFileReader::read(path, count, table);
            QFAIL("no error was raised");
        } catch (const RuntimeError &e) {
            QCOMPARE(e.kind(), Kind::FileNotFound);
            QCOMPARE(e.subject(), path);
        }
    }
}

BUNPO_TEST_MAIN(TestAnswerFile)
#include "tst_answerfile.moc"
