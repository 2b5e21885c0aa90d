#pragma once

#include <QSet>
#include <QString>

// Prints a line "bunpo-drill: text" on standard error the first time a key is met, and
// nothing for the same key again: a sound that fails at every answer is named once.
class WarnOnce
{
public:
    // True when the line was printed.
    bool warn(const QString &key, const QString &text);

private:
    QSet<QString> m_keys;
};
