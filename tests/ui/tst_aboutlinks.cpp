#include "AboutLinks.h"

#include <QTest>

class TestAboutLinks : public QObject
{
    Q_OBJECT

private slots:
    void websiteSegment_data()
    {
        QTest::addColumn<QStringList>("languages");
        QTest::addColumn<QString>("segment");
        QTest::newRow("Traditional Chinese, Taiwan") << QStringList{"zh-Hant-TW"} << "zh-Hant/";
        QTest::newRow("zh-HK") << QStringList{"zh-HK"} << "zh-Hant/";
        QTest::newRow("zh-TW") << QStringList{"zh-TW"} << "zh-Hant/";
        QTest::newRow("Simplified Chinese") << QStringList{"zh-Hans-CN"} << "zh-Hans/";
        QTest::newRow("zh-CN falls through") << QStringList{"zh-CN"} << "en-US/";
        QTest::newRow("Japanese") << QStringList{"ja-JP"} << "ja/";
        QTest::newRow("Korean") << QStringList{"ko"} << "ko/";
        QTest::newRow("German") << QStringList{"de-AT"} << "de-DE/";
        QTest::newRow("French") << QStringList{"fr-CA"} << "fr-FR/";
        QTest::newRow("Spanish") << QStringList{"es-ES"} << "es-MX/";
        QTest::newRow("only the first counts") << QStringList{"pt-BR", "ja"} << "en-US/";
        QTest::newRow("no languages") << QStringList{} << "en-US/";
    }
    void websiteSegment()
    {
        QFETCH(QStringList, languages);
        QFETCH(QString, segment);
        QCOMPARE(AboutLinks::websiteSegment(languages), segment);
    }

    void websiteURLJoinsRootSegmentAndPage()
    {
        QCOMPARE(AboutLinks::websiteURL(QStringLiteral("https://example.com/"), QStringLiteral("help"), {"de-DE"}),
                 QUrl(QStringLiteral("https://example.com/de-DE/help")));
    }

    void versionText()
    {
        QCOMPARE(AboutLinks::appVersionText(QStringLiteral("2.3"), QStringLiteral("41")), QStringLiteral("2.3 (41)"));
        QCOMPARE(AboutLinks::appVersionText(std::nullopt, std::nullopt), QStringLiteral("1.0 (1)"));
    }

    void feedbackMail()
    {
        const QString text = AboutLinks::feedbackMailURL(QStringLiteral("help+app@example.com"),
                                                         QStringLiteral("Stashline - Support"),
                                                         QStringLiteral("2.3 (41)"), QStringLiteral("Debian 12"))
                                 .toString(QUrl::FullyEncoded);
        QVERIFY2(text.startsWith(QStringLiteral("mailto:help+app@example.com?subject=Stashline%20-%20Support&body=")),
                 qPrintable(text));
        QVERIFY(!text.contains(QLatin1Char(' ')));
        const QString body = QUrl::fromPercentEncoding(text.section(QStringLiteral("&body="), 1).toUtf8());
        QCOMPARE(body, QStringLiteral("\n\n---\nApp: Stashline 2.3 (41)\nSystem: Debian 12"));
        // An empty subject falls back to the default one.
        const QUrl fallback = AboutLinks::feedbackMailURL(QStringLiteral("a@b.c"), QString(), QStringLiteral("1"),
                                                          QStringLiteral("x"));
        QVERIFY(fallback.toString(QUrl::FullyEncoded).contains(QStringLiteral("?subject=Stashline%20-%20Support&")));
    }

    void reviewTarget()
    {
        const QUrl store(QStringLiteral("https://example.com/app"));
        const QUrl review(QStringLiteral("https://example.com/app?review"));
        QCOMPARE(AboutLinks::writeReviewTarget(review, store), review);
        QCOMPARE(AboutLinks::writeReviewTarget(QUrl(), store), store);
        QVERIFY(AboutLinks::writeReviewTarget(QUrl(), QUrl()).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestAboutLinks)
#include "tst_aboutlinks.moc"
