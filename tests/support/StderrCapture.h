#pragma once

#include <QStringList>
#include <QTemporaryFile>

// Everything written to standard error while it lives (or until restore()).
class StderrCapture
{
public:
    StderrCapture();
    ~StderrCapture() { restore(); }
    void restore();
    // The lines written so far that hold `containing`.
    QStringList lines(const QString &containing);

private:
    QTemporaryFile m_file;
    int m_saved = -1;
};
