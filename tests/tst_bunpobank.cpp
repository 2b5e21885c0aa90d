// bunpo-bank run as a process: the builder's faults, the checker's faults, and that what the
// builder writes is what the program reads.

#include "bank/AnswerFileReader.h"
#include "bank/DataPaths.h"
#include "bank/GradeCatalogue.h"
#include "platform/DataFile.h"
#include "platform/DataPictureLoader.h"
#include "support/TestMain.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <functional>

#include <unistd.h>

#ifndef BUNPO_BANK_TOOL
#define BUNPO_BANK_TOOL ""
#endif

namespace {

struct ToolRun
{
    int exitCode = -1;
    QString out;
    QString err;
};

// The kanji levels the tool reads in these tests (initTestCase points it here): a few kanji
// in the dictionary's own line format, 丈 with no level, and no line at all for 鬱.
const QByteArray KanjiLevels = "# KANJIDIC test excerpt/\n"
                               "本 4B5C U672c B75 G1 S5 F10 J4 N96 {book} {present} {main}\n"
                               "読 4649 U8aad B149 G2 S14 F618 J4 {read}\n"
                               "時 3B7E U6642 B72 G2 S10 F16 J4 {time} {hour}\n"
                               "日 467C U65e5 B72 G1 S4 F1 J4 {day} {sun} {Japan}\n"
                               "近 3661 U8fd1 B162 G2 S7 F112 J3 {near}\n"
                               "経 3750 U7d4c B120 G5 S11 F242 J2 {sutra}\n"
                               "済 3A51 U6e08 B85 G6 S11 F413 J2 {settle}\n"
                               "丈 3E66 U4e08 B1 G7 S3 F1375 {length}\n";
QString kanjiLevelsPath;

ToolRun runTool(const QStringList &arguments, const QString &dictionary = kanjiLevelsPath)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("BUNPO_KANJIDIC"), dictionary);
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(BUNPO_BANK_TOOL), arguments);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

const QStringList Codes = {"g4_1", "g4_2", "g4_3", "g3_1", "g3_2", "g3_3", "g3_4"};

QByteArray gradeFile(const QList<QByteArray> &rows)
{
    QByteArray text = "question,choice1,choice2,choice3,choice4,answer\n";
    for (const QByteArray &row : rows)
        text += row + "\n";
    return text;
}

QByteArray plainRow(int answer)
{
    return "わたしは　まいあさ　７じ（　）おきます。,に,で,を,が," + QByteArray::number(answer);
}

QByteArray gradesFile(const QList<QByteArray> &rows)
{
    return "code,title,button\n" + rows.join('\n') + "\n";
}

QList<QByteArray> gradeRows()
{
    return {"g4_1,４級　レベル１,４級－１", "g4_2,４級　レベル２,４級－２", "g4_3,４級　レベル３,４級－３",
            "g3_1,３級　レベル１,３級－１", "g3_2,３級　レベル２,３級－２", "g3_3,３級　レベル３,３級－３",
            "g3_4,３級　レベル４,３級－４"};
}

// A sound source: grades.csv and two questions in each grade.
QMap<QString, QByteArray> goodSource()
{
    QMap<QString, QByteArray> files;
    files["grades.csv"] = gradesFile(gradeRows());
    for (const QString &code : Codes)
        files[code + ".csv"] = gradeFile({plainRow(1), "としょかん（　）ほんを　よみます。,を,で,に,へ,2"});
    return files;
}

void writeFiles(const QString &dir, const QMap<QString, QByteArray> &files)
{
    for (auto it = files.begin(); it != files.end(); ++it) {
        QFile file(QDir(dir).filePath(it.key()));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(it.value());
    }
}

// Every file under dir (hidden ones too) with a hash of its bytes.
QMap<QString, QByteArray> snapshot(const QString &dir)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(dir, QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QByteArray hash = "folder";
        if (it.fileInfo().isFile()) {
            QFile file(path);
            if (file.open(QIODevice::ReadOnly))
                hash = QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1).toHex();
        }
        files.insert(QDir(dir).relativeFilePath(path), hash);
    }
    return files;
}

void copyTree(const QString &from, const QString &to)
{
    QDirIterator it(from, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString target = QDir(to).filePath(QDir(from).relativeFilePath(path));
        QVERIFY(QDir().mkpath(QFileInfo(target).path()));
        QVERIFY(QFile::copy(path, target));
    }
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A picture the program can load, of the given size (PNG content under a .gif name).
void writePicture(const QString &path, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkBlue);
    QVERIFY(image.save(path, "PNG"));
}

using Breakage = std::function<void(const QString &bank)>;

QString pathIn(const QString &bank, const QString &relative)
{
    return QDir(bank).filePath(relative);
}

// The middle of the ink in a rectangle of a picture: pixels that differ from the background.
QPointF inkCentre(const QImage &image, const QRect &area, QRgb background)
{
    int left = INT_MAX, right = -1, top = INT_MAX, bottom = -1;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if ((image.pixel(x, y) & 0xffffff) == (background & 0xffffff))
                continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    if (right < 0)
        return {-100, -100};
    return {(left + right + 1) / 2.0, (top + bottom + 1) / 2.0};
}

// The runs of rows (Qt::Vertical) or columns (Qt::Horizontal) of area that hold ink, each as
// its first and last, in order.
QList<QPair<int, int>> inkRuns(const QImage &image, const QRect &area, Qt::Orientation across, QRgb background)
{
    const bool rows = across == Qt::Vertical;
    QList<QPair<int, int>> runs;
    const int from = rows ? area.top() : area.left();
    const int to = rows ? area.bottom() : area.right();
    for (int i = from; i <= to; ++i) {
        bool ink = false;
        const int otherFrom = rows ? area.left() : area.top();
        const int otherTo = rows ? area.right() : area.bottom();
        for (int j = otherFrom; j <= otherTo && !ink; ++j)
            ink = (image.pixel(rows ? j : i, rows ? i : j) & 0xffffff) != (background & 0xffffff);
        if (!ink)
            continue;
        if (!runs.isEmpty() && runs.last().second == i - 1)
            runs.last().second = i;
        else
            runs.append({i, i});
    }
    return runs;
}

QString runsText(const QList<QPair<int, int>> &runs)
{
    QStringList parts;
    for (const auto &run : runs)
        parts.append(QStringLiteral("%1-%2").arg(run.first).arg(run.second));
    return parts.join(QLatin1Char(' '));
}

// A grade file with the point,meaning,note columns.
QByteArray noteFile(const QList<QByteArray> &rows)
{
    QByteArray text = "question,choice1,choice2,choice3,choice4,answer,point,meaning,note\n";
    for (const QByteArray &row : rows)
        text += row + "\n";
    return text;
}

// A question with its note, sound for grade 4 against ShortGrammarList.
const QByteArray NotedRow = "わたしは　まいあさ　７じ（　）おきます。,に,で,を,が,1,4-49,I get up at seven every morning.,"
                            "に marks the time something happens; で marks where.";
const QByteArray OtherNotedRow = "としょかん（　）ほんを　よみます。,を,で,に,へ,2,4-5,I read books in the library.,"
                                 "で marks the place where you do something.";

// A list of a few points, in a source folder's own grammar-points.tsv.
const QByteArray ShortGrammarList = "grade\tnumber\tpoint\tromaji\tmeaning\n"
                                    "4\t5\tで\tde\tin; at; on; by; with; via\n"
                                    "4\t29\tまで\tmade\tuntil; as far as; to (an extent); even\n"
                                    "4\t27\tまだ\tmada\tstill; not yet\n"
                                    "4\t49\tに\tni\tat; in; to; on; for\n"
                                    "4\t901\tcounters\tjosuushi\tcounting words\n"
                                    "3\t62\tのに\tnoni\talthough; despite\n";

using SourceFiles = QMap<QString, QByteArray>;

// A sound source whose grade g3_1 holds the given rows (and a plain second question).
QString writeSourceWith(const QTemporaryDir &dir, const QList<QByteArray> &g3Rows)
{
    QMap<QString, QByteArray> files = goodSource();
    files["g3_1.csv"] = gradeFile(g3Rows + QList<QByteArray>{plainRow(1)});
    writeFiles(dir.path(), files);
    return dir.path();
}

} // namespace

Q_DECLARE_METATYPE(Breakage)
Q_DECLARE_METATYPE(SourceFiles)

