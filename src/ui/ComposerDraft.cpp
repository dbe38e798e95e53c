#include "ComposerDraft.h"

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
    return input().canAdd();
}

bool ComposerDraft::canSave() const
{
    return input().canSave();
}

void ComposerDraft::loadFromItem(ShareItem *item)
{
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

ShareInput ComposerDraft::input() const
{
    ShareInput input{m_title, m_content, m_isFavorite, {}, {}};
    if (!hasImage())
        return input;
    if (!m_hasSelectedItem)
        input.keptImageUUID = m_originalImageUUID; // the item's own picture, left as it was
    else if (!m_pastedPicture.isNull())
        input.newPicture = [picture = m_pastedPicture] { return picture; };
    else
        input.newPicture = [bytes = m_pictureBytes] { return PictureDecoder::decode(bytes).image; };
    return input;
}

bool ComposerDraft::accept(const ShareInput::Outcome &outcome)
{
    // A save the store refused keeps the item in memory and shows in the list's banner.
    if (outcome.item)
        return true;
    setImageProblem(outcome.problem);
    return false;
}

bool ComposerDraft::add(ShareListViewModel *model)
{
    return model && canAdd() && accept(input().addTo(*model));
}

bool ComposerDraft::save(ShareListViewModel *model, ShareItem *item)
{
    return model && item && canSave() && accept(input().saveTo(*model, *item));
}
