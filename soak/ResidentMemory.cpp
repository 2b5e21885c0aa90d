#include "ResidentMemory.h"

#include <QFile>
#include <QList>

#if defined(Q_OS_UNIX)
#include <unistd.h>
#endif

namespace ResidentMemory {

long kilobytes()
{
#if defined(Q_OS_UNIX)
    // statm: total and resident size, in pages.
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    bool ok = false;
    const long pages = fields.size() > 1 ? fields.at(1).toLong(&ok) : 0;
    const long pageSize = sysconf(_SC_PAGESIZE);
    return ok && pageSize > 0 ? pages * (pageSize / 1024) : -1;
#else
    return -1;
#endif
}

} // namespace ResidentMemory
