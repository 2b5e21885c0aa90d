// The note panel of the Drill screen: which grades have it, whose note it shows and when,
// and what a bad note does at drill start and later. Also run at QT_SCALE_FACTOR=2.

#include "tst_drill_fixture.h"

#include "app/Program.h"
#include "bank/DataPaths.h"
#include "bank/GradeCatalogue.h"
#include "screens/drill/DrillLayout.h"
#include "screens/drill/NotePanel.h"
#include "platform/DataPictureLoader.h"
#include "platform/PictureDensity.h"
#include "platform/PictureFileCheck.h"
#include "support/StderrCapture.h"

#include <QBuffer>
#include <QScreen>

using Kind = RuntimeError::Kind;

namespace {

NotePanel *notePanel(const DrillRig &rig)
{
    return rig.window()->findChild<NotePanel *>();
}

// The question whose note the panel shows, 0 for none; checks that the panel's accessible
// name and the screen's note text agree with the picture.
int noteShown(const DrillRig &rig)
{
    NotePanel *panel = notePanel(rig);
    if (!panel || !panel->isShowingNote()) {
        if (!rig.drill.currentNoteText().isEmpty() || (panel && !panel->accessibleName().isEmpty()))
            return -1;
        return 0;
    }
    const int k = DrillBank::questionShown(panel->picture());
    if (rig.drill.currentNoteText() != DrillBank::noteText(k) || panel->accessibleName() != DrillBank::noteText(k))
        return -1;
    return k;
}

const QSize Designed(744, 491);
const QSize WithPanel(744, 491 + 120);

} // namespace

class TestDrillNotes : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { ReportedErrors::list().clear(); }

    void panelUnderTheBoard();
    void noteFromTheRingToTheNextQuestion_data();
    void noteFromTheRingToTheNextQuestion();
    void nextQuestionDuringASequence();
    void notesCopiedFromWindows();
    void sharpAtEveryDensity();
    void noPanel_data();
    void noPanel();
    void refusedAtDrillStart_data();
    void refusedAtDrillStart();
    void lateFailureLeavesThePanelEmpty_data();
    void lateFailureLeavesThePanelEmpty();
    void testBankWithNotes_data();
    void testBankWithNotes();
};

// A grade with notes: the panel, navy and empty, under the designed area; the window taller
// by it and centred as a whole.
void TestDrillNotes::panelUnderTheBoard()
{
    DrillBank bank(tenAnswers());
    bank.addNotes();
    DrillRig rig(bank, {3});
    rig.open();
    QVERIFY(ReportedErrors::list().isEmpty());

    ScreenWindow *window = rig.window();
    QCOMPARE(window->size(), WithPanel);
    QCOMPARE(window->minimumSize(), window->maximumSize());
    NotePanel *panel = notePanel(rig);
    QVERIFY(panel);
    QCOMPARE(panel->geometry(), QRect(QPoint(0, 491), NotePanel::Size));
    QVERIFY(panel->isVisible());
    QCOMPARE(panel->focusPolicy(), Qt::NoFocus);
    QCOMPARE(noteShown(rig), 0);
    const QImage empty = panel->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(empty.pixel(0, 0), NotePanel::Navy);
    QCOMPARE(empty.pixel(empty.width() - 1, empty.height() - 1), NotePanel::Navy);

    // Centred as a whole, frame included: the gaps on either side differ by the odd pixel at
    // most (on a screen that holds it: the offscreen screen at scale 2 is 400 x 400).
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QCoreApplication::processEvents();
    const QRect area = window->screen()->availableGeometry();
    const QRect frame = window->frameGeometry();
    if (area.width() >= frame.width() && area.height() >= frame.height()) {
        const int left = frame.left() - area.left(), right = area.right() - frame.right();
        const int top = frame.top() - area.top(), bottom = area.bottom() - frame.bottom();
        QVERIFY2(qAbs(left - right) <= 1 && qAbs(top - bottom) <= 1,
                 qPrintable(QStringLiteral("gaps left %1, right %2, top %3, bottom %4").arg(left).arg(right).arg(top).arg(bottom)));
    }

    // Every control of the designed area stays where the layout puts it.
    for (const LayoutRow &row : DrillLayout::table())
        QVERIFY2(QRect(QPoint(0, 0), Designed).contains(window->control(DrillControl(row.key.index))->geometry()),
                 qPrintable(row.key.name));
}

