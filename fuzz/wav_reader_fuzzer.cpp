// Fuzzes the WAV reader of the sound player with any bytes as a sound file. Its verdict is its
// answer to a foreign or broken file; anything else (a crash, undefined behaviour, a leak, a
// hang) is a finding. Built once the reader is in src/platform (see CMakeLists.txt here).
#include "platform/WavReader.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // Raw data, with no terminating zero after it: a read one byte past the end is caught.
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const WavReader::Result result = WavReader::read(bytes);
    if (result.verdict == WavReader::Verdict::Read && result.sound.samples.size() % result.sound.frameBytes() != 0)
        __builtin_trap(); // the reader promises whole frames
    return 0;
}
