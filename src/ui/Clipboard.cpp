#include "Clipboard.h"

#include "store/ImageManager.h"
#include "store/ShareItem.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>

Clipboard::Clipboard(QObject *parent)
    : QObject(parent)
{
}

Clipboard::CopyKind Clipboard::copyKind(const ShareItem &item)
{
    if (item.contentKind() == ShareItem::ContentKind::url && !item.linkURL().isEmpty())
        return CopyKind::link;
    if (item.content().isEmpty() && !item.imageUUID().isNull())
        return CopyKind::picture;
    return item.copyText().isEmpty() ? CopyKind::nothing : CopyKind::text;
}

Clipboard::CopyKind Clipboard::copyShare(const ShareItem &item)
{
    const CopyKind kind = copyKind(item);
    switch (kind) {
    case CopyKind::picture:
        if (const std::optional<QImage> picture = ImageManager::shared().loadImage(item.imageUUID())) {
            QGuiApplication::clipboard()->setImage(*picture);
            return kind;
        }
        return CopyKind::nothing;
    case CopyKind::link:
    case CopyKind::text:
        QGuiApplication::clipboard()->setText(item.copyText());
        return kind;
    case CopyKind::nothing:
        break;
    }
    return CopyKind::nothing;
}

bool Clipboard::copyItem(QObject *item)
{
    const auto *share = qobject_cast<ShareItem *>(item);
    return share && copyShare(*share) != CopyKind::nothing;
}

void Clipboard::setText(const QString &text)
{
    if (!text.isEmpty())
        QGuiApplication::clipboard()->setText(text);
}

QString Clipboard::text()
{
    return QGuiApplication::clipboard()->text();
}
