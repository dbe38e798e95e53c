#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QPainter>

namespace PictureSamples {

// A real JPEG of `size` pixels: a gradient with a few shapes, as a photo compresses.
inline QByteArray jpeg(const QSize &size, int quality = 85)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, size.width(), size.height());
    gradient.setColorAt(0, QColor(0x14, 0xb8, 0xa6));
    gradient.setColorAt(1, QColor(0x08, 0x12, 0x5d));
    painter.fillRect(image.rect(), gradient);
    painter.setBrush(Qt::yellow);
    painter.drawEllipse(QRect(size.width() / 5, size.height() / 5, size.width() / 3, size.height() / 3));
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", quality);
    return bytes;
}

// A small JPEG whose header claims `size`: what a decoder learns before it decodes anything.
inline QByteArray jpegClaiming(const QSize &size)
{
    QByteArray bytes = jpeg(QSize(16, 16));
    const qsizetype frame = bytes.indexOf(QByteArray("\xff\xc0", 2)); // baseline frame header
    if (frame < 0)
        return {};
    bytes[frame + 5] = char(size.height() >> 8);
    bytes[frame + 6] = char(size.height() & 0xff);
    bytes[frame + 7] = char(size.width() >> 8);
    bytes[frame + 8] = char(size.width() & 0xff);
    return bytes;
}

} // namespace PictureSamples
