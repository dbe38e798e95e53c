#include "ShareInput.h"

#include "platform/LinkFinder.h"
#include "store/ImageManager.h"
#include "store/ShareItem.h"

bool ShareInput::canAdd() const
{
    return !trimmedText(content).isEmpty() || hasPicture();
}

bool ShareInput::canSave() const
{
    return canAdd() || !trimmedText(title).isEmpty();
}

QString ShareInput::trimmedText(const QString &text)
{
    const QString result = text.trimmed();
    return result.isNull() ? QString(QLatin1String("")) : result;
}

QString ShareInput::classify(const QString &trimmedContent, bool hasPicture)
{
    if (LinkFinder::link(trimmedContent))
        return QStringLiteral("url");
    return hasPicture ? QStringLiteral("image") : QStringLiteral("text");
}

bool ShareInput::storePicture(QUuid *imageUUID, QString *problem) const
{
    *imageUUID = keptImageUUID;
    if (!newPicture)
        return true;
    const QImage picture = newPicture(); // the one full-size decode, released once it is written
    if (picture.isNull()) {
        *problem = qtTrId("share.composer.image.unreadable");
        return false;
    }
    const std::optional<QUuid> saved = ImageManager::shared().saveImage(picture);
    if (!saved) {
        *problem = qtTrId("share.composer.image.notSaved %1").arg(ImageManager::shared().imagesDirectoryURL());
        return false;
    }
    *imageUUID = *saved;
    return true;
}

ShareInput::Outcome ShareInput::addTo(ShareListViewModel &model, ShareListViewModel::Reload reload) const
{
    Outcome outcome;
    if (!canAdd()) {
        outcome.problem = qtTrId("share.input.nothingToAdd");
        return outcome;
    }
    QUuid imageUUID;
    if (!storePicture(&imageUUID, &outcome.problem))
        return outcome;
    const QString trimmedContent = trimmedText(content);
    outcome.item = model.addShare(trimmedText(title), trimmedContent, classify(trimmedContent, hasPicture()), imageUUID,
                                  isFavorite, reload);
    outcome.problem = model.lastSaveErrorMessage();
    return outcome;
}

ShareInput::Outcome ShareInput::saveTo(ShareListViewModel &model, ShareItem &item) const
{
    Outcome outcome;
    if (!canSave()) {
        outcome.problem = qtTrId("share.input.nothingToSave");
        return outcome;
    }
    QUuid imageUUID;
    if (!storePicture(&imageUUID, &outcome.problem))
        return outcome;
    const QString trimmedContent = trimmedText(content);
    model.updateShare(&item, trimmedText(title), trimmedContent, classify(trimmedContent, hasPicture()), imageUUID,
                      isFavorite);
    outcome.item = &item;
    outcome.problem = model.lastSaveErrorMessage();
    return outcome;
}
