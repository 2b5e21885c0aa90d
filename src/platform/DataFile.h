#pragma once

// Data paths as the program forms them, found and read on this system.

#include <QString>

namespace DataFile {

// Turns a data path as the program forms it ("/opt/drill\answer\g4_1.ans") into a path of this
// system. The base folder, the longest leading part that is a folder as written, stays as it is
// (a name may hold a backslash); in the relative part after it, backslashes become the
// platform's separator, and where names are case-sensitive the exact path is tried first, then
// each component is matched regardless of case, so that a data folder copied from Windows
// (Answer\G4_1.ANS) still works; an exact spelling is preferred, and a folder that lacks the
// rest of the path gives way to another spelling. Returns the exact mapped path when nothing
// matches, so that an error can name it.
QString locate(const QString &dataPath);

} // namespace DataFile
