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
        QTest::newRow("Chinese, Hong Kong") << QStringList{"zh-HK"} << "zh-Hant/";
        QTest::newRow("Simplified Chinese") << QStringList{"zh-Hans-CN"} << "zh-Hans/";
        QTest::newRow("zh-CN falls through") << QStringList{"zh-CN"} << "en-US/";
        QTest::newRow("German, by language") << QStringList{"de-AT"} << "de-DE/";
        QTest::newRow("only the first counts") << QStringList{"pt-BR", "ja"} << "en-US/";
        QTest::newRow("no languages") << QStringList{} << "en-US/";
    }
    void websiteSegment()
    {
        QFETCH(QStringList, languages);
        QFETCH(QString, segment);
        QCOMPARE(AboutLinks::websiteSegment(languages), segment);
        QCOMPARE(AboutLinks::websiteURL(QStringLiteral("https://example.com/"), QStringLiteral("help"), languages),
                 QUrl(QStringLiteral("https://example.com/") + segment + QStringLiteral("help")));
    }

    void feedbackMail()
    {
        const auto mail = [](const QString &subject) {
            const QString version = AboutLinks::appVersionText(QStringLiteral("2.3"), QStringLiteral("41"));
            return AboutLinks::feedbackMailURL(QStringLiteral("help+app@example.com"), subject, version,
                                               QStringLiteral("Debian 12")).toString(QUrl::FullyEncoded);
        };
        const QString text = mail(QStringLiteral("Help me"));
        QVERIFY2(text.startsWith(QStringLiteral("mailto:help+app@example.com?subject=Help%20me&body=")), qPrintable(text));
        QVERIFY(!text.contains(QLatin1Char(' ')));
        const QString body = QUrl::fromPercentEncoding(text.section(QStringLiteral("&body="), 1).toUtf8());
        QCOMPARE(body, QStringLiteral("\n\n---\nApp: Stashline 2.3 (41)\nSystem: Debian 12"));
        // An empty subject falls back to the default one.
        QVERIFY(mail(QString()).contains(QStringLiteral("?subject=Stashline%20-%20Support&body=")));
        QCOMPARE(AboutLinks::appVersionText(std::nullopt, std::nullopt), QStringLiteral("1.0 (1)"));
    }

};

QTEST_GUILESS_MAIN(TestAboutLinks)
#include "tst_aboutlinks.moc"
