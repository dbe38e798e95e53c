// The sealed format, checked against the shared test vectors (tests/data/e2ee-vectors.json, also
// read by the web companion's tests), and what a server can do to a sealed document: change a
// byte, move a payload or a picture to another document, send a plain record into an encrypted
// database or offer a key document that would make a device work for minutes. None of it opens.
#include "platform/cloud/CloudRecordCoder.h"
#include "platform/cloud/KeyDocument.h"
#include "platform/cloud/SealedDocument.h"
#include "platform/crypto/Sealing.h"

#include <QFile>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QTest>

namespace {

QJsonObject vectors()
{
    QFile file(QStringLiteral(STASHLINE_E2EE_VECTORS));
    return file.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(file.readAll()).object() : QJsonObject();
}

QByteArray base64(const QJsonValue &value)
{
    return QByteArray::fromBase64(value.toString().toLatin1());
}

// The vectors' data key held and used for writing, as on an unlocked device.
std::shared_ptr<DatabaseKeys> unlocked(const QString &keyID, const QByteArray &key)
{
    auto keys = std::make_shared<DatabaseKeys>();
    keys->addKey(keyID, SecretKey::fromBytes(key));
    keys->setMode(DatabaseKeys::Mode::sealed, keyID);
    return keys;
}

QString problemOf(const QJsonObject &view)
{
    return view.value(SealedDocument::problemKey).toString();
}

} // namespace

class TestSealedDocument : public QObject
{
    Q_OBJECT
private:
    QJsonObject m_vectors = vectors();
    QTemporaryDir m_directory;

    QJsonObject record() const { return m_vectors.value(QStringLiteral("record")).toObject(); }
    QJsonObject sealedRecord() const { return record().value(QStringLiteral("sealed")).toObject(); }
    std::shared_ptr<DatabaseKeys> vectorKeys() const
    {
        return unlocked(sealedRecord().value(QStringLiteral("keyId")).toString(), base64(record().value(QStringLiteral("dataKey"))));
    }

private slots:
    // The key document unwraps with its passphrase, typed in either Unicode form, and with no
    // other; sealing again with the vector's nonce gives the stored bytes exactly.
    void keyDocumentVector()
    {
        const QJsonObject vector = m_vectors.value(QStringLiteral("keyDocument")).toObject();
        const auto document = KeyDocument::fromJson(vector.value(QStringLiteral("document")).toObject());
        QVERIFY(document);
        const QByteArray dataKey = base64(vector.value(QStringLiteral("dataKey")));
        for (const char *field : {"passphrase", "equivalentPassphrase"}) {
            const auto key = document->unwrap(vector.value(QLatin1String(field)).toString());
            QVERIFY2(key, field);
            QCOMPARE(key->toByteArray(), dataKey);
        }
        QVERIFY(!document->unwrap(vector.value(QStringLiteral("wrongPassphrase")).toString()));
        QVERIFY(!document->unwrap(QString()));
        QCOMPARE(QJsonDocument(document->toJson()).toJson(), QJsonDocument(vector.value(QStringLiteral("document")).toObject()).toJson());
    }

    void recordAndAttachmentVectors()
    {
        const QJsonObject sealed = sealedRecord();
        const QString id = sealed.value(QStringLiteral("_id")).toString();
        const SecretKey key = SecretKey::fromBytes(base64(record().value(QStringLiteral("dataKey"))));
        const QByteArray plaintext = record().value(QStringLiteral("payloadPlaintext")).toString().toUtf8();
        QCOMPARE(Sealing::sealWithNonce(key, plaintext, SealedDocument::payloadAssociatedData(id),
                                        base64(record().value(QStringLiteral("payloadNonce")))),
                 base64(sealed.value(QStringLiteral("payload"))));

        const QJsonObject view = SealedDocument::open(sealed, *vectorKeys());
        QCOMPARE(problemOf(view), QString());
        const QJsonObject contents = QJsonDocument::fromJson(plaintext).object();
        QCOMPARE(view.value(QStringLiteral("fields")), contents.value(QStringLiteral("fields")));
        QCOMPARE(view.value(QStringLiteral("device")), contents.value(QStringLiteral("device")));

        const QJsonObject attachment = m_vectors.value(QStringLiteral("attachment")).toObject();
        QCOMPARE(Sealing::sealWithNonce(key, base64(attachment.value(QStringLiteral("plain"))),
                                        SealedDocument::attachmentAssociatedData(id, QStringLiteral("imageAsset")),
                                        base64(attachment.value(QStringLiteral("nonce")))),
                 base64(attachment.value(QStringLiteral("sealed"))));

        // Read as the engine reads it: every field, and the picture opened into a file.
        auto decoded = CloudRecordCoder::decode(view, m_directory.path(), {}, vectorKeys().get());
        QVERIFY(std::holds_alternative<CloudRecord>(decoded));
        const CloudRecord result = std::get<CloudRecord>(decoded);
        QVERIFY(result.unreadableKeys().isEmpty());
        QCOMPARE(result.stringValue(QStringLiteral("title")), QStringLiteral("Gate code \u00e0 la maison"));
        QCOMPARE(result.timestampValue(QStringLiteral("modifiedAt"))->toMSecsSinceEpoch(),
                 QDateTime::fromString(QStringLiteral("2024-05-02T09:15:30.250Z"), Qt::ISODateWithMs).toMSecsSinceEpoch());
        QFile picture(result.assetValue(QStringLiteral("imageAsset"))->fileURL());
        QVERIFY(picture.open(QIODevice::ReadOnly));
        QCOMPARE(picture.readAll(), base64(attachment.value(QStringLiteral("plain"))));
    }

