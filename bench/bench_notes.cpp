// The evaluation stage with and without a note, side by side, on the test bank with notes,
// with its longest note: the stage itself (the tick that hides the mark, moves the train,
// rings the right choice, redraws the labels and shows the note) and the window repainted
// after it. Beside them, what decoding that note costs: the price the stage would pay if it
// decoded the note itself instead of taking the one decoded with its question.
// make bench runs these at scale 1 and again at QT_SCALE_FACTOR=2.

#include "screens/ScreenContext.h"
#include "app/Navigator.h"
#include "screens/Screen.h"
#include "screens/SharedState.h"
#include "bank/AnswerFileReader.h"
#include "platform/DataFile.h"
#include "bank/DataPaths.h"
#include "bank/GradeCatalogue.h"
#include "screens/drill/DrillScreen.h"
#include "platform/DataPictureLoader.h"
#include "platform/MutableSoundPlayer.h"
#include "platform/PictureFileCheck.h"
#include "platform/Stage.h"
#include "support/FakeClock.h"
#include "support/RecordingSoundPlayer.h"
#include "support/ScriptedRandom.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QEvent>
#include <benchmark/benchmark.h>

#include <optional>

namespace {

// The note with the longest text in the test bank with notes (BUNPO_NOTE_TEST_BANK, or the
// folder the build makes): the one whose picture holds the most lettering.
struct LongestNote
{
    QString base;
    int grade = 0;
    QString code;
    int question = 0;
    int textLength = 0;
};

std::optional<LongestNote> findLongestNote()
{
    const QString base = qEnvironmentVariableIsSet("BUNPO_NOTE_TEST_BANK")
                             ? qEnvironmentVariable("BUNPO_NOTE_TEST_BANK")
                             : QStringLiteral(BUNPO_NOTE_TEST_BANK);
    std::optional<LongestNote> longest;
    static const QRegularExpression noteName(QStringLiteral("^n(\\d+)\\.gif$"));
    for (int grade = 1; grade <= GradeCatalogue::Count; ++grade) {
        const QString code = GradeCatalogue::lookup(grade)->code;
        QDirIterator notes(base + QStringLiteral("/note/") + code, {QStringLiteral("n*.gif")}, QDir::Files);
        while (notes.hasNext()) {
            const QString file = notes.next();
            const QRegularExpressionMatch match = noteName.match(notes.fileName());
            if (!match.hasMatch())
                continue;
            QFile picture(file);
            if (!picture.open(QIODevice::ReadOnly))
                continue;
            const int length = int(QString::fromUtf8(PictureFileCheck::gifComment(picture.readAll())).size());
            if (!longest || length > longest->textLength)
                longest = LongestNote{base, grade, code, match.captured(1).toInt(), length};
        }
    }
    return longest;
}

const std::optional<LongestNote> &longestNote()
{
    static const std::optional<LongestNote> note = findLongestNote();
    return note;
}

// The Menu screen as the Drill screen sees it: somewhere to go between two drills.
class ElsewhereScreen : public Screen
{
public:
    using Screen::Screen;

protected:
    ScreenWindow *createWindow() override
    {
        return new ScreenWindow({QStringLiteral("menu"), QStringLiteral("menu"), 11250, 7845, Qt::darkGreen, QString()}, {});
    }
    void load() override {}
};

// The Drill screen with the real picture loader, a silent sound player and a clock that only
// moves when told, opened on the grade of the longest note with that note's question first.
struct DrillOnTheNote
{
    explicit DrillOnTheNote(const LongestNote &note, bool notesWanted)
        : context{state, clock, random, sound, pictures, navigator}, drill(context), elsewhere(context)
    {
        navigator.setScreen(ScreenId::Menu, &elsewhere);
        navigator.setScreen(ScreenId::Grade, &elsewhere);
        navigator.setScreen(ScreenId::Drill, &drill);
        state.baseDir = note.base;
        state.selectedGrade = qint16(note.grade);
        state.notesWanted = notesWanted;
        const DataPaths paths(note.base);
        AnswerFileReader::read(paths.answerFile(GradeCatalogue::lookup(note.grade)->answerFile), count, answers);
        question = note.question;
        rightChoice = answers[std::size_t(note.question)];
        navigator.start();
    }
    ~DrillOnTheNote()
    {
        navigator.endProgram();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // A new drill on the note's question, on show (its window exposed), answered, its
    // evaluation stage due at the next tick.
    void answered()
    {
        random.script({ScriptedRandom::valueFor(question, count)});
        navigator.moveTo(ScreenId::Drill);
        QCoreApplication::processEvents();
        drill.answer(rightChoice);
        clock.advance(2.0f);
    }
    void leave()
    {
        navigator.moveTo(ScreenId::Menu);
        // As the program's event loop would: nothing piles up from one drill to the next.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }

    SharedState state;
    FakeClock clock;
    ScriptedRandom random;
    RecordingSoundPlayer silent;
    MutableSoundPlayer sound{silent};
    DataPictureLoader pictures;
    Navigator navigator;
    ScreenContext context;
    DrillScreen drill;
    ElsewhereScreen elsewhere;
    qint16 count = 0;
    AnswerTable answers{};
    int question = 1;
    qint16 rightChoice = 1;
};

QString scaleLabel()
{
    return QStringLiteral("scale %1").arg(qApp->devicePixelRatio());
}

void evaluationStage(benchmark::State &state, bool notesWanted)
{
    const std::optional<LongestNote> &note = longestNote();
    if (!note) {
        state.SkipWithError("no notes in the test bank with notes: build it (cmake --build build --target testbank-notes)");
        return;
    }
    DrillOnTheNote rig(*note, notesWanted);
    bool shown = true;
    // The repaint counts only where the window is exposed: checked, as a window never shown
    // would paint nothing and the figures would flatter.
    struct PaintCounter : QObject
    {
        int paints = 0;
        bool eventFilter(QObject *, QEvent *event) override
        {
            if (event->type() == QEvent::Paint)
                ++paints;
            return false;
        }
    } counter;
    for (auto _ : state) {
        state.PauseTiming();
        rig.answered();
        rig.drill.window()->installEventFilter(&counter);
        state.ResumeTiming();
        rig.drill.stage(DrillStage::Evaluation)->tick();
        rig.drill.window()->repaint();
        state.PauseTiming();
        shown = shown && rig.drill.currentNoteText().isEmpty() != notesWanted;
        rig.leave();
        state.ResumeTiming();
    }
    if (!shown)
        state.SkipWithError("the note was not shown as it should be");
    if (counter.paints < state.iterations())
        state.SkipWithError("the window was not painted after the stage");
    state.SetLabel(QStringLiteral("%1, %2").arg(notesWanted ? QStringLiteral("note %1/n%2 (%3 characters)")
                                                                   .arg(note->code).arg(note->question).arg(note->textLength)
                                                             : QStringLiteral("no note"),
                                                scaleLabel())
                       .toStdString());
}

} // namespace

static void BM_EvaluationStageWithoutNote(benchmark::State &state)
{
    evaluationStage(state, false);
}
BENCHMARK(BM_EvaluationStageWithoutNote)->Unit(benchmark::kMicrosecond)->Iterations(300);

static void BM_EvaluationStageWithNote(benchmark::State &state)
{
    evaluationStage(state, true);
}
BENCHMARK(BM_EvaluationStageWithNote)->Unit(benchmark::kMicrosecond)->Iterations(300);

// Decoding the longest note at the window's density, which the question display pays.
static void BM_DecodeNote(benchmark::State &state)
{
    const std::optional<LongestNote> &note = longestNote();
    if (!note) {
        state.SkipWithError("no notes in the test bank with notes");
        return;
    }
    DataPictureLoader loader;
    const QString path = DataPaths(note->base).notePicture(note->code, note->question);
    for (auto _ : state)
        benchmark::DoNotOptimize(loader.loadWithText(path, qApp->devicePixelRatio()));
    state.SetLabel(scaleLabel().toStdString());
}
BENCHMARK(BM_DecodeNote)->Unit(benchmark::kMicrosecond);
