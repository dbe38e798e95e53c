#include "SymbolCatalogue.h"
#include "SymbolImageProvider.h"

#include <QFile>
#include <QSet>
#include <QTest>

class TestSymbolCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void tableIsOneToOneAndEveryFileIsThere()
    {
        const QHash<QString, QString> &entries = SymbolCatalogue::shared().entries();
        QSet<QString> files;
        for (auto it = entries.cbegin(); it != entries.cend(); ++it) {
            QVERIFY2(QFile::exists(it.value()), qPrintable(it.value()));
            QVERIFY2(!files.contains(it.value()), qPrintable(it.key() + " shares " + it.value()));
            files.insert(it.value());
        }
    }

    void malformedTableLinesAreReported()
    {
        QStringList problems;
        const auto entries = SymbolCatalogue::parseTable(
            QStringLiteral("# comment\n\nstar outline/star\nbad line here\nx.y /etc/passwd\n"), &problems);
        QCOMPARE(entries.size(), 1);
        QCOMPARE(entries.value(QStringLiteral("star")), QStringLiteral(":/symbols/outline/star.svg"));
        QCOMPARE(problems.size(), 2);
    }

    void providerTintsKnownIconsAndIsBlankForUnknownOnes()
    {
        SymbolImageProvider provider;
        QSize size;
        const QImage star = provider.requestImage(QStringLiteral("star.fill?color=%23ff0000"), &size, QSize(32, 32));
        QCOMPARE(size, QSize(32, 32));
        QCOMPARE(star.pixelColor(16, 16).red(), 255);
        QCOMPARE(star.pixelColor(16, 16).green(), 0);
        const QImage unknown = provider.requestImage(QStringLiteral("no.such.icon?color=red"), &size, QSize(16, 16));
        QCOMPARE(unknown.size(), QSize(16, 16));
        QCOMPARE(unknown.pixelColor(8, 8).alpha(), 0);
    }
};

QTEST_MAIN(TestSymbolCatalogue)
#include "tst_symbolcatalogue.moc"
