#include "app/StashlineApp.h"
#include "platform/PersistentContainer.h"
#include "store/PersistenceController.h"
#include "store/ShareItem.h"

#include <QTest>

namespace {

QProcessEnvironment environmentWith(const QStringList &keys)
{
    QProcessEnvironment environment;
    for (const QString &key : keys)
        environment.insert(key, QString());
    return environment;
}

QList<ShareItem *> allItems(ManagedObjectContext &context)
{
    QList<ShareItem *> result;
    for (ManagedObject *object : context.execute(ShareItem::fetchRequest()).objects)
        result.append(static_cast<ShareItem *>(object));
    return result;
}

} // namespace

class TestLaunchMode : public QObject
{
    Q_OBJECT
private slots:
    void parse_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<bool>("isUITesting");
        QTest::addColumn<bool>("isTestRun");
        QTest::addColumn<QString>("mockState"); // "-" for absent
        const QString app = QStringLiteral("stashline");
        const QString testKey = QStringLiteral("XCTestConfigurationFilePath");
        QTest::newRow("normal run ignores -mockState") << QStringList{app, "-mockState", "FULL"} << QStringList{} << false << false << "-";
        QTest::newRow("UI test alone") << QStringList{app, "-UI_TESTING"} << QStringList{} << true << false << "-";
        QTest::newRow("test key with empty value") << QStringList{app, "-mockState", "EMPTY"} << QStringList{testKey} << false << true << "EMPTY";
        QTest::newRow("first -mockState counts") << QStringList{app, "-UI_TESTING", "-mockState", "FULL", "-mockState", "FAVORITES"}
                                                 << QStringList{} << true << false << "FULL";
        QTest::newRow("-mockState last") << QStringList{app, "-UI_TESTING", "-mockState"} << QStringList{} << true << false << "-";
        QTest::newRow("flag must match exactly") << QStringList{app, "-ui_testing", "--UI_TESTING"} << QStringList{} << false << false << "-";
        QTest::newRow("both") << QStringList{app, "-UI_TESTING", "-mockState", "-UI_TESTING"} << QStringList{testKey} << true << true << "-UI_TESTING";
    }
    void parse()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, environment);
        QFETCH(bool, isUITesting);
        QFETCH(bool, isTestRun);
        QFETCH(QString, mockState);
        const LaunchMode mode = LaunchMode::parse(arguments, environmentWith(environment));
        QCOMPARE(mode.isUITesting, isUITesting);
        QCOMPARE(mode.isTestRun, isTestRun);
        QCOMPARE(mode.mockState.value_or(QStringLiteral("-")), mockState);
    }

    void testRunSeedsTheInMemoryStoreFirst()
    {
        QLocale::setDefault(QLocale(QStringLiteral("zh_HK")));
        StashlineApp app({QStringLiteral("stashline"), QStringLiteral("-UI_TESTING"), QStringLiteral("-mockState"),
                          QStringLiteral("FAVORITES")},
                         QProcessEnvironment());
        QLocale::setDefault(QLocale::system());
        QVERIFY(app.isUITesting());
        QCOMPARE(&app.container(), &PersistenceController::previewContainer());
        const auto items = allItems(app.container().viewContext());
        QCOMPARE(items.size(), 2);
        QCOMPARE(items.at(0)->title(), QStringLiteral("收藏：Claude Design 原型工作流"));
        QCOMPARE(items.at(1)->title(), QStringLiteral("收藏：Claude 企業 AI 服務"));
    }
};

QTEST_GUILESS_MAIN(TestLaunchMode)
#include "tst_launchmode.moc"
