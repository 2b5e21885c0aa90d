#pragma once

#include <QString>
#include <QTextStream>

// bunpo-bank build SOURCE_DIR OUT_DIR: turns the text banks of SOURCE_DIR into the data
// folders answer, title, question, choices and sound of OUT_DIR, and note for the grades whose
// files carry notes. Every fault of the source is reported with its file and line before
// anything is drawn; OUT_DIR is changed only once all of the new folders are written, and then
// only those six folders, each replaced whole (note removed when no grade has notes), so that
// no picture of an earlier bank is left behind.
namespace BankBuilder {

enum Result { Built = 0, BadSource = 1 };

// Reports go to err (faults) and out (the closing line). Needs a QGuiApplication.
Result build(const QString &sourceDir, const QString &outDir, QTextStream &out, QTextStream &err);

// The data folders, as the program names them: the five every bank has, then note.
const QStringList &dataFolders();

} // namespace BankBuilder
