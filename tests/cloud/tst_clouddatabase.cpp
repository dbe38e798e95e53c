#include "CloudTestSupport.h"

#include "platform/cloud/CloudContainer.h"
#include "platform/cloud/CloudDatabase.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QTemporaryDir>

using namespace CloudTestSupport;

namespace {

CloudRecord shareItem(const QString &name, const QString &title = {})
{
    CloudRecord record(QStringLiteral("ShareItem"), CloudRecordID(name));
    record.setString(QStringLiteral("uuid"), name);
    record.setString(QStringLiteral("title"), title);
    record.setInt64(QStringLiteral("isFavorite"), 1);
    record.setTimestamp(QStringLiteral("createdAt"), QDateTime::fromMSecsSinceEpoch(1700000000123, Qt::UTC));
    return record;
}

} // namespace

class TestCloudDatabase : public QObject
{
    Q_OBJECT
private:
    QString m_databaseUrl;
    std::unique_ptr<CloudContainer> m_container;

    CloudDatabase &database() { return m_container->privateCloudDatabase(); }

    // Writes `records` and waits for the result; the records saved go to `saved`.
    std::optional<CloudError> modify(const QList<CloudRecord> &records, QList<CloudRecord> *saved = nullptr,
                                     CloudSavePolicy policy = CloudSavePolicy::allKeys)
    {
        Recorder recorder;
        database().modifyRecords(records, recorder.perRecord(), recorder.modifyResult(), policy);
        if (!recorder.wait())
            return CloudError(CloudErrorCode::InternalError, QStringLiteral("no result"));
        if (saved)
            *saved = recorder.saved;
        return recorder.error;
    }

    // The stored document `name` as the server has it.
    QJsonObject document(const QString &name)
    {
        QByteArray answer;
        adminRequest("GET", m_databaseUrl + QLatin1Char('/') + name, {}, &answer);
        return QJsonDocument::fromJson(answer).object();
    }

private slots:
    void init()
    {
        m_databaseUrl = createDatabase();
        QVERIFY2(!m_databaseUrl.isEmpty(), "the fixture server is not running");
        m_container = std::make_unique<CloudContainer>(CloudContainer::defaultIdentifier, CloudAccount::fromUrl(m_databaseUrl));
    }
    void cleanup() { m_container.reset(); }

    void newRecordsThenOverwriteWithoutRevision()
    {
        QList<CloudRecord> saved;
        QCOMPARE(modify({shareItem(QStringLiteral("A1"), QStringLiteral("first")), shareItem(QStringLiteral("B1"))}, &saved),
                 std::nullopt);
        QCOMPARE(saved.size(), 2);
        QVERIFY(saved[0].recordChangeTag().startsWith(QLatin1String("1-")));

        CloudRecord second = shareItem(QStringLiteral("A1"), QStringLiteral("second"));
        second.setString(QStringLiteral("uuid"), std::nullopt);
        QCOMPARE(modify({second}, &saved), std::nullopt);
        QVERIFY(saved[0].recordChangeTag().startsWith(QLatin1String("2-")));

        const QJsonObject fields = document(QStringLiteral("A1")).value(QStringLiteral("fields")).toObject();
        auto field = [&fields](const char *key) { return fields.value(QLatin1String(key))[QLatin1String("value")].toString(); };
        QCOMPARE(field("title"), QStringLiteral("second"));
        QCOMPARE(field("createdAt"), QStringLiteral("2023-11-14T22:13:20.123Z"));
        QVERIFY2(!fields.contains(QStringLiteral("uuid")), "every key is written: an omitted field is gone");
    }

    void secondWriterRacingGivesServerRecordChanged()
    {
        QCOMPARE(modify({shareItem(QStringLiteral("R1")), shareItem(QStringLiteral("R2"))}), std::nullopt);
        CloudContainer other(CloudContainer::defaultIdentifier, CloudAccount::fromUrl(m_databaseUrl));
        database().setRevisionsReadHookForTesting([&other](std::function<void()> proceed) {
            other.privateCloudDatabase().modifyRecords({shareItem(QStringLiteral("R1"), QStringLiteral("other"))}, {},
                                                       [proceed](const auto &, const auto &) { proceed(); });
        });
        Recorder recorder;
        database().modifyRecords({shareItem(QStringLiteral("R1"), QStringLiteral("mine")), shareItem(QStringLiteral("R2"))},
                                 recorder.perRecord(), recorder.modifyResult());
        QVERIFY(recorder.wait());
        QVERIFY(recorder.error);
        QCOMPARE(recorder.error->code(), CloudErrorCode::PartialFailure);
        const auto partial = recorder.error->partialErrorsByItemID();
        QCOMPARE(partial.keys(), QList<CloudRecordID>{CloudRecordID(QStringLiteral("R1"))});
        QCOMPARE(partial.cbegin()->code(), CloudErrorCode::ServerRecordChanged);
        QCOMPARE(recorder.saved.size(), 1);
        QCOMPARE(recorder.saved[0].recordID().recordName(), QStringLiteral("R2"));
        QCOMPARE(recorder.items.size(), 2);
        QVERIFY(!recorder.onTestThread);
    }

