#include "ComposerDraft.h"

#include "model/ShareInputRules.h"
#include "model/ShareListViewModel.h"
#include "store/ImageManager.h"
#include "store/ShareItem.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QMimeData>

ComposerDraft::ComposerDraft(QObject *parent)
    : QObject(parent)
{
}

void ComposerDraft::setTitle(const QString &title)
{
    if (title == m_title)
        return;
    m_title = title;
    emit titleChanged();
    emit inputChanged();
}

void ComposerDraft::setContent(const QString &content)
{
    if (content == m_content)
        return;
    m_content = content;
    emit contentChanged();
    emit inputChanged();
}

void ComposerDraft::setIsFavorite(bool isFavorite)
{
    if (isFavorite == m_isFavorite)
        return;
    m_isFavorite = isFavorite;
    emit isFavoriteChanged();
}

void ComposerDraft::setSelectedImage(const QImage &image)
{
    m_selectedImage = image;
    emit selectedImageChanged();
    emit inputChanged();
}

void ComposerDraft::setHasSelectedItem(bool hasSelectedItem)
{
    if (hasSelectedItem == m_hasSelectedItem)
        return;
    m_hasSelectedItem = hasSelectedItem;
    emit hasSelectedItemChanged();
}

bool ComposerDraft::canAdd() const
{
    return !ShareInputRules::isNothingToAdd(m_content, hasImage());
}

bool ComposerDraft::canSave() const
{
    return !ShareInputRules::isNothingToSaveOnEdit(m_title, m_content, hasImage());
}

void ComposerDraft::loadFromItem(QObject *itemObject)
{
    auto *item = qobject_cast<ShareItem *>(itemObject);
    if (!item)
        return;
    setTitle(item->title());
    setContent(item->content());
    setIsFavorite(item->isFavorite());
    m_originalImageUUID = item->imageUUID();
    QImage image;
    if (!m_originalImageUUID.isNull())
        image = ImageManager::shared().loadImage(m_originalImageUUID).value_or(QImage());
    setSelectedImage(image);
    setHasSelectedItem(false);
}

bool ComposerDraft::pickImageFile(const QUrl &fileUrl)
{
    setHasSelectedItem(true);
    if (!fileUrl.isLocalFile())
        return false;
    QFile file(fileUrl.toLocalFile());
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QImage image = ImageManager::decodeImage(file.readAll());
    if (image.isNull())
        return false;
    setSelectedImage(image);
    return true;
}

bool ComposerDraft::pickImage(const QImage &image)
{
    if (image.isNull())
        return false;
    setHasSelectedItem(true);
    setSelectedImage(image);
    return true;
}

bool ComposerDraft::pasteImageFromClipboard()
{
    const QMimeData *mime = QGuiApplication::clipboard()->mimeData();
    if (!mime)
        return false;
    if (mime->hasImage())
        return pickImage(qvariant_cast<QImage>(mime->imageData()));
    if (mime->hasUrls())
        return dropImageFiles(mime->urls());
    return false;
}

bool ComposerDraft::dropImageFiles(const QList<QUrl> &urls)
{
    for (const QUrl &url : urls) {
        if (!url.isLocalFile())
            continue;
        const QImage image = ImageManager::decodeImageFile(url.toLocalFile());
        if (!image.isNull())
            return pickImage(image);
    }
    return false;
}

void ComposerDraft::removeImage()
{
    setSelectedImage(QImage());
    setHasSelectedItem(false);
}

QUuid ComposerDraft::storeAttachedImage() const
{
    return ImageManager::shared().saveImage(m_selectedImage).value_or(QUuid());
}

bool ComposerDraft::add(QObject *modelObject)
{
    auto *model = qobject_cast<ShareListViewModel *>(modelObject);
    if (!model || !canAdd())
        return false;
    const QString title = ShareInputRules::trimmed(m_title);
    const QString content = ShareInputRules::trimmed(m_content);
    const QString contentType = ShareInputRules::classifyContent(content, hasImage());
    const QUuid imageUUID = hasImage() ? storeAttachedImage() : QUuid();
    model->addShare(title, content, contentType, imageUUID, m_isFavorite);
    return true;
}

bool ComposerDraft::save(QObject *modelObject, QObject *itemObject)
{
    auto *model = qobject_cast<ShareListViewModel *>(modelObject);
    auto *item = qobject_cast<ShareItem *>(itemObject);
    if (!model || !item || !canSave())
        return false;
    const QString title = ShareInputRules::trimmed(m_title);
    const QString content = ShareInputRules::trimmed(m_content);
    const QString contentType = ShareInputRules::classifyContent(content, hasImage());
    const QUuid imageUUID = ShareInputRules::editImageIdentifier(
        hasImage(), m_hasSelectedItem, m_originalImageUUID, [this]() -> std::optional<QUuid> {
            return ImageManager::shared().saveImage(m_selectedImage);
        });
    model->updateShare(item, title, content, contentType, imageUUID, m_isFavorite);
    return true;
}