void TestDrillNotes::noteFromTheRingToTheNextQuestion_data()
{
    // 'r' right, 'w' wrong; the draws give questions 3, 5, 1, 2, 4, 6 ... in turn.
    QTest::addColumn<QString>("script");
    QTest::addColumn<bool>("passes"); // the last answer ends the drill
    QTest::newRow("right, then wrong") << "rw" << false;
    QTest::newRow("wrong, then right") << "wr" << false;
    QTest::newRow("through the miss-limit") << "wwwwwr" << false;
    QTest::newRow("through a bonus") << "rrrrrw" << false;
    // 9000 after thirty, then four misses in all: 10000 at the last, with a run of two.
    QTest::newRow("to the pass") << QString(30, QLatin1Char('r')) + "wrrrrwrrrrwrrrrwrr" << true;
    // The thirty-fifth right answer's bonus passes: the pass comes two stages after its ring.
    QTest::newRow("to the pass after a bonus") << QString(35, QLatin1Char('r')) << true;
}

// After every answer the note of the question on show appears with the ring, after a right
// and a wrong answer alike, stays through the sequences, and goes when the next question is
// taken; after the pass it stays.
void TestDrillNotes::noteFromTheRingToTheNextQuestion()
{
    QFETCH(QString, script);
    QFETCH(bool, passes);

    DrillBank bank(tenAnswers());
    bank.addNotes();
    DrillRig rig(bank, {3, 5, 1, 2, 4, 6, 7, 8, 9, 10});
    rig.open();
    QVERIFY(ReportedErrors::list().isEmpty());
    QCOMPARE(noteShown(rig), 0);

    QSet<int> seen;
    for (qsizetype i = 0; i < script.size(); ++i) {
        const QString at = QStringLiteral("answer %1 (question %2)").arg(i + 1).arg(rig.question());
        rig.answer(script.at(i) == QLatin1Char('r'));
        QVERIFY2(rig.running(DrillStage::Evaluation), qPrintable(at));
        QVERIFY2(noteShown(rig) == 0, qPrintable(at + ": a note before the ring"));
        QVERIFY(rig.runUntilIdle(DrillStage::Evaluation));
        QVERIFY2(rig.shown(DrillControl::Ring), qPrintable(at));
        QVERIFY2(noteShown(rig) == rig.question(), qPrintable(at));
        seen.insert(rig.question());

        // The sequences play out; the note stays.
        QVERIFY(rig.settle());
        QVERIFY2(noteShown(rig) == rig.question(), qPrintable(at + ": after the sequences"));
        QCOMPARE(rig.window()->size(), WithPanel);
        if (i + 1 == script.size())
            break;
        QVERIFY2(rig.next(), qPrintable(at + ": no next-question button"));
        QVERIFY2(noteShown(rig) == 0, qPrintable(at + ": the note outlives its question"));
    }
    QVERIFY(seen.size() >= 2);
    QCOMPARE(rig.f().finished(), passes);
    if (passes) {
        QVERIFY(rig.shown(DrillControl::PassBanner));
        QVERIFY(!rig.next());
        rig.runFor(10);
        QCOMPARE(noteShown(rig), rig.question());
    }
    QCOMPARE(rig.window()->size(), WithPanel);
    QVERIFY(ReportedErrors::list().isEmpty());
}

// The next question taken while the burst is still on show: its note goes at once, and the
// next answer's note comes with its own ring while the sequence still runs.
void TestDrillNotes::nextQuestionDuringASequence()
{
    DrillBank bank(tenAnswers());
    bank.addNotes();
    DrillRig rig(bank);
    rig.open();
    QCOMPARE(rig.play(QStringLiteral("wwwww")), QString());
    QVERIFY(rig.shown(DrillControl::Burst));
    QCOMPARE(noteShown(rig), 5);
    QVERIFY(rig.next());
    QCOMPARE(noteShown(rig), 0);
    rig.answer(true);
    QVERIFY(rig.runUntilIdle(DrillStage::Evaluation));
    QVERIFY(rig.shown(DrillControl::Burst) || rig.shown(DrillControl::HalvingNotice));
    QCOMPARE(noteShown(rig), 6);
}