class TestBunpoBank : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void usage_data();
    void usage();
    void help_data();
    void help();
    void badSource_data();
    void badSource();
    void builtBankReadsBack();
    void rebuildReplacesOnlyTheDataFolders();
    void folderThatCannotBeReplacedLeavesAllAsItWas();
    void testBankIsSound();
    void notePictures();
    void rebuildLeavesNoOtherBanksNotes();
    void longGlossKeepsItsFirstParts();
    void kanjiLevels_data();
    void kanjiLevels();
    void noteRows_data();
    void noteRows();
    void withoutItsOwnListTheInstalledListServes();
    void coverage_data();
    void coverage();
    void withoutTheDictionaryTheKanjiCheckIsSkipped();
    void readingCentredAboveItsWord_data();
    void readingCentredAboveItsWord();
    void readingsStayInTheirLines();
    void choicesWithReadings();
    void brokenDataFolder_data();
    void brokenDataFolder();
};

void TestBunpoBank::initTestCase()
{
    if (QString(BUNPO_BANK_TOOL).isEmpty())
        QSKIP("bunpo-bank is not built");
    static QTemporaryDir dictionaryDir;
    kanjiLevelsPath = dictionaryDir.filePath("kanjidic");
    writeBytes(kanjiLevelsPath, KanjiLevels);
}

void TestBunpoBank::usage_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("nothing") << QStringList{};
    QTest::newRow("unknown command") << QStringList{"make", "a", "b"};
    QTest::newRow("build without an output folder") << QStringList{"build", BUNPO_SOURCE_DIR "/tests/bank"};
    QTest::newRow("build from a missing folder") << QStringList{"build", "/nonexistent/bank", "/tmp"};
    QTest::newRow("build into a file") << QStringList{"build", BUNPO_SOURCE_DIR "/tests/bank",
                                                      BUNPO_SOURCE_DIR "/tests/bank/grades.csv"};
    QTest::newRow("check of a missing folder") << QStringList{"check", "/nonexistent/data"};
    QTest::newRow("check-source without a folder") << QStringList{"check-source"};
    QTest::newRow("check-source of a missing folder") << QStringList{"check-source", "/nonexistent/bank"};
    QTest::newRow("unknown option") << QStringList{"--bogus"};
    QTest::newRow("unknown option of a command") << QStringList{"check", "--bogus", BUNPO_SOURCE_DIR "/tests/bank"};
    QTest::newRow("check with two folders") << QStringList{"check", "/tmp", "/tmp"};
    QTest::newRow("coverage of grade 5") << QStringList{"coverage", BUNPO_SOURCE_DIR "/tests/bank", "--require", "5:3"};
    QTest::newRow("coverage without a count") << QStringList{"coverage", BUNPO_SOURCE_DIR "/tests/bank", "--require", "4"};
    QTest::newRow("coverage with a missing list")
        << QStringList{"coverage", BUNPO_SOURCE_DIR "/tests/bank", "--points", "/nonexistent/list.tsv"};
}

// Help of the whole tool and of each command, on standard output, and nothing done.
void TestBunpoBank::help_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("text");
    QTest::newRow("the tool") << QStringList{"--help"} << "Usage: bunpo-bank [options] COMMAND [ARGUMENTS]";
    QTest::newRow("build") << QStringList{"build", "--help"} << "Usage: bunpo-bank build [options] SOURCE_DIR OUT_DIR";
    QTest::newRow("build, among its arguments") << QStringList{"build", "/nonexistent/bank", "-h", "/nonexistent/out"}
                                                << "Usage: bunpo-bank build [options] SOURCE_DIR OUT_DIR";
    QTest::newRow("check") << QStringList{"check", "-h"} << "Usage: bunpo-bank check [options] DATA_DIR";
    QTest::newRow("check-source") << QStringList{"check-source", "--help"}
                                  << "Usage: bunpo-bank check-source [options] SOURCE_DIR";
    QTest::newRow("coverage") << QStringList{"coverage", "--help"}
                              << "Usage: bunpo-bank coverage [options] SOURCE_DIR";
    QTest::newRow("version") << QStringList{"--version"} << "bunpo-bank " BUNPO_VERSION "\n";
}

void TestBunpoBank::help()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, text);
    const ToolRun run = runTool(arguments);
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.out.startsWith(text), qPrintable(run.out));
    QVERIFY(!QFileInfo::exists(QStringLiteral("/nonexistent/out")));
}

void TestBunpoBank::usage()
{
    QFETCH(QStringList, arguments);
    const ToolRun run = runTool(arguments);
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.contains("usage: bunpo-bank build SOURCE_DIR OUT_DIR"), qPrintable(run.err));
}

void TestBunpoBank::badSource_data()
{
    QTest::addColumn<QString>("file");        // the source file to replace
    QTest::addColumn<QByteArray>("content");  // its new content; a null array removes it
    QTest::addColumn<QString>("expected");    // fragment of the message, with file and line

    const QByteArray ok2 = "としょかん（　）ほんを　よみます。,を,で,に,へ,2";
    QList<QByteArray> sixtyOne;
    for (int k = 0; k < 61; ++k)
        sixtyOne.append(plainRow(k % 4 + 1));
    QList<QByteArray> outOfOrder = gradeRows();
    outOfOrder.swapItemsAt(1, 2);

    QTest::newRow("right choice 5") << "g4_1.csv" << gradeFile({plainRow(1), plainRow(5)})
                                    << "g4_1.csv:3: right choice 5 is outside 1 to 4";
    QTest::newRow("right choice 0") << "g3_4.csv" << gradeFile({plainRow(0), ok2})
                                    << "g3_4.csv:2: right choice 0 is outside 1 to 4";
    QTest::newRow("answer not a number") << "g4_2.csv" << gradeFile({ok2, plainRow(1).replace(",1", ",a")})
                                         << "g4_2.csv:3: answer \"a\" is not a number 1 to 4";
    QTest::newRow("a field missing") << "g4_1.csv" << gradeFile({ok2, "としょかん（　）ほんを　よみます。,を,で,に,2"})
                                     << "g4_1.csv:3: 5 fields, a row needs 6";
    QTest::newRow("an empty choice") << "g3_1.csv" << gradeFile({"としょかん（　）ほんを　よみます。,を,,に,へ,2", ok2})
                                     << "g3_1.csv:2: choice2 is empty";
    QTest::newRow("an unquoted comma") << "g4_3.csv" << gradeFile({ok2, "これ、それ（　）あれ。,a,b,c,d,e,1"})
                                       << "g4_3.csv:3: 7 fields, a row needs 6";
    QTest::newRow("a quote never closed") << "g4_1.csv" << gradeFile({ok2, "\"としょかん（　）ほん,を,で,に,へ,2", ok2})
                                          << "g4_1.csv:3: a quoted field is never closed";
    QTest::newRow("one question") << "g4_2.csv" << gradeFile({ok2}) << "g4_2.csv:1: 1 question; a grade needs 2 to 60";
    QTest::newRow("no questions") << "g4_2.csv" << gradeFile({}) << "g4_2.csv:1: 0 questions; a grade needs 2 to 60";
    QTest::newRow("61 questions") << "g3_3.csv" << gradeFile(sixtyOne)
                                  << "g3_3.csv:62: question 61 is one too many: a grade holds at most 60";
    QTest::newRow("wrong header") << "g4_1.csv" << QByteArray("question,a,b,c,d,answer\n" + plainRow(1) + "\n")
                                  << "g4_1.csv:1: the first row must be the header "
                                     "question,choice1,choice2,choice3,choice4,answer";
    QTest::newRow("not UTF-8") << "g4_1.csv" << gradeFile({ok2, "\xff\xfe,a,b,c,d,1"}) << "g4_1.csv:3: not UTF-8";
    QTest::newRow("no blank") << "g4_1.csv" << gradeFile({ok2, "としょかんで　ほんを　よみます。,を,で,に,へ,2"})
                              << "g4_1.csv:3: the question has no blank （　）";
    QTest::newRow("a half-width blank") << "g4_1.csv" << gradeFile({ok2, "としょかん( )ほんを　よみます。,を,で,に,へ,2"})
                                        << "g4_1.csv:3: the question has no blank （　）";
    QTest::newRow("no font has it") << "g4_3.csv" << gradeFile({"としょかん（　）ሀを　よみます。,を,で,に,へ,2", ok2})
                                    << "g4_3.csv:2: the question has a character that no installed Japanese font "
                                       "can draw: ሀ (U+1200)";
    QTest::newRow("no font has a choice") << "g4_3.csv" << gradeFile({ok2, "としょかん（　）ほん。,を,で,に😀,へ,2"})
                                          << "g4_3.csv:3: choice3 has a character that no installed Japanese font "
                                             "can draw: 😀 (U+1F600)";
    QTest::newRow("question of 49 characters")
        << "g3_2.csv" << gradeFile({ok2, QByteArray("あいうえおかきくけこ").repeated(4) + "（　）さしすせそた,a,b,c,d,3"})
        << "g3_2.csv:3: the question has 49 characters; at most 48 fit on two lines";
    QTest::newRow("first line too long for its picture")
        << "g3_2.csv" << gradeFile({"\"" + QByteArray("あいうえおかきくけこ").repeated(3) + "\nか（　）\",a,b,c,d,3", ok2})
        << "g3_2.csv:2: the question is too long for the two lines of its picture";
    QTest::newRow("choice of 23 characters")
        << "g3_2.csv" << gradeFile({ok2, "あ（　）,a,b," + QByteArray("あいうえおかきくけこ").repeated(2) + "さしす,d,3"})
        << "g3_2.csv:3: choice3 has 23 characters; at most 22 fit on its row";
    QTest::newRow("a reading never closed") << "g3_1.csv" << gradeFile({ok2, "日本《にほん（　）です。,a,b,c,d,1"})
                                            << "g3_1.csv:3: the question: 《 is never closed with 》";
    QTest::newRow("a reading closed after the next opens")
        << "g3_1.csv" << gradeFile({ok2, "日本《にほん（　）本《ほん》です。,a,b,c,d,1"})
        << "g3_1.csv:3: the question: 《 is never closed with 》";
    QTest::newRow("an empty reading") << "g3_1.csv" << gradeFile({"日本《》（　）です。,a,b,c,d,1", ok2})
                                      << "g3_1.csv:2: the question: the reading 《》 after \"日本\" is empty";
    QTest::newRow("a reading after kana") << "g3_1.csv" << gradeFile({ok2, "あ（　）,a,b,にほん《にほん》,d,1"})
                                          << "g3_1.csv:3: choice3: the reading 《にほん》 has no base";
    QTest::newRow("a reading at the start") << "g3_1.csv" << gradeFile({ok2, "《にほん》（　）です。,a,b,c,d,1"})
                                            << "g3_1.csv:3: the question: the reading 《にほん》 has no base";
    QTest::newRow("｜ with nothing before 《") << "g3_1.csv" << gradeFile({ok2, "日本｜《にほん》（　）です。,a,b,c,d,1"})
                                             << "g3_1.csv:3: the question: the reading 《にほん》 has no base";
    QTest::newRow("a stray 》") << "g3_1.csv" << gradeFile({ok2, "あ（　）,a,b,c,にほん》,1"})
                               << "g3_1.csv:3: choice4: 》 with no 《 before it";
    QTest::newRow("｜ with no reading") << "g3_1.csv" << gradeFile({ok2, "｜日本（　）です。,a,b,c,d,1"})
                                       << "g3_1.csv:3: the question: ｜ marks where a base begins, but no 《reading》";
    QTest::newRow("a base across the writer's line break")
        << "g3_1.csv" << gradeFile({ok2, "\"あの｜にほん\nご《にほんご》（　）です。\",a,b,c,d,1"})
        << "g3_1.csv:3: the question: the reading 《にほんご》 over \"にほん\nご\" runs across a line break";
    QTest::newRow("a kanji the grade-3 learner has not met")
        << "g3_1.csv" << gradeFile({ok2, "経済（　）本です。,a,b,c,d,1"})
        << "g3_1.csv:3: 経 and 済 are above grade 3: give a reading or write it in kana";
    QTest::newRow("a grade file missing") << "g3_2.csv" << QByteArray()
                                          << "grades.csv:6: the grade file";
    QTest::newRow("grades.csv missing") << "grades.csv" << QByteArray() << "grades.csv: missing";
    QTest::newRow("grades out of order") << "grades.csv" << gradesFile(outOfOrder)
                                         << "grades.csv:3: row 2 must be grade g4_2, not \"g4_3\"";
    QTest::newRow("a grade row missing") << "grades.csv" << gradesFile(gradeRows().mid(0, 6))
                                         << "grades.csv:7: 6 grade rows";
    QTest::newRow("an empty title") << "grades.csv" << gradesFile(QList<QByteArray>{"g4_1,,４級－１"} + gradeRows().mid(1))
                                    << "grades.csv:2: the title of g4_1 is empty";
    QTest::newRow("a title of 15 characters")
        << "grades.csv" << gradesFile(QList<QByteArray>{"g4_1,４級　レベル１２３４５６７８９,４級－１"} + gradeRows().mid(1))
        << "grades.csv:2: the title of g4_1 has 15 characters; at most 14 fit";
    QTest::newRow("a button too long")
        << "grades.csv" << gradesFile(gradeRows().mid(0, 6) + QList<QByteArray>{"g3_4,３級,３級－４のとてもながいボタン"})
        << "grades.csv:8: g3_4: the button text is too long";
}

