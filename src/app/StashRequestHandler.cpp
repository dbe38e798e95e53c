#include "StashRequestHandler.h"

#include "Clipboard.h"
#include "LinkOpener.h"
#include "PreviewSyncManager.h"
#include "model/ShareInputRules.h"
#include "model/ShareListViewModel.h"
#include "platform/ManagedObjectContext.h"
#include "store/ImageManager.h"
#include "store/PictureDecoder.h"
#include "store/ShareItem.h"

#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMimeData>
#include <QStringDecoder>

#include <memory>

namespace {

const QString commandKey = QStringLiteral("command");

QString uuidText(const QUuid &uuid)
{
    return uuid.toString(QUuid::WithoutBraces);
}

QString statusName(const ShareItem &item)
{
    return ShareItem::syncStatusText(item.syncStatus().value_or(ShareItem::SyncStatus::pending));
}

// The text of a file when it is UTF-8 text (no NUL bytes); none otherwise.
std::optional<QString> decodeText(const QByteArray &bytes)
{
    if (bytes.contains('\0'))
        return std::nullopt;
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

// One line of the list: the number, a star for a favourite, the kind, the sync state and the
// title and content, cut to one line.
QString summaryLine(int index, const ShareItem &item)
{
    QString text = item.title();
    const QString content = item.contentKind() == ShareItem::ContentKind::url ? item.linkURL().toString() : item.content();
    if (!content.isEmpty())
        text += text.isEmpty() ? content : QStringLiteral(" — ") + content;
    text = text.simplified();
    if (text.size() > 100)
        text = text.left(99) + QStringLiteral("…");
    return QStringLiteral("%1 %2 %3 %4 %5\n")
        .arg(index, 4)
        .arg(item.isFavorite() ? QStringLiteral("★") : QStringLiteral(" "))
        .arg(item.contentKindName(), -5)
        .arg(statusName(item), -7)
        .arg(text);
}

// The list as the screens group it: the recent days, the favourites, then the history.
struct ListedItem {
    QString group;   // "recent", "favorites" or "history"
    QString section; // the section's title
    ShareItem *item;
};

QList<ListedItem> listedItems(const ShareListViewModel &model)
{
    QList<ListedItem> items;
    const std::pair<QString, const QList<ShareSection> *> groups[] = {
        {QStringLiteral("recent"), &model.recentSections()},
        {QStringLiteral("favorites"), &model.favoriteSections()},
        {QStringLiteral("history"), &model.historySections()},
    };
    for (const auto &[group, sections] : groups) {
        for (const ShareSection &section : *sections) {
            for (ShareItem *item : section.shares)
                items.append({group, section.title, item});
        }
    }
    return items;
}

} // namespace

StashRequestHandler::StashRequestHandler(ShareListViewModel &model)
    : m_model(&model), m_context(model.context())
{
}

StashRequestHandler::StashRequestHandler(ManagedObjectContext &context)
    : m_context(context)
{
}

QJsonObject StashRequestHandler::reply(int exitCode, const QString &output, const QString &error)
{
    return {{QStringLiteral("exitCode"), exitCode}, {QStringLiteral("output"), output}, {QStringLiteral("error"), error}};
}

QJsonObject StashRequestHandler::handle(const QJsonObject &request)
{
    const QString command = request.value(commandKey).toString();
    if (command == QLatin1String("add"))
        return add(request);
    if (command == QLatin1String("send"))
        return addTargets(request);
    if (command == QLatin1String("list"))
        return list(request);
    if (command == QLatin1String("copy"))
        return copy(request);
    if (command == QLatin1String("open"))
        return open(request);
    return reply(2, {}, QStringLiteral("Unknown request “%1”.").arg(command));
}

QJsonObject StashRequestHandler::add(const QJsonObject &request)
{
    const QString title = request.value(QStringLiteral("title")).toString();
    const bool isFavorite = request.value(QStringLiteral("favorite")).toBool();
    QString text = request.value(QStringLiteral("text")).toString();
    QImage picture;

    if (request.value(QStringLiteral("clipboard")).toBool()) {
        PictureDecoder::allowLargePictures(); // the clipboard decodes with the same limit
        const QMimeData *mime = QGuiApplication::clipboard()->mimeData();
        if (mime && mime->hasImage())
            picture = qvariant_cast<QImage>(mime->imageData());
        else if (mime && mime->hasUrls() && mime->urls().constFirst().isLocalFile())
            return addTargets({{QStringLiteral("targets"), QJsonArray::fromStringList(QUrl::toStringList(mime->urls()))},
                               {QStringLiteral("favorite"), isFavorite}});
        else if (mime)
            text = mime->text();
        if (picture.isNull() && ShareInputRules::trimmed(text).isEmpty())
            return reply(1, {}, QStringLiteral("The clipboard holds nothing to add."));
    }

    const QString imagePath = request.value(QStringLiteral("image")).toString();
    if (!imagePath.isEmpty()) {
        const std::optional<QByteArray> bytes = PictureDecoder::readChosenFile(imagePath);
        if (!bytes)
            return reply(1, {}, QStringLiteral("%1: %2").arg(imagePath, qtTrId("share.composer.image.unreadable")));
        const PictureDecoder::Result decoded = PictureDecoder::decode(*bytes);
        if (decoded.problem != PictureDecoder::Result::Problem::none)
            return reply(1, {}, QStringLiteral("%1: %2").arg(imagePath, PictureDecoder::describe(decoded)));
        picture = decoded.image;
    }

    if (ShareInputRules::isNothingToAdd(text, !picture.isNull()))
        return reply(1, {}, QStringLiteral("Nothing to add: the text is empty."));
    return insert(title, text, picture, isFavorite);
}

QJsonObject StashRequestHandler::addTargets(const QJsonObject &request)
{
    const bool isFavorite = request.value(QStringLiteral("favorite")).toBool();
    QString output;
    QString errors;
    for (const QJsonValue &value : request.value(QStringLiteral("targets")).toArray()) {
        const QString target = value.toString();
        const QUrl url(target);
        QJsonObject result;
        if (!url.isLocalFile() && !url.scheme().isEmpty() && url.scheme().size() > 1) {
            result = insert({}, target, {}, isFavorite); // a link (the add sheet's rules classify it)
        } else {
            const QString path = url.isLocalFile() ? url.toLocalFile() : target;
            const QString name = QFileInfo(path).fileName();
            const std::optional<QByteArray> chosen = PictureDecoder::readChosenFile(path);
            if (!chosen) {
                errors += QStringLiteral("%1: %2\n").arg(path, qtTrId("share.composer.image.unreadable"));
                continue;
            }
            const QByteArray &bytes = *chosen;
            const PictureDecoder::Result decoded = PictureDecoder::decode(bytes);
            const std::optional<QString> text =
                decoded.problem == PictureDecoder::Result::Problem::none ? std::nullopt : decodeText(bytes);
            if (decoded.problem == PictureDecoder::Result::Problem::none)
                result = insert(name, {}, decoded.image, isFavorite);
            else if (decoded.problem == PictureDecoder::Result::Problem::tooLarge)
                result = reply(1, {}, QStringLiteral("%1: %2").arg(path, PictureDecoder::describe(decoded)));
            else if (text && !ShareInputRules::trimmed(*text).isEmpty())
                result = insert(name, *text, {}, isFavorite);
            else
                result = reply(1, {}, QStringLiteral("%1: %2").arg(path, qtTrId("share.send.unsupported")));
        }
        output += result.value(QStringLiteral("output")).toString();
        const QString error = result.value(QStringLiteral("error")).toString();
        if (!error.isEmpty())
            errors += error.endsWith(QLatin1Char('\n')) ? error : error + QLatin1Char('\n');
    }
    return reply(errors.isEmpty() ? 0 : 1, output, errors);
}

QJsonObject StashRequestHandler::insert(const QString &title, const QString &content, const QImage &picture,
                                        bool isFavorite)
{
    const QString trimmedContent = ShareInputRules::trimmed(content);
    const QString contentType = ShareInputRules::classifyContent(trimmedContent, !picture.isNull());
    QUuid imageUUID;
    if (!picture.isNull()) {
        const std::optional<QUuid> saved = ImageManager::shared().saveImage(picture);
        if (!saved)
            return reply(1, {}, QStringLiteral("The picture could not be saved in %1.")
                                    .arg(ImageManager::shared().imagesDirectoryURL()));
        imageUUID = *saved;
    }
    ShareItem *item = nullptr;
    if (m_model) {
        // Answered once the item is stored; the list shows it from the very next event.
        item = m_model->addShare(ShareInputRules::trimmed(title), trimmedContent, contentType, imageUUID, isFavorite,
                                 ShareListViewModel::Reload::next);
        if (!m_model->lastSaveErrorMessage().isNull())
            return reply(1, uuidText(item->uuid()) + QLatin1Char('\n'),
                         QStringLiteral("Stashline keeps the item but could not save it yet: %1")
                             .arg(m_model->lastSaveErrorMessage()));
    } else {
        item = ShareListViewModel::insertShare(m_context, ShareInputRules::trimmed(title), trimmedContent, contentType,
                                               imageUUID, isFavorite, QDateTime::currentDateTimeUtc());
        if (const std::optional<StoreError> error = m_context.save()) {
            if (!imageUUID.isNull())
                ImageManager::shared().deleteImage(imageUUID);
            return reply(1, {}, QStringLiteral("The item could not be saved: %1").arg(error->description));
        }
    }
    return reply(0, uuidText(item->uuid()) + QLatin1Char('\n'));
}

ShareListViewModel *StashRequestHandler::loadedModel(std::unique_ptr<ShareListViewModel> &ownModel)
{
    ShareListViewModel *model = m_model;
    if (!model) {
        // A list model of this process alone; its sync interface never reaches the cloud.
        ownModel = std::make_unique<ShareListViewModel>(m_context, Calendar::current(),
                                                        std::make_shared<PreviewSyncManager>());
        model = ownModel.get();
    }
    model->loadShares(); // also moves items whose day has passed since the last reload
    return model;
}

QJsonObject StashRequestHandler::list(const QJsonObject &request)
{
    std::unique_ptr<ShareListViewModel> ownModel;
    ShareListViewModel *model = loadedModel(ownModel);

    const QString scope = request.value(QStringLiteral("scope")).toString();
    const bool asJson = request.value(QStringLiteral("json")).toBool();
    QJsonArray array;
    QString text;
    QString lastSection;
    int index = 0;
    for (const ListedItem &listed : listedItems(*model)) {
        ++index; // numbered over the whole list, so a number stays the same in every scope
        if (!scope.isEmpty() && listed.group != scope)
            continue;
        const ShareItem &item = *listed.item;
        if (asJson) {
            array.append(QJsonObject{
                {QStringLiteral("index"), index},
                {QStringLiteral("uuid"), uuidText(item.uuid())},
                {QStringLiteral("title"), item.title()},
                {QStringLiteral("content"), item.content()},
                {QStringLiteral("kind"), item.contentKindName()},
                {QStringLiteral("favorite"), item.isFavorite()},
                {QStringLiteral("created"), item.createdAt().toUTC().toString(Qt::ISODateWithMs)},
                {QStringLiteral("syncStatus"), statusName(item)},
                {QStringLiteral("group"), listed.group},
                {QStringLiteral("section"), listed.section},
            });
            continue;
        }
        const QString heading = listed.group + QLatin1Char('/') + listed.section;
        if (heading != lastSection) {
            text += (lastSection.isEmpty() ? QString() : QStringLiteral("\n")) + listed.section + QLatin1Char('\n');
            lastSection = heading;
        }
        text += summaryLine(index, item);
    }
    if (asJson)
        text = QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Indented));
    return reply(0, text);
}