// A data folder copied from Windows in capitals has its notes as the program spells them.
void TestDrillNotes::notesCopiedFromWindows()
{
    DrillBank bank(tenAnswers());
    bank.addNotes();
    QDir base(bank.base());
    QVERIFY(base.rename(QStringLiteral("note/g4_1/n6.gif"), QStringLiteral("note/g4_1/N6.GIF")));
    QVERIFY(base.rename(QStringLiteral("note/g4_1"), QStringLiteral("note/G4_1")));
    QVERIFY(base.rename(QStringLiteral("note"), QStringLiteral("Note")));
    DrillRig rig(bank, {6});
    rig.open();
    QVERIFY(ReportedErrors::list().isEmpty());
    QCOMPARE(rig.window()->size(), WithPanel);
    rig.answer(false);
    QVERIFY(rig.runUntilIdle(DrillStage::Evaluation));
    QCOMPARE(noteShown(rig), 6);
}

// The note is as sharp as the question: at twice the density both come from their twins.
void TestDrillNotes::sharpAtEveryDensity()
{
    DrillBank bank(tenAnswers());
    bank.addNotes();
    DrillRig rig(bank, {4});
    rig.open();
    rig.answer(true);
    QVERIFY(rig.runUntilIdle(DrillStage::Evaluation));
    const qreal ratio = rig.window()->devicePixelRatioF();
    const QPixmap note = notePanel(rig)->picture();
    QCOMPARE(note.devicePixelRatio(), ratio > 1 ? 2.0 : 1.0);
    QCOMPARE(note.size(), NotePanel::Size * note.devicePixelRatio());
    QCOMPARE(note.deviceIndependentSize().toSize(), NotePanel::Size);
    QCOMPARE(rig.pictures.relative(bank.base()).last(), QStringLiteral("note/g4_1/n4.gif"));

    // What the panel draws is the picture, pixel for pixel.
    const QImage drawn = notePanel(rig)->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(drawn.size(), note.size());
    QCOMPARE(drawn, note.toImage().convertToFormat(QImage::Format_RGB32));
}

void TestDrillNotes::noPanel_data()
{
    QTest::addColumn<bool>("notes");        // the bank has notes
    QTest::addColumn<bool>("notesWanted");  // false: --no-notes
    QTest::addColumn<QString>("breakNote"); // a note file made bad, which must not matter
    QTest::newRow("a bank without notes") << false << true << "";
    QTest::newRow("--no-notes") << true << false << "";
    QTest::newRow("--no-notes, a note missing") << true << false << "note/g4_1/n2.gif";
}

// The screen as designed: no panel, the designed size, no note read or checked.
void TestDrillNotes::noPanel()
{
    QFETCH(bool, notes);
    QFETCH(bool, notesWanted);
    QFETCH(QString, breakNote);

    DrillBank bank(tenAnswers());
    if (notes)
        bank.addNotes();
    if (!breakNote.isEmpty())
        QVERIFY(QFile::remove(bank.dir.filePath(breakNote)));
    DrillRig rig(bank, {2, 7});
    rig.state.notesWanted = notesWanted;
    rig.open();
    QVERIFY(ReportedErrors::list().isEmpty());
    QCOMPARE(rig.play(QStringLiteral("rw")), QString());
    QCOMPARE(rig.window()->size(), Designed);
    QVERIFY(!notePanel(rig));
    QVERIFY(rig.drill.currentNoteText().isEmpty());
    for (const QString &asked : rig.pictures.relative(bank.base()))
        QVERIFY2(!asked.startsWith(QLatin1String("note/")), qPrintable(asked));
}

void TestDrillNotes::refusedAtDrillStart_data()
{
    QTest::addColumn<int>("question");     // whose note is made bad
    QTest::addColumn<QByteArray>("bytes"); // what it holds; null: removed
    QTest::addColumn<QSize>("declared");   // the size its header declares; invalid: no GIF

    const auto header = [](QSize size) {
        QByteArray bytes("GIF89a");
        for (const int n : {size.width(), size.height()})
            bytes.append(char(n & 0xFF)).append(char(n >> 8));
        return bytes + QByteArray(3, '\0');
    };
    QByteArray png;
    {
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        QImage image(NotePanel::Size, QImage::Format_RGB32);
        image.fill(Qt::blue);
        image.save(&buffer, "PNG");
    }
    QTest::newRow("missing") << 7 << QByteArray() << QSize();
    QTest::newRow("empty") << 1 << QByteArray("") << QSize();
    QTest::newRow("not a picture") << 4 << QByteArray("a note") << QSize();
    QTest::newRow("a PNG") << 10 << png << QSize();
    QTest::newRow("a GIF one row too tall") << 2 << header(QSize(744, 121)) << QSize(744, 121);
    QTest::newRow("a GIF of a question's size") << 3 << header(QSize(578, 57)) << QSize(578, 57);
    QTest::newRow("a GIF of twice the size") << 9 << header(QSize(1488, 240) * 2) << QSize(1488, 240) * 2;
}

