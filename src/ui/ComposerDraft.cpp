#include "ComposerDraft.h"

#include "model/ShareInputRules.h"
#include "model/ShareListViewModel.h"
#include "store/ImageManager.h"
#include "store/PictureDecoder.h"
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

void ComposerDraft::setImageProblem(const QString &problem)
{
    if (problem == m_imageProblem)
        return;
    m_imageProblem = problem;
    emit imageProblemChanged();
}

bool ComposerDraft::attachBytes(const QByteArray &bytes)
{
    const PictureDecoder::Result preview = PictureDecoder::decodePreview(bytes);
    if (preview.problem != PictureDecoder::Result::Problem::none) {
        setImageProblem(PictureDecoder::describe(preview));
        return false;
    }
    m_pictureBytes = bytes;
    m_pastedPicture = QImage();
    setSelectedImage(preview.image);
    setImageProblem(QString());
    return true;
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
    removeImage();
    if (!m_originalImageUUID.isNull()) {
        QFile file(ImageManager::shared().imageFileURL(m_originalImageUUID));
        if (file.open(QIODevice::ReadOnly))
            attachBytes(file.readAll());
        setImageProblem(QString()); // the item's own picture needs no excuse
    }
    setHasSelectedItem(false);
}

bool ComposerDraft::pickImageFile(const QUrl &fileUrl)
{
    setHasSelectedItem(true);
    const std::optional<QByteArray> bytes =
        fileUrl.isLocalFile() ? PictureDecoder::readChosenFile(fileUrl.toLocalFile()) : std::nullopt;
    if (!bytes) {
        setImageProblem(qtTrId("share.composer.image.unreadable"));
        return false;
    }
    return attachBytes(*bytes);
}

bool ComposerDraft::pickImage(const QImage &image)
{
    if (image.isNull())
        return false;
    setHasSelectedItem(true);
    m_pictureBytes.clear();
    m_pastedPicture = image;
    setSelectedImage(image); // shares the pixels: no second copy
    setImageProblem(QString());
    return true;
}

bool ComposerDraft::pasteImageFromClipboard()
{
    PictureDecoder::allowLargePictures(); // the clipboard decodes with the same limit
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
        const std::optional<QByteArray> bytes =
            url.isLocalFile() ? PictureDecoder::readChosenFile(url.toLocalFile()) : std::nullopt;
        if (bytes && attachBytes(*bytes)) {
            setHasSelectedItem(true);
            return true;
        }
    }
    return false;
}

void ComposerDraft::removeImage()
{
    m_pictureBytes.clear();
    m_pastedPicture = QImage();
    setSelectedImage(QImage());
    setHasSelectedItem(false);
    setImageProblem(QString());
}

std::optional<QUuid> ComposerDraft::storeAttachedImage() const
{
    if (!m_pastedPicture.isNull())
        return ImageManager::shared().saveImage(m_pastedPicture);
    // The one full-size decode, released as soon as the file is written.
    return ImageManager::shared().saveImage(PictureDecoder::decode(m_pictureBytes).image);
}

bool ComposerDraft::add(QObject *modelObject)
{
    auto *model = qobject_cast<ShareListViewModel *>(modelObject);
    if (!model || !canAdd())
        return false;
    const QString title = ShareInputRules::trimmed(m_title);
    const QString content = ShareInputRules::trimmed(m_content);
    const QString contentType = ShareInputRules::classifyContent(content, hasImage());
    const QUuid imageUUID = hasImage() ? storeAttachedImage().value_or(QUuid()) : QUuid();
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
        hasImage(), m_hasSelectedItem, m_originalImageUUID, [this] { return storeAttachedImage(); });
    model->updateShare(item, title, content, contentType, imageUUID, m_isFavorite);
    return true;
}
