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
        QTest::newRow("other scheme") << "mailto:someone@example.com" << false << "url";
        QTest::newRow("bare host has no scheme") << "example.com" << false << "text";
        QTest::newRow("link inside a sentence") << "see https://example.com" << false << "text";
        QTest::newRow("empty with image") << "" << true << "image";
    }

    void classifyContent()
    {
        QFETCH(QString, content);
        QFETCH(bool, hasImage);
        QFETCH(QString, type);
        QCOMPARE(ShareInputRules::classifyContent(content, hasImage), type);
    }

    // A picture picked during the edit whose save failed leaves the item without one, not with
    // the picture it had before.
    void failedImageSaveOnEdit()
    {
        const QUuid original = QUuid::createUuid();
        QCOMPARE(ShareInputRules::editImageIdentifier(true, true, original, [] { return std::optional<QUuid>(); }), QUuid());
        QCOMPARE(ShareInputRules::editImageIdentifier(true, true, original, {}), QUuid());
    }
};

QTEST_GUILESS_MAIN(TestShareInputRules)
#include "tst_shareinputrules.moc"