// A bad note refuses the drill before it starts, naming the file, as a missing question
// picture does; the window is never shown. At twice the density the twin is the note the
// window would show, so the twin is checked.
void TestDrillNotes::refusedAtDrillStart()
{
    QFETCH(int, question);
    QFETCH(QByteArray, bytes);
    QFETCH(QSize, declared);

    DrillBank bank(tenAnswers());
    bank.addNotes();
    const int scale = QGuiApplication::primaryScreen()->devicePixelRatio() > 1 ? 2 : 1;
    const QString named = QStringLiteral("note/g4_1/n%1.gif").arg(question);
    QString bad = scale == 2 ? PictureDensity::twiceName(named) : named;
    if (bytes.isNull()) {
        // Without its twin the note itself would be taken: both go.
        QVERIFY(QFile::remove(bank.dir.filePath(named)));
        QFile::remove(bank.dir.filePath(PictureDensity::twiceName(named)));
        bad = named;
    } else {
        bank.write(bad, bytes);
    }
    DrillRig rig(bank, {1});
    rig.open();

    QCOMPARE(ReportedErrors::list().size(), 1);
    const RuntimeError &error = ReportedErrors::list().first();
    QVERIFY2(error.subject().endsWith(bad), qPrintable(error.message()));
    if (bytes.isNull()) {
        QCOMPARE(error.kind(), Kind::FileNotFound);
        QCOMPARE(error.detail(), QStringLiteral("note of question %1").arg(question));
    } else if (!declared.isValid()) {
        QCOMPARE(error.kind(), Kind::NotAPicture);
        QCOMPARE(error.detail(), QStringLiteral("note of question %1 is not a GIF").arg(question));
    } else {
        QCOMPARE(error.kind(), Kind::NotAPicture);
        QCOMPARE(error.detail(), QStringLiteral("note of question %1 is %2×%3; a note is %4×%5")
                                     .arg(question)
                                     .arg(declared.width()).arg(declared.height())
                                     .arg(744 * scale).arg(120 * scale));
    }
    QVERIFY(!rig.window()->isVisible());
    QCOMPARE(rig.pictures.relative(bank.base()), QStringList{"title/g4_1.gif"});
}

void TestDrillNotes::lateFailureLeavesThePanelEmpty_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("cut short") << "cut";
    QTest::newRow("removed after the start") << "removed";
    QTest::newRow("overwritten after the start") << "overwritten";
}

// A note that passes the check at drill start but cannot be shown later: the panel stays
// empty, one line on standard error names the file, and the drill goes on.
void TestDrillNotes::lateFailureLeavesThePanelEmpty()
{
    QFETCH(QString, how);

    DrillBank bank(tenAnswers());
    bank.addNotes();
    const bool twice = QGuiApplication::primaryScreen()->devicePixelRatio() > 1;
    const QString named = QStringLiteral("note/g4_1/n3.gif");
    QString bad = twice ? PictureDensity::twiceName(named) : named;
    if (how == QLatin1String("cut"))
        bank.write(bad, bank.read(bad).left(200)); // its header still says the note's size
    // Question 3 comes again once five others have been drawn since.
    DrillRig rig(bank, {1, 3, 2, 4, 5, 6, 7, 3});
    rig.open();
    QVERIFY(ReportedErrors::list().isEmpty());
    if (how == QLatin1String("removed")) {
        QVERIFY(QFile::remove(bank.dir.filePath(named)));
        QFile::remove(bank.dir.filePath(PictureDensity::twiceName(named)));
        bad = named;
    } else if (how == QLatin1String("overwritten")) {
        bank.write(bad, "no longer a picture");
    }

    StderrCapture errors;
    QCOMPARE(rig.play(QStringLiteral("rw")), QString());
    QCOMPARE(rig.question(), 3);
    QVERIFY(rig.shown(DrillControl::Ring));
    QVERIFY(rig.shown(DrillControl::NextButton));
    QCOMPARE(noteShown(rig), 0);
    const QImage panel = notePanel(rig)->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(panel.pixel(20, 40), NotePanel::Navy);

    // The other questions' notes still come; the bad one, drawn again, is not named again.
    for (const int expected : {2, 4, 5, 6, 7, 0}) {
        QVERIFY(rig.settle());
        QVERIFY(rig.next());
        rig.answer(true);
        QVERIFY(rig.runUntilIdle(DrillStage::Evaluation));
        QCOMPARE(noteShown(rig), expected);
    }
    QCOMPARE(rig.question(), 3);
    const QStringList lines = errors.lines(QStringLiteral("note"));
    errors.restore();
    QCOMPARE(lines.size(), 1);
    QVERIFY2(lines.first().startsWith(QLatin1String("bunpo-drill: note not shown: ")), qPrintable(lines.first()));
    QVERIFY2(lines.first().contains(bad), qPrintable(lines.first()));
    QVERIFY(ReportedErrors::list().isEmpty());
    QCOMPARE(rig.window()->size(), WithPanel);
}