// A faulty source is reported with its file and line, exit 1, and the output folder is left
// exactly as it was: the old data folders and the program beside them.
void TestBunpoBank::badSource()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, content);
    QFETCH(QString, expected);

    QTemporaryDir source, out;
    QMap<QString, QByteArray> files = goodSource();
    if (content.isNull())
        files.remove(file);
    else
        files[file] = content;
    writeFiles(source.path(), files);
    QVERIFY(QDir(out.path()).mkpath("answer"));
    writeBytes(pathIn(out.path(), "answer/g4_1.ans"), "2\r\n1\r\n2\r\n");
    writeBytes(pathIn(out.path(), "bunpo-drill"), "the program");
    const QMap<QString, QByteArray> before = snapshot(out.path());

    const ToolRun run = runTool({"build", source.path(), out.path()});
    QCOMPARE(run.exitCode, 1);
    const QString named = QDir(source.path()).filePath(expected);
    QVERIFY2(run.err.contains(named), qPrintable(run.err));
    QCOMPARE(snapshot(out.path()), before);
}

// What the builder writes, read by the program's own reader and loader: the planned sizes,
// the answers in order, the numbers where the right-answer ring falls; and the same bytes
// from a second build. The source is written as a spreadsheet would: byte-order mark, CR LF,
// quoted fields with commas, quotes and the writer's own line break, blank rows.
void TestBunpoBank::builtBankReadsBack()
{
    QTemporaryDir source, first, second;
    QMap<QString, QByteArray> files = goodSource();
    files["g4_1.csv"] = "\xEF\xBB\xBF" + gradeFile({plainRow(1), "\"「はい、そうです。」と　\"\"（　）\"\"。\",a,\"b,c\",c,d,4",
                                                  plainRow(2), "", ",,,,,", "\"きのう　デパートで\nくつ（　）かいました。\",を,で,が,に,1",
                                                  "ながい　ながい　ながい　ながい　ながい　ながい　しつもん（　）です。,a,b,c,d,3"})
                                           .replace("\n", "\r\n");
    writeFiles(source.path(), files);

    const ToolRun run = runTool({"build", source.path(), first.path()});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.out.contains("7 grades, 17 questions"), qPrintable(run.out));
    QCOMPARE(readBytes(pathIn(first.path(), "answer/g4_1.ans")), QByteArray("5\r\n1\r\n4\r\n2\r\n1\r\n3\r\n"));

    const DataPaths paths(first.path());
    DataPictureLoader loader;
    const QList<int> expectedHeights = {36, 36, 36, 72, 72};
    for (int index = 1; index <= GradeCatalogue::Count; ++index) {
        const Grade grade = *GradeCatalogue::lookup(index);
        qint16 count = 0;
        AnswerTable answers{};
        AnswerFileReader::read(paths.answerFile(grade.answerFile), count, answers);
        QCOMPARE(count, index == 1 ? 5 : 2);
        if (index > 1) {
            QCOMPARE(answers[1], 1);
            QCOMPARE(answers[2], 2);
        }
        const QSize title = loader.load(paths.titlePicture(grade.code)).size();
        QVERIFY(title.width() <= 327 && title.height() <= 37);
        QCOMPARE(loader.load(paths.gradeButtonPicture(index, true)).size(), QSize(163, 51));
        QCOMPARE(loader.load(paths.gradeButtonPicture(index, false)).size(), QSize(163, 51));
        for (int n = 1; n <= count; ++n) {
            const QSize question = loader.load(paths.questionPicture(grade.code, n)).size();
            QCOMPARE(question, QSize(578, index == 1 ? expectedHeights.at(n - 1) : 36));
            const QImage choices = loader.load(paths.choicesPicture(grade.code, n)).toImage();
            QCOMPARE(choices.size(), QSize(578, 113));
            // The ring is placed for a number centred 15 + 28 (row - 1) px down, 13 to 14 across.
            for (int row = 0; row < 4; ++row) {
                const QPointF ink = inkCentre(choices, QRect(0, 28 * row + 2, 30, 26), 0xff000080);
                QVERIFY2(qAbs(ink.x() - 14) <= 1.5 && qAbs(ink.y() - (15.5 + 28 * row)) <= 1.5,
                         qPrintable(QStringLiteral("%1 a%2 row %3: number at %4,%5")
                                        .arg(grade.code).arg(n).arg(row + 1).arg(ink.x()).arg(ink.y())));
            }
        }
    }
    // Beside every picture lies the same picture at twice the density, which a window of twice
    // the density shows at the same logical size.
    const auto sameAtTwice = [&](const QString &dataPath) {
        const QPixmap named = loader.load(dataPath, 1.0);
        const QPixmap doubled = loader.load(dataPath, 2.0);
        QVERIFY2(doubled.devicePixelRatio() == 2.0, qPrintable(dataPath));
        QCOMPARE(doubled.size(), named.size() * 2);
    };
    for (int index = 1; index <= GradeCatalogue::Count; ++index) {
        const Grade grade = *GradeCatalogue::lookup(index);
        sameAtTwice(paths.titlePicture(grade.code));
        sameAtTwice(paths.gradeButtonPicture(index, true));
        sameAtTwice(paths.gradeButtonPicture(index, false));
        sameAtTwice(paths.questionPicture(grade.code, 1));
        sameAtTwice(paths.choicesPicture(grade.code, 1));
    }
    sameAtTwice(paths.questionPicture("g4_1", 5)); // two lines

    // The grade buttons look different plain and highlighted.
    QVERIFY(loader.load(paths.gradeButtonPicture(1, true)).toImage()
            != loader.load(paths.gradeButtonPicture(1, false)).toImage());

    for (const Sound sound : {Sound::Correct, Sound::Wrong, Sound::Burst, Sound::NoGood, Sound::Pass}) {
        const QByteArray wav = readBytes(DataFile::locate(paths.sound(sound)));
        QVERIFY(wav.startsWith("RIFF") && wav.mid(8, 8) == "WAVEfmt ");
        const char *fmt = wav.constData() + 20;
        QCOMPARE(qFromLittleEndian<quint16>(fmt), quint16(1));      // PCM
        QCOMPARE(qFromLittleEndian<quint16>(fmt + 2), quint16(1));  // mono
        const quint32 rate = qFromLittleEndian<quint32>(fmt + 4);
        QVERIFY(rate == 22050 || rate == 44100);
        QCOMPARE(qFromLittleEndian<quint16>(fmt + 14), quint16(16));
        QCOMPARE(wav.mid(36, 4), QByteArray("data"));
        const quint32 bytes = qFromLittleEndian<quint32>(wav.constData() + 40);
        QCOMPARE(qsizetype(bytes), wav.size() - 44);
        QVERIFY2(bytes / 2.0 / rate < 2.0, qPrintable(DataPaths::soundFileName(sound)));
        int peak = 0;
        for (qsizetype i = 44; i + 1 < wav.size(); i += 2)
            peak = std::max(peak, std::abs(int(qFromLittleEndian<qint16>(wav.constData() + i))));
        QVERIFY2(peak > 8000, qPrintable(DataPaths::soundFileName(sound) + " is (nearly) silent"));
    }

    QCOMPARE(runTool({"build", source.path(), second.path()}).exitCode, 0);
    QCOMPARE(snapshot(second.path()), snapshot(first.path()));
}

