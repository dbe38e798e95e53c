#include "StashRequestRouter.h"

#include "AccountCommands.h"
#include "Services/AccountManager.h"
#include "Services/EncryptionManager.h"

#include "Clipboard.h"
#include "ItemListing.h"
#include "LinkOpener.h"
#include "StashlineScenes.h"
#include "model/ItemTransfer.h"
#include "model/ShareInput.h"
#include "model/ShareListViewModel.h"
#include "platform/ManagedObjectContext.h"
#include "platform/Utf8.h"
#include "store/ImageManager.h"
#include "store/PictureDecoder.h"
#include "store/ShareItem.h"

#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>
#include <QStringDecoder>

namespace {

QString uuidText(const QUuid &uuid)
{
    return uuid.toString(QUuid::WithoutBraces);
}

// "path: reason", one line of a per-file report.
StashReply fileProblem(const QString &path, const QString &reason)
{
    return StashReply::failed(QStringLiteral("%1: %2").arg(path, reason));
}

// The bytes of a file to add, or the per-file problem: missing, or not a regular file that can
// be read and is no larger than the largest picture.
std::optional<QByteArray> readFile(const QString &path, StashReply *problem)
{
    if (!QFileInfo::exists(path)) {
        *problem = fileProblem(path, qtTrId("cli.file.missing"));
        return std::nullopt;
    }
    std::optional<QByteArray> bytes = PictureDecoder::readChosenFile(path);
    if (!bytes)
        *problem = fileProblem(path, qtTrId("share.composer.image.unreadable"));
    return bytes;
}

ShareInput pictureInput(const QString &title, const QImage &picture, bool isFavorite)
{
    return ShareInput{title, {}, isFavorite, {}, [picture] { return picture; }};
}

bool hasDesktop()
{
    return qobject_cast<QGuiApplication *>(QCoreApplication::instance()) != nullptr;
}

} // namespace

StashRequestRouter::StashRequestRouter(ShareListViewModel &model, StashlineScenes *scenes)
    : m_model(model), m_scenes(scenes)
{
}

StashRequestRouter::~StashRequestRouter() = default;

void StashRequestRouter::route(const StashRequest &request, std::function<void(const StashReply &)> answer)
{
    if (!request.isAccountCommand()) {
        answer(route(request));
        return;
    }
    if (!m_accountCommands)
        m_accountCommands = std::make_unique<AccountCommands>(AccountManager::shared(), EncryptionManager::shared());
    m_accountCommands->carryOut(request, std::move(answer));
}

StashReply StashRequestRouter::route(const StashRequest &request)
{
    using Kind = StashRequest::Kind;
    switch (request.kind) {
    case Kind::activate:
        if (m_scenes)
            m_scenes->showMainWindow();
        return {};
    case Kind::panel:
        if (m_scenes)
            m_scenes->showPanel();
        return {};
    case Kind::send: {
        if (m_scenes)
            m_scenes->showMainWindow();
        const StashReply reply = addTargets(request.targets, request.isFavorite);
        // Files a file manager sent have nobody reading standard error: what was refused shows
        // in the window.
        if (m_scenes)
            m_model.reportAddProblem(reply.error.trimmed());
        return reply;
    }
    case Kind::add:
        return request.fromClipboard ? addFromClipboard(request) : add(request);
    case Kind::list:
        return list(request);
    case Kind::copy:
    case Kind::open: {
        QString error;
        ShareItem *item = find(request.item, &error);
        if (!item)
            return StashReply::failed(error);
        if (!hasDesktop())
            return StashReply::failed(qtTrId("cli.desktop.none"));
        return request.kind == Kind::copy ? copy(*item) : open(*item);
    }
    case Kind::accountStatus:
    case Kind::accountSignIn:
    case Kind::accountSignOut:
    case Kind::accountEncrypt:
    case Kind::accountUnlock:
    case Kind::accountChangePassphrase:
        break; // answered later, by the other route()
    case Kind::trash:
    case Kind::restore:
        return moveItem(request);
    case Kind::exportItems:
    case Kind::importItems: {
        const ItemTransfer::Result result = request.kind == Kind::exportItems
            ? ItemTransfer::exportTo(m_model, ImageManager::shared(), request.path)
            : ItemTransfer::importFrom(m_model, ImageManager::shared(), request.path);
        return result.isDone ? StashReply::done(result.message + QLatin1Char('\n')) : StashReply::failed(result.message);
    }
    }
    return StashReply::failed(qtTrId("cli.request.unknownCommand %1").arg(StashRequest::commandName(request.kind)), 2);
}

