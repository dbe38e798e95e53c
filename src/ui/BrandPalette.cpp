#include "BrandPalette.h"

#include "ColorFromHex.h"

BrandPalette::BrandPalette(QObject *parent)
    : QObject(parent)
{
}

QColor BrandPalette::paletteNavy()
{
    static const QColor color = colorFromHex(QStringLiteral("08125D"));
    return color;
}

QColor BrandPalette::paletteTeal()
{
    static const QColor color = colorFromHex(QStringLiteral("14B8A6"));
    return color;
}

QColor BrandPalette::paletteAqua()
{
    static const QColor color = colorFromHex(QStringLiteral("30E3D5"));
    return color;
}

QColor BrandPalette::fromHex(const QString &hex)
{
    return colorFromHex(hex);
}

QColor BrandPalette::withOpacity(const QColor &color, qreal opacity)
{
    QColor result = color;
    result.setAlphaF(float(qBound(0.0, opacity, 1.0) * color.alphaF()));
    return result;
}
