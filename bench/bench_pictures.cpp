#include "platform/DataPictureLoader.h"
#include "support/HandMadeGif.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// A 578 x 113 GIF the size of a question picture: dark strokes on a transparent ground.
QByteArray questionGif()
{
    return HandMadeGif::write(578, 113, [](int x, int y) {
        const bool stroke = (x / 3 + y / 5) % 7 == 0 || (y > 40 && y < 44);
        return stroke ? 1 + (x + y) % 3 : 0;
    }, 0);
}

} // namespace

// Loading one question picture, as a question display does twice (question and choices).
static void BM_LoadQuestionGif(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("q12.gif"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(questionGif());
    file.close();

    DataPictureLoader loader;
    for (auto _ : state)
        benchmark::DoNotOptimize(loader.load(path));
}
BENCHMARK(BM_LoadQuestionGif)->Unit(benchmark::kMicrosecond);

// The 35-byte GIF whose header claims 5000 x 5000: refused before anything is allocated.
static void BM_RefuseOversizedGif(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("huge.gif"));
    QByteArray bytes = questionGif().left(35);
    bytes[6] = char(0x88);
    bytes[7] = char(0x13);
    bytes[8] = char(0x88);
    bytes[9] = char(0x13);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    file.close();

    for (auto _ : state) {
        try {
            DataPictureLoader::decode(path);
        } catch (const std::exception &) {
        }
    }
}
BENCHMARK(BM_RefuseOversizedGif)->Unit(benchmark::kMicrosecond);