StashReply StashRequestRouter::add(const StashRequest &request)
{
    if (request.imagePath.isEmpty())
        return insert(ShareInput{request.title, request.text, request.isFavorite, {}, {}});
    StashReply problem;
    const std::optional<QByteArray> bytes = readFile(request.imagePath, &problem);
    if (!bytes)
        return problem;
    const PictureDecoder::Result decoded = PictureDecoder::decode(*bytes);
    if (decoded.problem != PictureDecoder::Result::Problem::none)
        return fileProblem(request.imagePath, PictureDecoder::describe(decoded));
    // Untitled, a picture is titled with its file name, as when a file manager sends it.
    const QString title = request.title.isEmpty() ? QFileInfo(request.imagePath).fileName() : request.title;
    return insert(pictureInput(title, decoded.image, request.isFavorite));
}

StashReply StashRequestRouter::addFromClipboard(const StashRequest &request)
{
    if (!hasDesktop())
        return StashReply::failed(qtTrId("cli.desktop.none"));
    PictureDecoder::allowLargePictures(); // the clipboard decodes with the same limit
    const QMimeData *mime = QGuiApplication::clipboard()->mimeData();
    if (mime && mime->hasImage())
        return insert(pictureInput(request.title, qvariant_cast<QImage>(mime->imageData()), request.isFavorite));
    if (mime && mime->hasUrls() && mime->urls().constFirst().isLocalFile())
        return addTargets(QUrl::toStringList(mime->urls()), request.isFavorite);
    const ShareInput input{request.title, mime ? mime->text() : QString(), request.isFavorite, {}, {}};
    if (!input.canAdd())
        return StashReply::failed(qtTrId("cli.add.clipboardEmpty"));
    return insert(input);
}

StashReply StashRequestRouter::addTargets(const QStringList &targets, bool isFavorite)
{
    StashReply combined;
    for (const QString &target : targets) {
        const std::optional<QUrl> link = StashRequest::linkTarget(target);
        const StashReply reply = link ? insert(ShareInput{{}, target, isFavorite, {}, {}})
                                      : addFile(StashRequest::targetPath(target), isFavorite);
        combined.output += reply.output;
        if (!reply.error.isEmpty())
            combined.error += reply.error.endsWith(QLatin1Char('\n')) ? reply.error : reply.error + QLatin1Char('\n');
    }
    combined.exitCode = combined.error.isEmpty() ? 0 : 1;
    return combined;
}

StashReply StashRequestRouter::addFile(const QString &path, bool isFavorite)
{
    StashReply problem;
    const std::optional<QByteArray> bytes = readFile(path, &problem);
    if (!bytes)
        return problem;
    const QString name = QFileInfo(path).fileName();
    const PictureDecoder::Result decoded = PictureDecoder::decode(*bytes);
    if (decoded.problem == PictureDecoder::Result::Problem::none)
        return insert(pictureInput(name, decoded.image, isFavorite));
    if (decoded.problem == PictureDecoder::Result::Problem::tooLarge)
        return fileProblem(path, PictureDecoder::describe(decoded));
    const std::optional<QString> text = Utf8::decodeFileText(*bytes);
    const ShareInput note{name, text.value_or(QString()), isFavorite, {}, {}};
    if (!note.canAdd())
        return fileProblem(path, qtTrId("share.send.unsupported"));
    return insert(note);
}

StashReply StashRequestRouter::insert(const ShareInput &input)
{
    // The running app answers once the item is stored; its list shows it from the very next event.
    const ShareInput::Outcome outcome = input.addTo(m_model, ShareListViewModel::Reload::next);
    if (outcome.isSaved())
        return StashReply::done(uuidText(outcome.item->uuid()) + QLatin1Char('\n'));
    if (!outcome.item)
        return StashReply::failed(outcome.problem);
    if (m_scenes) // kept in memory; the next save that succeeds writes it
        return {1, uuidText(outcome.item->uuid()) + QLatin1Char('\n'), qtTrId("cli.add.notSavedYet %1").arg(outcome.problem),
                {}};
    // This process ends now and the item with it: leave no picture behind either.
    if (!outcome.item->imageUUID().isNull())
        ImageManager::shared().deleteImage(outcome.item->imageUUID());
    return StashReply::failed(qtTrId("cli.add.notSaved %1").arg(outcome.problem));
}