    // What the server might do to sealed documents; each is refused for what it is, and a
    // picture that was tampered with makes the whole record unauthentic.
    void tampering_data()
    {
        QTest::addColumn<QJsonObject>("document");
        QTest::addColumn<QString>("problem");
        const QJsonObject sealed = sealedRecord();
        QJsonObject flipped = sealed;
        QByteArray payload = base64(sealed.value(QStringLiteral("payload")));
        payload[payload.size() / 2] = char(payload[payload.size() / 2] ^ 0x01);
        flipped.insert(QStringLiteral("payload"), QString::fromLatin1(payload.toBase64()));
        QTest::newRow("a flipped byte") << flipped << SealedDocument::unauthentic;
        QJsonObject moved = sealed;
        moved.insert(QStringLiteral("_id"), QStringLiteral("00000000-0000-0000-0000-000000000001"));
        QTest::newRow("the payload of another document") << moved << SealedDocument::unauthentic;
        QJsonObject otherKey = sealed;
        otherKey.insert(QStringLiteral("keyId"), QStringLiteral("00000000000000000000000000000000"));
        QTest::newRow("sealed under a key not held") << otherKey << SealedDocument::locked;
        QJsonObject laterFormat = sealed;
        laterFormat.insert(QStringLiteral("format"), 2);
        QTest::newRow("a format this version does not know") << laterFormat << SealedDocument::unauthentic;
        QJsonObject plain{{QStringLiteral("_id"), sealed.value(QStringLiteral("_id"))},
                          {QStringLiteral("recordType"), QStringLiteral("ShareItem")},
                          {QStringLiteral("fields"), QJsonObject{{QStringLiteral("title"), QJsonObject{{QStringLiteral("type"), QStringLiteral("string")},
                                                                                                      {QStringLiteral("value"), QStringLiteral("forged")}}}}}};
        QTest::newRow("a plain record in an encrypted database") << plain << SealedDocument::unsealed;
        QJsonObject pictureMoved = sealed;
        const QJsonObject attachment = m_vectors.value(QStringLiteral("attachment")).toObject();
        QByteArray picture = base64(attachment.value(QStringLiteral("sealed")));
        picture[40] = char(picture[40] ^ 0x80);
        pictureMoved.insert(QStringLiteral("_attachments"),
                            QJsonObject{{QStringLiteral("imageAsset"), QJsonObject{{QStringLiteral("data"), QString::fromLatin1(picture.toBase64())}}}});
        QTest::newRow("a changed picture") << pictureMoved << SealedDocument::unauthentic;
    }
    void tampering()
    {
        QFETCH(QJsonObject, document);
        QFETCH(QString, problem);
        const auto keys = vectorKeys();
        auto decoded = CloudRecordCoder::decode(SealedDocument::open(document, *keys), m_directory.path(), {}, keys.get());
        QVERIFY(std::holds_alternative<CloudRecord>(decoded));
        const CloudRecord result = std::get<CloudRecord>(decoded);
        QCOMPARE(result.unreadableKeys(), QStringList{QLatin1Char('_') + problem});
        QVERIFY(!result.stringValue(QStringLiteral("title")));
        QCOMPARE(result.recordID().recordName(), document.value(QStringLiteral("_id")).toString());
    }

