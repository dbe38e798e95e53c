#include "FillImage.h"

#include <QPainter>
#include <QPainterPath>

FillImage::FillImage(QQuickItem *parent)
    : QQuickPaintedItem(parent)
{
    setAntialiasing(true);
}

void FillImage::setImage(const QImage &image)
{
    if (image.cacheKey() == m_image.cacheKey())
        return;
    m_image = image;
    emit imageChanged();
    update();
}

void FillImage::setRadius(qreal radius)
{
    if (qFuzzyCompare(radius, m_radius))
        return;
    m_radius = radius;
    emit radiusChanged();
    update();
}

qreal FillImage::imageAspectRatio() const
{
    return m_image.isNull() || m_image.height() == 0 ? 0.0 : qreal(m_image.width()) / m_image.height();
}

QRectF FillImage::fillSourceRect(const QSizeF &imageSize, const QSizeF &target)
{
    if (imageSize.isEmpty() || target.isEmpty())
        return {};
    const qreal scale = qMax(target.width() / imageSize.width(), target.height() / imageSize.height());
    const QSizeF visible(target.width() / scale, target.height() / scale);
    return QRectF(QPointF((imageSize.width() - visible.width()) / 2, (imageSize.height() - visible.height()) / 2),
                  visible);
}

void FillImage::paint(QPainter *painter)
{
    if (m_image.isNull() || width() <= 0 || height() <= 0)
        return;
    const QRectF target(0, 0, width(), height());
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    painter->setRenderHint(QPainter::Antialiasing);
    if (m_radius > 0) {
        QPainterPath clip;
        clip.addRoundedRect(target, m_radius, m_radius);
        painter->setClipPath(clip);
    }
    painter->drawImage(target, m_image, fillSourceRect(QSizeF(m_image.size()), target.size()));
}
