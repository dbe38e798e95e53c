#include "SyncStorm.h"

#include "DeviceProcess.h"

#include "platform/cloud/DatabaseKeys.h"
#include "platform/cloud/KeyDocument.h"
#include "platform/cloud/SealedDocument.h"

#include <QElapsedTimer>
#include <QHash>
#include <QSet>
#include <QNetworkAccessManager>
#include <QNetworkReply>

#include <memory>

namespace {

constexpr int synced = 2;

struct Edit {
    qint64 stamp;
    QString title; // the item's state after the change: its title, and " (trash)" when it is there
};

const QString inTrash = QStringLiteral(" (trash)");

// uuid (upper case) to title (with " (trash)" for an item in the trash), as one side holds it;
// an item not synced, or marked deleted, counts as not agreed.
using Titles = QHash<QString, QString>;

std::optional<Titles> deviceTitles(DeviceProcess &device)
{
    Titles titles;
    for (const QJsonValue &item : device.dump()) {
        if (item[QStringLiteral("status")].toInt() != synced || item[QStringLiteral("deleted")].toBool())
            return std::nullopt;
        titles.insert(item[QStringLiteral("uuid")].toString().toUpper(),
                      item[QStringLiteral("title")].toString() + (item[QStringLiteral("trashed")].toBool() ? inTrash : QString()));
    }
    return titles;
}

// The answer to a GET of `path` on the database, none when it fails.
std::optional<QByteArray> read(const QString &databaseUrl, const QString &path)
{
    const QUrl url(databaseUrl + path);
    QNetworkAccessManager manager;
    QNetworkRequest request(QUrl(url.toString(QUrl::RemoveUserInfo)));
    request.setRawHeader("Authorization", "Basic " + (url.userName() + QLatin1Char(':') + url.password()).toUtf8().toBase64());
    const std::unique_ptr<QNetworkReply> reply(manager.get(request));
    if (!QTest::qWaitFor([&reply] { return reply->isFinished(); }, 10000) || reply->error() != QNetworkReply::NoError)
        return std::nullopt;
    return reply->readAll();
}

// The account's data key, opened with the passphrase, once it is encrypted.
bool openKey(const QString &databaseUrl, const QString &passphrase, DatabaseKeys &keys)
{
    const std::optional<QByteArray> answer = read(databaseUrl, QLatin1Char('/') + KeyDocument::documentID);
    const auto document = answer ? KeyDocument::fromJson(QJsonDocument::fromJson(*answer).object()) : std::nullopt;
    const auto key = document ? document->unwrap(passphrase) : std::nullopt;
    if (!key)
        return false;
    keys.addKey(document->keyID(), *key);
    keys.setMode(DatabaseKeys::Mode::sealed, document->keyID());
    return true;
}

// A title of the storm readable anywhere on the server: in a document, any of its leaves or
// their histories, or the change feed.
bool serverShowsTitles(const QString &databaseUrl, const QStringList &ids)
{
    QByteArray all = read(databaseUrl, QStringLiteral("/_changes?style=all_docs&include_docs=true")).value_or(QByteArray());
    for (const QString &id : ids)
        all += read(databaseUrl, QLatin1Char('/') + id + QStringLiteral("?open_revs=all&revs=true")).value_or(QByteArray());
    return all.isEmpty() || all.contains("storm-") || all.contains("edit-");
}

std::optional<Titles> cloudTitles(const QString &databaseUrl, const DatabaseKeys *keys)
{
    const std::optional<QByteArray> answer = read(databaseUrl, QStringLiteral("/_all_docs?include_docs=true"));
    if (!answer)
        return std::nullopt;
    Titles titles;
    for (const QJsonValue &row : QJsonDocument::fromJson(*answer)[QStringLiteral("rows")].toArray()) {
        const QJsonObject stored = row[QStringLiteral("doc")].toObject();
        const QJsonObject document = keys && SealedDocument::isSealed(stored) ? SealedDocument::open(stored, *keys) : stored;
        const QJsonValue fields = document[QStringLiteral("fields")];
        if (fields.isUndefined())
            continue; // not a record
        const bool trashed = !fields[QStringLiteral("trashedAt")][QStringLiteral("value")].toString().isEmpty();
        titles.insert(fields[QStringLiteral("uuid")][QStringLiteral("value")].toString(),
                      fields[QStringLiteral("title")][QStringLiteral("value")].toString() + (trashed ? inTrash : QString()));
    }
    return titles;
}

} // namespace

