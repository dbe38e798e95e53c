#include "ShareRowFormatter.h"

#include <QTest>

// Without a translation a key stands in for its text; a "%1" in it takes the date.
class TestShareRowFormatter : public QObject
{
    Q_OBJECT

    static QDateTime fadingNow() { return QDateTime(QDate(2026, 3, 10), QTime(12, 0)); }

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
        QTest::newRow("blanks count as a title") << "text" << "  " << "notes" << "  " << "notes";
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
        QTest::newRow("host and path, www kept but in the secondary line")
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

    void fading_data()
    {
        const QDateTime now = fadingNow();
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
        const double t = ShareRowFormatter::ageFraction(createdAt, fadingNow());
        QVERIFY(qAbs(ShareRowFormatter::fadedSaturation(t) - saturation) < 1e-9);
        QVERIFY(qAbs(ShareRowFormatter::fadedOpacity(t) - opacity) < 1e-9);
    }

    void desaturatedKeepsHueAndScalesSaturation()
    {
        const QColor faded = ShareRowFormatter::desaturated(QColor::fromHslF(0.5f, 0.8f, 0.4f), 0.7);
        QVERIFY(qAbs(faded.hslSaturationF() - 0.56f) < 0.01f);
        QVERIFY(qAbs(faded.hslHueF() - 0.5f) < 0.01f);
    }

    void dateLine_data()
    {
        QTest::addColumn<QDateTime>("dueDate");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("expected");
        QTest::newRow("saved, English") << QDateTime() << "en_US" << "share.row.saved Mar 5";
        QTest::newRow("due date wins") << QDateTime(QDate(2026, 4, 2), QTime(10, 0)) << "en_US"
                                       << "share.row.return.before Apr 2";
        QTest::newRow("saved, Japanese") << QDateTime() << "ja_JP" << "share.row.saved 3月5日";
    }
    void dateLine()
    {
        QFETCH(QDateTime, dueDate);
        QFETCH(QString, locale);
        QFETCH(QString, expected);
        const QDateTime created(QDate(2026, 3, 5), QTime(10, 0));
        QCOMPARE(ShareRowFormatter::dateLine(dueDate, created, QLocale(locale)), expected);
    }

    void editDateText()
    {
        const QLocale english(QStringLiteral("en_US"));
        QCOMPARE(ShareRowFormatter::editDateText(QDateTime(), english), QStringLiteral("-"));
        const QDateTime evening(QDate(2026, 3, 5), QTime(18, 7));
        QCOMPARE(ShareRowFormatter::editDateText(evening, english), QStringLiteral("Mar 5, 2026, 6:07 PM"));
        QCOMPARE(ShareRowFormatter::editDateText(evening, QLocale(QStringLiteral("ja_JP"))),
                 QStringLiteral("2026年3月5日 18:07"));
    }
};

QTEST_GUILESS_MAIN(TestShareRowFormatter)
#include "tst_sharerowformatter.moc"
