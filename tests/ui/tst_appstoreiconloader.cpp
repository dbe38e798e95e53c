#include "AppStoreIconLoader.h"
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
        AppStoreIconLoader::shared().loadIcon(appID, this, [&](std::optional<QImage> image) { result = image, done = true; });
        if (!QTest::qWaitFor([&] { return done; }, 10000))
            qWarning("load did not finish");
        return result;
    }
    // The lookup for `appID` answers `lookup`, or when that is empty one result pointing at
    // "art/<appID>.png", which answers `artwork` (a red picture when empty).
    void serve(const QString &appID, QByteArray lookup, QByteArray artwork, int lookupStatus = 200)
    {
        const QString artPath = QStringLiteral("art/") + appID + QStringLiteral(".png");
        if (lookup.isEmpty())
            lookup = "{\"resultCount\":1,\"results\":[{\"artworkUrl512\":\"" + (m_server->baseAddress() + artPath).toUtf8()
                + "\",\"trackName\":\"X\"}]}";
        if (artwork.isEmpty()) {
            QImage image(8, 8, QImage::Format_RGB32);
            image.fill(Qt::red);
            QBuffer buffer(&artwork);
            buffer.open(QIODevice::WriteOnly);
            image.save(&buffer, "PNG");
        }
        m_server->responses.insert(QStringLiteral("/lookup?id=") + appID, {lookupStatus, "application/json", lookup});
        m_server->responses.insert(QLatin1Char('/') + artPath, {200, "image/png", artwork});
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
        serve(QStringLiteral("101"), {}, {}, 500);
        const std::optional<QImage> first = load(QStringLiteral("101"));
        QVERIFY(first.has_value());
        QCOMPARE(first->pixelColor(2, 2), QColor(Qt::red));
        QCOMPARE(m_server->requestedPaths.size(), 2);
        // A second view for the same id asks nothing of the network.
        QVERIFY(load(QStringLiteral("101")).has_value());
        QCOMPARE(m_server->requestedPaths.size(), 2);
    }

    // A bad answer at any step gives no image; only an artwork address that was found is kept,
    // so the next load asks the network again.
    void failuresEndWithoutImageAndAreNotCached_data()
    {
        QTest::addColumn<QByteArray>("lookup");
        QTest::addColumn<QByteArray>("artwork");
        QTest::addColumn<int>("requestsForTwoLoads");
        const QByteArray none;
        QTest::newRow("malformed JSON") << QByteArray("{\"results\": [") << none << 2;
        QTest::newRow("not an object") << QByteArray("[]") << none << 2;
        QTest::newRow("results not a list") << QByteArray("{\"results\":{}}") << none << 2;
        QTest::newRow("one result not an object") << QByteArray("{\"results\":[{\"artworkUrl512\":\"a\"}, 3]}") << none << 2;
        QTest::newRow("no artwork address") << QByteArray("{\"results\":[{\"trackName\":\"x\"}]}") << none << 2;
        QTest::newRow("empty results") << QByteArray("{\"results\":[]}") << none << 2;
        QTest::newRow("broken image") << none << QByteArray("not a picture") << 3;
        QTest::newRow("unreachable server") << none << none << 0;
    }
    void failuresEndWithoutImageAndAreNotCached()
    {
        QFETCH(QByteArray, lookup);
        QFETCH(QByteArray, artwork);
        QFETCH(int, requestsForTwoLoads);
        serve(QStringLiteral("202"), lookup, artwork);
        if (requestsForTwoLoads == 0)
            m_server->close();
        QVERIFY(!load(QStringLiteral("202")).has_value());
        QVERIFY(!load(QStringLiteral("202")).has_value());
        QCOMPARE(m_server->requestedPaths.size(), requestsForTwoLoads);
    }
};

QTEST_GUILESS_MAIN(TestAppStoreIconLoader)
#include "tst_appstoreiconloader.moc"