ShareItem *StashRequestHandler::find(const QString &argument, QString *error)
{
    bool isNumber = false;
    const int index = argument.toInt(&isNumber);
    if (isNumber) {
        std::unique_ptr<ShareListViewModel> ownModel;
        ShareListViewModel *model = loadedModel(ownModel);
        const QList<ListedItem> items = listedItems(*model);
        if (index >= 1 && index <= items.size())
            return items.at(index - 1).item;
        *error = QStringLiteral("There is no item %1: `stashline list` numbers the items from 1 to %2.")
                     .arg(index)
                     .arg(items.size());
        return nullptr;
    }
    const QUuid uuid(argument.trimmed());
    if (uuid.isNull()) {
        *error = QStringLiteral("“%1” is neither an item number nor a UUID.").arg(argument);
        return nullptr;
    }
    FetchRequest request = ShareItem::fetchRequest();
    request.predicate = ShareItem::uuidPredicate(uuid);
    const ManagedObjectContext::FetchResult result = m_context.execute(request);
    for (ManagedObject *object : result.objects) {
        auto *item = static_cast<ShareItem *>(object);
        if (!item->isMarkedForDeletion())
            return item;
    }
    *error = result.error ? result.error->description : QStringLiteral("There is no item %1.").arg(uuidText(uuid));
    return nullptr;
}

