// The merge rule, cell by cell: one local state against one cloud state, and the instruction
// that comes out.
#include "Services/MergeDecision.h"

#include <QTest>

using namespace MergeDecision;

Q_DECLARE_METATYPE(MergeDecision::LocalState)
Q_DECLARE_METATYPE(MergeDecision::CloudState)
Q_DECLARE_METATYPE(MergeDecision::Action)

namespace {

const QDateTime now = QDateTime(QDate(2026, 12, 7), QTime(12, 0), Qt::UTC);

std::optional<QDateTime> at(int minutes)
{
    return now.addSecs(minutes * 60);
}

LocalState synced(int minutes, const QString &revision = QStringLiteral("3-a"), const QString &digest = {})
{
    return {true, false, false, at(minutes), revision, digest};
}

LocalState edited(std::optional<QDateTime> when, const QString &revision = QStringLiteral("3-a"), const QString &digest = {})
{
    return {true, true, false, when, revision, digest};
}

LocalState markedForDeletion(int minutes)
{
    return {true, true, true, at(minutes), QStringLiteral("3-a"), {}};
}

Leaf leaf(const QString &revision, std::optional<QDateTime> when, const QString &digest = {}, bool isDeleted = false)
{
    return {revision, isDeleted, when, digest};
}

Leaf deletion(const QString &revision, int minutes)
{
    return leaf(revision, at(minutes), {}, true);
}

} // namespace