// Building into the program's own folder: the five data folders are replaced whole (a picture
// of a question no longer in the bank goes), everything else stays, and no working folder is
// left behind.
void TestBunpoBank::rebuildReplacesOnlyTheDataFolders()
{
    QTemporaryDir source, bin;
    writeFiles(source.path(), goodSource());
    QVERIFY(QDir(bin.path()).mkpath("question/g4_1"));
    writeBytes(pathIn(bin.path(), "question/g4_1/q99.gif"), "stale");
    writeBytes(pathIn(bin.path(), "bunpo-drill"), "the program");
    QVERIFY(QDir(bin.path()).mkpath("platforms"));
    writeBytes(pathIn(bin.path(), "platforms/plugin.so"), "a plugin");

    QCOMPARE(runTool({"build", source.path(), bin.path()}).exitCode, 0);
    QVERIFY(!QFile::exists(pathIn(bin.path(), "question/g4_1/q99.gif")));
    QCOMPARE(readBytes(pathIn(bin.path(), "bunpo-drill")), QByteArray("the program"));
    QCOMPARE(readBytes(pathIn(bin.path(), "platforms/plugin.so")), QByteArray("a plugin"));
    QStringList entries = QDir(bin.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    entries.sort();
    QCOMPARE(entries, (QStringList{"answer", "bunpo-drill", "choices", "platforms", "question", "sound", "title"}));
}

// The last of the five folders cannot be moved: the four already swapped go back, and the
// output folder is as it was. A folder is pinned by making it immutable (as root, whom
// permissions do not stop) or read-only (a directory without write permission cannot be
// moved to another parent).
void TestBunpoBank::folderThatCannotBeReplacedLeavesAllAsItWas()
{
    QTemporaryDir source, out;
    writeFiles(source.path(), goodSource());
    for (const QString &folder : QStringList{"answer", "title", "question", "choices", "sound"}) {
        QVERIFY(QDir(out.path()).mkpath(folder));
        writeBytes(pathIn(out.path(), folder + "/old"), "old " + folder.toUtf8());
    }
    const QString sound = pathIn(out.path(), "sound");
    const bool root = ::geteuid() == 0;
    struct Pin
    {
        QString folder;
        bool root;
        bool pinned = false;
        ~Pin()
        {
            if (pinned && root)
                QProcess::execute("chattr", {"-i", folder});
            else if (pinned)
                QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
    } pin{sound, root};
    pin.pinned = root ? QProcess::execute("chattr", {"+i", sound}) == 0
                      : QFile::setPermissions(sound, QFile::ReadOwner | QFile::ExeOwner);
    if (!pin.pinned)
        QSKIP("cannot pin a folder on this file system");
    const QMap<QString, QByteArray> before = snapshot(out.path());

    const ToolRun run = runTool({"build", source.path(), out.path()});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(sound + ": cannot replace the folder"), qPrintable(run.err));
    QCOMPARE(snapshot(out.path()), before);
}

void TestBunpoBank::testBankIsSound()
{
    if (!QFile::exists(BUNPO_TEST_BANK "/answer/g4_1.ans"))
        QSKIP("the test bank is not built");
    const ToolRun run = runTool({"check", BUNPO_TEST_BANK});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.out.contains("bunpo-bank check: sound: 7 grades,"), qPrintable(run.out));
    // One grade holds exactly two questions, the smallest bank the program takes.
    qint16 count = 0;
    AnswerTable answers{};
    AnswerFileReader::read(DataPaths(BUNPO_TEST_BANK).answerFile("\\answer\\g4_3.ans"), count, answers);
    QCOMPARE(count, 2);
}

// The note pictures of the test bank with notes, as the program reads them: the layout's size
// at both densities, opaque navy, the yellow heading above the white meaning and note, and as
// their text the heading, the meaning and the note without readings, one a line. Grades whose
// files have no notes have no note folder.
void TestBunpoBank::notePictures()
{
    if (!QFile::exists(BUNPO_NOTE_TEST_BANK "/answer/g4_1.ans"))
        QSKIP("the test bank with notes is not built");
    const ToolRun run = runTool({"check", BUNPO_NOTE_TEST_BANK});
    QVERIFY2(run.exitCode == 0, qPrintable(run.out));

    const QDir bank(BUNPO_NOTE_TEST_BANK);
    QCOMPARE(QDir(bank.filePath("note")).entryList(QDir::Dirs | QDir::NoDotAndDotDot), (QStringList{"g3_2", "g4_1", "g4_2"}));

    const auto textOf = [](const QImage &image) { return image.text(QString::fromLatin1(DataPictureLoader::TextKey)); };
    const QImage first = DataPictureLoader::decode(bank.filePath("note/g4_1/n1.gif"));
    QCOMPARE(first.size(), QSize(744, 120));
    QCOMPARE(textOf(first), QString("に — destination particle; in; at; on; to\n"
                                    "I get up at seven every morning.\n"
                                    "に marks a clock time: ７じに おきます. で marks a place, not a time."));
    // Readings are drawn over their words, and left out of the text.
    const QImage readings = DataPictureLoader::decode(bank.filePath("note/g4_1/n5.gif"));
    QVERIFY2(textOf(readings).contains("公園へ 行きます means"), qPrintable(textOf(readings)));

    for (const QString name : {"g4_1/n1", "g4_1/n5", "g4_2/n2", "g3_2/n4"}) {
        const QImage named = DataPictureLoader::decode(bank.filePath("note/" + name + ".gif"));
        const QImage twice = DataPictureLoader::decode(bank.filePath("note/" + name + "@2x.gif"));
        QCOMPARE(named.size(), QSize(744, 120));
        QCOMPARE(twice.size(), QSize(1488, 240));
        QCOMPARE(textOf(twice), textOf(named));
        QCOMPARE(named.pixel(0, 0), 0xff000080u);
        QCOMPARE(named.pixel(743, 119), 0xff000080u);
        QVERIFY(!named.hasAlphaChannel() || named.pixelColor(0, 0).alpha() == 255);
        // The heading's ink (yellow) lies in its band, the rest's (white) below it.
        const QList<QPair<int, int>> rows = inkRuns(named, QRect(0, 0, 744, 120), Qt::Vertical, 0xff000080);
        QVERIFY2(rows.size() >= 3 && rows.first().second < 26, qPrintable(name + ": " + runsText(rows)));
        // Lettering is antialiased: count the pixels nearer to yellow or to white than to navy.
        int yellow = 0, white = 0;
        for (int y = 0; y < 120; ++y) {
            for (int x = 0; x < 744; ++x) {
                const QRgb c = named.pixel(x, y);
                if (qRed(c) > 160 && qGreen(c) > 160 && qBlue(c) < 110)
                    yellow += y < 26 ? 1 : -1000;
                else if (qRed(c) > 160 && qGreen(c) > 160 && qBlue(c) > 200)
                    white += y >= 26 ? 1 : -1000;
            }
        }
        QVERIFY2(yellow > 50 && white > 200, qPrintable(QStringLiteral("%1: %2 yellow, %3 white").arg(name).arg(yellow).arg(white)));
    }
}