SyncStormResult runSyncStorm(const SyncStormOptions &options)
{
    SyncStormResult result;
    QRandomGenerator random(options.seed);
    std::vector<std::unique_ptr<FaultProxy>> proxies;
    std::vector<std::unique_ptr<DeviceProcess>> devices;
    for (int index = 0; index < options.devices; ++index) {
        proxies.push_back(std::make_unique<FaultProxy>(QUrl(options.databaseUrl), options.seed * 31 + quint32(index)));
        devices.push_back(std::make_unique<DeviceProcess>(options.deviceExecutable));
        if (!proxies.back()->listen())
            return {QStringLiteral("the proxy of device %1 did not listen").arg(index)};
        if (!devices.back()->start(proxies.back()->route(options.databaseUrl)))
            return {QStringLiteral("device %1 did not start").arg(index)};
    }

    // The account encrypted by the first device; the others enter the passphrase.
    using Encryption = SyncStormOptions::Encryption;
    DatabaseKeys keys;
    const auto encrypt = [&]() -> QString {
        QByteArray answer;
        for (int attempt = 0; attempt < 3 && answer != "ok"; ++attempt)
            answer = devices.front()->command("encrypt " + options.passphrase.toUtf8());
        for (size_t index = 1; index < devices.size() && answer == "ok"; ++index)
            answer = devices[index]->command("unlock " + options.passphrase.toUtf8());
        if (answer != "ok" || !openKey(options.databaseUrl, options.passphrase, keys))
            return QStringLiteral("encrypting the account failed: %1").arg(QString::fromUtf8(answer));
        return {};
    };
    if (options.encryption == Encryption::fromStart) {
        if (const QString failure = encrypt(); !failure.isEmpty())
            return {failure};
    }

    // The items, known everywhere before the storm starts, without faults.
    for (int index = 0; index < options.items; ++index) {
        const QByteArray title = "storm-" + QByteArray::number(index);
        devices.front()->command(index == 0 && !options.pictureFile.isEmpty() ? "addimage " + title + ' ' + options.pictureFile.toUtf8()
                                                                                : "add " + title);
    }
    QStringList uuids;
    const bool agreed = QTest::qWaitFor(
        [&] {
            uuids.clear();
            for (auto &device : devices) {
                const std::optional<Titles> titles = deviceTitles(*device);
                if (!titles || titles->size() != options.items)
                    return false;
                uuids = titles->keys();
            }
            return true;
        },
        options.patienceMilliseconds);
    if (!agreed)
        return {QStringLiteral("the devices did not agree on the items before the storm")};
    uuids.sort();
    for (auto &proxy : proxies)
        proxy->setFaults(options.faults);

    QHash<QString, QList<Edit>> edits;
    for (int index = 0; index < options.edits; ++index) {
        const int deviceIndex = int(random.bounded(options.devices));
        const QString uuid = uuids.at(int(random.bounded(int(uuids.size()))));
        const QString title = QStringLiteral("edit-%1-on-%2").arg(index).arg(deviceIndex);
        const quint32 kind = options.trashAndRestore ? random.bounded(3) : 0;
        const QByteArray command = kind == 0 ? "rename " + uuid.toUtf8() + ' ' + title.toUtf8()
            : kind == 1                      ? "trash " + uuid.toUtf8()
                                             : "restore " + uuid.toUtf8();
        const QByteArray answer = devices[size_t(deviceIndex)]->command(command);
        if (!answer.startsWith("ok "))
            return {QStringLiteral("device %1 refused an edit: %2").arg(deviceIndex).arg(QString::fromUtf8(answer))};
        // What the device holds now: the title of this edit, or of the edit it last saw.
        QString state = kind == 0 ? title : devices[size_t(deviceIndex)]->titleOf(uuid);
        if (answer.split(' ').value(2) == "trashed")
            state += inTrash;
        edits[uuid].append({answer.split(' ').value(1).toLongLong(), state});
        if (options.encryption == Encryption::midStorm && index == options.edits / 2) {
            if (const QString failure = encrypt(); !failure.isEmpty())
                return {failure};
        }
        QTest::qWait(options.minimumGapMilliseconds
                     + int(random.bounded(options.maximumGapMilliseconds - options.minimumGapMilliseconds + 1)));
    }

    QElapsedTimer sinceLastEdit;
    sinceLastEdit.start();
    std::vector<std::optional<Titles>> seen(devices.size());
    std::optional<Titles> cloud;
    const bool converged = QTest::qWaitFor(
        [&] {
            for (size_t index = 0; index < devices.size(); ++index) {
                seen[index] = deviceTitles(*devices[index]);
                if (!seen[index] || (index > 0 && seen[index] != seen[0]))
                    return false;
            }
            cloud = cloudTitles(options.databaseUrl, options.encryption == Encryption::off ? nullptr : &keys);
            return cloud && *cloud == *seen[0];
        },
        options.patienceMilliseconds);
    result.convergeMilliseconds = converged ? sinceLastEdit.elapsed() : -1;
    if (converged && !options.pictureFile.isEmpty()) {
        // The picture item, edited like the others, holds the same bytes on every device.
        QStringList pictures; // one per device
        for (auto &device : devices) {
            for (const QJsonValue &item : device->dump()) {
                if (!item[QStringLiteral("imageSha256")].toString().isEmpty())
                    pictures.append(item[QStringLiteral("imageSha256")].toString());
            }
        }
        if (pictures.size() != int(devices.size()) || QSet<QString>(pictures.begin(), pictures.end()).size() != 1)
            result.failure = QStringLiteral("the picture is missing on a device or differs: %1").arg(pictures.join(QLatin1Char(' ')));
    }
    for (auto &proxy : proxies)
        result.injectedFaults += proxy->injectedCount();
    if (converged && options.encryption != Encryption::off && serverShowsTitles(options.databaseUrl, uuids))
        result.failure = QStringLiteral("a title is readable on the server");

    for (const QString &uuid : std::as_const(uuids)) {
        const QList<Edit> &made = edits.value(uuid);
        if (made.isEmpty())
            continue;
        const qint64 latest = std::max_element(made.begin(), made.end(),
                                               [](const Edit &a, const Edit &b) { return a.stamp < b.stamp; })->stamp;
        const QString agreedTitle = converged ? seen[0]->value(uuid) : QString();
        const bool kept = std::any_of(made.begin(), made.end(), [&](const Edit &edit) {
            return edit.stamp == latest && edit.title == agreedTitle;
        });
        if (!kept)
            ++result.lostEdits;
    }
    if (!converged) {
        // The devices are gone before the test fails: what they logged is shown now.
        for (auto &device : devices)
            device->printLog();
        QStringList sides;
        for (size_t index = 0; index < seen.size(); ++index) {
            QStringList titles;
            if (seen[index]) {
                for (const QString &uuid : std::as_const(uuids))
                    titles.append(seen[index]->value(uuid));
            }
            sides.append(QStringLiteral("device %1: %2").arg(index).arg(seen[index] ? titles.join(QLatin1Char('/')) : QStringLiteral("items not synced")));
        }
        result.failure = QStringLiteral("no agreement %1 ms after the last edit (%2; cloud %3)")
                             .arg(options.patienceMilliseconds)
                             .arg(sides.join(QStringLiteral(", ")), cloud ? QStringLiteral("read") : QStringLiteral("unread"));
    }
    return result;
}
