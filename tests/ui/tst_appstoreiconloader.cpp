#include "AppStoreIconLoader.h"
#include "AppStoreLookupResponse.h"
#include "LocalHttpServer.h"

#include <QBuffer>
#include <QTest>

class TestAppStoreIconLoader : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<LocalHttpServer> m_server;

    // Loads `appID` and waits for the completion.
    std::optional<QImage> load(const QString &appID)
    {
        bool done = false;
        std::optional<QImage> result;
        AppStoreIconLoader::shared().loadIcon(appID, this, [&](std::optional<QImage> image) {
            result = image;
            done = true;
        });
        if (!QTest::qWaitFor([&] { return done; }, 10000))
            qWarning("load did not finish");
        return result;
    }
    // The lookup for `appID` answers `lookup`, or when that is empty one result pointing at
    // "art/<appID>.png", which answers `artwork`.
    void serve(const QString &appID, QByteArray lookup, const QByteArray &artwork, int lookupStatus = 200)
    {
        const QString artPath = QStringLiteral("art/") + appID + QStringLiteral(".png");
        if (lookup.isEmpty())
            lookup = "{\"resultCount\":1,\"results\":[{\"artworkUrl512\":\"" + (m_server->baseAddress() + artPath).toUtf8()
                + "\",\"trackName\":\"X\"}]}";
        m_server->responses.insert(QStringLiteral("/lookup?id=") + appID, {lookupStatus, "application/json", lookup});
        m_server->responses.insert(QLatin1Char('/') + artPath, {200, "image/png", artwork});
    }
    static QByteArray pngBytes(QColor color)
    {
        QImage image(8, 8, QImage::Format_RGB32);
        image.fill(color);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        return bytes;
    }

private slots:
    void init()
    {
        m_server = std::make_unique<LocalHttpServer>();
        QVERIFY(m_server->start());
        AppStoreIconLoader::shared().clearCaches();
        AppStoreIconLoader::shared().setLookupBaseAddress(m_server->baseAddress());
    }

    void goodAnswerLoadsAndCachesBoth()
    {
        // The HTTP status is not examined: a body that decodes is used.
        serve(QStringLiteral("101"), {}, pngBytes(Qt::red), 500);
        const std::optional<QImage> first = load(QStringLiteral("101"));
        QVERIFY(first.has_value());
        QCOMPARE(first->pixelColor(2, 2), QColor(Qt::red));
        QCOMPARE(m_server->requestedPaths.size(), 2);

        // A second view for the same id asks nothing of the network.
        QVERIFY(load(QStringLiteral("101")).has_value());
        QCOMPARE(m_server->requestedPaths.size(), 2);
    }

    // Only an artwork address that was found is kept, so the next load asks the network again.
    void failuresEndWithoutImageAndAreNotCached_data()
    {
        QTest::addColumn<QByteArray>("lookup");
        QTest::addColumn<QByteArray>("artwork");
        QTest::addColumn<int>("requestsForTwoLoads");
        QTest::newRow("malformed JSON") << QByteArray("{\"results\": [") << QByteArray() << 2;
        QTest::newRow("empty results") << QByteArray("{\"results\":[]}") << QByteArray() << 2;
        QTest::newRow("broken image") << QByteArray() << QByteArray("not a picture") << 3;
    }
    void failuresEndWithoutImageAndAreNotCached()
    {
        QFETCH(QByteArray, lookup);
        QFETCH(QByteArray, artwork);
        QFETCH(int, requestsForTwoLoads);
        serve(QStringLiteral("202"), lookup, artwork);
        QVERIFY(!load(QStringLiteral("202")).has_value());
        QVERIFY(!load(QStringLiteral("202")).has_value());
        QCOMPARE(m_server->requestedPaths.size(), requestsForTwoLoads);
    }

    void unreachableServerGivesNone()
    {
        m_server->close();
        QVERIFY(!load(QStringLiteral("404")).has_value());
    }

    // A good answer decodes in goodAnswerLoadsAndCachesBoth; anything off rejects the whole answer.
    void malformedAnswersDoNotDecode()
    {
        QVERIFY(!AppStoreLookupResponse::decode("[]").has_value());
        QVERIFY(!AppStoreLookupResponse::decode("{\"results\":{}}").has_value());
        QVERIFY(!AppStoreLookupResponse::decode("{\"results\":[{\"artworkUrl512\":\"a\"}, 3]}").has_value());
        QVERIFY(!AppStoreLookupResponse::decode("{\"results\":[{\"trackName\":\"x\"}]}").has_value());
    }
};

QTEST_GUILESS_MAIN(TestAppStoreIconLoader)
#include "tst_appstoreiconloader.moc"