// Building replaces note/ with the new bank's notes, or removes it when the new bank has
// none: no note of an earlier bank is left for the drill to show.
void TestBunpoBank::rebuildLeavesNoOtherBanksNotes()
{
    QTemporaryDir out, g4only;
    // The test banks' kanji are held to the installed dictionary, not to this test's excerpt.
    const QString noDictionary = QDir(out.path()).filePath("no-kanjidic");
    QCOMPARE(runTool({"build", BUNPO_SOURCE_DIR "/tests/notebank", out.path()}, noDictionary).exitCode, 0);
    QVERIFY(QFileInfo(pathIn(out.path(), "note/g4_1")).isDir());

    SourceFiles files = goodSource();
    files["g4_2.csv"] = noteFile({NotedRow, OtherNotedRow});
    files["grammar-points.tsv"] = ShortGrammarList;
    writeFiles(g4only.path(), files);
    const ToolRun noted = runTool({"build", g4only.path(), out.path()});
    QVERIFY2(noted.exitCode == 0, qPrintable(noted.err));
    QVERIFY2(noted.out.contains("; notes for g4_2"), qPrintable(noted.out));
    QCOMPARE(QDir(pathIn(out.path(), "note")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"g4_2"});
    QCOMPARE(QDir(pathIn(out.path(), "note/g4_2")).entryList(QDir::Files, QDir::Name),
             (QStringList{"n1.gif", "n1@2x.gif", "n2.gif", "n2@2x.gif"}));

    QCOMPARE(runTool({"build", BUNPO_SOURCE_DIR "/tests/bank", out.path()}, noDictionary).exitCode, 0);
    QStringList entries = QDir(out.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    entries.sort();
    QCOMPARE(entries, (QStringList{"answer", "choices", "question", "sound", "title"}));
}

// A gloss too long for the heading's one line keeps as many of its parts ("; ") as fit, and
// the picture's text says the heading as drawn.
void TestBunpoBank::longGlossKeepsItsFirstParts()
{
    QTemporaryDir source, out;
    SourceFiles files = goodSource();
    files["g4_1.csv"] = noteFile({NotedRow, OtherNotedRow});
    QStringList parts;
    for (int k = 1; k <= 30; ++k)
        parts.append(QStringLiteral("gloss part %1").arg(k));
    files["grammar-points.tsv"] = QByteArray(ShortGrammarList).replace("in; at; on; by; with; via", parts.join("; ").toUtf8());
    writeFiles(source.path(), files);
    QCOMPARE(runTool({"build", source.path(), out.path()}).exitCode, 0);
    const QImage note = DataPictureLoader::decode(pathIn(out.path(), "note/g4_1/n2.gif"));
    const QString heading = note.text(QString::fromLatin1(DataPictureLoader::TextKey)).section('\n', 0, 0);
    QVERIFY2(heading.startsWith("で — gloss part 1; gloss part 2; "), qPrintable(heading));
    QVERIFY2(!heading.contains("gloss part 30") && !heading.endsWith(";"), qPrintable(heading));
    QVERIFY2(parts.join("; ").startsWith(heading.mid(4)), qPrintable(heading));
}

void TestBunpoBank::brokenDataFolder_data()
{
    QTest::addColumn<Breakage>("breakage");
    QTest::addColumn<QString>("expected"); // "<file relative to the bank>: what"

    const auto write = [](const QString &relative, const QByteArray &bytes) {
        return Breakage([=](const QString &bank) { writeBytes(pathIn(bank, relative), bytes); });
    };
    const auto remove = [](const QString &relative) {
        return Breakage([=](const QString &bank) { QVERIFY(QFile::remove(pathIn(bank, relative))); });
    };
    const auto picture = [](const QString &relative, QSize size) {
        return Breakage([=](const QString &bank) { writePicture(pathIn(bank, relative), size); });
    };
    const auto cut = [](const QString &relative, int bytes) {
        return Breakage([=](const QString &bank) {
            const QByteArray whole = readBytes(pathIn(bank, relative));
            writeBytes(pathIn(bank, relative), whole.left(whole.size() - bytes));
        });
    };

    QTest::newRow("answer file missing") << remove("answer/g3_1.ans") << "answer/g3_1.ans: missing";
    QTest::newRow("answer file cut short") << write("answer/g4_1.ans", "5\r\n1\r\n2\r\n3\r\n4\r\n")
                                           << "answer/g4_1.ans: the program stops on it: Input past end of file (item 6)";
    QTest::newRow("answer not a number") << write("answer/g4_1.ans", "2\r\n1\r\nx\r\n")
                                         << "answer/g4_1.ans: the program stops on it: Type mismatch";
    QTest::newRow("count above 60") << write("answer/g4_2.ans", "61\r\n" + QByteArray("1\r\n").repeated(61))
                                    << "answer/g4_2.ans: the count 61 is above 60";
    QTest::newRow("count of one") << write("answer/g4_3.ans", "1\r\n1\r\n") << "answer/g4_3.ans: the count 1 is outside 2 to 60";
    QTest::newRow("answer 5") << write("answer/g4_3.ans", "2\r\n1\r\n5\r\n")
                              << "answer/g4_3.ans: the right choice of question 2 is 5, outside 1 to 4";
    QTest::newRow("question picture missing") << remove("question/g4_1/q3.gif") << "question/g4_1/q3.gif: missing";
    QTest::newRow("picture for a count raised past the pictures") << write("answer/g4_3.ans", "3\r\n1\r\n2\r\n3\r\n")
                                                                  << "question/g4_3/q3.gif: missing";
    QTest::newRow("GIF cut short") << cut("question/g4_2/q1.gif", 40) << "question/g4_2/q1.gif: cut short";
    QTest::newRow("not a picture") << write("title/g4_1.gif", "GIF? no, text")
                                   << "title/g4_1.gif: is not a picture the program can load";
    QTest::newRow("question too wide") << picture("question/g4_1/q1.gif", QSize(579, 36))
                                       << "question/g4_1/q1.gif: is 579×36; the layout has room for 578×72 at most";
    QTest::newRow("question too tall") << picture("question/g4_1/q2.gif", QSize(578, 73))
                                       << "question/g4_1/q2.gif: is 578×73";
    QTest::newRow("choices a row short") << picture("choices/g3_3/a1.gif", QSize(578, 112))
                                         << "choices/g3_3/a1.gif: is 578×112; the layout needs exactly 578×113";
    QTest::newRow("title too wide") << picture("title/g3_2.gif", QSize(328, 37)) << "title/g3_2.gif: is 328×37";
    QTest::newRow("grade button too low") << picture("title/r3b.gif", QSize(163, 50))
                                          << "title/r3b.gif: is 163×50; the layout needs exactly 163×51";
    QTest::newRow("highlighted button missing") << remove("title/r7.gif") << "title/r7.gif: missing";
    QTest::newRow("twice file cut short") << cut("question/g4_2/q1@2x.gif", 40) << "question/g4_2/q1@2x.gif: cut short";
    QTest::newRow("twice file not a picture") << write("choices/g4_1/a2@2x.gif", "no picture")
                                              << "choices/g4_1/a2@2x.gif: is not a picture the program can load";
    QTest::newRow("twice file too large for twice the layout")
        << picture("choices/g3_3/a1@2x.gif", QSize(1156, 228))
        << "choices/g3_3/a1@2x.gif: is 1156×228; the layout needs exactly 1156×226";
    QTest::newRow("twice file two pixels short of twice its picture")
        << picture("title/g4_1@2x.gif", QSize(654, 72)) << "title/g4_1@2x.gif: is 654×72; twice its picture g4_1.gif (327×37) is 654×74";
    QTest::newRow("named picture copied as the twice file")
        << Breakage([](const QString &bank) {
               QVERIFY(QFile::remove(pathIn(bank, "title/r3b@2x.gif")));
               QVERIFY(QFile::copy(pathIn(bank, "title/r3b.gif"), pathIn(bank, "title/R3B@2X.GIF")));
           })
        << "title/R3B@2X.GIF: is 163×51; the layout needs exactly 326×102";
    QTest::newRow("note picture missing") << remove("note/g4_2/n3.gif") << "note/g4_2/n3.gif: missing";
    QTest::newRow("note picture a row short") << picture("note/g3_2/n1.gif", QSize(744, 119))
                                              << "note/g3_2/n1.gif: is 744×119; the layout needs exactly 744×120";
    QTest::newRow("note twice file of the named size") << picture("note/g4_1/n5@2x.gif", QSize(744, 120))
                                                       << "note/g4_1/n5@2x.gif: is 744×120; the layout needs exactly 1488×240";
    QTest::newRow("note picture cut short") << cut("note/g4_1/n2.gif", 30) << "note/g4_1/n2.gif: cut short";
    QTest::newRow("note picture without its text") << picture("note/g4_2/n1.gif", QSize(744, 120))
                                                   << "note/g4_2/n1.gif: its text holds nothing; a note picture's "
                                                      "text is three lines";
    QTest::newRow("sound missing") << remove("sound/gokaku.wav") << "sound/gokaku.wav: missing";
    QTest::newRow("sound not a WAVE") << write("sound/x.wav", "ID3 an mp3 under a wav name")
                                      << "sound/x.wav: is not a RIFF/WAVE sound file";
    QTest::newRow("sound cut short") << cut("sound/o.wav", 1000) << "sound/o.wav: cut short: its data chunk says";
}

// One fault a row in a copy of the test bank with notes: named first, with its file; exit 1.
void TestBunpoBank::brokenDataFolder()
{
    QFETCH(Breakage, breakage);
    QFETCH(QString, expected);
    if (!QFile::exists(BUNPO_NOTE_TEST_BANK "/answer/g4_1.ans"))
        QSKIP("the test bank with notes is not built");

    QTemporaryDir bank;
    copyTree(BUNPO_NOTE_TEST_BANK, bank.path());
    breakage(bank.path());
    if (QTest::currentTestFailed())
        return;

    const ToolRun run = runTool({"check", bank.path()});
    QCOMPARE(run.exitCode, 1);
    const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
    QVERIFY2(!lines.isEmpty() && lines.first().startsWith(QDir(bank.path()).filePath(expected)), qPrintable(run.out));
    QVERIFY2(lines.last().startsWith("bunpo-bank check: "), qPrintable(run.out));
    QVERIFY2(lines.last().contains(" in " + bank.path()), qPrintable(run.out));
}

// Which kanji a grade's learners can read, with the dictionary's levels: a grade-4 bank level 4,
// a grade-3 bank levels 4 and 3; a reading over a word, or kana, lets any word through.
void TestBunpoBank::kanjiLevels_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QByteArray>("row");
    QTest::addColumn<QString>("expected"); // the message for the row, or empty when it passes

    QTest::newRow("grade 3 reads level 3") << "g3_1" << QByteArray("近く（　）本を読みます。,a,b,c,d,1") << "";
    QTest::newRow("grade 4 does not") << "g4_2" << QByteArray("近く（　）本を読みます。,a,b,c,d,1")
                                      << "g4_2.csv:3: 近 is above grade 4: give a reading or write it in kana";
    QTest::newRow("a reading over the word") << "g3_1" << QByteArray("経済《けいざい》（　）本です。,a,b,c,d,1") << "";
    QTest::newRow("a reading over a marked base")
        << "g3_4" << QByteArray("｜経済について《けいざいについて》（　）。,a,b,c,d,1") << "";
    QTest::newRow("a reading over one kanji of two")
        << "g3_3" << QByteArray("経｜済《ざい》（　）です。,a,b,c,d,1")
        << "g3_3.csv:3: 経 is above grade 3: give a reading or write it in kana";
    QTest::newRow("in a choice, each kanji once, in the order written")
        << "g3_2" << QByteArray("（　）です。,経済,丈,済む,a,2")
        << "g3_2.csv:3: 経, 済 and 丈 are above grade 3: give a reading or write it in kana";
    QTest::newRow("a kanji the dictionary does not have") << "g4_1" << QByteArray("憂鬱（　）。,a,b,c,d,1")
                                                          << "g4_1.csv:3: 憂 and 鬱 are above grade 4";
    QTest::newRow("the repeat mark after a kanji the learner reads") << "g4_3" << QByteArray("時々（　）。,a,b,c,d,1")
                                                                     << "";
    QTest::newRow("kana only") << "g3_1" << QByteArray("けいざい（　）ほんです。,a,b,c,d,1") << "";
    QTest::newRow("readings do not count toward the 48 characters")
        << "g3_1" << QByteArray("あいうえおかきくけこ").repeated(4) + "日《ひ》（　）さしす,a,b,c,d,3" << "";
}

