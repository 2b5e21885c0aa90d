#pragma once

#include "BankPainter.h"
#include "BankSource.h"
#include "SourceError.h"

#include <QString>
#include <QTextStream>

// Everything that can be said of a bank source before a picture is drawn: what the text
// decides (SourceReader), the kanji each grade's learners can read (KanjiLevelCheck, with the
// installed dictionary; where none is, one note on notes and no check), and whether the
// lettering can be drawn and fits (BankPainter). bunpo-bank build and check-source both run it.
namespace SourceCheck {

// Returns false when anything is wrong; every fault found is in errors.
bool run(const QString &sourceDir, const BankPainter &painter, BankSource &bank, SourceErrors &errors,
         QTextStream &notes);

enum Result { Clean = 0, Problems = 1 };

// bunpo-bank check-source SOURCE_DIR: every fault that build would report, without drawing.
// Faults and the closing line go to out, notes to err. Needs a QGuiApplication.
Result command(const QString &sourceDir, QTextStream &out, QTextStream &err);

} // namespace SourceCheck