class TestMergeDecision : public QObject
{
    Q_OBJECT
private slots:
    void rule_data()
    {
        QTest::addColumn<LocalState>("local");
        QTest::addColumn<CloudState>("cloud");
        QTest::addColumn<Action>("action");
        QTest::addColumn<int>("chosenLeaf");
        QTest::addColumn<bool>("settles");
        QTest::addColumn<bool>("sendsPicture");
        const LocalState none;
        const CloudState nothing = CloudState::none();

        // No document in the cloud: a database made anew, or a write that never landed.
        QTest::newRow("nothing, no item") << none << nothing << Action::skip << 0 << false << false;
        QTest::newRow("nothing, a deletion here") << markedForDeletion(0) << nothing << Action::deleteLocally << 0 << false << false;
        QTest::newRow("nothing, an item here") << synced(0, QStringLiteral("3-a"), QStringLiteral("md5-p")) << nothing
                                               << Action::uploadAsNew << 0 << false << true;

        // A deletion wins from either side.
        QTest::newRow("tombstone, later change here") << edited(at(30)) << CloudState::deleted() << Action::deleteLocally << 0 << false << false;
        QTest::newRow("tombstone, no item") << none << CloudState::deleted() << Action::skip << 0 << false << false;
        QTest::newRow("deletion elsewhere, later change here")
            << edited(at(30)) << CloudState::single(deletion(QStringLiteral("4-b"), 10)) << Action::deleteLocally << 0 << false << false;
        QTest::newRow("deletion elsewhere, no item") << none << CloudState::single(deletion(QStringLiteral("4-b"), 10))
                                                     << Action::skip << 0 << false << false;
        QTest::newRow("deletion here, later change elsewhere")
            << markedForDeletion(10) << CloudState::single(leaf(QStringLiteral("4-b"), at(30))) << Action::keepLocal << 0 << false << true;

        // A new record.
        QTest::newRow("new record") << none << CloudState::single(leaf(QStringLiteral("1-b"), at(0))) << Action::applyCloud << 0 << false << false;

        // Both sides changed, in either order; the same time goes to the cloud.
        QTest::newRow("both changed, cloud later")
            << edited(at(10)) << CloudState::single(leaf(QStringLiteral("4-b"), at(20))) << Action::applyCloud << 0 << false << false;
        QTest::newRow("both changed, local later")
            << edited(at(20), QStringLiteral("3-a"), QStringLiteral("md5-p"))
            << CloudState::single(leaf(QStringLiteral("4-b"), at(10), QStringLiteral("md5-p"))) << Action::keepLocal << 0 << false << false;
        QTest::newRow("both changed at the same time")
            << edited(at(10)) << CloudState::single(leaf(QStringLiteral("4-b"), at(10))) << Action::applyCloud << 0 << false << false;

        // Missing, garbled (read as missing) and far-future times.
        QTest::newRow("cloud time missing") << edited(at(-600)) << CloudState::single(leaf(QStringLiteral("4-b"), std::nullopt))
                                            << Action::keepLocal << 0 << false << true;
        QTest::newRow("local time missing") << edited(std::nullopt) << CloudState::single(leaf(QStringLiteral("4-b"), at(-600)))
                                            << Action::applyCloud << 0 << false << false;
        QTest::newRow("both times missing") << edited(std::nullopt) << CloudState::single(leaf(QStringLiteral("4-b"), std::nullopt))
                                            << Action::applyCloud << 0 << false << false;
        QTest::newRow("far-future cloud time counts as now")
            << edited(at(1)) << CloudState::single(leaf(QStringLiteral("4-b"), at(60 * 24 * 30))) << Action::keepLocal << 0 << false << true;

        // A synced item has nothing to defend, whatever the clocks say.
        QTest::newRow("synced item, older cloud change")
            << synced(30) << CloudState::single(leaf(QStringLiteral("4-b"), at(-30))) << Action::applyCloud << 0 << false << false;

        // Stale reads of this database, and a revision of another one.
        QTest::newRow("older revision") << synced(0, QStringLiteral("5-a"))
                                        << CloudState::single(leaf(QStringLiteral("4-b"), at(60))) << Action::skip << 0 << false << false;
        QTest::newRow("older revision, change here") << edited(at(0), QStringLiteral("5-a"))
                                                     << CloudState::single(leaf(QStringLiteral("4-b"), at(60))) << Action::skip << 0 << false << false;
        QTest::newRow("revision of a database made anew")
            << synced(0, QString()) << CloudState::single(leaf(QStringLiteral("1-n"), at(-60))) << Action::applyCloud << 0 << false << false;

        // The revision the item holds, with the same picture digest or another one.
        QTest::newRow("held revision, same picture")
            << synced(0, QStringLiteral("3-a"), QStringLiteral("md5-p"))
            << CloudState::single(leaf(QStringLiteral("3-a"), at(0), QStringLiteral("md5-p"))) << Action::skip << 0 << false << false;
        QTest::newRow("held revision, picture never came")
            << synced(0, QStringLiteral("3-a"), QStringLiteral("md5-old"))
            << CloudState::single(leaf(QStringLiteral("3-a"), at(0), QStringLiteral("md5-p"))) << Action::applyCloud << 0 << false << false;
        QTest::newRow("a refused write: the times decide")
            << edited(at(5), QString()) << CloudState::single(leaf(QStringLiteral("3-a"), at(0))) << Action::keepLocal << 0 << false << true;
        QTest::newRow("held revision, change here") << edited(at(5)) << CloudState::single(leaf(QStringLiteral("3-a"), at(0)))
                                                    << Action::skip << 0 << false << false;
        QTest::newRow("later change here, other picture")
            << edited(at(20), QStringLiteral("3-a"), QStringLiteral("md5-mine"))
            << CloudState::single(leaf(QStringLiteral("4-b"), at(10), QStringLiteral("md5-theirs"))) << Action::keepLocal << 0 << false << true;

        // Branches: the same rule chooses among every leaf, and the outcome settles them.
        const CloudState laterOnShorter = CloudState::branches({leaf(QStringLiteral("5-long"), at(-60)), leaf(QStringLiteral("3-short"), at(10))});
        const CloudState laterOnLonger = CloudState::branches({leaf(QStringLiteral("5-long"), at(10)), leaf(QStringLiteral("3-short"), at(-60))});
        QTest::newRow("branches, later edit on the shorter") << synced(-90) << laterOnShorter << Action::applyCloud << 1 << true << false;
        QTest::newRow("branches, later edit on the longer") << synced(-90) << laterOnLonger << Action::applyCloud << 0 << true << false;
        QTest::newRow("branches, not here yet") << none << laterOnShorter << Action::applyCloud << 1 << true << false;
        QTest::newRow("branches, a deletion on one")
            << synced(-90) << CloudState::branches({leaf(QStringLiteral("5-long"), at(10)), deletion(QStringLiteral("3-short"), -60)})
            << Action::deleteLocally << 1 << true << false;
        QTest::newRow("branches, a deletion and no item")
            << none << CloudState::branches({leaf(QStringLiteral("5-long"), at(10)), deletion(QStringLiteral("3-short"), -60)})
            << Action::deleteLocally << 1 << true << false;
        QTest::newRow("branches, a later change here") << edited(at(30), QStringLiteral("5-long")) << laterOnShorter
                                                       << Action::keepLocal << 1 << true << true;
        QTest::newRow("branches, an earlier change here") << edited(at(0), QStringLiteral("5-long")) << laterOnShorter
                                                          << Action::applyCloud << 1 << true << false;
        QTest::newRow("branches at the same time: the higher revision")
            << synced(-90) << CloudState::branches({leaf(QStringLiteral("2-b"), at(10)), leaf(QStringLiteral("3-a"), at(10))})
            << Action::applyCloud << 1 << true << false;
    }
    void rule()
    {
        QFETCH(LocalState, local);
        QFETCH(CloudState, cloud);
        const Decision decision = decide(local, cloud, now);
        QTEST(decision.action, "action");
        if (decision.action == Action::skip)
            return;
        QTEST(decision.chosenLeaf, "chosenLeaf");
        QTEST(decision.settlesBranches, "settles");
        if (decision.action == Action::keepLocal || decision.action == Action::uploadAsNew)
            QTEST(decision.sendsPicture, "sendsPicture");
    }

    // Devices see leaves in any order; they must all choose the same one, or they would undo
    // each other's settling.
    void everyOrderChoosesTheSameLeaf()
    {
        QList<Leaf> leaves{leaf(QStringLiteral("4-c"), at(5)), leaf(QStringLiteral("6-a"), at(5)), leaf(QStringLiteral("6-b"), at(5)),
                           leaf(QStringLiteral("9-z"), std::nullopt), leaf(QStringLiteral("2-x"), at(-5))};
        std::sort(leaves.begin(), leaves.end(), [](const Leaf &a, const Leaf &b) { return a.revision < b.revision; });
        QSet<QString> chosen;
        do {
            chosen.insert(leaves[chooseLeaf(leaves, now)].revision);
        } while (std::next_permutation(leaves.begin(), leaves.end(),
                                       [](const Leaf &a, const Leaf &b) { return a.revision < b.revision; }));
        QCOMPARE(chosen, QSet<QString>{QStringLiteral("6-b")});
    }
};

QTEST_APPLESS_MAIN(TestMergeDecision)
#include "tst_mergedecision.moc"
