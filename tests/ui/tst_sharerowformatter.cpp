#include "ShareRowFormatter.h"

#include <QTest>

class TestShareRowFormatter : public QObject
{
    Q_OBJECT

private slots:
    void titleLine_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("content");
        QTest::addColumn<QString>("expected");
        QTest::newRow("title wins") << "Trip" << "notes" << "Trip";
        QTest::newRow("content when no title") << "" << "notes" << "notes";
        QTest::newRow("untitled when both empty") << "" << "" << "share.item.untitled";
        QTest::newRow("blanks count as a title") << "  " << "notes" << "  ";
        QTest::newRow("markup stays text") << "<img src=\"http://127.0.0.1:1/x\">" << "" << "<img src=\"http://127.0.0.1:1/x\">";
    }
    void titleLine()
    {
        QFETCH(QString, title);
        QFETCH(QString, content);
        QFETCH(QString, expected);
        QCOMPARE(ShareRowFormatter::titleLine(title, content), expected);
    }

    void secondaryLine_data()
    {
        QTest::addColumn<QString>("contentType");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("content");
        QTest::addColumn<QUrl>("link");
        QTest::addColumn<QString>("expected");
        QTest::newRow("note content") << "text" << "Title" << "body" << QUrl() << "body";
        QTest::newRow("note equal to title") << "text" << "same" << "same" << QUrl() << "";
        QTest::newRow("note compared case-sensitively") << "text" << "Same" << "same" << QUrl() << "same";
        QTest::newRow("note without title repeats content") << "text" << "" << "body" << QUrl() << "body";
        QTest::newRow("note empty") << "text" << "" << "" << QUrl() << "";
        QTest::newRow("unknown type reads as note") << "video" << "t" << "c" << QUrl() << "c";
        QTest::newRow("link host without www") << "url" << "t" << "x" << QUrl("https://www.example.com/a/b") << "example.com";
        QTest::newRow("every www. removed") << "url" << "t" << "x" << QUrl("https://www.cdn.www.example.org") << "cdn.example.org";
        QTest::newRow("link without URL") << "url" << "t" << "x" << QUrl() << "";
        QTest::newRow("link without host") << "url" << "t" << "x" << QUrl("mailto:a@b.c") << "";
        QTest::newRow("image") << "image" << "t" << "" << QUrl() << "share.row.image.memory";
    }
    void secondaryLine()
    {
        QFETCH(QString, contentType);
        QFETCH(QString, title);
        QFETCH(QString, content);
        QFETCH(QUrl, link);
        QFETCH(QString, expected);
        QCOMPARE(ShareRowFormatter::secondaryLine(contentType, title, content, link), expected);
    }

    void linkTexts_data()
    {
        QTest::addColumn<QUrl>("url");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("host");
        QTest::newRow("host and two-segment path, www kept")
            << QUrl("https://www.example.com/news/today?x=1#top") << "www.example.com/news/today" << "www.example.com";
        QTest::newRow("root path shows the host") << QUrl("https://example.com/") << "example.com" << "example.com";
        QTest::newRow("no path shows the host") << QUrl("https://example.com") << "example.com" << "example.com";
        QTest::newRow("no host shows the whole address") << QUrl("mailto:a@b.c") << "mailto:a@b.c" << "";
    }
    void linkTexts()
    {
        QFETCH(QUrl, url);
        QFETCH(QString, display);
        QFETCH(QString, host);
        QCOMPARE(ShareRowFormatter::linkDisplayText(url), display);
        QCOMPARE(ShareRowFormatter::hostLine(url), host);
    }

    void fading_data()
    {
        QTest::addColumn<qint64>("ageSeconds");
        QTest::addColumn<double>("saturation");
        QTest::addColumn<double>("opacity");
        QTest::newRow("new") << qint64(0) << 1.0 << 1.0;
        QTest::newRow("3.5 days") << qint64(302400) << 0.85 << 0.875;
        QTest::newRow("one week") << qint64(604800) << 0.7 << 0.75;
        QTest::newRow("a month, capped") << qint64(2592000) << 0.7 << 0.75;
        QTest::newRow("future, unfaded") << qint64(-86400) << 1.0 << 1.0;
    }
    void fading()
    {
        QFETCH(qint64, ageSeconds);
        QFETCH(double, saturation);
        QFETCH(double, opacity);
        const QDateTime now(QDate(2026, 3, 10), QTime(12, 0));
        const double t = ShareRowFormatter::ageFraction(now.addSecs(-ageSeconds), now);
        QVERIFY(qAbs(ShareRowFormatter::fadedSaturation(t) - saturation) < 1e-9);
        QVERIFY(qAbs(ShareRowFormatter::fadedOpacity(t) - opacity) < 1e-9);
    }

    void missingCreationDateIsUnfaded()
    {
        QCOMPARE(ShareRowFormatter::ageFraction(QDateTime(), QDateTime::currentDateTime()), 0.0);
    }

    void desaturatedKeepsHueAndScalesSaturation()
    {
        const QColor teal = QColor::fromHslF(0.5f, 0.8f, 0.4f);
        const QColor faded = ShareRowFormatter::desaturated(teal, 0.7);
        QVERIFY(qAbs(faded.hslSaturationF() - 0.56f) < 0.01f);
        QVERIFY(qAbs(faded.hslHueF() - 0.5f) < 0.01f);
    }

    void dateLine_data()
    {
        QTest::addColumn<QDateTime>("dueDate");
        QTest::addColumn<QDateTime>("createdAt");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("expected");
        const QDateTime march5(QDate(2026, 3, 5), QTime(10, 0));
        const QDateTime april2(QDate(2026, 4, 2), QTime(10, 0));
        QTest::newRow("saved, English") << QDateTime() << march5 << "en_US" << "share.row.saved Mar 5";
        QTest::newRow("due date wins") << april2 << march5 << "en_US" << "share.row.return.before Apr 2";
        QTest::newRow("saved, Japanese") << QDateTime() << march5 << "ja_JP" << "share.row.saved 3月5日";
        QTest::newRow("saved, German") << QDateTime() << march5 << "de_DE" << "share.row.saved 5. März";
    }
    void dateLine()
    {
        QFETCH(QDateTime, dueDate);
        QFETCH(QDateTime, createdAt);
        QFETCH(QString, locale);
        QFETCH(QString, expected);
        // Without a translation the key stands in for the text; its "%1" takes the date.
        const QString line = ShareRowFormatter::dateLine(dueDate, createdAt, QLocale(locale));
        QCOMPARE(line, expected);
    }

    void editDateText()
    {
        QCOMPARE(ShareRowFormatter::editDateText(QDateTime(), QLocale(QStringLiteral("en_US"))), QStringLiteral("-"));
        const QDateTime evening(QDate(2026, 3, 5), QTime(18, 7));
        QCOMPARE(ShareRowFormatter::editDateText(evening, QLocale(QStringLiteral("en_US"))),
                 QStringLiteral("Mar 5, 2026, 6:07 PM"));
        QCOMPARE(ShareRowFormatter::editDateText(evening, QLocale(QStringLiteral("ja_JP"))),
                 QStringLiteral("2026年3月5日 18:07"));
    }
};

QTEST_GUILESS_MAIN(TestShareRowFormatter)
#include "tst_sharerowformatter.moc"