    // Written sealed, a record keeps nothing readable but its bookkeeping, and reads back whole;
    // a locked database refuses to write at all.
    void sealedRoundTrip()
    {
        const auto keys = unlocked(QStringLiteral("0123456789abcdef0123456789abcdef"), Sealing::randomBytes(SecretKey::size));
        QFile file(m_directory.filePath(QStringLiteral("picture.jpg")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromHex("ffd8ffe000104a464946") + "Exif secret picture");
        file.close();
        CloudRecord record(QStringLiteral("ShareItem"), CloudRecordID(QStringLiteral("6F9619FF-8B86-D011-B42D-00C04FC964FF")));
        record.setString(QStringLiteral("title"), QStringLiteral("secret title"));
        record.setTimestamp(QStringLiteral("modifiedAt"), QDateTime::fromMSecsSinceEpoch(1714640130250, Qt::UTC));
        record.setInt64(QStringLiteral("isDeleted"), 1);
        record.setAsset(QStringLiteral("imageAsset"), CloudAsset(file.fileName()));
        auto encoded = CloudRecordCoder::encode(record, QStringLiteral("device-7"), keys.get());
        QVERIFY(std::holds_alternative<CloudRecordCoder::EncodedDocument>(encoded));
        const auto &document = std::get<CloudRecordCoder::EncodedDocument>(encoded);
        const QByteArray bytes = document.toJson();
        for (const QByteArray &secret : {QByteArray("secret"), QByteArray("device-7"), QByteArray("modifiedAt"),
                                         QByteArray("isDeleted"), QByteArray("/9j/"), QByteArray("image/jpeg")})
            QVERIFY2(!bytes.contains(secret), secret.constData());
        QStringList keysOfDocument = document.document.keys();
        keysOfDocument.sort();
        QCOMPARE(keysOfDocument, (QStringList{"_id", "format", "keyId", "payload", "recordType"}));

        // The digest names the sealed bytes, as the server will.
        const QJsonObject stored = QJsonDocument::fromJson(bytes).object();
        const QByteArray sealedPicture = base64(stored.value(QStringLiteral("_attachments")).toObject()
                                                    .value(QStringLiteral("imageAsset")).toObject().value(QStringLiteral("data")));
        QCOMPARE(document.attachmentDigests.value(QStringLiteral("imageAsset")), CloudAsset::stub(
            QStringLiteral("md5-") + QString::fromLatin1(QCryptographicHash::hash(sealedPicture, QCryptographicHash::Md5).toBase64())).digest());

        auto decoded = CloudRecordCoder::decode(SealedDocument::open(stored, *keys), m_directory.path(), {}, keys.get());
        const CloudRecord result = std::get<CloudRecord>(decoded);
        QCOMPARE(result.stringValue(QStringLiteral("title")), QStringLiteral("secret title"));
        QCOMPARE(result.int64Value(QStringLiteral("isDeleted")), 1);
        QCOMPARE(result.timestampValue(QStringLiteral("modifiedAt")), record.timestampValue(QStringLiteral("modifiedAt")));
        QFile picture(result.assetValue(QStringLiteral("imageAsset"))->fileURL());
        QVERIFY(picture.open(QIODevice::ReadOnly));
        QVERIFY(picture.readAll().endsWith("Exif secret picture"));

        keys->setMode(DatabaseKeys::Mode::locked);
        QVERIFY(std::holds_alternative<CloudError>(CloudRecordCoder::encode(record, QStringLiteral("device-7"), keys.get())));
    }

    // A key document that asks for more than a device should spend, or that is malformed, is
    // refused before any key is derived.
    void keyDocumentBounds_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QJsonValue>("value");
        QTest::newRow("64 GiB of memory") << "kdf/memoryBytes" << QJsonValue(68719476736.0);
        QTest::newRow("a thousand passes") << "kdf/operations" << QJsonValue(1000);
        QTest::newRow("no passes") << "kdf/operations" << QJsonValue(0);
        QTest::newRow("a short salt") << "kdf/salt" << QJsonValue(QStringLiteral("AAEC"));
        QTest::newRow("another algorithm") << "kdf/algorithm" << QJsonValue(QStringLiteral("scrypt"));
        QTest::newRow("a key id that is no id") << "keyId" << QJsonValue(QStringLiteral("../other"));
        QTest::newRow("a wrapped key cut short") << "wrappedKey" << QJsonValue(QStringLiteral("AAAA"));
        QTest::newRow("a later format") << "format" << QJsonValue(2);
    }
    void keyDocumentBounds()
    {
        QFETCH(QString, path);
        QFETCH(QJsonValue, value);
        QJsonObject document = m_vectors.value(QStringLiteral("keyDocument")).toObject().value(QStringLiteral("document")).toObject();
        if (path.startsWith(QLatin1String("kdf/"))) {
            QJsonObject kdf = document.value(QStringLiteral("kdf")).toObject();
            kdf.insert(path.mid(4), value);
            document.insert(QStringLiteral("kdf"), kdf);
        } else {
            document.insert(path, value);
        }
        QString problem;
        QVERIFY(!KeyDocument::fromJson(document, &problem));
        QVERIFY(!problem.isEmpty());
    }

    // A new key document wraps a fresh key under a fresh id and salt; a new passphrase wraps the
    // same key again under the same id, and the old passphrase no longer opens it.
    void createAndRewrap()
    {
        SecretKey first;
        SecretKey second;
        const KeyDocument one = KeyDocument::create(QStringLiteral("one"), &first, PassphraseKey::minimumLimits());
        const KeyDocument two = KeyDocument::create(QStringLiteral("one"), &second, PassphraseKey::minimumLimits());
        QVERIFY(one.keyID() != two.keyID());
        QVERIFY(!(first == second));
        QCOMPARE(*one.unwrap(QStringLiteral("one")), first);
        const KeyDocument changed = KeyDocument::fromJson(one.rewrapped(first, QStringLiteral("two")).toJson()).value();
        QCOMPARE(changed.keyID(), one.keyID());
        QCOMPARE(*changed.unwrap(QStringLiteral("two")), first);
        QVERIFY(!changed.unwrap(QStringLiteral("one")));
    }
};

QTEST_GUILESS_MAIN(TestSealedDocument)
#include "tst_sealeddocument.moc"
