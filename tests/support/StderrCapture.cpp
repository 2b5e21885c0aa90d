#include "support/StderrCapture.h"

#include <QFile>

#include <cstdio>
#include <unistd.h>

StderrCapture::StderrCapture()
{
    m_file.open();
    std::fflush(stderr);
    m_saved = dup(2);
    dup2(m_file.handle(), 2);
}

void StderrCapture::restore()
{
    if (m_saved < 0)
        return;
    std::fflush(stderr);
    dup2(m_saved, 2);
    close(m_saved);
    m_saved = -1;
}

QStringList StderrCapture::lines(const QString &containing)
{
    std::fflush(stderr);
    QFile read(m_file.fileName());
    read.open(QIODevice::ReadOnly);
    QStringList result;
    for (const QByteArray &line : read.readAll().split('\n')) {
        if (line.contains(containing.toLocal8Bit()))
            result.append(QString::fromLocal8Bit(line));
    }
    return result;
}