void TestBunpoBank::kanjiLevels()
{
    QFETCH(QString, code);
    QFETCH(QByteArray, row);
    QFETCH(QString, expected);

    QTemporaryDir source;
    QMap<QString, QByteArray> files = goodSource();
    files[code + ".csv"] = gradeFile({plainRow(2), row});
    writeFiles(source.path(), files);
    const ToolRun run = runTool({"check-source", source.path()});
    if (expected.isEmpty()) {
        QVERIFY2(run.exitCode == 0, qPrintable(run.out + run.err));
        QVERIFY2(run.out.contains("bunpo-bank check-source: sound: 7 grades, 14 questions"), qPrintable(run.out));
    } else {
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.out.contains(QDir(source.path()).filePath(expected)), qPrintable(run.out));
        QVERIFY2(run.out.contains("check-source: 1 problem in"), qPrintable(run.out));
    }
}

// Rows with the point,meaning,note columns, good and bad, by check-source against the source's
// own short grammar list (files replace those of a sound six-column source).
void TestBunpoBank::noteRows_data()
{
    QTest::addColumn<SourceFiles>("files");
    QTest::addColumn<QString>("expected"); // the message with file and line, or empty when sound

    const auto g4 = [](const QList<QByteArray> &rows) { return SourceFiles{{"g4_1.csv", noteFile(rows)}}; };
    const QByteArray question = "わたしは　まいあさ　７じ（　）おきます。,に,で,を,が,1,";

    QTest::newRow("the three columns") << g4({NotedRow, OtherNotedRow}) << "";
    QTest::newRow("one grade with notes beside six-column grades")
        << SourceFiles{{"g4_2.csv", noteFile({NotedRow, OtherNotedRow})}} << "";
    QTest::newRow("the same note in grade 4 and grade 3")
        << SourceFiles{{"g4_1.csv", noteFile({NotedRow, OtherNotedRow})}, {"g3_1.csv", noteFile({NotedRow, QByteArray(OtherNotedRow).replace("4-5", "3-62")})}}
        << "";
    QTest::newRow("our own label") << g4({NotedRow, QByteArray(OtherNotedRow).replace("4-5", "4-901")}) << "";
    QTest::newRow("readings in a note over a kanji above the grade")
        << g4({NotedRow, QByteArray(OtherNotedRow).replace("do something.", "do something as in 経済《けいざい》 study.")}) << "";
    QTest::newRow("the key by its reading")
        << g4({NotedRow, "えきは　（　）です。,近《ちか》い,とおい,ひろい,せまい,1,4-901,The station is near.,"
                         "ちかい means near."})
        << "";
    QTest::newRow("the key written without its blanks")
        << g4({NotedRow, "いま　（　）。,ねて　います,ねます,ねた,ねる,1,4-901,I am sleeping now.,"
                         "ねています: something going on now."})
        << "";

    QTest::newRow("a missing column")
        << SourceFiles{{"g4_1.csv", "question,choice1,choice2,choice3,choice4,answer,point,meaning\n" + plainRow(1) + ",4-49,x\n"}}
        << "g4_1.csv:1: the header has point,meaning after answer; a grade file has all three of point,meaning,note or none";
    QTest::newRow("a row without its note") << g4({NotedRow, question + "4-49,I get up at seven."})
                                            << "g4_1.csv:3: 8 fields, a row needs 9";
    QTest::newRow("notes in a six-column file") << SourceFiles{{"g4_1.csv", gradeFile({plainRow(1), NotedRow})}}
                                                << "g4_1.csv:3: 9 fields, a row needs 6 (question,choice1,choice2,"
                                                   "choice3,choice4,answer); a row with point,meaning,note needs them "
                                                   "in the header too\n";
    QTest::newRow("an empty meaning") << g4({NotedRow, question + "4-49,,に marks the time."})
                                      << "g4_1.csv:3: meaning is empty: in a file with point,meaning,note, every "
                                         "row fills all three";
    QTest::newRow("an empty point") << g4({question + ",I get up at seven.,に marks the time.", OtherNotedRow})
                                    << "g4_1.csv:2: point is empty";
    QTest::newRow("an unknown id, with the ids nearest to the key")
        << g4({NotedRow, QByteArray(OtherNotedRow).replace("4-5", "4-85")})
        << "g4_1.csv:3: point \"4-85\" is not in %1/grammar-points.tsv; the ids nearest by name to the right "
           "choice で: 4-5 で (in; at; on; by; with; via)";
    QTest::newRow("a name for an id") << g4({NotedRow, QByteArray(OtherNotedRow).replace("4-5", "made")})
                                      << "g4_1.csv:3: point \"made\" is not an id (grade-number) of "
                                         "%1/grammar-points.tsv; the ids nearest by name: 4-29 まで (until; as far "
                                         "as; to (an extent); even), 4-27 まだ";
    QTest::newRow("a note without the key")
        << g4({NotedRow, QByteArray(OtherNotedRow).replace("で marks the place", "This marks the place")})
        << "g4_1.csv:3: the note does not name the right choice で: say why it fits";
    QTest::newRow("a note without the key or its reading")
        << g4({NotedRow, "えきは　（　）です。,近《ちか》い,とおい,ひろい,せまい,1,4-901,The station is near.,"
                         "This means near."})
        << "g4_1.csv:3: the note names neither the right choice 近い nor its reading ちかい";
    QTest::newRow("a note repeated within grade 4")
        << SourceFiles{{"g4_1.csv", noteFile({NotedRow, OtherNotedRow})},
                       {"g4_3.csv", noteFile({QByteArray(OtherNotedRow).replace("where you", "where we"), "にわ（　）あそびます。,を,で,に,へ,2,4-5,We play in the garden.,"
                                                            "で marks the place where you do something."})}}
        << "g4_3.csv:3: the note repeats word for word the note of %1/g4_1.csv:3; within grade 4";
    QTest::newRow("a meaning too long")
        << g4({NotedRow, question + "4-49," + QByteArray("Every morning I get up at seven. ").repeated(7) + ",に marks it."})
        << "g4_1.csv:3: the meaning is too long for its two lines in the note picture: ";
    QTest::newRow("a note too long")
        << g4({NotedRow, question + "4-49,I get up at seven every morning.,に " + QByteArray("marks the time. ").repeated(14)})
        << "g4_1.csv:3: the note is too long for its two lines in the note picture: ";
    QTest::newRow("a kanji above the grade in a note")
        << g4({NotedRow, QByteArray(OtherNotedRow).replace("do something.", "do something as in 経済 study.")})
        << "g4_1.csv:3: the note: 経 and 済 are above grade 4: give a reading or write it in kana";
    QTest::newRow("a kanji above the grade in a meaning")
        << g4({NotedRow, QByteArray(OtherNotedRow).replace("in the library", "in the 近 library")})
        << "g4_1.csv:3: the meaning: 近 is above grade 4";
    QTest::newRow("a reading never closed in a note")
        << g4({NotedRow, QByteArray(OtherNotedRow).replace("do something.", "do ほん《ほん something.")})
        << "g4_1.csv:3: note: 《 is never closed with 》";
    QTest::newRow("a line break in a note")
        << g4({NotedRow, question + "4-49,I get up at seven.,\"に marks\nthe time.\""})
        << "g4_1.csv:3: the note holds a line break";
    QTest::newRow("a fault in the list")
        << SourceFiles{{"g4_1.csv", noteFile({NotedRow, OtherNotedRow})},
                       {"grammar-points.tsv", ShortGrammarList + "4\t29\tまで\tmade\tuntil\n"}}
        << "grammar-points.tsv:8: 4-29 is listed twice: also on line 3";
}

