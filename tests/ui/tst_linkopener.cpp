#include "LinkOpener.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QTest>

// Stands in for the desktop's handlers: records every link the desktop is asked to open.
class HandlerRecorder : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void openUrl(const QUrl &url) { opened.append(url); }
};

// Only web and mail links reach the desktop; every other link from an item stays unopened and
// the row can say why, naming the scheme.
class TestLinkOpener : public QObject
{
    Q_OBJECT
private:
    HandlerRecorder m_handlers;
    static constexpr const char *schemes[] = {"http", "https", "mailto", "file", "javascript", "vscode", "data"};

private slots:
    void initTestCase()
    {
        for (const char *scheme : schemes)
            QDesktopServices::setUrlHandler(QLatin1String(scheme), &m_handlers, "openUrl");
    }
    void cleanupTestCase()
    {
        for (const char *scheme : schemes)
            QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
    }

    void onlyWebAndMailLinksOpen_data()
    {
        QTest::addColumn<QUrl>("url");
        QTest::addColumn<QString>("refusalMentions"); // empty: the link opens
        QTest::newRow("https") << QUrl("https://www.example.com/news?x=1") << "";
        QTest::newRow("http, upper-case scheme") << QUrl("HTTP://example.org/") << "";
        QTest::newRow("mailto") << QUrl("mailto:someone@example.com?subject=Hi") << "";
        QTest::newRow("file path") << QUrl("file:///etc/passwd") << "file:";
        QTest::newRow("javascript") << QUrl("javascript:alert(document.cookie)") << "javascript:";
        QTest::newRow("custom scheme") << QUrl("vscode://file/home/user/.bashrc") << "vscode:";
        QTest::newRow("data") << QUrl("data:text/html,<script>alert(1)</script>") << "data:";
        QTest::newRow("web scheme without host") << QUrl("https:relative/path") << "https:";
        QTest::newRow("no scheme") << QUrl("example.com/page") << "share.row.link.malformed";
        QTest::newRow("empty") << QUrl() << "share.row.link.malformed";
    }
    void onlyWebAndMailLinksOpen()
    {
        QFETCH(QUrl, url);
        QFETCH(QString, refusalMentions);
        const bool opens = refusalMentions.isEmpty();
        m_handlers.opened.clear();
        QCOMPARE(LinkOpener::isOpenable(url), opens);
        QCOMPARE(LinkOpener::open(url), opens);
        QCOMPARE(m_handlers.opened, opens ? QList<QUrl>{url} : QList<QUrl>{});
        const QString refusal = LinkOpener::refusalText(url);
        QCOMPARE(refusal.isEmpty(), opens);
        QVERIFY2(refusal.contains(refusalMentions), qPrintable(refusal));
    }
};

QTEST_MAIN(TestLinkOpener)
#include "tst_linkopener.moc"
