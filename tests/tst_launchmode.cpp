#include "app/StashlineApp.h"
#include "demo/MockState.h"
#include "demo/ScreenshotMockCopy.h"
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

    void mockCopyFollowsTheLocale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("gpt55");
        QTest::newRow("mainland China") << "zh_CN" << "GPT-5.5：智能体与 Codex";
        QTest::newRow("Brazilian Portuguese") << "pt_BR" << "GPT-5.5 for agents and Codex";
        QTest::newRow("Japanese") << "ja_JP" << "GPT-5.5：エージェントと Codex";
    }
    void mockCopyFollowsTheLocale()
    {
        QFETCH(QString, locale);
        QFETCH(QString, gpt55);
        QCOMPARE(makeMockCopy(QLocale(locale)).gpt55, gpt55);
    }

    void mockStates()
    {
        QLocale::setDefault(QLocale(QStringLiteral("en_US")));
        const QDateTime now = QDateTime::currentDateTime();
        std::optional<StoreError> error;

        auto full = PersistenceController::openInMemoryContainer(&error);
        MockState::populateMockState(QStringLiteral("FULL"), full->viewContext(), now);
        QVERIFY(!full->viewContext().hasChanges());
        const auto items = allItems(full->viewContext());
        QStringList titles;
        for (ShareItem *item : items) {
            titles.append(item->title());
            QCOMPARE(item->syncStatus(), ShareItem::SyncStatus::synced);
            QCOMPARE(item->contentKind(), ShareItem::ContentKind::url);
            QVERIFY(!item->isFavorite());
            QCOMPARE(item->linkURL().scheme(), QStringLiteral("https"));
        }
        QCOMPARE(titles, (QStringList{"GPT-5.5 for agents and Codex", "Claude Opus 4.7 for long tasks",
                                      "OpenAI models and Codex on AWS", "Claude Design turns prompts into prototypes"}));
        QCOMPARE(items.at(3)->createdAt(), now.addDays(-1));

        auto favorites = PersistenceController::openInMemoryContainer(&error);
        MockState::populateMockState(QStringLiteral("FAVORITES"), favorites->viewContext(), now);
        const auto favoriteItems = allItems(favorites->viewContext());
        QCOMPARE(favoriteItems.size(), 2);
        QVERIFY(favoriteItems.at(0)->isFavorite() && favoriteItems.at(1)->isFavorite());
        QCOMPARE(favoriteItems.at(0)->createdAt(), now.addDays(-6));
        QCOMPARE(favoriteItems.at(1)->createdAt(), now.addDays(-10));
        QCOMPARE(favoriteItems.at(0)->content(), items.at(3)->content()); // link 4 serves both

        for (const QString &state : {QStringLiteral("full"), QStringLiteral("EMPTY"), QStringLiteral("")}) {
            auto none = PersistenceController::openInMemoryContainer(&error);
            MockState::populateMockState(state, none->viewContext(), now);
            QVERIFY(allItems(none->viewContext()).isEmpty());
        }
        QLocale::setDefault(QLocale::system());
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