void TestDrillNotes::testBankWithNotes_data()
{
    QTest::addColumn<int>("grade");
    QTest::addColumn<bool>("notes");
    QTest::newRow("g4_1") << 1 << true;
    QTest::newRow("g3_2") << 5 << true;
    QTest::newRow("g4_3, without notes") << 3 << false;
}

// The notes bunpo-bank draws, as the program shows them: every question of a grade with notes
// shows its own note after its answer, the panel's text being the picture's three lines.
void TestDrillNotes::testBankWithNotes()
{
    QFETCH(int, grade);
    QFETCH(bool, notes);

    const QString base = QStringLiteral(BUNPO_NOTE_TEST_BANK);
    QVERIFY2(QDir(base).exists(QStringLiteral("answer")), "the build makes it from tests/notebank");
    FakeClock clock;
    ScriptedRandom random;
    RecordingSoundPlayer sound;
    DataPictureLoader pictures;
    Program program(base, clock, random, sound, pictures);
    // Questions 1, 2, 3 ... in turn: the repeat window never rejects one.
    const QString code = GradeCatalogue::lookup(grade)->code;
    const int count = int(QDir(base + QStringLiteral("/question/") + code).entryList({QStringLiteral("q*.gif")}).size()) / 2;
    QList<float> draws;
    for (int k = 0; k < 2 * count; ++k)
        draws.append(ScriptedRandom::valueFor(k % count + 1, count));
    random.script(draws);
    ErrorGuard::run([&] { program.start(); });
    program.state().selectedGrade = qint16(grade); // the Menu screen starts a run at grade 1
    ErrorGuard::run([&] { program.navigator().moveTo(ScreenId::Drill); });
    QVERIFY(ReportedErrors::list().isEmpty());
    DrillScreen &drill = program.drill();
    QCOMPARE(drill.window()->size(), notes ? WithPanel : Designed);

    for (int k = 1; k <= count; ++k) {
        const int question = drill.session().question();
        QCOMPARE(question, k);
        ErrorGuard::run([&] { drill.answer(qint16(k % 4 + 1)); });
        clock.advance(2.0f);
        ErrorGuard::run([&] { drill.stage(DrillStage::Evaluation)->tick(); });
        if (!notes) {
            QVERIFY(drill.currentNoteText().isEmpty());
        } else {
            QFile picture(DataPaths(base).notePicture(code, question).replace(QLatin1Char('\\'), QLatin1Char('/')));
            QVERIFY(picture.open(QIODevice::ReadOnly));
            const QString text = QString::fromUtf8(PictureFileCheck::gifComment(picture.readAll()));
            QCOMPARE(text.split(QLatin1Char('\n')).size(), 3);
            QCOMPARE(drill.currentNoteText(), text);
            NotePanel *panel = drill.window()->findChild<NotePanel *>();
            QCOMPARE(panel->accessibleName(), text);
            QCOMPARE(panel->picture().deviceIndependentSize().toSize(), NotePanel::Size);
        }
        for (const DrillStage which : AllDrillStages)
            if (Stage *stage = drill.stage(which))
                stage->stop();
        if (drill.session().finished())
            break;
        ErrorGuard::run([&] { drill.nextQuestion(); });
        QVERIFY(drill.currentNoteText().isEmpty());
    }
    QVERIFY(ReportedErrors::list().isEmpty());
    program.navigator().endProgram();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

BUNPO_TEST_MAIN(TestDrillNotes)
#include "tst_drill_notes.moc"
