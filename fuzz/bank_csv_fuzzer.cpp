// Fuzzes bunpo-bank's CSV reader with any bytes as a source file. Errors are its answer to bad
// text; anything else (a crash, undefined behaviour, a leak, a hang) is a finding.
#include "CsvReader.h"

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
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    QList<CsvReader::Row> rows;
    SourceErrors errors;
    (void)CsvReader::parse(bytes, QStringLiteral("g4_1.csv"), rows, errors);
    return 0;
}