void TestBunpoBank::noteRows()
{
    QFETCH(SourceFiles, files);
    QFETCH(QString, expected);

    QTemporaryDir source;
    SourceFiles all = goodSource();
    all["grammar-points.tsv"] = ShortGrammarList;
    for (auto it = files.begin(); it != files.end(); ++it)
        all[it.key()] = it.value();
    writeFiles(source.path(), all);
    const ToolRun run = runTool({"check-source", source.path()});
    if (expected.isEmpty()) {
        QVERIFY2(run.exitCode == 0, qPrintable(run.out + run.err));
    } else {
        QCOMPARE(run.exitCode, 1);
        const QString message =
            QDir(source.path()).filePath(expected.contains("%1") ? expected.arg(source.path()) : expected);
        QVERIFY2(run.out.contains(message), qPrintable(message + "\n" + run.out));
        QVERIFY2(run.out.contains("check-source: 1 problem in"), qPrintable(run.out));
    }
}

// A source folder without grammar-points.tsv is checked against the list beside the tool.
void TestBunpoBank::withoutItsOwnListTheInstalledListServes()
{
    QTemporaryDir source;
    SourceFiles files = goodSource();
    files["g4_1.csv"] = noteFile({NotedRow, QByteArray(OtherNotedRow).replace("4-5", "4-29")});
    writeFiles(source.path(), files);
    // 4-29 is in the whole list, not in the short one.
    const ToolRun run = runTool({"check-source", source.path()});
    QVERIFY2(run.exitCode == 0, qPrintable(run.out));
    files["g4_1.csv"] = noteFile({NotedRow, QByteArray(OtherNotedRow).replace("4-5", "4-999")});
    writeFiles(source.path(), files);
    const ToolRun unknown = runTool({"check-source", source.path()});
    QVERIFY2(unknown.out.contains("point \"4-999\" is not in " + QFileInfo(BUNPO_BANK_TOOL).path()),
             qPrintable(unknown.out));
}

// coverage against the short list: per grade the points drilled with their questions, those
// not drilled, the points first drilled in each level, our labels apart; a point above its
// grade or in no list, or fewer points than required, fails it.
void TestBunpoBank::coverage_data()
{
    QTest::addColumn<SourceFiles>("files");
    QTest::addColumn<QStringList>("arguments"); // after coverage SOURCE_DIR
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("expected"); // lines of the output, in this order

    const QByteArray place = "にわ（　）あそびます。,を,で,に,へ,2,4-5,We play in the garden.,で marks where we play.";
    const QByteArray label = "いぬが　（　）います。,ふたつ,ふたり,にひき,にほん,3,4-901,There are two dogs.,"
                             "にひき counts animals.";
    const SourceFiles drilled{{"g4_1.csv", noteFile({NotedRow, OtherNotedRow})},
                              {"g4_2.csv", noteFile({place, label})},
                              {"g3_2.csv", noteFile({QByteArray(NotedRow).replace("4-49", "3-62"), place})}};

    QTest::newRow("what is drilled where")
        << drilled << QStringList{} << 0
        << QStringList{"Grade 4 (g4_1, g4_2, g4_3): drilled 2 of 4",
                       "  drilled:",
                       "    4-5 で (in; at; on; by; with; via): 2 questions",
                       "    4-49 に (at; in; to; on; for): 1 question",
                       "  not drilled:",
                       "    4-29 まで (until; as far as; to (an extent); even)",
                       "    4-27 まだ (still; not yet)",
                       "  first drilled in g4_1: 4-5 で, 4-49 に",
                       "  first drilled in g4_2: none",
                       "  our own labels (not counted):",
                       "    4-901 counters (counting words): 1 question",
                       "  questions without a point: 2",
                       "Grade 3 (g3_1, g3_2, g3_3, g3_4): drilled 1 of 1",
                       "    3-62 のに (although; despite): 1 question",
                       "  not drilled: none",
                       "  points of grade 4 drilled again (not counted):",
                       "    4-5 で (in; at; on; by; with; via): 1 question"};
    QTest::newRow("as many as required") << drilled << QStringList{"--require", "4:2", "--require", "3:1"} << 0
                                         << QStringList{"Grade 4 (g4_1, g4_2, g4_3): drilled 2 of 4"};
    QTest::newRow("fewer than required") << drilled << QStringList{"--require", "3:1", "--require", "4:3"} << 1
                                         << QStringList{"Grade 4 (g4_1, g4_2, g4_3): drilled 2 of 4"};
    QTest::newRow("a point above its grade")
        << SourceFiles{{"g4_3.csv", noteFile({NotedRow, QByteArray(OtherNotedRow).replace("4-5", "3-62")})}}
        << QStringList{} << 1 << QStringList{"  points above grade 4:", "    %1/g4_3.csv:3: 3-62 のに (although; despite)"};
    QTest::newRow("a point in no list")
        << SourceFiles{{"g3_4.csv", noteFile({NotedRow, QByteArray(OtherNotedRow).replace("4-5", "4-85")})}}
        << QStringList{} << 1 << QStringList{"  points in no list:", "    %1/g3_4.csv:3: 4-85"};
    QTest::newRow("another list") << drilled << QStringList{"--points", "%1/other.tsv"} << 1
                                  << QStringList{"Grade 4 (g4_1, g4_2, g4_3): drilled 1 of 1", "  points in no list:",
                                                 "    %1/g4_1.csv:2: 4-49"};
}

