#include "platform/WarnOnce.h"

#include <QByteArray>

#include <cstdio>

bool WarnOnce::warn(const QString &key, const QString &text)
{
    if (m_keys.contains(key))
        return false;
    m_keys.insert(key);
    // The whole line in one call and without a format string, which every compiler's
    // fortified library can check.
    const QByteArray line = QByteArrayLiteral("bunpo-drill: ") + text.toLocal8Bit() + '\n';
    std::fputs(line.constData(), stderr);
    std::fflush(stderr);
    return true;
}
