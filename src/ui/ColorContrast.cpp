#include "ColorContrast.h"

#include <algorithm>
#include <cmath>

namespace {

double linearChannel(double value)
{
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

QColor mixed(const QColor &from, const QColor &to, double amount)
{
    return QColor::fromRgbF(float(from.redF() + (to.redF() - from.redF()) * amount),
                            float(from.greenF() + (to.greenF() - from.greenF()) * amount),
                            float(from.blueF() + (to.blueF() - from.blueF()) * amount), from.alphaF());
}

// The least amount of `target` mixed into `color` that reaches the ratio, or -1 when even the
// full target does not.
double leastMix(const QColor &color, const QColor &target, const QColor &background, double minimumRatio)
{
    const auto reaches = [&](double amount) {
        return ColorContrast::ratio(ColorContrast::composite(mixed(color, target, amount), background), background)
            >= minimumRatio;
    };
    if (!reaches(1.0))
        return -1;
    double low = 0;
    double high = 1;
    for (int step = 0; step < 20; ++step) {
        const double middle = (low + high) / 2;
        (reaches(middle) ? high : low) = middle;
    }
    return high;
}

} // namespace

ColorContrast::ColorContrast(QObject *parent)
    : QObject(parent)
{
}

double ColorContrast::luminance(const QColor &color)
{
    const QColor rgb = color.toRgb();
    return 0.2126 * linearChannel(rgb.redF()) + 0.7152 * linearChannel(rgb.greenF())
        + 0.0722 * linearChannel(rgb.blueF());
}

double ColorContrast::ratio(const QColor &first, const QColor &second)
{
    const double a = luminance(first);
    const double b = luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor ColorContrast::composite(const QColor &color, const QColor &background)
{
    const QColor top = color.toRgb();
    const QColor bottom = background.toRgb();
    const double alpha = top.alphaF();
    return QColor::fromRgbF(float(top.redF() * alpha + bottom.redF() * (1 - alpha)),
                            float(top.greenF() * alpha + bottom.greenF() * (1 - alpha)),
                            float(top.blueF() * alpha + bottom.blueF() * (1 - alpha)));
}

QColor ColorContrast::readable(const QColor &color, const QColor &background, double minimumRatio)
{
    const QColor rgb = color.toRgb();
    if (ratio(composite(rgb, background), background) >= minimumRatio)
        return rgb;
    const bool darkBackground = luminance(background) < 0.18;
    const QColor first = darkBackground ? QColor(Qt::white) : QColor(Qt::black);
    const QColor second = darkBackground ? QColor(Qt::black) : QColor(Qt::white);
    for (const QColor &target : {first, second}) {
        const double amount = leastMix(rgb, target, background, minimumRatio);
        if (amount >= 0)
            return mixed(rgb, target, amount);
    }
    QColor fallback = ratio(first, background) >= ratio(second, background) ? first : second;
    fallback.setAlphaF(1);
    return fallback;
}
