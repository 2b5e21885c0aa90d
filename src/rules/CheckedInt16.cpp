#include "rules/CheckedInt16.h"

#include "error/RuntimeError.h"

#include <limits>

namespace CheckedInt16 {

namespace {
qint16 fitted(int value, const QString &field, const QString &sum)
{
    if (value < std::numeric_limits<qint16>::min() || value > std::numeric_limits<qint16>::max())
        throw RuntimeError(RuntimeError::Kind::Overflow, field,
                           QStringLiteral("%1 = %2 does not fit 16 bits").arg(sum).arg(value));
    return static_cast<qint16>(value);
}
} // namespace

qint16 fit(int value, const QString &field)
{
    return fitted(value, field, QString::number(value));
}

qint16 add(qint16 a, qint16 b, const QString &field)
{
    return fitted(int(a) + int(b), field, QStringLiteral("%1 + %2").arg(a).arg(b));
}

qint16 subtract(qint16 a, qint16 b, const QString &field)
{
    return fitted(int(a) - int(b), field, QStringLiteral("%1 - %2").arg(a).arg(b));
}

qint16 multiply(qint16 a, qint16 b, const QString &field)
{
    return fitted(int(a) * int(b), field, QStringLiteral("%1 * %2").arg(a).arg(b));
}

qint16 halfDown(qint16 value)
{
    // An arithmetic shift floors toward minus infinity, as the halving wants.
    return static_cast<qint16>(value >> 1);
}

} // namespace CheckedInt16
