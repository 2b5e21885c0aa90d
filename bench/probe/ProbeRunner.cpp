// bunpo-probe: starts the program and a bare Qt window of the Menu's size side by side, in
// turns, and prints the start-up, move, answer and memory figures with their goals beside them.
// The children run on the offscreen platform unless QT_QPA_PLATFORM says otherwise
// (QT_QPA_PLATFORM=xcb under Xvfb measures what a desktop sees).
#include "ProbeReport.h"

#include <QCoreApplication>
#include <QDir>
#include <QHash>
#include <QProcess>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

using Figures = QHash<QByteArray, double>;

// Runs one child; its figures, with "startup_ms" from our start of it to its first paint.
Figures runChild(const QString &program, const QStringList &arguments)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::SeparateChannels);
    const qint64 startNs = ProbeReport::monotonicNow();
    child.start(program, arguments);
    if (!child.waitForFinished(600000) || child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0) {
        std::fprintf(stderr, "bunpo-probe: %s %s failed:\n%s\n", qPrintable(program), qPrintable(arguments.join(' ')),
                     child.readAllStandardError().constData());
        std::exit(1);
    }
    Figures figures;
    for (const QByteArray &line : child.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> parts = line.trimmed().split(' ');
        if (parts.size() == 2)
            figures.insert(parts[0], parts[1].toDouble());
    }
    if (figures.contains("painted_ns"))
        figures.insert("startup_ms", (figures.value("painted_ns") - double(startNs)) / 1e6);
    return figures;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

void row(const char *what, const QString &value, const char *goal)
{
    std::printf("  %-46s %-22s goal %s\n", what, qPrintable(value), goal);
}

QString ms(double value)
{
    return QStringLiteral("%1 ms").arg(value, 0, 'f', 2);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QDir here(QCoreApplication::applicationDirPath());
    const QString bare = here.filePath(QStringLiteral("bunpo-bare-window"));
    const QString program = here.filePath(QStringLiteral("bunpo-probe-program"));
    const int pairs = argc > 1 ? QByteArray(argv[1]).toInt() : 20;

    std::printf("bunpo-probe on the %s platform, %d start-up pairs\n", qgetenv("QT_QPA_PLATFORM").constData(), pairs);
    std::vector<double> bareStart, programStart;
    for (int i = 0; i < pairs; ++i) {
        bareStart.push_back(runChild(bare, {}).value("startup_ms"));
        programStart.push_back(runChild(program, {}).value("startup_ms"));
    }
    const double bareMs = median(bareStart), programMs = median(programStart);

    // Memory in interleaved pairs too: the bare window holds about as long as the program's run
    // needs to settle, so both are measured with their event loops turning. The other figures
    // come from the program's run whose memory is the median.
    const int memoryPairs = 3;
    std::vector<Figures> drills, bares;
    for (int i = 0; i < memoryPairs; ++i) {
        drills.push_back(runChild(program, {QStringLiteral("drill")}));
        bares.push_back(runChild(bare, {QStringLiteral("1000")}));
    }
    const auto byKey = [](const char *key) {
        return [key](const Figures &a, const Figures &b) { return a.value(key) < b.value(key); };
    };
    std::sort(drills.begin(), drills.end(), byKey("rss200_kb"));
    std::sort(bares.begin(), bares.end(), byKey("rss_kb"));
    const Figures drill = drills[memoryPairs / 2];
    const Figures bareHeld = bares[memoryPairs / 2];
    const double bareMb = bareHeld.value("rss_kb") / 1024.0;
    const double mb200 = drill.value("rss200_kb") / 1024.0;
    const double growthKb = drill.value("rss200_kb") - drill.value("rss50_kb");

    std::printf("\nStart-up, process start to the first paint (median of %d):\n", pairs);
    row("bare Qt window", ms(bareMs), "");
    row("program, Menu", ms(programMs), "");
    row("program / bare", QStringLiteral("%1x").arg(programMs / bareMs, 0, 'f', 2), "<= 1.05x");
    std::printf("\nMoves and answers (click to painted):\n");
    row("first Menu -> Drill move", ms(drill.value("first_move_ms")), "<= 6 ms");
    row("warm Menu -> Drill move (median of 9)", ms(drill.value("warm_move_ms")), "");
    row("first answer, click to mark", ms(drill.value("first_answer_ms")), "<= 5 ms");
    row("warm answer, click to mark (median)", ms(drill.value("warm_answer_ms")), "");
    row("Grade hover swap (median of 60)", ms(drill.value("hover_swap_ms")), "");
    std::printf("\nResident memory (median of %d interleaved pairs):\n", memoryPairs);
    row("bare Qt window", QStringLiteral("%1 MB").arg(bareMb, 0, 'f', 1), "");
    row("program after 200 answers", QStringLiteral("%1 MB").arg(mb200, 0, 'f', 1), "");
    row("program - bare", QStringLiteral("%1 MB").arg(mb200 - bareMb, 0, 'f', 1), "<= 12 MB");
    row("  of which anonymous (heap, stacks, pixels)",
        QStringLiteral("%1 MB").arg((drill.value("anon200_kb") - bareHeld.value("anon_kb")) / 1024.0, 0, 'f', 1), "");
    row("  of which mapped files (libraries, fonts)",
        QStringLiteral("%1 MB").arg((drill.value("rss200_kb") - drill.value("anon200_kb") - bareHeld.value("rss_kb")
                                     + bareHeld.value("anon_kb")) / 1024.0, 0, 'f', 1), "");
    row("program / bare", QStringLiteral("%1x").arg(mb200 / bareMb, 0, 'f', 2), "");
    row("growth from answer 50 to answer 200", QStringLiteral("%1 kB").arg(growthKb, 0, 'f', 0), "<= 100 kB");
    return 0;
}
