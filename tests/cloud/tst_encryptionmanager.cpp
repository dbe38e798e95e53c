#include "CloudTestSupport.h"
#include "FaultProxy.h"

#include "Services/DataKeyStore.h"
#include "Services/EncryptionManager.h"
#include "platform/cloud/CloudContainer.h"
#include "platform/cloud/CloudDatabase.h"
#include "platform/cloud/CredentialStore.h"
#include "platform/cloud/KeyDocument.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>

using namespace CloudTestSupport;

namespace {

// A keyring that answers on the next turn of the event loop, as the secret service does.
class MemoryKeyring : public CredentialStore
{
public:
    QHash<QString, QString> entries;

    void read(const QString &key, Completion completion) override
    {
        Result result{entries.contains(key), false, !entries.contains(key), entries.value(key), {}};
        QTimer::singleShot(0, [completion, result] { completion(result); });
    }
    void write(const QString &key, const QString &password, Completion completion) override
    {
        entries.insert(key, password);
        QTimer::singleShot(0, [completion] { completion({true, false, false, {}, {}}); });
    }
    void remove(const QString &key, Completion completion) override
    {
        entries.remove(key);
        QTimer::singleShot(0, [completion] { completion({true, false, false, {}, {}}); });
    }
};

const QString secretTitle = QStringLiteral("Kilimanjaro birthday surprise");
const QString secretNote = QStringLiteral("the locker code is 4711");
const QByteArray pictureBytes = QByteArrayLiteral("\xFF\xD8\xFF\xE1\x00\x20" "Exif\x00\x00" "MM\x00\x2A camera=SecretCam 9000");

// One device: its own cloud container on the account, its own keyring and state folder.
struct Device {
    QTemporaryDir folder;
    MemoryKeyring *keyring = new MemoryKeyring;
    std::unique_ptr<CloudContainer> container;
    std::unique_ptr<EncryptionManager> manager;

    explicit Device(const QString &databaseUrl)
        : container(std::make_unique<CloudContainer>(CloudContainer::defaultIdentifier, CloudAccount::fromUrl(databaseUrl)))
    {
        makeManager();
        manager->load(0);
        static_cast<void>(QTest::qWaitFor([this] { return manager->state() != QLatin1String("unknown"); }, 10000));
    }

    void makeManager()
    {
        const QString displayUrl = container->account().displayUrl();
        const QString name = container->account().databaseName();
        manager = std::make_unique<EncryptionManager>(
            std::make_unique<DataKeyStore>(std::unique_ptr<CredentialStore>(keyring), folder.path()), folder.path(),
            [this] { return &container->privateCloudDatabase(); }, [displayUrl, name] { return EncryptionManager::Account{displayUrl, name}; });
        manager->setDerivationLimits(PassphraseKey::minimumLimits());
    }

    // As the app starts again: a new container and manager on the same folder and keyring.
    bool restart(QString *message)
    {
        const QString url = container->account().databaseUrl().toString(QUrl::RemoveUserInfo);
        const QHash<QString, QString> kept = keyring->entries;
        manager.reset();
        keyring = new MemoryKeyring;
        keyring->entries = kept;
        container = std::make_unique<CloudContainer>(CloudContainer::defaultIdentifier, container->account());
        makeManager();
        return run([this] { manager->load(0); }, message);
    }

    // Runs `operation` and waits for its end; whether it succeeded.
    bool run(const std::function<void()> &operation, QString *message = nullptr)
    {
        QSignalSpy finished(manager.get(), &EncryptionManager::finished);
        operation();
        if (finished.isEmpty() && !finished.wait(60000))
            return false;
        if (message)
            *message = finished.constFirst().at(1).toString();
        return finished.constFirst().at(0).toBool();
    }
};

} // namespace

class TestEncryptionManager : public QObject
{
    Q_OBJECT
private:
    QString m_databaseUrl;

    QJsonObject get(const QString &path)
    {
        QByteArray answer;
        adminRequest("GET", m_databaseUrl + path, {}, &answer);
        return QJsonDocument::fromJson(answer).object();
    }

