// Fuzzes the picture loader with any bytes as a data-folder picture: first the file checks on
// their own (the length checks of GIF, BMP and JPEG and the GIF's declared size, whatever the
// content), then the whole decoding as the program does it. A RuntimeError is the loader's way
// of refusing a file; anything else (a crash, undefined behaviour, a leak, a hang) is a finding.
#include "ScratchFolder.h"

#include "error/RuntimeError.h"
#include "platform/DataPictureLoader.h"
#include "platform/PictureFileCheck.h"

#include <QCoreApplication>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const ScratchFolder scratch;
    // Raw data, with no terminating zero after it: a read one byte past the end is caught.
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const char *format : {"gif", "bmp", "jpeg"}) {
        (void)PictureFileCheck::damage(bytes, format);
        (void)PictureFileCheck::declaredSize(bytes, format);
    }

    const QString file = scratch.write(QStringLiteral("q1.gif"), bytes);
    try {
        (void)DataPictureLoader::decode(file);
    } catch (const RuntimeError &) {
    }
    return 0;
}
