#include "SymbolImageProvider.h"

#include "SymbolCatalogue.h"

#include <QColor>
#include <QLinearGradient>
#include <QPainter>
#include <QSvgRenderer>
#include <QUrlQuery>

SymbolImageProvider::SymbolImageProvider()
    : QQuickImageProvider(QQuickImageProvider::Image)
{
}

QImage SymbolImageProvider::requestImage(const QString &id, QSize *size, const QSize &requestedSize)
{
    const qsizetype queryStart = id.indexOf(QLatin1Char('?'));
    const QString name = queryStart < 0 ? id : id.left(queryStart);
    const QUrlQuery query(queryStart < 0 ? QString() : id.mid(queryStart + 1));
    QColor color(query.queryItemValue(QStringLiteral("color"), QUrl::FullyDecoded));
    if (!color.isValid())
        color = Qt::black;

    const QSize target(requestedSize.width() > 0 ? requestedSize.width() : 24,
                       requestedSize.height() > 0 ? requestedSize.height() : 24);
    QImage image(target, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    if (size)
        *size = target;

    // The colour goes in opaque; its alpha is applied when painting.
    const QByteArray svg = SymbolCatalogue::shared().tintedSvg(name, color.name(QColor::HexRgb));
    if (svg.isEmpty())
        return image;
    QSvgRenderer renderer(svg);
    if (!renderer.isValid())
        return image;
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor gradientEnd(query.queryItemValue(QStringLiteral("to"), QUrl::FullyDecoded));
    if (!gradientEnd.isValid()) {
        painter.setOpacity(color.alphaF());
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(target)));
        return image;
    }
    // The shape in any colour, then the gradient painted into it only.
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(target)));
    QLinearGradient gradient(QPointF(0, 0), QPointF(target.width(), target.height()));
    gradient.setColorAt(0, color);
    gradient.setColorAt(1, gradientEnd);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(image.rect(), gradient);
    return image;
}
