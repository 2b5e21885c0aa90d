#pragma once

#include <QString>

namespace DataFile {

// Turns a data path as the program forms it ("/opt/drill\answer\g4_1.ans") into a path of this
// system: the base folder stays as it is written (its own names may hold a backslash), the
// backslashes of the relative part become the platform's separator; where names are case-sensitive the exact
// path is tried first, then each component is matched regardless of case, so that a data folder
// copied from Windows (Answer\G4_1.ANS) still works; an exact spelling is preferred, and a
// folder that lacks the rest of the path gives way to another spelling. Returns the exact
// mapped path when nothing matches, so that an error can name it.
QString locate(const QString &dataPath);

} // namespace DataFile
