#include "ColorFromHex.h"

QColor colorFromHex(const QString &hex)
{
    bool ok = false;
    const quint64 value = hex.trimmed().toULongLong(&ok, 16);
    const quint64 rgb = ok ? value : 0;
    return QColor::fromRgbF(float((rgb >> 16) & 0xFF) / 255.0f, float((rgb >> 8) & 0xFF) / 255.0f,
                            float(rgb & 0xFF) / 255.0f, 1.0f);
}
