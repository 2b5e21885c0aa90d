#pragma once

#include <QByteArray>
#include <QFile>
#include <chrono>
#include <cstdio>

// What a probe child prints for the probe runner: one "name value" line per figure.
// Times of day are nanoseconds of the monotonic clock, which every process of the machine
// shares, so the runner can subtract the moment it started the child.
namespace ProbeReport {

inline qint64 monotonicNow()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// Resident memory of this process in kB, from /proc (0 where there is none).
inline qint64 residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    return 0;
}

// Of the resident memory, the kB in anonymous pages (heap, stacks, pixel buffers): the rest
// are mapped files (libraries, fonts), shared with every process that maps them.
inline qint64 anonymousKb()
{
    QFile rollup(QStringLiteral("/proc/self/smaps_rollup"));
    if (!rollup.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : rollup.readAll().split('\n'))
        if (line.startsWith("Anonymous:"))
            return line.mid(10).trimmed().split(' ').value(0).toLongLong();
    return 0;
}

inline void print(const char *name, double value)
{
    std::printf("%s %.6f\n", name, value);
    std::fflush(stdout);
}

} // namespace ProbeReport
