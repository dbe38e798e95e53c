// Records through their database documents and back: every value type survives the trip as
// the same type and value, and odd documents read leniently (a bad field is left out) or fail
// with an error, never a crash.
#include "platform/cloud/CloudRecordCoder.h"

#include <QJsonDocument>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <limits>

Q_DECLARE_METATYPE(CloudValue)

namespace {

const QString key = QStringLiteral("field");

// How many of the typed getters give a value for the field.
int typedReadings(const CloudRecord &record)
{
    return int(record.stringValue(key).has_value()) + int(record.int64Value(key).has_value())
        + int(record.doubleValue(key).has_value()) + int(record.timestampValue(key).has_value())
        + int(record.assetValue(key).has_value());
}

// Equal values of the same type; doubles bit for bit (NaN and -0 included), timestamps in UTC.
bool sameValue(const CloudValue &a, const CloudValue &b)
{
    if (a.index() != b.index())
        return false;
    if (const auto *number = std::get_if<double>(&a)) {
        const double other = std::get<double>(b);
        return std::isnan(*number) ? std::isnan(other) : *number == other && std::signbit(*number) == std::signbit(other);
    }
    if (const auto *timestamp = std::get_if<QDateTime>(&a))
        return *timestamp == std::get<QDateTime>(b) && std::get<QDateTime>(b).timeSpec() == Qt::UTC;
    return a == b;
}

} // namespace

class TestCloudRecord : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_directory;

private slots:
    void roundTrip_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<CloudValue>("value");
        const QString name = QStringLiteral("6F9619FF-8B86-D011-B42D-00C04FC964FF");
        QTest::newRow("escapes, emoji and scripts")
            << QStringLiteral("名前-👍🏽") << CloudValue(QStringLiteral("\"quoted\" \\ \t\u0001\n👩‍👩‍👧 Grüße 東京 مرحبا"));
        QTest::newRow("int64 2^53+1") << name << CloudValue(qint64(9007199254740993));
        QTest::newRow("double") << name << CloudValue(0.1);
        QTest::newRow("double negative zero") << name << CloudValue(-0.0);
        QTest::newRow("double nan") << name << CloudValue(std::numeric_limits<double>::quiet_NaN());
        QTest::newRow("timestamp ms") << name << CloudValue(QDateTime::fromMSecsSinceEpoch(1700000000123, Qt::UTC));
    }
    void roundTrip()
    {
        QFETCH(QString, name);
        QFETCH(CloudValue, value);
        CloudRecord record(QStringLiteral("ShareItem"), CloudRecordID(name));
        record.setValue(key, value);
        record.setString(QStringLiteral("other"), QStringLiteral("kept"));
        auto encoded = CloudRecordCoder::encode(record, QStringLiteral("device-1"));
        QVERIFY(std::holds_alternative<CloudRecordCoder::EncodedDocument>(encoded));
        // The document as the server hands it back: the sent bytes parsed again (unparsable ones give no record).
        const auto document = QJsonDocument::fromJson(std::get<CloudRecordCoder::EncodedDocument>(encoded).toJson());

        auto decoded = CloudRecordCoder::decode(document.object(), m_directory.path());
        QVERIFY(std::holds_alternative<CloudRecord>(decoded));
        const CloudRecord back = std::get<CloudRecord>(decoded);
        QCOMPARE(back.recordID().recordName(), name);
        QCOMPARE(back.recordType(), QStringLiteral("ShareItem"));
        QCOMPARE(back.stringValue(QStringLiteral("other")), QStringLiteral("kept"));
        QVERIFY(back.value(key) && sameValue(*back.value(key), value));
        QCOMPARE(typedReadings(back), 1); // read as any other type, the field is absent
    }

    void oddDocuments_data()
    {
        QTest::addColumn<QByteArray>("document");
        QTest::addColumn<QDateTime>("expected"); // invalid: the field reads as absent
        QTest::addColumn<int>("errorCode");     // 0: the document decodes
        auto withField = [](const char *field) {
            return R"({"_id":"R","recordType":"ShareItem","fields":{"field":)" + QByteArray(field) + "}}";
        };
        const QDateTime absent;
        QTest::newRow("fields not an object") << QByteArray(R"({"_id":"R","fields":[1,2]})") << absent << 0;
        QTest::newRow("string holding a number") << withField(R"({"type":"string","value":5})") << absent << 0;
        QTest::newRow("int64 beyond 2^53 as number") << withField(R"({"type":"int64","value":1e300})") << absent << 0;
        QTest::newRow("double as text") << withField(R"({"type":"double","value":"1.5"})") << absent << 0;
        QTest::newRow("timestamp with offset") << withField(R"({"type":"timestamp","value":"2023-11-15T00:13:20.123+02:00"})")
                                               << QDateTime::fromMSecsSinceEpoch(1700000000123, Qt::UTC) << 0;
        QTest::newRow("asset with bad base64")
            << QByteArray(R"({"_id":"R","fields":{"field":{"type":"asset","value":"field"}},"_attachments":{"field":{"data":"!!!"}}})")
            << absent << 1;
        QTest::newRow("no name") << QByteArray(R"({"recordType":"ShareItem","fields":{}})") << absent << 15;
    }
    void oddDocuments()
    {
        QFETCH(QByteArray, document);
        QFETCH(QDateTime, expected);
        QFETCH(int, errorCode);
        auto decoded = CloudRecordCoder::decode(QJsonDocument::fromJson(document).object(), m_directory.path());
        if (const auto *error = std::get_if<CloudError>(&decoded)) {
            QCOMPARE(error->numericCode(), errorCode);
            QVERIFY(!error->localizedDescription().isEmpty());
            return;
        }
        QCOMPARE(errorCode, 0);
        const CloudRecord record = std::get<CloudRecord>(decoded);
        QCOMPARE(record.contains(key), expected.isValid());
        QCOMPARE(typedReadings(record), int(expected.isValid()));
        QCOMPARE(record.timestampValue(key).value_or(QDateTime()), expected);
    }
};

QTEST_GUILESS_MAIN(TestCloudRecord)
#include "tst_cloudrecord.moc"
