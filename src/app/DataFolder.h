// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Chooses the folder the program reads its data from (the shared baseDir) once, at start-up: the folder
// named on the command line; else the executable's own folder when it holds answer/ (a copied
// folder, the build tree); else ../share/bunpo-drill beside the executable's folder (an
// installed program under any prefix); else the executable's folder all the same, where the
// first missing file names itself when a screen opens it.
namespace DataFolder {

// True when `folder` holds an answer folder, spelled in any case as a copy from Windows may be.
bool holdsAnswers(const QString &folder);

struct Choice
{
    QString baseDir; // absolute, without a trailing separator; empty when `error` is set
    QString error;   // why the requested folder cannot be used
};

// `requested` is the folder given with --data, empty when none was given.
Choice choose(const QString &requested, const QString &executableFolder);

} // namespace DataFolder