QJsonObject StashRequestHandler::copy(const QJsonObject &request)
{
    QString error;
    ShareItem *item = find(request.value(QStringLiteral("item")).toString(), &error);
    if (!item)
        return reply(1, {}, error);
    QJsonObject answer = copyItem(*item);
    answer.insert(QStringLiteral("uuid"), uuidText(item->uuid()));
    return answer;
}

QJsonObject StashRequestHandler::copyItem(const ShareItem &item)
{
    // The same rule as a card's Copy.
    switch (Clipboard::copyShare(item)) {
    case Clipboard::CopyKind::link:
        return reply(0, QStringLiteral("Copied the link %1\n").arg(item.copyText()));
    case Clipboard::CopyKind::picture:
        return reply(0, QStringLiteral("Copied the picture\n"));
    case Clipboard::CopyKind::text:
        return reply(0, QStringLiteral("Copied the text\n"));
    case Clipboard::CopyKind::nothing:
        break;
    }
    if (Clipboard::copyKind(item) == Clipboard::CopyKind::picture)
        return reply(1, {}, QStringLiteral("The picture of this item is not on this computer yet."));
    return reply(1, {}, QStringLiteral("The item holds nothing to copy."));
}

QJsonObject StashRequestHandler::open(const QJsonObject &request)
{
    QString error;
    ShareItem *item = find(request.value(QStringLiteral("item")).toString(), &error);
    if (!item)
        return reply(1, {}, error);
    const QUrl link = item->linkURL();
    if (link.isEmpty())
        return reply(1, {}, QStringLiteral("The item has no link."));
    if (!LinkOpener::isOpenable(link))
        return reply(1, {}, LinkOpener::refusalText(link));
    if (!LinkOpener::open(link))
        return reply(1, {}, QStringLiteral("No program opened %1.").arg(link.toString()));
    return reply(0, QStringLiteral("Opened %1\n").arg(link.toString()));
}