StashReply StashRequestRouter::list(const StashRequest &request)
{
    return ItemListing(m_model.context(), m_model.calendar(), m_model.now()).list(request);
}

StashReply StashRequestRouter::moveItem(const StashRequest &request)
{
    const bool restores = request.kind == StashRequest::Kind::restore;
    QString error;
    ShareItem *item = find(request.item, &error, restores);
    if (!item)
        return StashReply::failed(error);
    const QString title = item->title().isEmpty() ? item->copyText() : item->title();
    if (restores)
        m_model.restoreShare(item);
    else
        m_model.deleteShare(item);
    const QString shown = title.simplified();
    StashReply reply = StashReply::done((restores ? qtTrId("cli.restore.done %1").arg(shown)
                                                  : qtTrId("cli.delete.done %1 %2").arg(shown).arg(m_model.trashKeepDays()))
                                        + QLatin1Char('\n'));
    if (!m_model.lastSaveErrorMessage().isNull())
        reply = StashReply::failed(qtTrId("cli.add.notSaved %1").arg(m_model.lastSaveErrorMessage()));
    reply.uuid = uuidText(item->uuid());
    return reply;
}

ShareItem *StashRequestRouter::find(const QString &argument, QString *error, bool inTrash)
{
    bool isNumber = false;
    const int index = argument.toInt(&isNumber);
    if (isNumber) {
        int count = 0;
        const ItemListing listing(m_model.context(), m_model.calendar(), m_model.now());
        if (ShareItem *item = inTrash ? listing.trashedItem(index, &count) : listing.item(index, &count))
            return item;
        if (inTrash)
            *error = count == 0 ? qtTrId("cli.item.trashEmpty") : qtTrId("cli.item.noneInTrash %1 %2").arg(index).arg(count);
        else
            *error = count == 0 ? qtTrId("cli.item.noneInEmptyList %1").arg(index)
                                : qtTrId("cli.item.none %1 %2").arg(index).arg(count);
        return nullptr;
    }
    const QUuid uuid(argument.trimmed());
    if (uuid.isNull()) {
        *error = qtTrId("cli.item.notAnItem %1").arg(argument);
        return nullptr;
    }
    FetchRequest request = ShareItem::fetchRequest();
    request.predicate = ShareItem::uuidPredicate(uuid);
    const ManagedObjectContext::FetchResult result = m_model.context().execute(request);
    for (ManagedObject *object : result.objects) {
        auto *item = static_cast<ShareItem *>(object);
        if (item->isMarkedForDeletion())
            continue;
        if (item->isTrashed() == inTrash)
            return item;
        *error = inTrash ? qtTrId("cli.item.notInTrash %1").arg(uuidText(uuid)) : qtTrId("cli.item.inTrash %1").arg(uuidText(uuid));
        return nullptr;
    }
    *error = result.error ? result.error->description : qtTrId("cli.item.noUuid %1").arg(uuidText(uuid));
    return nullptr;
}

StashReply StashRequestRouter::copy(const ShareItem &item)
{
    // The same rule as a card's Copy.
    StashReply reply;
    switch (Clipboard::copyShare(item)) {
    case Clipboard::CopyKind::link:
        reply = StashReply::done(qtTrId("cli.copy.link %1").arg(item.copyText()) + QLatin1Char('\n'));
        break;
    case Clipboard::CopyKind::picture:
        reply = StashReply::done(qtTrId("cli.copy.picture") + QLatin1Char('\n'));
        break;
    case Clipboard::CopyKind::text:
        reply = StashReply::done(qtTrId("cli.copy.text") + QLatin1Char('\n'));
        break;
    case Clipboard::CopyKind::nothing:
        return StashReply::failed(Clipboard::copyKind(item) == Clipboard::CopyKind::picture ? qtTrId("cli.copy.pictureMissing")
                                                                                              : qtTrId("cli.copy.nothing"));
    }
    reply.uuid = uuidText(item.uuid());
    return reply;
}

StashReply StashRequestRouter::open(const ShareItem &item)
{
    const QUrl link = item.linkURL();
    if (link.isEmpty())
        return StashReply::failed(qtTrId("cli.open.noLink"));
    if (!LinkOpener::isOpenable(link))
        return StashReply::failed(LinkOpener::refusalText(link));
    if (!LinkOpener::open(link))
        return StashReply::failed(qtTrId("cli.open.failed %1").arg(link.toString()));
    return StashReply::done(qtTrId("cli.open.done %1").arg(link.toString()) + QLatin1Char('\n'));
}
