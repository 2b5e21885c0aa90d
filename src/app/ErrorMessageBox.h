#pragma once

#include <QString>

// The message of an error that ends the program, in one modal message box titled with the
// program's name; ErrorGuard's reporter shows it before the program ends.
void showErrorMessageBox(const QString &message);
