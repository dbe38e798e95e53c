#pragma once

#include <QColor>
#include <QObject>
#include <QtQml/qqmlregistration.h>

// The three brand colours every screen shares, each made once on first use.
// Exposed to QML as the singleton "BrandPalette". Main thread.
class BrandPalette : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(QColor paletteNavy READ paletteNavy CONSTANT)
    Q_PROPERTY(QColor paletteTeal READ paletteTeal CONSTANT)
    Q_PROPERTY(QColor paletteAqua READ paletteAqua CONSTANT)

public:
    explicit BrandPalette(QObject *parent = nullptr);

    static QColor paletteNavy();
    static QColor paletteTeal();
    static QColor paletteAqua();

    // A colour from six hexadecimal digits, for QML.
    Q_INVOKABLE static QColor fromHex(const QString &hex);
    // `color` with its alpha set to `opacity`, for QML.
    Q_INVOKABLE static QColor withOpacity(const QColor &color, qreal opacity);
};
