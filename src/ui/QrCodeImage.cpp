#include "QrCodeImage.h"

#include <QPainter>

#include <qrencode.h>

#include <memory>

namespace {

constexpr int quietZone = 4; // modules of light border every reader expects

} // namespace

QrCodeImage::QrCodeImage(QQuickItem *parent) : QQuickPaintedItem(parent)
{
    setAntialiasing(false);
}

QImage QrCodeImage::encode(const QString &text)
{
    if (text.isEmpty())
        return {};
    const QByteArray bytes = text.toUtf8();
    const std::unique_ptr<QRcode, decltype(&QRcode_free)> code(
        QRcode_encodeString8bit(bytes.constData(), 0, QR_ECLEVEL_M), &QRcode_free);
    if (!code)
        return {}; // too long for any QR code version
    const int side = code->width + 2 * quietZone;
    QImage image(side, side, QImage::Format_Mono);
    image.setColor(0, qRgb(255, 255, 255));
    image.setColor(1, qRgb(0, 0, 0));
    image.fill(0);
    for (int y = 0; y < code->width; ++y) {
        for (int x = 0; x < code->width; ++x) {
            if (code->data[y * code->width + x] & 1) // the low bit marks a dark module
                image.setPixel(x + quietZone, y + quietZone, 1);
        }
    }
    return image;
}

void QrCodeImage::setText(const QString &text)
{
    if (text == m_text)
        return;
    m_text = text;
    m_code = encode(text);
    emit textChanged();
    update();
}

void QrCodeImage::paint(QPainter *painter)
{
    if (m_code.isNull())
        return;
    const int available = int(std::min(width(), height()));
    const int scale = std::max(1, available / m_code.width());
    const int side = scale * m_code.width();
    const QRect target((int(width()) - side) / 2, (int(height()) - side) / 2, side, side);
    painter->setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter->drawImage(target, m_code);
}
