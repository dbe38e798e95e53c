#include "ShareRowFormatter.h"

#include <QTest>

// Without a translation a key stands in for its text; a "%1" in it takes the date.
class TestShareRowFormatter : public QObject
{
    Q_OBJECT

private slots:
    void textLines_data()
    {
        QTest::addColumn<QString>("contentType");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("content");
        QTest::addColumn<QString>("titleLine");
        QTest::addColumn<QString>("secondaryLine");
        QTest::newRow("content when no title") << "text" << "" << "notes" << "notes" << "notes";
        QTest::newRow("untitled when both empty") << "text" << "" << "" << "share.item.untitled" << "";
        QTest::newRow("content equal to title hidden") << "text" << "same" << "same" << "same" << "";
        QTest::newRow("compared case-sensitively") << "text" << "Same" << "same" << "Same" << "same";
        QTest::newRow("image") << "image" << "t" << "" << "t" << "share.row.image.memory";
    }
    void textLines()
    {
        QFETCH(QString, contentType);
        QFETCH(QString, title);
        QFETCH(QString, content);
        QFETCH(QString, titleLine);
        QFETCH(QString, secondaryLine);
        QCOMPARE(ShareRowFormatter::titleLine(title, content), titleLine);
        QCOMPARE(ShareRowFormatter::secondaryLine(contentType, title, content, QUrl()), secondaryLine);
    }

    // The host line shows the plain host; see the link row test of the screens.
    void linkLines_data()
    {
        QTest::addColumn<QUrl>("url");
        QTest::addColumn<QString>("secondary");
        QTest::addColumn<QString>("display");
        QTest::newRow("www kept but in the secondary line")
            << QUrl("https://www.example.com/news/today?x=1#top") << "example.com" << "www.example.com/news/today";
        QTest::newRow("every www. removed") << QUrl("https://www.cdn.www.example.org") << "cdn.example.org"
                                            << "www.cdn.www.example.org";
        QTest::newRow("root path shows the host") << QUrl("https://example.com/") << "example.com" << "example.com";
        QTest::newRow("no host shows the whole address") << QUrl("mailto:a@b.c") << "" << "mailto:a@b.c";
    }
    void linkLines()
    {
        QFETCH(QUrl, url);
        QFETCH(QString, secondary);
        QFETCH(QString, display);
        QCOMPARE(ShareRowFormatter::secondaryLine(QStringLiteral("url"), QStringLiteral("t"), url.toString(), url),
                 secondary);
        QCOMPARE(ShareRowFormatter::linkDisplayText(url), display);
    }

    // Colours fade with age: saturation scales, the hue stays.
    void fading_data()
    {
        const QDateTime now(QDate(2026, 3, 10), QTime(12, 0));
        QTest::addColumn<QDateTime>("createdAt");
        QTest::addColumn<double>("saturation");
        QTest::addColumn<double>("opacity");
        QTest::newRow("3.5 days") << now.addSecs(-302400) << 0.85 << 0.875;
        QTest::newRow("a month, capped") << now.addDays(-30) << 0.7 << 0.75;
        QTest::newRow("future, unfaded") << now.addDays(1) << 1.0 << 1.0;
        QTest::newRow("no creation date, unfaded") << QDateTime() << 1.0 << 1.0;
    }
    void fading()
    {
        QFETCH(QDateTime, createdAt);
        QFETCH(double, saturation);
        QFETCH(double, opacity);
        const double t = ShareRowFormatter::ageFraction(createdAt, QDateTime(QDate(2026, 3, 10), QTime(12, 0)));
        QVERIFY(qAbs(ShareRowFormatter::fadedSaturation(t) - saturation) < 1e-9);
        QVERIFY(qAbs(ShareRowFormatter::fadedOpacity(t) - opacity) < 1e-9);
        const QColor faded = ShareRowFormatter::desaturated(QColor::fromHslF(0.5f, 0.8f, 0.4f), saturation);
        QVERIFY(qAbs(faded.hslSaturationF() - 0.8 * saturation) < 0.01);
        QVERIFY(qAbs(faded.hslHueF() - 0.5f) < 0.01f);
    }

    void dateLines()
    {
        const QLocale english(QStringLiteral("en_US"));
        const QDateTime created(QDate(2026, 3, 5), QTime(18, 7));
        QCOMPARE(ShareRowFormatter::dateLine(QDateTime(), created, english), QStringLiteral("share.row.saved Mar 5"));
        QCOMPARE(ShareRowFormatter::dateLine(QDateTime(QDate(2026, 4, 2), QTime(10, 0)), created, english),
                 QStringLiteral("share.row.return.before Apr 2"));
        QCOMPARE(ShareRowFormatter::editDateText(QDateTime(), english), QStringLiteral("-"));
        QCOMPARE(ShareRowFormatter::editDateText(created, english), QStringLiteral("Mar 5, 2026, 6:07 PM"));
    }
};

QTEST_GUILESS_MAIN(TestShareRowFormatter)
#include "tst_sharerowformatter.moc"
