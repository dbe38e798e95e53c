#include "CloudTestSupport.h"

#include "platform/cloud/CloudContainer.h"
#include "platform/cloud/CloudDatabase.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QTemporaryDir>

using namespace CloudTestSupport;

namespace {

CloudRecord shareItem(const QString &name, const QString &title)
{
    CloudRecord record(QStringLiteral("ShareItem"), CloudRecordID(name));
    record.setString(QStringLiteral("uuid"), name);
    record.setString(QStringLiteral("title"), title);
    record.setInt64(QStringLiteral("isFavorite"), 1);
    record.setTimestamp(QStringLiteral("createdAt"), QDateTime::fromMSecsSinceEpoch(1700000000123, Qt::UTC));
    return record;
}

QJsonObject document(const QString &databaseUrl, const QString &name)
{
    QByteArray answer;
    adminRequest("GET", databaseUrl + QLatin1Char('/') + name, {}, &answer);
    return QJsonDocument::fromJson(answer).object();
}

} // namespace

class TestCloudDatabase : public QObject
{
    Q_OBJECT
private:
    QString m_databaseUrl;
    std::unique_ptr<CloudContainer> m_container;

    CloudDatabase &database() { return m_container->privateCloudDatabase(); }

    std::optional<CloudError> modify(const QList<CloudRecord> &records, QList<CloudRecord> *saved = nullptr)
    {
        Recorder recorder;
        database().modifyRecords(records, recorder.perRecord(), recorder.modifyResult());
        if (!recorder.wait())
            return CloudError(CloudErrorCode::InternalError, QStringLiteral("no result"));
        if (saved)
            *saved = recorder.saved;
        return recorder.error;
    }

private slots:
    void init()
    {
        m_databaseUrl = createDatabase();
        QVERIFY2(!m_databaseUrl.isEmpty(), "the fixture server is not running");
        m_container = std::make_unique<CloudContainer>(CloudContainer::defaultIdentifier, CloudAccount::fromUrl(m_databaseUrl));
    }
    void cleanup() { m_container.reset(); }

    void userRecordIDIsTheSignedInUser()
    {
        std::atomic<bool> done = false;
        QString name;
        m_container->fetchUserRecordID([&](const std::optional<CloudRecordID> &id, const std::optional<CloudError> &error) {
            name = id ? id->recordName() : QStringLiteral("error ") + (error ? error->localizedDescription() : QString());
            done = true;
        });
        QVERIFY(QTest::qWaitFor([&] { return done.load(); }, 10000));
        QCOMPARE(name, QStringLiteral("admin"));
    }

    void newRecordsThenOverwriteWithoutRevision()
    {
        LogCapture logs;
        QList<CloudRecord> saved;
        QCOMPARE(modify({shareItem(QStringLiteral("A1"), QStringLiteral("first")), shareItem(QStringLiteral("B1"), QStringLiteral("b"))}, &saved),
                 std::nullopt);
        QCOMPARE(saved.size(), 2);
        QVERIFY(saved[0].recordChangeTag().startsWith(QLatin1String("1-")));

        CloudRecord second = shareItem(QStringLiteral("A1"), QStringLiteral("second"));
        second.setString(QStringLiteral("uuid"), std::nullopt);
        QCOMPARE(modify({second}, &saved), std::nullopt);
        QVERIFY(saved[0].recordChangeTag().startsWith(QLatin1String("2-")));

        const QJsonObject stored = document(m_databaseUrl, QStringLiteral("A1"));
        QCOMPARE(stored.value(QStringLiteral("recordType")).toString(), QStringLiteral("ShareItem"));
        QCOMPARE(stored.value(QStringLiteral("device")).toString(), m_container->deviceID());
        const QJsonObject fields = stored.value(QStringLiteral("fields")).toObject();
        QCOMPARE(fields.value(QStringLiteral("title")).toObject().value(QStringLiteral("value")).toString(), QStringLiteral("second"));
        QCOMPARE(fields.value(QStringLiteral("createdAt")).toObject().value(QStringLiteral("value")).toString(),
                 QStringLiteral("2023-11-14T22:13:20.123Z"));
        QVERIFY2(!fields.contains(QStringLiteral("uuid")), "every key is written: an omitted field is gone");

        const QString password = QUrl(m_databaseUrl).password();
        for (const QString &line : logs.lines())
            QVERIFY2(!line.contains(password), qPrintable(line));
        QVERIFY(!logs.lines().isEmpty());
    }

