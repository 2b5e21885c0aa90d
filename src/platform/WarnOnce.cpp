#include "platform/WarnOnce.h"

#include <cstdio>

bool WarnOnce::warn(const QString &key, const QString &text)
{
    if (m_keys.contains(key))
        return false;
    m_keys.insert(key);
    std::fprintf(stderr, "bunpo-drill: %s\n", text.toLocal8Bit().constData());
    std::fflush(stderr);
    return true;
}
