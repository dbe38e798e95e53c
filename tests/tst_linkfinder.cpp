#include "platform/LinkFinder.h"

#include <QTest>

class TestLinkFinder : public QObject
{
    Q_OBJECT
private slots:
    void firstMatch_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("url");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("length");

        QTest::newRow("absolute in a sentence") << "read https://example.com/a?b=1 today"
                                                << "https://example.com/a?b=1" << 5 << 25;
        QTest::newRow("bare host gets a web scheme") << "see example.org/path now" << "http://example.org/path" << 4 << 16;
        QTest::newRow("sentence full stop is not part of it") << "Go to https://a.io." << "https://a.io" << 6 << 12;
        QTest::newRow("balanced brackets stay") << "(https://en.wiki.org/A_(b))" << "https://en.wiki.org/A_(b)" << 1 << 25;
        QTest::newRow("after CJK text") << "資料はhttps://example.jp/x です" << "https://example.jp/x" << 3 << 20;
        QTest::newRow("unknown top-level domain is no host") << "file.txt and notes.final" << "" << -1 << 0;
        QTest::newRow("e-mail address is not a web link") << "mail me@example.com" << "" << -1 << 0;
    }
    void firstMatch()
    {
        QFETCH(QString, text);
        QFETCH(QString, url);
        QFETCH(int, start);
        QFETCH(int, length);
        const auto match = LinkFinder::firstMatch(text);
        if (url.isEmpty()) {
            QVERIFY(!match);
            return;
        }
        QVERIFY(match);
        QCOMPARE(match->url.toString(), url);
        QCOMPARE(match->start, start);
        QCOMPARE(match->length, length);
    }

    void parseUrl_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("parses");
        QTest::addColumn<QString>("scheme");
        QTest::newRow("single word is a relative reference") << "notes" << true << "";
        QTest::newRow("absolute with a space") << "https://example.com/a b" << false << "";
        QTest::newRow("absolute without spaces") << "https://example.com/a%20b" << true << "https";
        QTest::newRow("two words") << "two words" << false << "";
    }
    void parseUrl()
    {
        QFETCH(QString, text);
        QFETCH(bool, parses);
        QFETCH(QString, scheme);
        const auto url = LinkFinder::parseUrl(text);
        QCOMPARE(url.has_value(), parses);
        if (url)
            QCOMPARE(url->scheme(), scheme);
    }
};

QTEST_GUILESS_MAIN(TestLinkFinder)
#include "tst_linkfinder.moc"
