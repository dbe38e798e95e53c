#include "model/ShareSectionListModel.h"
#include "store/PersistenceController.h"
#include "store/ShareItem.h"

#include <QAbstractItemModelTester>
#include <QTest>

class TestShareSectionListModel : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<PersistentContainer> m_container;
    QHash<QString, ShareItem *> m_items;

    // "Today:a,b|Mar 5, 2024:c" (ids "Today-id", ...); items are made once per name.
    QList<ShareSection> sections(const QString &layout)
    {
        QList<ShareSection> result;
        for (const QString &part : layout.split(QLatin1Char('|'), Qt::SkipEmptyParts)) {
            const QString title = part.section(QLatin1Char(':'), 0, 0);
            ShareSection section{title + QStringLiteral("-id"), title, {}, {}};
            for (const QString &name : part.section(QLatin1Char(':'), 1).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
                if (!m_items.contains(name)) {
                    m_items.insert(name, ShareItem::insert(m_container->viewContext()));
                    m_items.value(name)->setTitle(name);
                }
                section.shares.append(m_items.value(name));
            }
            result.append(section);
        }
        return result;
    }

    // "#Today a b": headers by the section title they carry, rows by their item's title.
    static QString rows(const ShareSectionListModel &model)
    {
        QStringList texts;
        for (int row = 0; row < model.rowCount(); ++row) {
            const QModelIndex index = model.index(row);
            const auto *item = qobject_cast<ShareItem *>(index.data(ShareSectionListModel::ItemRole).value<QObject *>());
            texts.append(index.data(ShareSectionListModel::IsHeaderRole).toBool()
                             ? QStringLiteral("#") + index.data(ShareSectionListModel::SectionTitleRole).toString()
                             : (item ? item->title() : QStringLiteral("<no item>")));
        }
        return texts.join(QLatin1Char(' '));
    }

private slots:
    void init()
    {
        std::optional<StoreError> error;
        m_container = PersistenceController::openInMemoryContainer(&error);
        m_items.clear();
    }

    void update_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("changes"); // "-first..last" removed, "+first..last" inserted
        QTest::addColumn<QString>("rows");

        QTest::newRow("first load") << "" << "Today:a,b|Mar 5:c" << "+0..4" << "#Today a b #Mar 5 c";
        QTest::newRow("nothing changed") << "Today:a,b|Mar 5:c" << "Today:a,b|Mar 5:c" << "" << "#Today a b #Mar 5 c";
        QTest::newRow("added on top") << "Today:a,b|Mar 5:c" << "Today:n,a,b|Mar 5:c" << "+1..1" << "#Today n a b #Mar 5 c";
        QTest::newRow("last of a day deleted") << "Today:a|Mar 5:c|Mar 1:d" << "Today:a|Mar 1:d" << "-2..3" << "#Today a #Mar 1 d";
        QTest::newRow("day renamed at midnight") << "Today:a|Yesterday:b" << "Yesterday:a|Mar 5:b" << "-0..3 +0..3"
                                                 << "#Yesterday a #Mar 5 b";
    }

    void update()
    {
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(QString, changes);
        QFETCH(QString, rows);
        ShareSectionListModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.setSections(sections(before));

        QStringList seen;
        connect(&model, &QAbstractItemModel::rowsRemoved, this,
                [&seen](const QModelIndex &, int first, int last) { seen.append(QStringLiteral("-%1..%2").arg(first).arg(last)); });
        connect(&model, &QAbstractItemModel::rowsInserted, this,
                [&seen](const QModelIndex &, int first, int last) { seen.append(QStringLiteral("+%1..%2").arg(first).arg(last)); });
        connect(&model, &QAbstractItemModel::modelReset, this, [&seen] { seen.append(QStringLiteral("reset")); });
        model.setSections(sections(after));
        QCOMPARE(seen.join(QLatin1Char(' ')), changes);
        QCOMPARE(TestShareSectionListModel::rows(model), rows);
    }
};

QTEST_GUILESS_MAIN(TestShareSectionListModel)
#include "tst_sharesectionlistmodel.moc"
