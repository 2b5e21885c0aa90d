#include "ui/platform/DataPictureLoader.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void put16(QByteArray &out, int value)
{
    out.append(char(value & 0xFF)).append(char((value >> 8) & 0xFF));
}

// A 578 x 113 GIF the size of a question picture: dark strokes on a transparent ground,
// written with 8-bit LZW codes and a clear code before every 126 pixels (no compression).
QByteArray questionGif()
{
    constexpr int Width = 578, Height = 113;
    QByteArray out("GIF89a");
    put16(out, Width);
    put16(out, Height);
    out.append(char(0x81)).append('\0').append('\0');
    out.append("\xFF\xFF\xFF\x00\x00\x00\x80\x80\x80\xC0\x00\x00", 12);
    out.append("\x21\xF9\x04\x01\x00\x00\x00\x00", 8); // index 0 transparent
    out.append(',');
    put16(out, 0);
    put16(out, 0);
    put16(out, Width);
    put16(out, Height);
    out.append('\0');
    QByteArray codes;
    int sinceClear = 126;
    for (int y = 0; y < Height; ++y) {
        for (int x = 0; x < Width; ++x) {
            if (sinceClear == 126) {
                codes.append(char(0x80));
                sinceClear = 0;
            }
            const bool stroke = (x / 3 + y / 5) % 7 == 0 || (y > 40 && y < 44);
            codes.append(char(stroke ? 1 + (x + y) % 3 : 0));
            ++sinceClear;
        }
    }
    codes.append(char(0x81));
    out.append(char(7));
    for (qsizetype at = 0; at < codes.size(); at += 255) {
        const QByteArray block = codes.mid(at, 255);
        out.append(char(block.size())).append(block);
    }
    out.append('\0').append(';');
    return out;
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
