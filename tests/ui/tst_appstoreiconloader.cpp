#include "AppStoreIconLoader.h"
#include "AppStoreLookupResponse.h"
#include "LocalHttpServer.h"

#include <QBuffer>
#include <QSignalSpy>
#include <QTest>

namespace {

QByteArray pngBytes(QColor color)
{
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(color);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

} // namespace

class TestAppStoreIconLoader : public QObject
{
    Q_OBJECT

private:
    LocalHttpServer *m_server = nullptr;
    AppStoreIconLoader *m_loader = nullptr;

    // Loads `appID` and waits for the completion.
    std::optional<QImage> load(const QString &appID)
    {
        bool done = false;
        std::optional<QImage> result;
        m_loader->loadIcon(appID, this, [&](std::optional<QImage> image) {
            result = image;
            done = true;
        });
        if (!QTest::qWaitFor([&] { return done; }, 10000))
            qWarning("load did not finish");
        return result;
    }

    void serveLookup(const QString &appID, const QByteArray &body, int status = 200)
    {
        m_server->responses.insert(QStringLiteral("/lookup?id=") + appID, {status, "application/json", body});
    }
    QByteArray lookupBody(const QString &artworkPath) const
    {
        return "{\"resultCount\":1,\"results\":[{\"artworkUrl512\":\"" + (m_server->baseAddress() + artworkPath).toUtf8()
            + "\",\"trackName\":\"X\"}]}";
    }

private slots:
    void init()
    {
        m_server = new LocalHttpServer;
        QVERIFY(m_server->start());
        m_loader = &AppStoreIconLoader::shared();
        m_loader->clearCaches();
        m_loader->setLookupBaseAddress(m_server->baseAddress());
    }
    void cleanup()
    {
        delete m_server;
        m_server = nullptr;
    }

    void goodAnswerLoadsAndCachesBoth()
    {
        serveLookup(QStringLiteral("101"), lookupBody(QStringLiteral("art/101.png")));
        m_server->responses.insert(QStringLiteral("/art/101.png"), {200, "image/png", pngBytes(Qt::red)});

        const std::optional<QImage> first = load(QStringLiteral("101"));
        QVERIFY(first.has_value());
        QCOMPARE(first->pixelColor(2, 2), QColor(Qt::red));
        QCOMPARE(m_server->requestedPaths.size(), 2);

        // A second view for the same id asks nothing of the network.
        const std::optional<QImage> second = load(QStringLiteral("101"));
        QVERIFY(second.has_value());
        QCOMPARE(m_server->requestedPaths.size(), 2);
    }

    void failuresEndWithoutImageAndAreNotCached_data()
    {
        QTest::addColumn<QByteArray>("lookup");
        QTest::addColumn<QByteArray>("artwork");
        QTest::addColumn<int>("requestsPerLoad");
        QTest::newRow("malformed JSON") << QByteArray("{\"results\": [") << QByteArray() << 1;
        QTest::newRow("no results key") << QByteArray("{\"resultCount\":0}") << QByteArray() << 1;
        QTest::newRow("empty results") << QByteArray("{\"results\":[]}") << QByteArray() << 1;
        QTest::newRow("result without artwork") << QByteArray("{\"results\":[{\"trackName\":\"x\"}]}") << QByteArray() << 1;
        QTest::newRow("artwork not text") << QByteArray("{\"results\":[{\"artworkUrl512\":5}]}") << QByteArray() << 1;
        QTest::newRow("broken image") << QByteArray() << QByteArray("not a picture") << 2;
    }
    void failuresEndWithoutImageAndAreNotCached()
    {
        QFETCH(QByteArray, lookup);
        QFETCH(QByteArray, artwork);
        QFETCH(int, requestsPerLoad);
        serveLookup(QStringLiteral("202"), lookup.isEmpty() ? lookupBody(QStringLiteral("art/202.png")) : lookup);
        m_server->responses.insert(QStringLiteral("/art/202.png"), {200, "image/png", artwork});

        QVERIFY(!load(QStringLiteral("202")).has_value());
        // Nothing that failed is remembered: the next load asks the network again (only an
        // artwork address that was found is kept).
        QVERIFY(!load(QStringLiteral("202")).has_value());
        const int expected = requestsPerLoad == 1 ? 2 : 3;
        QCOMPARE(m_server->requestedPaths.size(), expected);
    }

    void httpErrorStatusWithUsableBodyIsUsed()
    {
        serveLookup(QStringLiteral("303"), lookupBody(QStringLiteral("art/303.png")), 500);
        m_server->responses.insert(QStringLiteral("/art/303.png"), {200, "image/png", pngBytes(Qt::blue)});
        QVERIFY(load(QStringLiteral("303")).has_value());
    }

    void unreachableServerGivesNone()
    {
        const quint16 port = m_server->serverPort();
        m_server->close();
        m_loader->setLookupBaseAddress(QStringLiteral("http://127.0.0.1:%1/").arg(port));
        QVERIFY(!load(QStringLiteral("404")).has_value());
    }

    void responseDecoding()
    {
        const auto decoded = AppStoreLookupResponse::decode(
            "{\"results\":[{\"artworkUrl512\":\"https://a/1.png\",\"x\":1},{\"artworkUrl512\":\"https://a/2.png\"}],\"other\":true}");
        QVERIFY(decoded.has_value());
        QCOMPARE(decoded->results.size(), 2);
        QCOMPARE(decoded->results.at(1).artworkURL, QStringLiteral("https://a/2.png"));
        QVERIFY(!AppStoreLookupResponse::decode("[]").has_value());
        QVERIFY(!AppStoreLookupResponse::decode("{\"results\":{}}").has_value());
        QVERIFY(!AppStoreLookupResponse::decode("{\"results\":[{\"artworkUrl512\":\"a\"}, 3]}").has_value());
    }
};

QTEST_GUILESS_MAIN(TestAppStoreIconLoader)
#include "tst_appstoreiconloader.moc"
