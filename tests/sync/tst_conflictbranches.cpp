// Branches as replication makes them, on the real local server: two leaves of one document
// written with new_edits=false beside the revision two device processes hold. Both devices
// follow the change feed, so both see the branches at once; they must end with the same values,
// the server with one leaf and no conflicts, and the later change must win. On an encrypted
// account the branches are sealed, and the rule works on what they hold once opened.
#include "../cloud/CloudTestSupport.h"
#include "DeviceProcess.h"

#include "platform/cloud/DatabaseKeys.h"
#include "platform/cloud/KeyDocument.h"
#include "platform/cloud/SealedDocument.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

constexpr int synced = 2;
constexpr int patience = 30000;

struct Device : DeviceProcess {
    Device() : DeviceProcess(QStringLiteral(STASHLINE_DEVICE)) {}
};

QJsonObject field(const QString &type, const QJsonValue &value)
{
    return {{QStringLiteral("type"), type}, {QStringLiteral("value"), value}};
}

QString timestamp(const QDateTime &time)
{
    return time.toUTC().toString(Qt::ISODateWithMs);
}

QJsonObject getDocument(const QString &database, const QString &id, const QString &query = QString())
{
    QByteArray answer;
    CloudTestSupport::adminRequest("GET", database + QLatin1Char('/') + id + query, {}, &answer);
    return QJsonDocument::fromJson(answer).object();
}

// A leaf `revision` ("N-hash") whose history joins the document's first revision `root`.
QJsonObject branch(const QJsonObject &base, const QString &revision, const QString &root, const QString &title,
                   const QDateTime &changedAt, bool deletes, const QByteArray &jpeg)
{
    QJsonObject document = base;
    document.remove(QStringLiteral("_attachments"));
    QJsonObject fields = base.value(QStringLiteral("fields")).toObject();
    fields.insert(QStringLiteral("title"), field(QStringLiteral("string"), title));
    fields.insert(QStringLiteral("modifiedAt"), field(QStringLiteral("timestamp"), timestamp(changedAt)));
    fields.insert(QStringLiteral("isDeleted"), field(QStringLiteral("int64"), deletes ? 1 : 0));
    if (!jpeg.isEmpty()) {
        fields.insert(QStringLiteral("imageAsset"), field(QStringLiteral("asset"), QStringLiteral("imageAsset")));
        document.insert(QStringLiteral("_attachments"),
                        QJsonObject{{QStringLiteral("imageAsset"),
                                     QJsonObject{{QStringLiteral("content_type"), QStringLiteral("image/jpeg")},
                                                 {QStringLiteral("data"), QString::fromLatin1(jpeg.toBase64())}}}});
    }
    document.insert(QStringLiteral("fields"), fields);
    document.insert(QStringLiteral("_rev"), revision);
    const int generation = revision.section(QLatin1Char('-'), 0, 0).toInt();
    QJsonArray ids{revision.section(QLatin1Char('-'), 1)};
    for (int step = generation - 1; step > 1; --step)
        ids.append(QStringLiteral("%1%2").arg(revision.section(QLatin1Char('-'), 1).left(8)).arg(step, 24, 10, QLatin1Char('0')));
    ids.append(root.section(QLatin1Char('-'), 1));
    document.insert(QStringLiteral("_revisions"), QJsonObject{{QStringLiteral("start"), generation}, {QStringLiteral("ids"), ids}});
    return document;
}

} // namespace

