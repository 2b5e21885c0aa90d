// Fuzzes the answer-file reader with any bytes as a grade's answer file, and the drill start's
// check of the answers it read. A RuntimeError is the reader's way of refusing a file; anything
// else (a crash, undefined behaviour, a leak, a hang) is a finding.
#include "ScratchFolder.h"

#include "bank/AnswerFileReader.h"
#include "bank/GradeBankCheck.h"
#include "error/RuntimeError.h"

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
    const QString file =
        scratch.write(QStringLiteral("g4_1.ans"), QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    qint16 count = 0;
    AnswerTable answers{};
    try {
        AnswerFileReader::read(file, count, answers);
        GradeBankCheck::checkAnswers(file, count, answers);
    } catch (const RuntimeError &) {
    }
    return 0;
}
