#pragma once

#include "BankSource.h"
#include "GrammarList.h"
#include "SourceError.h"

#include <QString>
#include <QStringList>

// The rules a bank's notes keep that one row cannot decide alone: each point is an id of the
// grammar list, each note names the right choice, and no note comes twice within an
// examination grade (a note copied from another question says nothing of this one).
namespace NoteCheck {

// Whether any grade file of the bank has the point,meaning,note columns.
bool hasNotes(const BankSource &bank);

// Every point against the list: an unknown one is named with the ids nearest to it by name
// (to the right choice's text, when what was written has the shape of an id).
void checkPoints(const BankSource &bank, const GrammarList &list, SourceErrors &errors);

// Each note names the right choice, by its text or its reading; no note is repeated word for
// word within an examination grade.
void checkNotes(const BankSource &bank, SourceErrors &errors);

// The ways a note may write the right choice: its text without readings and blanks, and its
// reading (each base with a reading replaced by it), blanks removed.
QStringList keyForms(const QString &choice);

} // namespace NoteCheck
