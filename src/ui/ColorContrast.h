#pragma once

#include <QColor>
#include <QObject>
#include <QtQml/qqmlregistration.h>

// Contrast between colours as the web accessibility guidelines measure it (relative luminance,
// ratios from 1 to 21), and colours adjusted to reach a ratio. The theme uses it to keep text
// readable on any system palette. Exposed to QML as the singleton "ColorContrast". Any thread.
class ColorContrast : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    explicit ColorContrast(QObject *parent = nullptr);

    // Relative luminance of an opaque colour, 0 (black) to 1 (white).
    Q_INVOKABLE static double luminance(const QColor &color);
    // (lighter + 0.05) / (darker + 0.05) of two opaque colours.
    Q_INVOKABLE static double ratio(const QColor &first, const QColor &second);
    // `color` painted with its alpha over the opaque `background`.
    Q_INVOKABLE static QColor composite(const QColor &color, const QColor &background);
    // `color` (its alpha kept) moved towards black or white, whichever side of `background`
    // it is on, just far enough that it reaches `minimumRatio` over `background`; the colour
    // itself when it already does. Falls back to the other direction, then to black or white,
    // when one direction cannot reach the ratio.
    Q_INVOKABLE static QColor readable(const QColor &color, const QColor &background, double minimumRatio);
};