    void secondWriterRacingGivesServerRecordChanged()
    {
        QCOMPARE(modify({shareItem(QStringLiteral("R1"), QStringLiteral("one")), shareItem(QStringLiteral("R2"), QStringLiteral("two"))}),
                 std::nullopt);
        CloudContainer other(CloudContainer::defaultIdentifier, CloudAccount::fromUrl(m_databaseUrl));
        database().setRevisionsReadHookForTesting([&other](std::function<void()> proceed) {
            other.privateCloudDatabase().modifyRecords({shareItem(QStringLiteral("R1"), QStringLiteral("other"))}, {},
                                                       [proceed](const QList<CloudRecord> &, const std::optional<CloudError> &) { proceed(); });
        });
        Recorder recorder;
        database().modifyRecords({shareItem(QStringLiteral("R1"), QStringLiteral("mine")), shareItem(QStringLiteral("R2"), QStringLiteral("mine"))},
                                 recorder.perRecord(), recorder.modifyResult());
        QVERIFY(recorder.wait());
        QVERIFY(recorder.error);
        QCOMPARE(recorder.error->code(), CloudErrorCode::PartialFailure);
        const auto partial = recorder.error->partialErrorsByItemID();
        QCOMPARE(partial.size(), 1);
        QCOMPARE(partial.value(CloudRecordID(QStringLiteral("R1")), CloudError(CloudErrorCode::InternalError, {})).code(),
                 CloudErrorCode::ServerRecordChanged);
        QCOMPARE(recorder.saved.size(), 1);
        QCOMPARE(recorder.saved[0].recordID().recordName(), QStringLiteral("R2"));
        QCOMPARE(recorder.items.size(), 2);
        QVERIFY(!recorder.onTestThread);
    }

    void assetRoundTripKeepsBytes()
    {
        QTemporaryDir directory;
        QByteArray bytes(300 * 1024, Qt::Uninitialized);
        for (char &byte : bytes)
            byte = char(QRandomGenerator::global()->generate());
        QFile file(directory.filePath(QStringLiteral("picture.jpg")));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();

        CloudRecord record = shareItem(QStringLiteral("IMG"), QStringLiteral("picture"));
        record.setAsset(QStringLiteral("imageAsset"), CloudAsset(file.fileName()));
        QCOMPARE(modify({record}), std::nullopt);

        database().setAssetDirectory(directory.filePath(QStringLiteral("downloads")));
        Recorder recorder;
        database().fetchRecords({CloudRecordID(QStringLiteral("IMG"))}, recorder.perRecord(), recorder.result());
        QVERIFY(recorder.wait());
        QCOMPARE(recorder.error, std::nullopt);
        QCOMPARE(recorder.items.size(), 1);
        QVERIFY(recorder.items[0].record);
        QString path;
        {
            const auto asset = recorder.items[0].record->assetValue(QStringLiteral("imageAsset"));
            QVERIFY(asset);
            path = asset->fileURL();
            QFile downloaded(path);
            QVERIFY(downloaded.open(QIODevice::ReadOnly));
            QCOMPARE(downloaded.readAll(), bytes);
        }
        QCOMPARE(document(m_databaseUrl, QStringLiteral("IMG"))
                     .value(QStringLiteral("_attachments")).toObject()
                     .value(QStringLiteral("imageAsset")).toObject()
                     .value(QStringLiteral("content_type")).toString(),
                 QStringLiteral("image/jpeg"));

        recorder.items.clear();
        QVERIFY2(!QFile::exists(path), "a downloaded file nobody moved away is removed with its last asset");
        QVERIFY2(QFile::exists(file.fileName()), "the uploaded picture is left where it was");
    }

    void fetchReportsMissingAndDeletedAsUnknownItem()
    {
        QCOMPARE(modify({shareItem(QStringLiteral("F1"), QStringLiteral("kept")), shareItem(QStringLiteral("F2"), QStringLiteral("gone"))}),
                 std::nullopt);
        const QString rev = document(m_databaseUrl, QStringLiteral("F2")).value(QStringLiteral("_rev")).toString();
        QCOMPARE(adminRequest("DELETE", m_databaseUrl + QStringLiteral("/F2?rev=") + rev), 200);

        Recorder recorder;
        database().fetchRecords({CloudRecordID(QStringLiteral("F1")), CloudRecordID(QStringLiteral("NOPE")),
                                 CloudRecordID(QStringLiteral("F2")), CloudRecordID(QStringLiteral("_design/x"))},
                                recorder.perRecord(), recorder.result());
        QVERIFY(recorder.wait());
        QCOMPARE(recorder.error, std::nullopt);
        QCOMPARE(recorder.items.size(), 4);
        QCOMPARE(recorder.items[0].record->stringValue(QStringLiteral("title")), QStringLiteral("kept"));
        for (int i = 1; i < 4; ++i) {
            QVERIFY(!recorder.items[i].record);
            QCOMPARE(recorder.items[i].error->code(), CloudErrorCode::UnknownItem);
            QVERIFY(!recorder.items[i].afterResult);
        }

        // A deleted record written again comes back to life.
        QCOMPARE(modify({shareItem(QStringLiteral("F2"), QStringLiteral("again"))}), std::nullopt);
    }

