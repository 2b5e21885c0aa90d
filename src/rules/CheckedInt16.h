#pragma once

#include <QString>
#include <QtGlobal>

// Arithmetic on the drill's 16-bit fields. Every result must fit -32768..32767; one that does
// not is a run-time Overflow naming the field it was meant for ("ringTop").
namespace CheckedInt16 {

qint16 fit(int value, const QString &field);
qint16 add(qint16 a, qint16 b, const QString &field);
qint16 subtract(qint16 a, qint16 b, const QString &field);
qint16 multiply(qint16 a, qint16 b, const QString &field);
// The greatest whole number not above value / 2 (75 gives 37, -3 gives -2).
qint16 halfDown(qint16 value);

} // namespace CheckedInt16
