#pragma once

#include <QImage>
#include <QQuickPaintedItem>
#include <QtQml/qqmlregistration.h>

// Paints `image` resized to fill the item (aspect ratio kept, overflow cropped, centred),
// clipped to a rounded rectangle of `radius`. A null image paints nothing. Main thread.
class FillImage : public QQuickPaintedItem
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QImage image READ image WRITE setImage NOTIFY imageChanged)
    Q_PROPERTY(bool hasImage READ hasImage NOTIFY imageChanged)
    Q_PROPERTY(qreal radius READ radius WRITE setRadius NOTIFY radiusChanged)
    Q_PROPERTY(qreal imageAspectRatio READ imageAspectRatio NOTIFY imageChanged)

public:
    explicit FillImage(QQuickItem *parent = nullptr);

    QImage image() const { return m_image; }
    void setImage(const QImage &image);
    bool hasImage() const { return !m_image.isNull(); }
    qreal radius() const { return m_radius; }
    void setRadius(qreal radius);
    // Width over height of the image; 0 for no image.
    qreal imageAspectRatio() const;

    void paint(QPainter *painter) override;

    // The part of an image of `imageSize` that fills `target` (centred crop).
    static QRectF fillSourceRect(const QSizeF &imageSize, const QSizeF &target);

signals:
    void imageChanged();
    void radiusChanged();

private:
    QImage m_image;
    qreal m_radius = 0;
};