class TestConflictBranches : public QObject
{
    Q_OBJECT
private slots:
    void branchesAreSettledByTheDevices_data()
    {
        QTest::addColumn<int>("longerMinutes");  // change time of the leaf with the longer history
        QTest::addColumn<int>("shorterMinutes"); // and of the one with the shorter history
        QTest::addColumn<bool>("shorterDeletes");
        QTest::addColumn<bool>("shorterHasPicture");
        QTest::addColumn<QString>("title"); // what both devices show; empty: deleted
        QTest::addColumn<bool>("encrypted");
        QTest::newRow("later edit on the shorter branch") << -60 << 5 << false << false << "shorter" << false;
        QTest::newRow("later edit on the longer branch") << 5 << -60 << false << false << "longer" << false;
        QTest::newRow("a deletion on one branch") << 5 << -60 << true << false << "" << false;
        QTest::newRow("a picture on one branch") << -60 << 5 << false << true << "shorter" << false;
        QTest::newRow("encrypted, later edit on the longer branch") << 5 << -60 << false << false << "longer" << true;
        QTest::newRow("encrypted, a picture on one branch") << -60 << 5 << false << true << "shorter" << true;
    }
    void branchesAreSettledByTheDevices()
    {
        QFETCH(int, longerMinutes);
        QFETCH(int, shorterMinutes);
        QFETCH(bool, shorterDeletes);
        QFETCH(bool, shorterHasPicture);
        QFETCH(QString, title);
        QFETCH(bool, encrypted);
        const QString database = CloudTestSupport::createDatabase();
        Device first, second;
        QVERIFY(first.start(database));
        QVERIFY(second.start(database));
        DatabaseKeys keys;
        std::optional<KeyDocument> keyDocument;
        if (encrypted) {
            QCOMPARE(first.command("encrypt branch-passphrase"), QByteArray("ok"));
            QCOMPARE(second.command("unlock branch-passphrase"), QByteArray("ok"));
            keyDocument = KeyDocument::fromJson(getDocument(database, KeyDocument::documentID));
            QVERIFY(keyDocument);
            const auto key = keyDocument->unwrap(QStringLiteral("branch-passphrase"));
            QVERIFY(key);
            keys.addKey(keyDocument->keyID(), *key);
            keys.setMode(DatabaseKeys::Mode::sealed, keyDocument->keyID());
        }
        // A document as the rule sees it: opened where it is sealed.
        const auto view = [&](const QJsonObject &document) { return encrypted ? SealedDocument::open(document, keys) : document; };
        QCOMPARE(first.command("add base"), QByteArray("ok"));
        QTRY_COMPARE_WITH_TIMEOUT(first.status(QStringLiteral("base")), synced, patience);
        QTRY_COMPARE_WITH_TIMEOUT(second.status(QStringLiteral("base")), synced, patience);
        const QString id = first.item(QStringLiteral("base"))[QStringLiteral("uuid")].toString().toUpper();
        const QJsonObject base = view(getDocument(database, id));
        const QString root = base.value(QStringLiteral("_rev")).toString();
        QVERIFY(root.startsWith(QLatin1String("1-")));

        QByteArray jpeg;
        if (shorterHasPicture) {
            QImage image(120, 80, QImage::Format_RGB32);
            image.fill(Qt::darkGreen);
            QBuffer buffer(&jpeg);
            QVERIFY(buffer.open(QIODevice::WriteOnly) && image.save(&buffer, "JPEG", 90));
        }
        const QDateTime now = QDateTime::currentDateTimeUtc();
        QJsonArray leaves{branch(base, QStringLiteral("4-aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa"), root, QStringLiteral("longer"),
                                 now.addSecs(longerMinutes * 60), false, {}),
                          branch(base, QStringLiteral("2-bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb"), root, QStringLiteral("shorter"),
                                 now.addSecs(shorterMinutes * 60), shorterDeletes, jpeg)};
        for (qsizetype index = 0; encrypted && index < leaves.size(); ++index) {
            const QJsonObject plain = leaves.at(index).toObject();
            QHash<QString, QByteArray> pictures;
            if (plain.contains(QStringLiteral("_attachments")))
                pictures.insert(QStringLiteral("imageAsset"), jpeg);
            QJsonObject sealed = SealedDocument::seal(plain, pictures, keyDocument->keyID(), *keys.key(keyDocument->keyID()));
            sealed.insert(QStringLiteral("_revisions"), plain.value(QStringLiteral("_revisions")));
            leaves[index] = sealed;
        }
        const QByteArray body = QJsonDocument(QJsonObject{{QStringLiteral("new_edits"), false}, {QStringLiteral("docs"), leaves}})
                                    .toJson(QJsonDocument::Compact);
        QCOMPARE(CloudTestSupport::adminRequest("POST", database + QStringLiteral("/_bulk_docs"), body), 201);
        // Two leaves on one root: the server holds one of them and names the other as its conflict.
        QCOMPARE(getDocument(database, id, QStringLiteral("?conflicts=true"))[QStringLiteral("_conflicts")].toArray().size(), 1);

        // Both devices follow the feed: each sees the branches and settles them.
        const auto settled = [&] {
            const QJsonObject document = getDocument(database, id, QStringLiteral("?conflicts=true"));
            return !document.contains(QStringLiteral("_conflicts")) && document.contains(QStringLiteral("_rev"));
        };
        QTRY_VERIFY_WITH_TIMEOUT(settled(), patience);
        if (title.isEmpty()) {
            QTRY_VERIFY_WITH_TIMEOUT(first.dump().isEmpty() && second.dump().isEmpty(), patience);
            const QJsonObject document = view(getDocument(database, id));
            QCOMPARE(document[QStringLiteral("fields")][QStringLiteral("isDeleted")][QStringLiteral("value")].toInt(), 1);
            return;
        }
        QTRY_COMPARE_WITH_TIMEOUT(first.status(title), synced, patience);
        QTRY_COMPARE_WITH_TIMEOUT(second.status(title), synced, patience);
        QCOMPARE(first.dump().size(), 1);
        QCOMPARE(second.dump().size(), 1);
        QCOMPARE(view(getDocument(database, id))[QStringLiteral("fields")][QStringLiteral("title")][QStringLiteral("value")].toString(),
                 title);
        QVERIFY(!encrypted || !getDocument(database, id).contains(QStringLiteral("fields")));
        if (shorterHasPicture) {
            const QString sent = QString::fromLatin1(QCryptographicHash::hash(jpeg, QCryptographicHash::Sha256).toHex());
            QTRY_COMPARE_WITH_TIMEOUT(first.item(title)[QStringLiteral("imageSha256")].toString(), sent, patience);
            QTRY_COMPARE_WITH_TIMEOUT(second.item(title)[QStringLiteral("imageSha256")].toString(), sent, patience);
        }
        // Settled for good: no device writes again once they agree.
        const QString revision = getDocument(database, id)[QStringLiteral("_rev")].toString();
        QTest::qWait(1500);
        QCOMPARE(getDocument(database, id)[QStringLiteral("_rev")].toString(), revision);
    }
};

QTEST_GUILESS_MAIN(TestConflictBranches)
#include "tst_conflictbranches.moc"