    void unchangedRecordPolicyNeverWritesOverAChangeItHasNotSeen()
    {
        constexpr auto unchanged = CloudSavePolicy::ifServerRecordUnchanged;
        QList<CloudRecord> saved;
        QCOMPARE(modify({shareItem(QStringLiteral("U1"), QStringLiteral("first"))}, &saved, unchanged), std::nullopt);
        const CloudRecord first = saved.value(0);
        CloudRecord next = shareItem(QStringLiteral("U1"), QStringLiteral("second"));
        next.setRecordChangeTag(first.recordChangeTag());
        QCOMPARE(modify({next}, &saved, unchanged), std::nullopt);

        // Over the first revision again, or as if new: refused, the second write stays.
        CloudRecord stale = shareItem(QStringLiteral("U1"), QStringLiteral("stale"));
        for (const QString &revision : {first.recordChangeTag(), QString()}) {
            stale.setRecordChangeTag(revision);
            const std::optional<CloudError> error = modify({stale}, &saved, unchanged);
            QVERIFY(error);
            QCOMPARE(error->partialErrorsByItemID().value(CloudRecordID(QStringLiteral("U1")),
                                                           CloudError(CloudErrorCode::InternalError, {})).code(),
                     CloudErrorCode::ServerRecordChanged);
        }
        QCOMPARE(document(QStringLiteral("U1"))[QLatin1String("fields")][QLatin1String("title")][QLatin1String("value")]
                     .toString(),
                 QStringLiteral("second"));
    }

    void fetchReportsMissingAsUnknownItemAndDeletedAsTombstone()
    {
        // A title that starts with U+FEFF keeps it: it is text, not a byte order mark.
        const QString title = QStringLiteral("\uFEFFkept");
        QCOMPARE(modify({shareItem(QStringLiteral("F1"), title), shareItem(QStringLiteral("F2"))}), std::nullopt);
        const QString rev = document(QStringLiteral("F2")).value(QStringLiteral("_rev")).toString();
        QCOMPARE(adminRequest("DELETE", m_databaseUrl + QStringLiteral("/F2?rev=") + rev), 200);

        Recorder recorder;
        database().fetchRecords({CloudRecordID(QStringLiteral("F1")), CloudRecordID(QStringLiteral("NOPE")),
                                 CloudRecordID(QStringLiteral("F2")), CloudRecordID(QStringLiteral("_design/x"))},
                                recorder.perRecord(), recorder.result());
        QVERIFY(recorder.wait());
        QCOMPARE(recorder.error, std::nullopt);
        QCOMPARE(recorder.items.size(), 4);
        QCOMPARE(recorder.items[0].record->stringValue(QStringLiteral("title")), title);
        for (int i : {1, 3}) {
            QVERIFY(!recorder.items[i].record && !recorder.items[i].afterResult);
            QCOMPARE(recorder.items[i].error->code(), CloudErrorCode::UnknownItem);
        }
        QVERIFY(recorder.items[2].record && recorder.items[2].record->isTombstone());
        QVERIFY(recorder.items[2].record->recordChangeTag().startsWith(QLatin1String("2-")));
        // A deleted record written again comes back to life.
        QCOMPARE(modify({shareItem(QStringLiteral("F2"), QStringLiteral("again"))}), std::nullopt);
    }

    void writeWithoutAccountIsNotAuthenticated()
    {
        m_container = std::make_unique<CloudContainer>(CloudContainer::defaultIdentifier,
                                                       CloudAccount::fromFile(QStringLiteral("/nonexistent/account.json")));
        Recorder recorder;
        database().modifyRecords({shareItem(QStringLiteral("N"))}, recorder.perRecord(), recorder.modifyResult());
        QVERIFY(recorder.wait());
        QCOMPARE(recorder.error.value_or(CloudError(CloudErrorCode::InternalError, {})).code(), CloudErrorCode::NotAuthenticated);
        // The description reaches the list's banner: it tells a user what is missing, without
        // variables or file paths.
        const QString description = recorder.error->localizedDescription();
        QVERIFY2(description.contains(QLatin1String("No cloud account")), qPrintable(description));
        QVERIFY2(!description.contains(QLatin1String("STASHLINE_")) && !description.contains(QLatin1Char('/')),
                 qPrintable(description));
        QCOMPARE(recorder.items.size(), 0);
    }
};

QTEST_GUILESS_MAIN(TestCloudDatabase)
#include "tst_clouddatabase.moc"
