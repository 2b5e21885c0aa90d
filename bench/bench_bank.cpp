#include "bank/AnswerFileReader.h"
#include "bank/QuestionSelector.h"
#include "platform/DataFile.h"
#include "platform/MixingRandomSource.h"
#include "platform/SystemClock.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

// A whole answer file of 60 questions, read as the Drill screen reads it at every start.
static void BM_ReadAnswerFile60(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("g4_1.ans"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write("60\r\n");
    for (int k = 1; k <= 60; ++k)
        file.write(QByteArray::number((k * 7) % 4 + 1) + "\r\n");
    file.close();

    qint16 count = 0;
    AnswerTable answers{};
    for (auto _ : state) {
        AnswerFileReader::read(path, count, answers);
        benchmark::DoNotOptimize(answers);
    }
}
BENCHMARK(BM_ReadAnswerFile60);

// One draw of a bank of 60 with its window of 30 full: every draw is rejected with a chance
// of one half, each redraw reseeded from the real clock.
static void BM_PickQuestionFullWindow(benchmark::State &state)
{
    SystemClock clock;
    MixingRandomSource random;
    QuestionSelector selector(random, clock);
    selector.start(60);
    for (int i = 0; i < 30; ++i)
        selector.draw();
    for (auto _ : state)
        benchmark::DoNotOptimize(selector.draw());
}
BENCHMARK(BM_PickQuestionFullWindow);

// Finding q12.gif in a folder copied from Windows (Question\G4_1\Q12.GIF among 60 files),
// which lists every folder on the way.
static void BM_LocateOtherCase(benchmark::State &state)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("Question/G4_1"));
    for (int n = 1; n <= 60; ++n) {
        QFile file(dir.filePath(QStringLiteral("Question/G4_1/Q%1.GIF").arg(n)));
        file.open(QIODevice::WriteOnly);
    }
    const QString path = dir.path() + QStringLiteral("\\question\\g4_1\\q12.gif");
    for (auto _ : state)
        benchmark::DoNotOptimize(DataFile::locate(path));
}
BENCHMARK(BM_LocateOtherCase);
