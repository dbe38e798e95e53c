// Two devices, each a process with its own group directory, signed in to one database on the
// local test server: what one does shows up on the other, under server outages and crashes.
#include "../cloud/CloudTestSupport.h"
#include "DeviceProcess.h"
#include "FaultProxy.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>

namespace {

constexpr int synced = 2, failed = 3;
constexpr int patience = 30000;
const QByteArray ok("ok");

struct Device : DeviceProcess {
    Device() : DeviceProcess(QStringLiteral(STASHLINE_DEVICE)) {}
};

} // namespace

class TestTwoDevices : public QObject
{
    Q_OBJECT
private slots:
    void changesTravelThroughPushes()
    {
        const QString database = CloudTestSupport::createDatabase();
        Device first, second;
        QVERIFY(first.start(database));
        QVERIFY(second.start(database));

        QCOMPARE(first.command("add hello"), ok);
        QTRY_COMPARE_WITH_TIMEOUT(first.status("hello"), synced, patience);
        // The second device never asks: the push brings it.
        QTRY_COMPARE_WITH_TIMEOUT(second.status("hello"), synced, patience);
        const QString uuid = first.item("hello")[QStringLiteral("uuid")].toString();
        QCOMPARE(second.item("hello")[QStringLiteral("uuid")].toString(), uuid);

        QCOMPARE(first.command("edit hello renamed"), ok);
        QCOMPARE(first.command("favorite renamed"), ok);
        QTRY_VERIFY_WITH_TIMEOUT(second.item("renamed")[QStringLiteral("favorite")].toBool(), patience);
        QVERIFY(second.item("hello").isEmpty());

        QCOMPARE(second.command("delete renamed"), ok); // to the trash, on both devices
        QTRY_VERIFY_WITH_TIMEOUT(first.item("renamed")[QStringLiteral("trashed")].toBool(), patience);
        QCOMPARE(second.command("purge renamed"), ok); // Delete Now
        QTRY_VERIFY_WITH_TIMEOUT(second.dump().isEmpty(), patience); // confirmed, then removed
        QTRY_VERIFY_WITH_TIMEOUT(first.dump().isEmpty(), patience);
        // The cloud keeps the deletion as a record.
        QByteArray documents;
        QCOMPARE(CloudTestSupport::adminRequest("GET", database + "/_all_docs?include_docs=true", {}, &documents), 200);
        const QJsonArray rows = QJsonDocument::fromJson(documents)[QStringLiteral("rows")].toArray();
        QCOMPARE(rows.size(), 1);
        const QJsonValue fields = rows.first()[QStringLiteral("doc")][QStringLiteral("fields")];
        QCOMPARE(fields[QStringLiteral("uuid")][QStringLiteral("value")].toString(), uuid.toUpper());
        QCOMPARE(fields[QStringLiteral("isDeleted")][QStringLiteral("value")].toVariant().toInt(), 1);

        // A picture arrives byte for byte.
        QTemporaryDir scratch;
        const QString path = scratch.filePath(QStringLiteral("picture.jpg"));
        QImage picture(640, 480, QImage::Format_RGB32);
        picture.fill(Qt::white);
        QPainter(&picture).fillRect(40, 40, 300, 200, Qt::darkMagenta);
        QVERIFY(picture.save(path, "JPEG", 85));
        QCOMPARE(first.command("addimage photo " + path.toUtf8()), ok);
        const QString sent = first.item("photo")[QStringLiteral("imageSha256")].toString();
        QVERIFY(!sent.isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(second.item("photo")[QStringLiteral("imageSha256")].toString(), sent, patience);
    }

    void picturesTravelOnceAndChangesAreReadFromACheckpoint()
    {
        const QString database = CloudTestSupport::createDatabase();
        FaultProxy counting(QUrl(database), 5);
        QVERIFY(counting.listen());
        Device first, second;
        QVERIFY(first.start(database));
        QVERIFY(second.start(counting.route(database)));
        QTemporaryDir scratch;
        for (int index = 0; index < 12; ++index) {
            const QString path = scratch.filePath(QStringLiteral("p%1.jpg").arg(index));
            QImage picture(400, 300, QImage::Format_RGB32);
            picture.fill(QColor::fromHsv(index * 30, 200, 200));
            QPainter(&picture).fillRect(index * 20, 40, 60, 60, Qt::black);
            QVERIFY(picture.save(path, "JPEG", 95));
            QCOMPARE(first.command("addimage photo-" + QByteArray::number(index) + ' ' + path.toUtf8()), ok);
        }
        QTRY_COMPARE_WITH_TIMEOUT(second.count(synced), 12, patience);
        QTRY_COMPARE_WITH_TIMEOUT(second.command("idle"), QByteArray("yes"), patience);
        const QString sent = first.item(QStringLiteral("photo-3"))[QStringLiteral("imageSha256")].toString();
        QCOMPARE(second.item(QStringLiteral("photo-3"))[QStringLiteral("imageSha256")].toString(), sent);

        // A title edit moves that record alone: no picture, no other record.
        counting.resetCounts();
        QCOMPARE(first.command("edit photo-3 renamed"), ok);
        QTRY_COMPARE_WITH_TIMEOUT(second.status(QStringLiteral("renamed")), synced, patience);
        QTRY_COMPARE_WITH_TIMEOUT(second.command("idle"), QByteArray("yes"), patience);
        QVERIFY2(counting.bytesToDevice() < 20000, qPrintable(QString::number(counting.bytesToDevice())));
        QCOMPARE(second.item(QStringLiteral("renamed"))[QStringLiteral("imageSha256")].toString(), sent);

        // The database deleted and made again: the checkpoint is behind nothing, the next
        // download reads from the start and the items go up again without an error.
        QCOMPARE(CloudTestSupport::adminRequest("DELETE", database), 200);
        QCOMPARE(CloudTestSupport::adminRequest("PUT", database), 201);
        QCOMPARE(first.command("add after-reset"), ok);
        QTRY_COMPARE_WITH_TIMEOUT(first.status(QStringLiteral("after-reset")), synced, patience);
        QCOMPARE(second.command("download"), ok);
        QTRY_VERIFY_WITH_TIMEOUT(!second.item(QStringLiteral("after-reset")).isEmpty(), patience);
        QCOMPARE(second.command("state"), QByteArray("banner"));
    }

    void serverOutageFailsThenRetrySyncs()
    {
        // A server of this test's own, so it can be stopped and started again with its data.
        QTemporaryDir directory;
        const QString tool = QStringLiteral(STASHLINE_CLOUD_SERVER_TOOL);
        const QString pidFile = directory.filePath(QStringLiteral("server.pid"));
        const QString urlFile = directory.filePath(QStringLiteral("server.url"));
        const QStringList start{"start", "--dir", directory.filePath(QStringLiteral("data")), "--database", "outage",
                                "--pid-file", pidFile, "--url-file", urlFile};
        const QStringList stop{"stop", "--pid-file", pidFile};
        QCOMPARE(QProcess::execute(tool, start), 0);
        const auto stopServer = qScopeGuard([&] { QProcess::execute(tool, stop); }); // after the device
        QFile url(urlFile);
        QVERIFY(url.open(QIODevice::ReadOnly));
        Device device;
        QVERIFY(device.start(QString::fromUtf8(url.readAll()).trimmed()));
        QCOMPARE(QProcess::execute(tool, stop), 0);

        QCOMPARE(device.command("add offline-note"), ok);
        QTRY_COMPARE_WITH_TIMEOUT(device.status("offline-note"), failed, patience);
        QCOMPARE(device.command("download"), ok);
        QTRY_VERIFY_WITH_TIMEOUT(device.command("state").startsWith("banner "), patience); // an error shows
        QCOMPARE(device.dump().size(), 1);

        QCOMPARE(QProcess::execute(tool, start), 0);
        QCOMPARE(device.command("retry"), ok);
        QTRY_COMPARE_WITH_TIMEOUT(device.status("offline-note"), synced, patience);
        QCOMPARE(device.command("download"), ok);
        QTRY_COMPARE_WITH_TIMEOUT(device.command("state"), QByteArray("banner"), patience);
    }

    void killedDuringUploadLosesAndDuplicatesNothing()
    {
        const QString database = CloudTestSupport::createDatabase();
        Device first;
        QVERIFY(first.start(database));
        QCOMPARE(first.command("addmany 400 bulk-"), ok);
        QVERIFY(first.kill()); // the upload of 400 records is on its way

        // All 400 were saved before anything was sent; the restart sends what was left
        // syncing by itself, without an edit or a retry.
        QVERIFY(first.start(database));
        QTRY_COMPARE_WITH_TIMEOUT(first.count(synced), 400, patience);

        // Killed during a download: the next one brings everything, once.
        Device second;
        QVERIFY(second.start(database));
        QCOMPARE(second.command("download"), ok);
        QTest::qWait(150);
        QVERIFY(second.kill());
        QVERIFY(second.start(database));
        QCOMPARE(second.command("download"), ok);
        QTRY_COMPARE_WITH_TIMEOUT(second.count(synced), 400, patience);
        QSet<QString> titles; // each once: none lost, none uploaded twice
        for (const QJsonValue &item : second.dump())
            titles.insert(item[QStringLiteral("title")].toString());
        QCOMPARE(titles.size(), 400);
        QCOMPARE(second.dump().size(), 400);
    }

    // Encrypting an account that may not compact moves it to a new database. The other device,
    // offline meanwhile with an edit it could not send and no key yet, learns of the move from
    // the key document, follows it, and once given the passphrase its edit arrives there.
    void devicesFollowTheAccountToANewDatabase()
    {
        const QString database = CloudTestSupport::createDatabase();
        FaultProxy moving(QUrl(database), 11), following(QUrl(database), 12);
        QVERIFY(moving.listen() && following.listen());
        moving.refuse("POST", QStringLiteral("/_compact$"));
        Device first, second;
        QVERIFY(first.start(moving.route(database)));
        QVERIFY(second.start(following.route(database)));
        QCOMPARE(first.command("add kept"), ok);
        QTRY_COMPARE_WITH_TIMEOUT(second.status("kept"), synced, patience);

        following.setOffline(true);
        QCOMPARE(second.command("edit kept edited-offline"), ok);
        QCOMPARE(first.command("encrypt moving-passphrase"), ok);
        const QString name = QUrl(database).path().mid(1);
        QTRY_VERIFY_WITH_TIMEOUT(first.command("database") != name.toUtf8(), patience);
        const QString target = QString::fromUtf8(first.command("database"));
        QVERIFY(target.startsWith(name + QLatin1Char('-')));
        QCOMPARE(first.command("add after-move"), ok); // the key went along: no passphrase asked
        QTRY_COMPARE_WITH_TIMEOUT(first.status("after-move"), synced, patience);

        following.setOffline(false);
        QCOMPARE(second.command("upload"), ok);
        QTRY_COMPARE_WITH_TIMEOUT(QString::fromUtf8(second.command("database")), target, patience);
        QVERIFY(second.status("edited-offline") != synced); // locked until the passphrase
        QCOMPARE(second.command("unlock moving-passphrase"), ok);
        QTRY_COMPARE_WITH_TIMEOUT(second.status("edited-offline"), synced, patience);
        QTRY_COMPARE_WITH_TIMEOUT(first.status("edited-offline"), synced, patience);
        QTRY_COMPARE_WITH_TIMEOUT(second.status("after-move"), synced, patience);
        QCOMPARE(first.dump().size(), 2);
        QCOMPARE(second.dump().size(), 2);

        // Sealed in the new database; the old one holds the key document pointing onward.
        QUrl moved(database);
        moved.setPath(QLatin1Char('/') + target);
        QByteArray documents;
        QCOMPARE(CloudTestSupport::adminRequest("GET", moved.toString() + "/_all_docs?include_docs=true", {}, &documents), 200);
        const QJsonArray rows = QJsonDocument::fromJson(documents)[QStringLiteral("rows")].toArray();
        QCOMPARE(rows.size(), 3);
        QVERIFY(!documents.contains("edited-offline") && !documents.contains("\"fields\""));
        QCOMPARE(CloudTestSupport::adminRequest("GET", database + "/_all_docs", {}, &documents), 200);
        QCOMPARE(QJsonDocument::fromJson(documents)[QStringLiteral("rows")].toArray().size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestTwoDevices)
#include "tst_twodevices.moc"