void TestBunpoBank::coverage()
{
    QFETCH(SourceFiles, files);
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QStringList, expected);

    QTemporaryDir source;
    SourceFiles all = goodSource();
    all["grammar-points.tsv"] = ShortGrammarList;
    // Another list, which lacks 4-49.
    all["other.tsv"] = "grade\tnumber\tpoint\tromaji\tmeaning\n4\t5\tで\tde\tat\n3\t62\tのに\tnoni\talthough\n"
                       "4\t901\tcounters\tjosuushi\tcounting words\n";
    for (auto it = files.begin(); it != files.end(); ++it)
        all[it.key()] = it.value();
    writeFiles(source.path(), all);
    for (QString &argument : arguments)
        argument.replace("%1", source.path());
    const ToolRun run = runTool(QStringList{"coverage", source.path()} + arguments);
    QVERIFY2(run.exitCode == exitCode, qPrintable(run.out + run.err));
    const QStringList lines = run.out.split('\n');
    qsizetype at = 0;
    for (const QString &line : expected) {
        const QString wanted = line.contains("%1") ? line.arg(source.path()) : line;
        at = lines.indexOf(wanted, at);
        QVERIFY2(at >= 0, qPrintable(wanted + "\n" + run.out));
    }
    if (exitCode != 0)
        QVERIFY2(!run.err.isEmpty(), "a failure says why on standard error");
}

// No dictionary where it is looked for: one note, no check, and the bank builds.
void TestBunpoBank::withoutTheDictionaryTheKanjiCheckIsSkipped()
{
    QTemporaryDir source, out;
    writeSourceWith(source, {"経済（　）です。,a,b,経済,d,1", "経済（　）です。,a,b,c,d,2"});
    const QString nowhere = QDir(source.path()).filePath("no-kanjidic");
    for (const QStringList &arguments : {QStringList{"check-source", source.path()},
                                         QStringList{"build", source.path(), out.path()}}) {
        const ToolRun run = runTool(arguments, nowhere);
        QVERIFY2(run.exitCode == 0, qPrintable(run.out + run.err));
        QCOMPARE(run.err.count("kanji levels are not checked: no kanji dictionary at " + nowhere), 1);
        QVERIFY2(!run.out.contains("above grade"), qPrintable(run.out));
    }
    // With the dictionary, the same source fails.
    QCOMPARE(runTool({"check-source", source.path()}).exitCode, 1);
}

// A reading over its word, in the built question picture: above the word's ink with a clear
// row between, its ink centred on the word's within a pixel or two; a reading wider than its
// word spreads the word so that the next word begins after the reading ends.
void TestBunpoBank::readingCentredAboveItsWord_data()
{
    QTest::addColumn<QByteArray>("question");
    QTest::addColumn<int>("wordEnd"); // where the word with the reading ends, in pixels

    // 20 px lettering from x 14: 日本 takes 40 px, and its reading 30.
    QTest::newRow("narrower than its word") << QByteArray("日本《にほん》（　）です。") << 54;
    // ひとびと takes 40 px, over a word of 20: the word's box grows to 40.
    QTest::newRow("wider than its word") << QByteArray("｜人《ひとびと》本（　）です。") << 54;
    QTest::newRow("marked base of kana") << QByteArray("｜あした《あす》本（　）です。") << 74;
}

void TestBunpoBank::readingCentredAboveItsWord()
{
    QFETCH(QByteArray, question);
    QFETCH(int, wordEnd);

    QTemporaryDir source, out;
    writeSourceWith(source, {question + ",a,b,c,d,1"});
    QCOMPARE(runTool({"build", source.path(), out.path()}).exitCode, 0);
    const QImage picture = DataPictureLoader().load(DataPaths(out.path()).questionPicture("g3_1", 1)).toImage();
    QCOMPARE(picture.size(), QSize(578, 36));

    const QRect word(14, 0, wordEnd - 14, 36);
    const auto rows = inkRuns(picture, word, Qt::Vertical, 0xff000080);
    QVERIFY2(rows.size() == 2, qPrintable(runsText(rows)));
    QVERIFY2(rows.at(0).first >= 1 && rows.at(1).second <= 34, qPrintable(runsText(rows)));
    const QRect readingBand(word.left(), rows.at(0).first, word.width(), rows.at(0).second - rows.at(0).first + 1);
    const QRect wordBand(word.left(), rows.at(1).first, word.width(), rows.at(1).second - rows.at(1).first + 1);
    const QPointF reading = inkCentre(picture, readingBand, 0xff000080);
    const QPointF base = inkCentre(picture, wordBand, 0xff000080);
    QVERIFY2(qAbs(reading.x() - base.x()) <= 2, qPrintable(QStringLiteral("reading at %1, word at %2")
                                                               .arg(reading.x()).arg(base.x())));
    // Nothing of the reading outside the word's box, and the next word's ink starts after it.
    const auto readingColumns = inkRuns(picture, QRect(0, readingBand.top(), 578, readingBand.height()),
                                        Qt::Horizontal, 0xff000080);
    QVERIFY2(readingColumns.first().first >= word.left() && readingColumns.last().second < wordEnd,
             qPrintable(runsText(readingColumns)));
    const auto next = inkRuns(picture, QRect(wordEnd, wordBand.top(), 578 - wordEnd, wordBand.height()),
                              Qt::Horizontal, 0xff000080);
    QVERIFY2(!next.isEmpty() && next.first().first > readingColumns.last().second, qPrintable(runsText(next)));
}

// Two lines with readings keep to 578 x 72, each reading between the line above and its own
// word; a word with its reading is never cut at the end of a line.
void TestBunpoBank::readingsStayInTheirLines()
{
    QTemporaryDir source, out;
    // Cut in the middle, the marked base would fall on both lines; it must go whole to the second.
    const QByteArray kana = QByteArray("あいうえおかきくけこ").repeated(2);
    writeSourceWith(source, {"\"最近《さいきん》の　ニュースで\n経済《けいざい》（　）べんきょうします。\",a,b,c,d,1",
                             kana + "｜さしすせそたちつてと《よみ》なにぬねの（　）。,a,b,c,d,2"});
    QCOMPARE(runTool({"build", source.path(), out.path()}).exitCode, 0);
    const DataPaths paths(out.path());
    DataPictureLoader loader;

    const QImage both = loader.load(paths.questionPicture("g3_1", 1)).toImage();
    QCOMPARE(both.size(), QSize(578, 72));
    const auto rows = inkRuns(both, QRect(14, 0, 80, 72), Qt::Vertical, 0xff000080);
    // Reading, word, reading, word: four runs of ink with clear rows between.
    QVERIFY2(rows.size() == 4 && rows.first().first >= 1, qPrintable(runsText(rows)));

    const QImage cut = loader.load(paths.questionPicture("g3_1", 2)).toImage();
    QCOMPARE(cut.size(), QSize(578, 72));
    const auto cutRows = inkRuns(cut, QRect(0, 0, 578, 72), Qt::Vertical, 0xff000080);
    // The first line plain, the second with its reading.
    QVERIFY2(cutRows.size() == 3 && cutRows.at(0).second < 36 && cutRows.at(1).first >= 36,
             qPrintable(runsText(cutRows)));
}

// Readings in every row of a choices picture: each row's reading and text stay clear of the
// next row's, and the numbers stay where the right-answer ring falls.
void TestBunpoBank::choicesWithReadings()
{
    QTemporaryDir source, out;
    writeSourceWith(source, {"あ（　）。,遅《おく》れる,忘《わす》れる,困《こま》る,経済《けいざい》,3"});
    QCOMPARE(runTool({"build", source.path(), out.path()}).exitCode, 0);
    const QImage choices = DataPictureLoader().load(DataPaths(out.path()).choicesPicture("g3_1", 1)).toImage();
    QCOMPARE(choices.size(), QSize(578, 113));
    const auto rows = inkRuns(choices, QRect(40, 0, 538, 113), Qt::Vertical, 0xff000080);
    QVERIFY2(rows.size() == 8, qPrintable(runsText(rows)));
    for (int row = 0; row < 4; ++row) {
        const QPointF ink = inkCentre(choices, QRect(0, 28 * row + 2, 30, 26), 0xff000080);
        QVERIFY2(qAbs(ink.y() - (15.5 + 28 * row)) <= 1.5, qPrintable(QString::number(ink.y())));
    }
}

BUNPO_TEST_MAIN(TestBunpoBank)
#include "tst_bunpobank.moc"
