#include "platform/Localization.h"
#include "platform/PhraseBreaker.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QTest>
#include <QTextBoundaryFinder>

namespace {

// The places where Qt's line breaking may end a line of `text` (as offsets into it with the word
// joiners taken out).
QList<int> lineBreaks(const QString &text)
{
    QList<int> breaks;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Line, text);
    int joinersBefore = 0;
    for (int position = finder.toNextBoundary(); position > 0 && position < text.size(); position = finder.toNextBoundary()) {
        joinersBefore = int(text.left(position).count(PhraseBreaker::wordJoiner));
        breaks.append(position - joinersBefore);
    }
    return breaks;
}

} // namespace

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
        // Qt's own texts come in the same language where the system has them.
        if (QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_ja.qm"))) {
            QVERIFY(Localization::install(QLocale(QStringLiteral("ja_JP"))));
            QCOMPARE(QCoreApplication::translate("QFileDialog", "Open"), QStringLiteral("開く"));
        }
    }

    // A Japanese text wraps between its phrases only, a Korean one between words; placeholders
    // and Latin words are left as they were.
    void linesBreakWhereTheLanguageAllows()
    {
        QVERIFY(Localization::install(QLocale(QStringLiteral("ja_JP"))));
        const QString message = qtTrId("general.delete.confirmation.message");
        const QString plain = QString(message).remove(PhraseBreaker::wordJoiner);
        QCOMPARE(plain, QStringLiteral("すべてのデバイスから削除されます。この操作は取り消せません。"));
        const QList<int> breaks = lineBreaks(message);
        // "すべての|デバイスから|削除されます。|この|操作は|取り消せません。"
        const QList<int> phraseEnds = {4, 10, 17, 19, 22};
        for (int position : breaks)
            QVERIFY2(phraseEnds.contains(position), qPrintable(QStringLiteral("a break at %1 of %2").arg(position).arg(plain)));
        QVERIFY(breaks.contains(17)); // after the full stop
        QVERIFY(!breaks.contains(int(plain.indexOf(QStringLiteral("ん。"))))); // never "取り消せませ|ん。"

        const PhraseBreaker *japanese = PhraseBreaker::japanese();
        QVERIFY(japanese);
        QCOMPARE(japanese->keepingPhrasesTogether(QStringLiteral("%1 件を削除")).remove(PhraseBreaker::wordJoiner).size(), 7);
        QVERIFY(japanese->keepingPhrasesTogether(QStringLiteral("%1 件を削除")).startsWith(QStringLiteral("%1 ")));
        QCOMPARE(japanese->keepingPhrasesTogether(QStringLiteral("Stashline")), QStringLiteral("Stashline"));

        const QString korean = PhraseBreaker::keepingWordsTogether(QStringLiteral("모든 기기에서 삭제됩니다"));
        QCOMPARE(lineBreaks(korean), (QList<int>{3, 8}));
        QVERIFY(!PhraseBreaker::fromModel("not a model"));
        QVERIFY(Localization::install(QLocale(QStringLiteral("en_US"))));
    }
};

QTEST_GUILESS_MAIN(TestLocalization)
#include "tst_localization.moc"
