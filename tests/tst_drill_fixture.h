#pragma once

// Shared by the Drill screen's tests: a data folder of one grade, and the Drill screen with
// fake services between two stub screens, with a simulated event loop for its stages.

#include "app/Navigator.h"
#include "platform/MutableSoundPlayer.h"
#include "platform/Stage.h"
#include "screens/drill/DrillLayout.h"
#include "screens/drill/DrillScreen.h"
#include "screens/Screen.h"
#include "screens/ScreenContext.h"
#include "screens/SharedState.h"
#include "support/FakeClock.h"
#include "support/RecordingPictureLoader.h"
#include "support/RecordingSoundPlayer.h"
#include "support/ScriptedRandom.h"
#include "support/TestMain.h"
#include "widgets/PictureButton.h"
#include "widgets/PictureLabel.h"

#include "GifWriter.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <array>
#include <cmath>
#include <functional>
#include <optional>

// One grade's data folder: answer file, title, and question and choices pictures. The
// pictures are PNG files named .gif (the loader goes by content); question n's pictures are
// filled with colour (n, 0, 128) so that a test can tell which question is on show.
// Data tables may name the Drill screen's controls by their key.
Q_DECLARE_METATYPE(DrillControl)

class DrillBank
{
public:
    explicit DrillBank(QList<int> answers, const QString &code = QStringLiteral("g4_1"),
                       const QSet<QString> &leaveOut = {})
        : m_answers(std::move(answers)), m_code(code)
    {
        const QString base = dir.path();
        for (const QString &sub : {QStringLiteral("answer"), QStringLiteral("title"), QStringLiteral("sound"),
                                  QStringLiteral("question/") + code, QStringLiteral("choices/") + code})
            QDir(base).mkpath(sub);
        QStringList items{QString::number(m_answers.size())};
        for (int a : m_answers)
            items.append(QString::number(a));
        writeAnswerFile(items.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
        save(title(), QStringLiteral("title/%1.gif").arg(code), leaveOut);
        for (int n = 1; n <= m_answers.size(); ++n) {
            save(questionPicture(n), QStringLiteral("question/%1/q%2.gif").arg(code).arg(n), leaveOut);
            save(choicesPicture(n), QStringLiteral("choices/%1/a%2.gif").arg(code).arg(n), leaveOut);
        }
    }

    // Gives the grade notes as bunpo-bank draws them: note/<code>/n<k>.gif, 744 x 120, and its
    // 1488 x 240 twin, each a GIF whose comment is noteText(k). Like the question pictures
    // they are filled with colour (k, 0, 128), so questionShown() tells whose note is shown;
    // white and yellow bars stand for the lettering.
    void addNotes() const
    {
        QDir(dir.path()).mkpath(QStringLiteral("note/") + m_code);
        for (int k = 1; k <= count(); ++k)
            for (const int scale : {1, 2}) {
                QImage image(744 * scale, 120 * scale, QImage::Format_RGB32);
                image.fill(QColor(k, 0, 128));
                QPainter p(&image);
                p.scale(scale, scale);
                p.fillRect(8, 6, 180 + 4 * k, 13, QColor(0xFC, 0xFE, 0x04));
                p.fillRect(8, 34, 600, 13, Qt::white);
                p.fillRect(8, 62, 420 + 8 * k, 13, Qt::white);
                p.end();
                const QString file = scale == 1 ? QStringLiteral("note/%1/n%2.gif") : QStringLiteral("note/%1/n%2@2x.gif");
                QString error;
                if (!writeGif(image, dir.filePath(file.arg(m_code).arg(k)), std::nullopt, &error, noteText(k)))
                    qFatal("%s", qPrintable(error));
            }
    }
    // The plain text of question k's note: heading, meaning and note, one line each.
    static QString noteText(int k)
    {
        return QStringLiteral("のに — although, even though\nThe sentence of question %1 in English.\n"
                              "Why the right choice of question %1 fits.")
            .arg(k);
    }
    // Replaces a file of the folder ("note/g4_1/n3.gif") with these bytes.
    void write(const QString &relative, const QByteArray &bytes) const
    {
        QFile file(dir.filePath(relative));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(relative));
    }
    QByteArray read(const QString &relative) const
    {
        QFile file(dir.filePath(relative));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QString base() const { return dir.path(); }
    const QString &code() const { return m_code; }
    int count() const { return int(m_answers.size()); }
    int answer(int question) const { return m_answers.at(question - 1); }

    void writeAnswerFile(const QByteArray &text) const
    {
        QFile file(dir.filePath(QStringLiteral("answer/%1.ans").arg(m_code)));
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(text);
    }
    void writeAnswerFile(const QString &text) const { writeAnswerFile(text.toLatin1()); }

    // The question whose picture an image shows, or 0.
    static int questionShown(const QPixmap &picture)
    {
        if (picture.isNull())
            return 0;
        const QRgb pixel = picture.toImage().pixel(2, 2);
        return qBlue(pixel) == 128 && qGreen(pixel) == 0 ? qRed(pixel) : 0;
    }

    QTemporaryDir dir;

private:
    void save(const QImage &image, const QString &relative, const QSet<QString> &leaveOut) const
    {
        if (!leaveOut.contains(relative))
            image.save(dir.filePath(relative), "PNG");
    }

    QImage title() const
    {
        QImage image(327, 37, QImage::Format_RGB32);
        image.fill(QColor(0, 0, 128));
        QPainter p(&image);
        p.setPen(Qt::yellow);
        p.drawText(image.rect(), Qt::AlignCenter, QStringLiteral("Grade %1").arg(m_code));
        return image;
    }

    static QImage questionPicture(int n)
    {
        QImage image(578, 57, QImage::Format_RGB32);
        image.fill(QColor(n, 0, 128));
        QPainter p(&image);
        p.setPen(Qt::white);
        p.drawText(image.rect().adjusted(12, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft,
                   QStringLiteral("Question %1: which choice is right?").arg(n));
        return image;
    }

    // Four rows 28 px apart, the number of row 1 centred 15 px below the top, 13 px from the left.
    QImage choicesPicture(int n) const
    {
        QImage image(578, 113, QImage::Format_RGB32);
        image.fill(QColor(n, 0, 128));
        QPainter p(&image);
        p.setPen(Qt::white);
        for (int row = 0; row < 4; ++row) {
            const int centre = 15 + 28 * row;
            p.drawText(QRect(3, centre - 10, 20, 20), Qt::AlignCenter, QString::number(row + 1));
            const bool right = row + 1 == m_answers.at(n - 1);
            p.drawText(QRect(40, centre - 10, 500, 20), Qt::AlignVCenter | Qt::AlignLeft,
                       right ? QStringLiteral("the right choice") : QStringLiteral("a wrong choice"));
        }
        return image;
    }

    QList<int> m_answers;
    QString m_code;
};

// The Menu and Grade screens as the Drill screen sees them: somewhere to go.
class StubScreen : public Screen
{
public:
    StubScreen(ScreenContext &ctx, QString name) : Screen(ctx), m_name(std::move(name)) {}
    int loads = 0;

protected:
    ScreenWindow *createWindow() override
    {
        return new ScreenWindow({m_name, m_name, 11250, 7845, Qt::darkGreen, QString()}, {});
    }
    void load() override { ++loads; }

private:
    QString m_name;
};

// The Drill screen with fakes. Time is simulated: the rig keeps each running stage's next
// tick (its begin plus 500 ms steps, as its timer would) and delivers ticks in time order
// after moving the fake clock, so stages that overlap tick as they would in the program.
class DrillRig
{
public:
    // order: the questions the draws give, in turn (repeated when they run out).
    explicit DrillRig(const DrillBank &bank, QList<int> order = {}, qint16 selectedGrade = 1, double startTime = 36000.25)
        : context{state, clock, random, mutableSound, pictures, navigator}, drill(context),
          menu(context, QStringLiteral("メニュー")), grade(context, QStringLiteral("ランク")), m_bank(bank)
    {
        navigator.setScreen(ScreenId::Menu, &menu);
        navigator.setScreen(ScreenId::Drill, &drill);
        navigator.setScreen(ScreenId::Grade, &grade);
        state.baseDir = bank.base();
        state.selectedGrade = selectedGrade;
        if (order.isEmpty())
            for (int q = 1; q <= bank.count(); ++q)
                order.append(q);
        QList<float> values;
        for (int k = 0; k < 2000; ++k)
            values.append(ScriptedRandom::valueFor(order.at(k % order.size()), bank.count()));
        random.script(values);
        setNow(startTime);
    }

    ~DrillRig()
    {
        navigator.endProgram();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Shows the Drill screen as a move from another screen would.
    void open()
    {
        ErrorGuard::run([this] { navigator.moveTo(ScreenId::Drill); });
        notice();
    }

    ScreenWindow *window() const { return drill.window(); }
    PictureButton *button(DrillControl key) const { return window()->button(key); }
    PictureButton *choice(int n) const { return button(DrillLayout::choiceButton(n)); }
    PictureLabel *image(DrillControl key) const { return window()->image(key); }
    QString label(DrillControl key) const { return window()->label(key)->text(); }
    bool shown(DrillControl key) const { return !window()->control(key)->isHidden(); }
    Stage *stage(DrillStage which) const { return drill.stage(which); }
    bool running(DrillStage which) const { return stage(which) && stage(which)->isRunning(); }
    bool anyRunning() const
    {
        for (const DrillStage which : AllDrillStages)
            if (running(which))
                return true;
        return false;
    }
    const DrillSession &f() const { return drill.session(); }
    int question() const { return drill.session().question(); }
    int rightChoice() const { return m_bank.answer(question()); }
    int wrongChoice() const { return rightChoice() % 4 + 1; }
    // Train and ring places in twips, as the program sets them.
    int trainLeft() const { return image(DrillControl::Train)->x() * 15; }
    int ringTop() const { return image(DrillControl::Ring)->y() * 15; }

    // ---- the user

    void click(QAbstractButton *button)
    {
        QTest::mouseClick(button, Qt::LeftButton);
        notice();
    }
    // A key pressed and let go on the focused control, as the learner types it.
    void key(Qt::Key key)
    {
        QTest::keyClick(window()->focusWidget(), key);
        notice();
    }
    void answer(bool right) { click(choice(right ? rightChoice() : wrongChoice())); }
    // False when the next-question button is not there to click.
    bool next()
    {
        if (!drill.isLoaded() || !shown(DrillControl::NextButton))
            return false;
        click(button(DrillControl::NextButton));
        return true;
    }

    // Answers as the script says ('r' right, 'w' wrong). After each answer its evaluation
    // stage acts; all but the last then wait until every sequence has played out and go on
    // with the next-question button. Returns what went wrong, or an empty text.
    QString play(const QString &script)
    {
        for (qsizetype i = 0; i < script.size(); ++i) {
            answer(script.at(i) == QLatin1Char('r'));
            if (!runUntilIdle(DrillStage::Evaluation))
                return QStringLiteral("answer %1: no evaluation stage").arg(i + 1);
            if (i + 1 == script.size())
                break;
            if (!settle())
                return QStringLiteral("answer %1: a stage never acts").arg(i + 1);
            if (!next())
                return QStringLiteral("answer %1: no next-question button (score %2)").arg(i + 1).arg(f().score());
        }
        return {};
    }

    // ---- time

    double now() const { return m_now; }
    void setNow(double t)
    {
        m_now = t;
        clock.set(float(std::fmod(t, 86400.0)));
    }

    // Delivers every tick due until now + seconds, in time order.
    void runFor(double seconds) { runUntil([] { return false; }, seconds); }

    // Delivers ticks until done() holds (checked after each tick); at most `limit` seconds.
    // The clock stops at the tick that made it hold.
    bool runUntil(const std::function<bool()> &done, double limit = 30)
    {
        const double end = m_now + limit;
        while (!done()) {
            std::optional<DrillStage> which;
            for (const DrillStage n : AllDrillStages)
                if (m_nextTick[at(n)] && *m_nextTick[at(n)] <= end && (!which || *m_nextTick[at(n)] < *m_nextTick[at(*which)]))
                    which = n;
            if (!which) {
                setNow(end);
                return false;
            }
            setNow(*m_nextTick[at(*which)]);
            *m_nextTick[at(*which)] += Stage::IntervalMs / 1000.0;
            if (Stage *s = stage(*which))
                ErrorGuard::run([s] { s->tick(); });
            notice();
        }
        return true;
    }
    bool runUntilIdle(DrillStage which, double limit = 30)
    {
        return runUntil([this, which] { return !running(which); }, limit);
    }
    bool settle(double limit = 30) { return runUntil([this] { return !anyRunning(); }, limit); }

    // When the stage last began and last acted (or was stopped), by the simulated time.
    double begun(DrillStage which) const { return m_begun[at(which)]; }
    double acted(DrillStage which) const { return m_acted[at(which)]; }

    FakeClock clock;
    ScriptedRandom random;
    RecordingSoundPlayer sound;
    MutableSoundPlayer mutableSound{sound};
    RecordingPictureLoader pictures;
    SharedState state;
    Navigator navigator;
    ScreenContext context;
    DrillScreen drill;
    StubScreen menu;
    StubScreen grade;

private:
    // Finds the stages that began or stopped in the last action.
    void notice()
    {
        for (const DrillStage which : AllDrillStages) {
            const std::size_t n = at(which);
            const bool isRunning = running(which);
            if (isRunning && !m_wasRunning[n]) {
                m_begun[n] = m_now;
                m_nextTick[n] = m_now + Stage::IntervalMs / 1000.0;
            } else if (!isRunning && m_wasRunning[n]) {
                m_acted[n] = m_now;
                m_nextTick[n].reset();
            }
            m_wasRunning[n] = isRunning;
        }
    }

    static std::size_t at(DrillStage which) { return std::size_t(which); }

    const DrillBank &m_bank;
    double m_now = 0;
    std::array<std::optional<double>, 5> m_nextTick{};
    std::array<bool, 5> m_wasRunning{};
    std::array<double, 5> m_begun{};
    std::array<double, 5> m_acted{};
};

// Ten questions; the draws give 1, 2, 3 ... in turn, so the repeat window never rejects one.
inline QList<int> tenAnswers()
{
    return {1, 2, 3, 4, 1, 2, 3, 4, 2, 3};
}
