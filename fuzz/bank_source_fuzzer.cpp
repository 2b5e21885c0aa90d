// Fuzzes bunpo-bank's source reader with a whole source folder made of one input: the parts
// between form feeds are grades.csv, then the grade files in the catalogue's order
// (g4_1.csv ... g3_4.csv), then grammar-points.tsv; a part that is not there is a missing file.
// The notes of what was read are then held to that list and to each other, and counted as
// coverage counts them. Errors are the readers' answer to a bad folder; anything else (a
// crash, undefined behaviour, a leak, a hang) is a finding.
#include "Coverage.h"
#include "GrammarList.h"
#include "NoteCheck.h"
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
    names.append(GrammarList::fileName());
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (i < parts.size())
            scratch.write(names.at(i), parts.at(i));
        else
            scratch.remove(names.at(i));
    }

    BankSource bank;
    SourceErrors errors;
    (void)SourceReader::read(scratch.path(), bank, errors);
    NoteCheck::checkNotes(bank, errors);
    if (parts.size() >= names.size()) {
        const std::optional<GrammarList> list = GrammarList::read(scratch.path() + QLatin1Char('/') + GrammarList::fileName(), errors);
        if (list) {
            NoteCheck::checkPoints(bank, *list, errors);
            (void)Coverage::report(bank, *list);
        }
    }
    return 0;
}
