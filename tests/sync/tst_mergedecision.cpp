// The merge rule, cell by cell: one local state against one cloud state, and the instruction
// that comes out. The cells live in tests/data/merge-rule-cells.json, which the web companion's
// port of the rule is checked against too, so both sides keep one rule.
#include "Services/MergeDecision.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

using namespace MergeDecision;

Q_DECLARE_METATYPE(MergeDecision::LocalState)
Q_DECLARE_METATYPE(MergeDecision::CloudState)
Q_DECLARE_METATYPE(MergeDecision::Action)

namespace {

const QJsonObject &table()
{
    static const QJsonObject json = [] {
        QFile file(QStringLiteral(STASHLINE_MERGE_CELLS));
        if (!file.open(QIODevice::ReadOnly))
            qFatal("merge-rule-cells.json cannot be read");
        return QJsonDocument::fromJson(file.readAll()).object();
    }();
    return json;
}

QDateTime now()
{
    return QDateTime::fromString(table().value(QStringLiteral("now")).toString(), Qt::ISODateWithMs);
}

std::optional<QDateTime> time(const QJsonValue &minutes)
{
    return minutes.isDouble() ? std::optional(now().addSecs(minutes.toInt() * 60)) : std::nullopt;
}

LocalState localState(const QJsonValue &json)
{
    if (json.isNull())
        return {};
    const QJsonObject local = json.toObject();
    return {true, local.value(QStringLiteral("unsent")).toBool(), local.value(QStringLiteral("deletion")).toBool(),
            time(local.value(QStringLiteral("at"))), local.value(QStringLiteral("revision")).toString(QStringLiteral("3-a")),
            local.value(QStringLiteral("digest")).toString()};
}

QList<Leaf> leaves(const QJsonArray &json)
{
    QList<Leaf> leaves;
    for (const QJsonValue &value : json) {
        const QJsonObject leaf = value.toObject();
        leaves.append({leaf.value(QStringLiteral("revision")).toString(), leaf.value(QStringLiteral("deleted")).toBool(),
                       time(leaf.value(QStringLiteral("at"))), leaf.value(QStringLiteral("digest")).toString()});
    }
    return leaves;
}

CloudState cloudState(const QJsonValue &json)
{
    if (json == QStringLiteral("nothing"))
        return CloudState::none();
    if (json == QStringLiteral("tombstone"))
        return CloudState::deleted();
    return CloudState::branches(leaves(json.toArray()));
}

Action action(const QString &name)
{
    static const QHash<QString, Action> actions{{QStringLiteral("applyCloud"), Action::applyCloud},
                                                {QStringLiteral("keepLocal"), Action::keepLocal},
                                                {QStringLiteral("uploadAsNew"), Action::uploadAsNew},
                                                {QStringLiteral("deleteLocally"), Action::deleteLocally},
                                                {QStringLiteral("skip"), Action::skip}};
    if (!actions.contains(name))
        qFatal("merge-rule-cells.json names an unknown action");
    return actions.value(name);
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
        const QJsonArray cells = table().value(QStringLiteral("cells")).toArray();
        QVERIFY(cells.size() > 30);
        for (const QJsonValue &value : cells) {
            const QJsonObject cell = value.toObject();
            QTest::newRow(qPrintable(cell.value(QStringLiteral("name")).toString()))
                << localState(cell.value(QStringLiteral("local"))) << cloudState(cell.value(QStringLiteral("cloud")))
                << action(cell.value(QStringLiteral("action")).toString()) << cell.value(QStringLiteral("chosenLeaf")).toInt()
                << cell.value(QStringLiteral("settles")).toBool() << cell.value(QStringLiteral("sendsPicture")).toBool();
        }
    }
    void rule()
    {
        QFETCH(LocalState, local);
        QFETCH(CloudState, cloud);
        const Decision decision = decide(local, cloud, now());
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
        const QJsonObject everyOrder = table().value(QStringLiteral("everyOrder")).toObject();
        QList<Leaf> ordered = leaves(everyOrder.value(QStringLiteral("leaves")).toArray());
        const auto byRevision = [](const Leaf &a, const Leaf &b) { return a.revision < b.revision; };
        std::sort(ordered.begin(), ordered.end(), byRevision);
        QSet<QString> chosen;
        do {
            chosen.insert(ordered[chooseLeaf(ordered, now())].revision);
        } while (std::next_permutation(ordered.begin(), ordered.end(), byRevision));
        QCOMPARE(chosen, QSet<QString>{everyOrder.value(QStringLiteral("chosen")).toString()});
    }
};

QTEST_APPLESS_MAIN(TestMergeDecision)
#include "tst_mergedecision.moc"
