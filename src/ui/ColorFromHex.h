#pragma once

#include <QColor>
#include <QString>

// A colour from six hexadecimal digits ("08125D"): red from bits 16-23, green 8-15, blue 0-7 of
// the number, opaque. Text that does not scan as hexadecimal gives black (the scan's zero), as
// do digits beyond the sixth shifting past the 24 bits. Any thread.
QColor colorFromHex(const QString &hex);