    // Every document id with its current revision, and the database's update sequence: what a
    // change that should change nothing must leave as it is.
    QString fingerprint()
    {
        QByteArray answer;
        adminRequest("GET", m_databaseUrl + QStringLiteral("/_all_docs"), {}, &answer);
        return QString::fromUtf8(answer) + get(QString()).value(QStringLiteral("update_seq")).toVariant().toString();
    }

    // Everything the server hands out about every document: each leaf with its history
    // (open_revs=all, revs=true), every earlier revision by its id, and every attachment.
    QByteArray everythingReadable()
    {
        QByteArray all;
        const QJsonArray rows = get(QStringLiteral("/_all_docs")).value(QStringLiteral("rows")).toArray();
        for (const QJsonValue &row : rows) {
            const QString id = row[QLatin1String("id")].toString();
            QByteArray leaves;
            adminRequest("GET", m_databaseUrl + QLatin1Char('/') + id + QStringLiteral("?open_revs=all&revs=true&attachments=true"), {},
                         &leaves);
            all += leaves;
            for (const QJsonValue &leaf : QJsonDocument::fromJson(leaves).array()) {
                const QJsonObject history = leaf[QLatin1String("ok")][QLatin1String("_revisions")].toObject();
                const int start = history.value(QStringLiteral("start")).toInt();
                const QJsonArray ids = history.value(QStringLiteral("ids")).toArray();
                for (int index = 0; index < ids.size(); ++index) {
                    QByteArray old;
                    adminRequest("GET", m_databaseUrl + QLatin1Char('/') + id + QStringLiteral("?attachments=true&rev=%1-%2")
                                     .arg(start - index).arg(ids[index].toString()), {}, &old);
                    all += old;
                    all += QByteArray::fromBase64(QJsonDocument::fromJson(old)[QLatin1String("_attachments")][QLatin1String("imageAsset")]
                                                      [QLatin1String("data")].toString().toLatin1());
                }
            }
        }
        QByteArray changes;
        adminRequest("GET", m_databaseUrl + QStringLiteral("/_changes?style=all_docs&include_docs=true"), {}, &changes);
        return all + changes;
    }

    static void expectNoPlainText(const QByteArray &readable)
    {
        QVERIFY(!readable.isEmpty());
        for (const QByteArray &needle : {secretTitle.toUtf8(), secretNote.toUtf8(), QByteArrayLiteral("\xFF\xD8\xFF"),
                                         QByteArrayLiteral("Exif"), QByteArrayLiteral("SecretCam"), QByteArrayLiteral("/9j/")})
            QVERIFY2(!readable.contains(needle), needle.constData());
    }

