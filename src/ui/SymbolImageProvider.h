#pragma once

#include <QQuickImageProvider>

// Serves "image://symbol/<name>?color=<#rrggbb or #aarrggbb>[&to=<colour>]" to QML: the icon of
// the system icon name <name> (SymbolCatalogue) rendered at the requested size in that colour,
// or with a linear gradient from top leading "color" to bottom trailing "to". An unknown
// name or an unparseable colour gives a transparent image of the requested size, never a
// crash. Called by the QML engine on its image threads; reads only immutable data.
class SymbolImageProvider : public QQuickImageProvider
{
public:
    static inline const QString providerId = QStringLiteral("symbol");

    SymbolImageProvider();
    QImage requestImage(const QString &id, QSize *size, const QSize &requestedSize) override;
};
