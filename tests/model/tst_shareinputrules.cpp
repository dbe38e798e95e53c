#include "model/ShareInputRules.h"

#include <QTest>

class TestShareInputRules : public QObject
{
    Q_OBJECT
private slots:
    void classifyContent_data()
    {
        QTest::addColumn<QString>("content");
        QTest::addColumn<bool>("hasImage");
        QTest::addColumn<QString>("type");
        QTest::newRow("web link") << "https://example.com/a" << false << "url";
        QTest::newRow("link with image") << "https://example.com/a" << true << "url";
        QTest::newRow("other scheme") << "mailto:someone@example.com" << false << "url";
        QTest::newRow("bare host has no scheme") << "example.com" << false << "text";
        QTest::newRow("sentence with image") << "look at this" << true << "image";
        QTest::newRow("empty with image") << "" << true << "image";
        QTest::newRow("sentence") << "buy milk" << false << "text";
        QTest::newRow("link inside a sentence") << "see https://example.com" << false << "text";
    }

    void classifyContent()
    {
        QFETCH(QString, content);
        QFETCH(bool, hasImage);
        QFETCH(QString, type);
        QCOMPARE(ShareInputRules::classifyContent(ShareInputRules::trimmed(content), hasImage), type);
    }

    void nothingToSave_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("content");
        QTest::addColumn<bool>("hasImage");
        QTest::addColumn<bool>("nothingToAdd");
        QTest::addColumn<bool>("nothingToSaveOnEdit");
        QTest::newRow("blanks only") << " \n" << " \t\n " << false << true << true;
        QTest::newRow("title only") << "Title" << "  " << false << true << false;
        QTest::newRow("image only") << "" << "" << true << false << false;
        QTest::newRow("content") << "" << " x " << false << false << false;
    }

    void nothingToSave()
    {
        QFETCH(QString, title);
        QFETCH(QString, content);
        QFETCH(bool, hasImage);
        QFETCH(bool, nothingToAdd);
        QFETCH(bool, nothingToSaveOnEdit);
        QCOMPARE(ShareInputRules::isNothingToAdd(content, hasImage), nothingToAdd);
        QCOMPARE(ShareInputRules::isNothingToSaveOnEdit(title, content, hasImage), nothingToSaveOnEdit);
        QCOMPARE(ShareInputRules::trimmed(QStringLiteral("\n  a b \r\n")), QStringLiteral("a b"));
    }

    void editImageIdentifier()
    {
        const QUuid original = QUuid::createUuid();
        const QUuid saved = QUuid::createUuid();
        int saves = 0;
        auto save = [&]() -> std::optional<QUuid> { ++saves; return saved; };
        QCOMPARE(ShareInputRules::editImageIdentifier(false, true, original, save), QUuid());
        QCOMPARE(ShareInputRules::editImageIdentifier(true, false, original, save), original);
        QCOMPARE(saves, 0);
        QCOMPARE(ShareInputRules::editImageIdentifier(true, true, original, save), saved);
        QCOMPARE(ShareInputRules::editImageIdentifier(true, true, original, [] { return std::optional<QUuid>(); }), QUuid());
    }
};

QTEST_GUILESS_MAIN(TestShareInputRules)
#include "tst_shareinputrules.moc"