    // Plain items written the way a device without encryption writes them: a picture, second
    // revisions, and a branch that replication left.
    void writePlainItems(Device &device)
    {
        QTemporaryDir pictures;
        const QString path = pictures.filePath(QStringLiteral("picture.jpg"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(pictureBytes) > 0);
        file.close();
        QList<CloudRecord> records;
        for (int index = 0; index < 3; ++index) {
            CloudRecord record(QStringLiteral("ShareItem"), CloudRecordID(QStringLiteral("ITEM-%1").arg(index)));
            record.setString(QStringLiteral("title"), secretTitle);
            record.setString(QStringLiteral("content"), secretNote);
            if (index == 0)
                record.setAsset(QStringLiteral("imageAsset"), CloudAsset(path));
            records.append(record);
        }
        Recorder first;
        device.container->privateCloudDatabase().modifyRecords(records, {}, first.modifyResult());
        QVERIFY(first.wait());
        QCOMPARE(first.error, std::nullopt);
        QList<CloudRecord> again = first.saved;
        again[1].setString(QStringLiteral("title"), secretTitle + QStringLiteral(" (edited)"));
        again[2].setInt64(QStringLiteral("isFavorite"), 1);
        Recorder second;
        device.container->privateCloudDatabase().modifyRecords(again.mid(1), {}, second.modifyResult());
        QVERIFY(second.wait());
        QCOMPARE(second.error, std::nullopt);
        const QByteArray branch = QStringLiteral(R"({"docs":[{"_id":"ITEM-0","_rev":"2-aaaa","recordType":"ShareItem",)"
                                                 R"("fields":{"title":{"type":"string","value":"%1"}}}],"new_edits":false})")
                                      .arg(secretNote).toUtf8();
        QCOMPARE(adminRequest("POST", m_databaseUrl + QStringLiteral("/_bulk_docs"), branch), 201);
    }

private slots:
    void init()
    {
        m_databaseUrl = createDatabase();
        QVERIFY2(!m_databaseUrl.isEmpty(), "the fixture server is not running");
    }

    // Turning encryption on over plain items leaves nothing readable through any API, and the
    // key this device keeps is the data key, never the passphrase.
    void encryptOverPlainData()
    {
        Device device(m_databaseUrl);
        QCOMPARE(device.manager->state(), QStringLiteral("plain"));
        writePlainItems(device);
        QVERIFY(everythingReadable().contains(secretTitle.toUtf8())); // the check can see plain text

        QString message;
        QVERIFY2(device.run([&] { device.manager->encrypt(QStringLiteral("correct horse battery")); }, &message), qPrintable(message));
        QCOMPARE(device.manager->state(), QStringLiteral("unlocked"));
        expectNoPlainText(everythingReadable());
        QCOMPARE(device.keyring->entries.size(), 1);
        QVERIFY(!device.keyring->entries.constBegin().value().contains(QStringLiteral("correct horse")));
        QVERIFY(get(QStringLiteral("/ITEM-0")).contains(QStringLiteral("payload")));
    }

    // A wrong passphrase says so and changes nothing, here or in the cloud; the right one
    // afterwards gives this device the key.
    void wrongPassphraseChangesNothing()
    {
        Device first(m_databaseUrl);
        QVERIFY(first.run([&] { first.manager->encrypt(QStringLiteral("correct horse battery")); }));
        Device second(m_databaseUrl);
        QCOMPARE(second.manager->state(), QStringLiteral("locked"));
        const QString before = fingerprint();

        QString message;
        QVERIFY(!second.run([&] { second.manager->unlock(QStringLiteral("wrong horse battery")); }, &message));
        QVERIFY(message.contains(QStringLiteral("passphrase")));
        QCOMPARE(second.manager->state(), QStringLiteral("locked"));
        QVERIFY(second.keyring->entries.isEmpty());
        QCOMPARE(fingerprint(), before);
        QVERIFY(!second.run([&] { second.manager->encrypt(QStringLiteral("wrong horse battery")); }));
        QCOMPARE(fingerprint(), before);

        QVERIFY(second.run([&] { second.manager->unlock(QStringLiteral("correct horse battery")); }));
        QCOMPARE(second.manager->state(), QStringLiteral("unlocked"));
        QCOMPARE(second.keyring->entries, first.keyring->entries);
    }

    // Two devices racing to encrypt the same account end with one key.
    void twoDevicesRaceForTheKey()
    {
        Device first(m_databaseUrl);
        Device second(m_databaseUrl);
        QSignalSpy firstDone(first.manager.get(), &EncryptionManager::finished);
        QSignalSpy secondDone(second.manager.get(), &EncryptionManager::finished);
        first.manager->encrypt(QStringLiteral("same passphrase"));
        second.manager->encrypt(QStringLiteral("same passphrase"));
        QVERIFY(QTest::qWaitFor([&] { return !firstDone.isEmpty() && !secondDone.isEmpty(); }, 60000));
        QVERIFY(firstDone.constFirst().at(0).toBool());
        QVERIFY(secondDone.constFirst().at(0).toBool());
        QCOMPARE(first.keyring->entries, second.keyring->entries);

        // With different passphrases the second learns that another device was first.
        init();
        Device third(m_databaseUrl);
        Device fourth(m_databaseUrl);
        QVERIFY(third.run([&] { third.manager->encrypt(QStringLiteral("passphrase three")); }));
        QString message;
        QVERIFY(!fourth.run([&] { fourth.manager->encrypt(QStringLiteral("passphrase four")); }, &message));
        QVERIFY(message.contains(QStringLiteral("first")));
        QCOMPARE(fourth.manager->state(), QStringLiteral("locked"));
        QVERIFY(fourth.keyring->entries.isEmpty());
    }

    // Changing the passphrase wraps the same key again: no record is rewritten, devices that
    // hold the key go on, a new device needs the new passphrase.
    void changePassphraseRewritesNoRecord()
    {
        Device device(m_databaseUrl);
        writePlainItems(device);
        QVERIFY(device.run([&] { device.manager->encrypt(QStringLiteral("first passphrase")); }));
        const QJsonObject itemBefore = get(QStringLiteral("/ITEM-1"));
        const QString keyBefore = get(QStringLiteral("/stashline-key")).value(QStringLiteral("keyId")).toString();

        QVERIFY(!device.run([&] { device.manager->changePassphrase(QStringLiteral("short")); }));
        QVERIFY(device.run([&] { device.manager->changePassphrase(QStringLiteral("second passphrase")); }));
        QCOMPARE(get(QStringLiteral("/ITEM-1")), itemBefore);
        QCOMPARE(get(QStringLiteral("/stashline-key")).value(QStringLiteral("keyId")).toString(), keyBefore);

        Device newcomer(m_databaseUrl);
        QVERIFY(!newcomer.run([&] { newcomer.manager->unlock(QStringLiteral("first passphrase")); }));
        QVERIFY(newcomer.run([&] { newcomer.manager->unlock(QStringLiteral("second passphrase")); }));
        QCOMPARE(newcomer.keyring->entries, device.keyring->entries);
    }

    // Another client replicating the encrypted database (PouchDB, as the local server runs it)
    // carries every document, sealed payloads and attachments alike, byte for byte; a device
    // signed in to the copy opens it with the same passphrase.
    void replicationRoundTripsByteIdentical()
    {
        Device device(m_databaseUrl);
        writePlainItems(device);
        QVERIFY(device.run([&] { device.manager->encrypt(QStringLiteral("replicated passphrase")); }));
        const QString source = m_databaseUrl;
        const QString copy = createDatabase();
        const QString back = createDatabase();
        const auto replicate = [](const QString &from, const QString &to) {
            const QJsonObject request{{QStringLiteral("source"), from}, {QStringLiteral("target"), to}};
            return adminRequest("POST", QUrl(from).adjusted(QUrl::RemovePath).toString() + QStringLiteral("/_replicate"),
                                QJsonDocument(request).toJson(QJsonDocument::Compact));
        };
        QCOMPARE(replicate(source, copy), 200);
        QCOMPARE(replicate(copy, back), 200);

        const auto documents = [](const QString &database) {
            QByteArray answer;
            adminRequest("GET", database + QStringLiteral("/_all_docs?include_docs=true&attachments=true&conflicts=true"), {}, &answer);
            QJsonArray rows = QJsonDocument::fromJson(answer).object().value(QStringLiteral("rows")).toArray();
            QByteArray all;
            for (const QJsonValue &row : rows) {
                QByteArray leaves;
                adminRequest("GET", database + QLatin1Char('/') + row[QLatin1String("id")].toString()
                                 + QStringLiteral("?open_revs=all&revs=true&attachments=true"), {}, &leaves);
                // Parsed and written again: the same contents, whatever order the server lists keys in.
                all += QJsonDocument(row.toObject().value(QStringLiteral("doc")).toObject()).toJson(QJsonDocument::Compact)
                    + QJsonDocument::fromJson(leaves).toJson(QJsonDocument::Compact);
            }
            return all;
        };
        const QByteArray original = documents(source);
        QVERIFY(original.contains("payload"));
        QCOMPARE(documents(copy), original);
        QCOMPARE(documents(back), original);

        m_databaseUrl = back;
        Device reader(back);
        QCOMPARE(reader.manager->state(), QStringLiteral("locked"));
        QVERIFY(reader.run([&] { reader.manager->unlock(QStringLiteral("replicated passphrase")); }));
        Recorder read;
        reader.container->privateCloudDatabase().fetchRecords({CloudRecordID(QStringLiteral("ITEM-1"))}, read.perRecord(),
                                                             read.result());
        QVERIFY(read.wait());
        QCOMPARE(read.items.size(), 1);
        QVERIFY(read.items.constFirst().record);
        QCOMPARE(read.items.constFirst().record->stringValue(QStringLiteral("content")), secretNote);
    }

    // Where the account may not compact, encrypting moves it to a new database beside the old
    // one, with every document under its revision, and leaves the old one empty but for the key
    // document pointing onward (deleted and made again where the account may, so none of its old
    // versions remain). A move cut short goes on at the next start; where the account may not
    // create a database either, the page says that old versions may remain.
    void compactionRefusedMovesTheAccount_data()
    {
        QTest::addColumn<QByteArray>("refusedMethod");
        QTest::addColumn<QString>("refusedPath");
        QTest::addColumn<bool>("interrupted");
        QTest::addColumn<bool>("moves");
        QTest::addColumn<bool>("oldDeleted");
        QTest::newRow("old database deleted") << QByteArray() << QString() << false << true << true;
        QTest::newRow("old database may not be deleted") << QByteArray("DELETE") << QStringLiteral("^/[^/]+/?$") << false << true << false;
        // Erasing the old database is refused once the move has begun (and one deletion went
        // through, as when erasing is cut short halfway).
        QTest::newRow("cut short, then resumed at the next start")
            << QByteArray("POST") << QStringLiteral("^/test-[0-9a-f]+/_bulk_docs$") << true << true << true;
        QTest::newRow("no new database allowed") << QByteArray("PUT") << QStringLiteral("^/[^/]+/?$") << false << false << false;
    }

    void compactionRefusedMovesTheAccount()
    {
        QFETCH(QByteArray, refusedMethod);
        QFETCH(QString, refusedPath);
        QFETCH(bool, interrupted);
        QFETCH(bool, moves);
        QFETCH(bool, oldDeleted);
        FaultProxy proxy(QUrl(m_databaseUrl), 1);
        QVERIFY(proxy.listen());
        proxy.refuse("POST", QStringLiteral("/_compact$"));
        if (!refusedMethod.isEmpty() && !interrupted)
            proxy.refuse(refusedMethod, refusedPath);
        Device device(proxy.route(m_databaseUrl));
        writePlainItems(device);
        if (interrupted) {
            connect(device.manager.get(), &EncryptionManager::changed, this, [&] {
                if (device.manager->activity() == QLatin1String("moving"))
                    proxy.refuse(refusedMethod, refusedPath);
            });
        }
        QSignalSpy moved(device.manager.get(), &EncryptionManager::databaseMoved);

        QString message;
        const bool done = device.run([&] { device.manager->encrypt(QStringLiteral("moving passphrase")); }, &message);
        if (interrupted) {
            QVERIFY(!done);
            proxy.clearRefusals();
            proxy.refuse("POST", QStringLiteral("/_compact$"));
            const QString revision = get(QStringLiteral("/ITEM-2")).value(QStringLiteral("_rev")).toString();
            QCOMPARE(adminRequest("DELETE", m_databaseUrl + QStringLiteral("/ITEM-2?rev=") + revision), 200);
            QVERIFY2(device.restart(&message), qPrintable(message));
        } else {
            QVERIFY2(done, qPrintable(message));
        }
        const QString oldDatabase = m_databaseUrl;
        const QJsonObject forwarding = get(QStringLiteral("/stashline-key"));
        const QString target = forwarding.value(QStringLiteral("movedTo")).toString();
        QCOMPARE(device.manager->oldVersionsMayRemain(), !oldDeleted);
        if (!moves) {
            QVERIFY(target.isEmpty());
            QVERIFY(message.contains(QStringLiteral("may still be stored")));
            QVERIFY(moved.isEmpty());
            QCOMPARE(get(QStringLiteral("/_all_docs")).value(QStringLiteral("rows")).toArray().size(), 4);
            return;
        }
        QVERIFY(target.startsWith(QUrl(m_databaseUrl).path().mid(1) + QLatin1Char('-')));
        QVERIFY(message.contains(target));
        if (!interrupted)
            QCOMPARE(moved.value(0).value(0).toString(), target);

        // The old database: the key document pointing onward, and nothing else (nothing at all
        // it once held where it could be deleted).
        QCOMPARE(get(QStringLiteral("/_all_docs")).value(QStringLiteral("rows")).toArray().size(), 1);
        if (oldDeleted)
            expectNoPlainText(everythingReadable());

        // The new one: every document under its revision and history, the same key, sealed.
        QUrl newUrl(m_databaseUrl);
        newUrl.setPath(QLatin1Char('/') + target);
        m_databaseUrl = newUrl.toString();
        QCOMPARE(get(QStringLiteral("/_all_docs")).value(QStringLiteral("rows")).toArray().size(), 4);
        const QJsonObject key = get(QStringLiteral("/stashline-key"));
        QCOMPARE(key.value(QStringLiteral("keyId")), forwarding.value(QStringLiteral("keyId")));
        QVERIFY(!key.contains(QStringLiteral("movedTo")));
        QVERIFY(get(QStringLiteral("/ITEM-1?revs=true")).value(QStringLiteral("_revisions"))[QLatin1String("ids")].toArray().size() >= 3);
        expectNoPlainText(everythingReadable());

        // Both branches came along, the picture with its own; a device signed in there opens the
        // items with the same passphrase.
        QByteArray leaves;
        adminRequest("GET", m_databaseUrl + QStringLiteral("/ITEM-0?open_revs=all&attachments=true"), {}, &leaves);
        const QJsonArray branches = QJsonDocument::fromJson(leaves).array();
        QCOMPARE(branches.size(), 2);
        QVERIFY(std::any_of(branches.begin(), branches.end(), [](const QJsonValue &leaf) {
            return leaf[QLatin1String("ok")][QLatin1String("_attachments")][QLatin1String("imageAsset")][QLatin1String("data")]
                       .toString().size() > pictureBytes.size();
        }));
        Device reader(m_databaseUrl);
        QVERIFY(reader.run([&] { reader.manager->unlock(QStringLiteral("moving passphrase")); }));
        Recorder read;
        reader.container->privateCloudDatabase().fetchRecords({CloudRecordID(QStringLiteral("ITEM-1"))}, read.perRecord(), read.result());
        QVERIFY(read.wait());
        QCOMPARE(read.items.size(), 1);
        QVERIFY(read.items.constFirst().record);
        QCOMPARE(read.items.constFirst().record->stringValue(QStringLiteral("content")), secretNote);
        m_databaseUrl = oldDatabase;
    }

    // Start over asks for the database's name, then erases the cloud copy under a new key;
    // the device that holds the old key is locked out until it enters the new passphrase.
    void startOver()
    {
        Device device(m_databaseUrl);
        writePlainItems(device);
        QVERIFY(device.run([&] { device.manager->encrypt(QStringLiteral("forgotten passphrase")); }));
        Device other(m_databaseUrl);
        QVERIFY(other.run([&] { other.manager->unlock(QStringLiteral("forgotten passphrase")); }));
        const QString before = fingerprint();
        const QString oldKey = get(QStringLiteral("/stashline-key")).value(QStringLiteral("keyId")).toString();

        QVERIFY(!device.run([&] { device.manager->startOver(QStringLiteral("new passphrase"), QStringLiteral("not the name")); }));
        QCOMPARE(fingerprint(), before);

        QSignalSpy startedOver(device.manager.get(), &EncryptionManager::startedOver);
        QVERIFY(device.run([&] { device.manager->startOver(QStringLiteral("new passphrase"), device.manager->startOverWord()); }));
        QCOMPARE(startedOver.size(), 1);
        const QString newKey = get(QStringLiteral("/stashline-key")).value(QStringLiteral("keyId")).toString();
        QVERIFY(!newKey.isEmpty() && newKey != oldKey);
        QCOMPARE(get(QStringLiteral("/_all_docs")).value(QStringLiteral("rows")).toArray().size(), 1); // the key alone
        expectNoPlainText(everythingReadable());

        other.manager->refresh();
        QTRY_COMPARE(other.manager->state(), QStringLiteral("locked"));
        QVERIFY(!other.run([&] { other.manager->unlock(QStringLiteral("forgotten passphrase")); }));
        QVERIFY(other.run([&] { other.manager->unlock(QStringLiteral("new passphrase")); }));
    }
};

QTEST_GUILESS_MAIN(TestEncryptionManager)
#include "tst_encryptionmanager.moc"