    void queryDeliversEveryRecordOfTheTypeBeforeTheResult()
    {
        QList<CloudRecord> records;
        for (int i = 0; i < 1000; ++i)
            records.append(shareItem(QStringLiteral("Q%1").arg(i, 4, 10, QLatin1Char('0')), QString::number(i)));
        records.append(CloudRecord(QStringLiteral("OtherType"), CloudRecordID(QStringLiteral("OTHER"))));
        QCOMPARE(modify(records), std::nullopt);

        Recorder recorder;
        database().queryRecords(QStringLiteral("ShareItem"), recorder.perRecord(), recorder.result());
        QVERIFY(recorder.wait());
        QCOMPARE(recorder.error, std::nullopt);
        QCOMPARE(recorder.items.size(), 1000);
        QSet<QString> names;
        for (const auto &item : recorder.items) {
            QVERIFY(item.record && !item.afterResult);
            QCOMPARE(item.record->recordType(), QStringLiteral("ShareItem"));
            names.insert(item.id.recordName());
        }
        QCOMPARE(names.size(), 1000);
        QVERIFY(!recorder.onTestThread);
    }

    void subscriptionSavedTwice()
    {
        for (int round = 0; round < 2; ++round) {
            Recorder recorder;
            database().saveSubscription(CloudSubscription(QStringLiteral("share-item-changes"), QStringLiteral("ShareItem"), 7),
                                        recorder.result());
            QVERIFY(recorder.wait());
            QCOMPARE(recorder.error, std::nullopt);
        }
        QCOMPARE(document(m_databaseUrl, QStringLiteral("_local/subscription.share-item-changes"))
                     .value(QStringLiteral("recordType")).toString(),
                 QStringLiteral("ShareItem"));
    }

    void invalidRecordsFailAloneOthersAreSaved()
    {
        CloudRecord otherZone(QStringLiteral("ShareItem"), CloudRecordID(QStringLiteral("Z"), QStringLiteral("elsewhere")));
        CloudRecord missingAsset = shareItem(QStringLiteral("M"), QStringLiteral("m"));
        missingAsset.setAsset(QStringLiteral("imageAsset"), CloudAsset(QStringLiteral("/nonexistent/file.jpg")));
        Recorder recorder;
        database().modifyRecords({shareItem(QStringLiteral("_bad"), {}), otherZone, missingAsset, shareItem(QStringLiteral("OK"), QStringLiteral("ok"))},
                                 recorder.perRecord(), recorder.modifyResult());
        QVERIFY(recorder.wait());
        QCOMPARE(recorder.error->code(), CloudErrorCode::PartialFailure);
        QCOMPARE(recorder.error->partialErrorsByItemID().size(), 3);
        QCOMPARE(recorder.saved.size(), 1);
        QCOMPARE(recorder.items.size(), 4);
    }

    void withoutAccountEveryOperationIsNotAuthenticated()
    {
        m_container = std::make_unique<CloudContainer>(CloudContainer::defaultIdentifier,
                                                       CloudAccount::fromFile(QStringLiteral("/nonexistent/account.json")));
        Recorder modifyRecorder, fetchRecorder, queryRecorder, subscriptionRecorder;
        database().modifyRecords({shareItem(QStringLiteral("N"), {})}, modifyRecorder.perRecord(), modifyRecorder.modifyResult());
        database().fetchRecords({CloudRecordID(QStringLiteral("N"))}, fetchRecorder.perRecord(), fetchRecorder.result());
        database().queryRecords(QStringLiteral("ShareItem"), queryRecorder.perRecord(), queryRecorder.result());
        database().saveSubscription(CloudSubscription(QStringLiteral("s"), QStringLiteral("ShareItem"), 7), subscriptionRecorder.result());
        for (Recorder *recorder : {&modifyRecorder, &fetchRecorder, &queryRecorder, &subscriptionRecorder}) {
            QVERIFY(recorder->wait());
            QVERIFY(recorder->error);
            QCOMPARE(recorder->error->code(), CloudErrorCode::NotAuthenticated);
            QVERIFY2(recorder->error->localizedDescription().contains(QLatin1String("STASHLINE_CLOUD_URL")),
                     qPrintable(recorder->error->localizedDescription()));
            QCOMPARE(recorder->items.size(), 0);
        }
    }
};

QTEST_GUILESS_MAIN(TestCloudDatabase)
#include "tst_clouddatabase.moc"
