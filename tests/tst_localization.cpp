#include "platform/Localization.h"

#include <QCoreApplication>
#include <QTest>

class TestLocalization : public QObject
{
    Q_OBJECT
private slots:
    void languageFor_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("language");
        QTest::newRow("Brazilian Portuguese falls back") << "pt_BR" << "en";
        QTest::newRow("Quebec") << "fr_CA" << "fr";
        QTest::newRow("mainland China") << "zh_CN" << "zh_Hans";
        QTest::newRow("Singapore") << "zh_SG" << "zh_Hans";
        QTest::newRow("Hong Kong") << "zh_HK" << "zh_Hant";
    }
    void languageFor()
    {
        QFETCH(QString, locale);
        QFETCH(QString, language);
        QCOMPARE(Localization::languageFor(QLocale(locale)), language);
    }

    void identifierCarriesTheScript()
    {
        QCOMPARE(Localization::localeIdentifier(QLocale(QStringLiteral("zh_HK"))), QStringLiteral("zh_Hant_HK"));
        QCOMPARE(Localization::localeIdentifier(QLocale(QStringLiteral("zh_CN"))), QStringLiteral("zh_Hans_CN"));
    }

    void everyShippedLanguageLoads()
    {
        for (const char *locale : {"en_US", "es_ES", "fr_FR", "de_DE", "ko_KR", "ja_JP", "zh_CN", "zh_TW"}) {
            QVERIFY2(Localization::install(QLocale(QLatin1String(locale))), locale);
            QCOMPARE(qtTrId("Stashline"), QStringLiteral("Stashline"));
        }
        // A key without a translation shows the key itself rather than nothing.
        QCOMPARE(qtTrId("no.such.key"), QStringLiteral("no.such.key"));
    }
};

QTEST_GUILESS_MAIN(TestLocalization)
#include "tst_localization.moc"
