// Fuzzes bunpo-bank's source reader with a whole source folder made of one input: the parts
// between form feeds are grades.csv and then the grade files in the catalogue's order
// (g4_1.csv ... g3_4.csv); a part that is not there is a missing file. Errors are the reader's
// answer to a bad folder; anything else (a crash, undefined behaviour, a leak, a hang) is a
// finding.
#include "ScratchFolder.h"
#include "SourceReader.h"

#include "bank/GradeCatalogue.h"

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
    const QList<QByteArray> parts =
        QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)).split('\f');
    QStringList names{QStringLiteral("grades.csv")};
    for (int index = 1; index <= GradeCatalogue::Count; ++index)
        names.append(GradeCatalogue::lookup(index)->code + QStringLiteral(".csv"));
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (i < parts.size())
            scratch.write(names.at(i), parts.at(i));
        else
            scratch.remove(names.at(i));
    }

    BankSource bank;
    SourceErrors errors;
    (void)SourceReader::read(scratch.path(), bank, errors);
    return 0;
}
