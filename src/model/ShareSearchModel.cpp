#include "ShareSearchModel.h"

#include "DaySections.h"
#include "ShareListViewModel.h"

#include "platform/ManagedObjectContext.h"
#include "store/ShareItemSearch.h"

#include <QHash>

#include <algorithm>

namespace {

// Best match first; the stable sort keeps equal ranks newest first.
void sortByRank(QList<qint64> &rowIds, const QHash<qint64, double> &ranks)
{
    std::stable_sort(rowIds.begin(), rowIds.end(),
                     [&ranks](qint64 left, qint64 right) { return ranks.value(left) < ranks.value(right); });
}

} // namespace

ShareSearchModel::ShareSearchModel(QObject *parent) : QObject(parent), m_results(new ShareSectionListModel(this)) {}

void ShareSearchModel::setViewModel(ShareListViewModel *viewModel)
{
    if (m_viewModel == viewModel)
        return;
    if (m_viewModel)
        disconnect(m_viewModel, nullptr, this, nullptr);
    m_viewModel = viewModel;
    if (viewModel) {
        connect(viewModel, &ShareListViewModel::reloaded, this, &ShareSearchModel::search);
        ManagedObjectContext *context = &viewModel->context();
        m_results->setResolver([context](qint64 rowId) {
            return static_cast<ShareItem *>(context->existingObject(ShareItem::entityName, rowId));
        });
    }
    emit viewModelChanged();
    search();
}

void ShareSearchModel::setQuery(const QString &query)
{
    if (m_query == query)
        return;
    m_query = query;
    m_parsed = SearchQuery::parse(query);
    emit queryChanged();
    search();
}

void ShareSearchModel::search()
{
    QList<ShareSection> sections;
    int count = 0;
    if (m_viewModel && isActive()) {
        const QDateTime now = m_viewModel->now();
        const Calendar &calendar = m_viewModel->calendar();
        const ShareItemSearch::Result found =
            ShareItemSearch::run(m_viewModel->context(), m_parsed, calendar.timeZone(), now);
        const qint64 nowMsecs = now.toMSecsSinceEpoch();
        const qint64 cutoff = DaySections::recentCutoff(calendar, now).toMSecsSinceEpoch();
        std::vector<DaySections::Entry> recent;
        std::vector<DaySections::Entry> favorites;
        std::vector<DaySections::Entry> history;
        QHash<qint64, double> ranks;
        ranks.reserve(found.hits.size());
        for (const ShareItemSearch::Hit &hit : found.hits) {
            const DaySections::Entry entry{hit.createdAt.isValid() ? hit.createdAt.toMSecsSinceEpoch() : nowMsecs,
                                           nullptr, hit.rowId};
            ranks.insert(hit.rowId, hit.rank);
            if (entry.msecs >= cutoff)
                recent.push_back(entry);
            else if (hit.isFavorite)
                favorites.push_back(entry);
            else
                history.push_back(entry);
        }
        count = int(found.hits.size());
        sections = DaySections::make(std::move(recent), calendar, now);
        if (!favorites.empty()) {
            std::stable_sort(favorites.begin(), favorites.end(),
                             [](const auto &left, const auto &right) { return left.msecs > right.msecs; });
            ShareSection section{QStringLiteral("Favorites"), qtTrId("share.favorites.title"), {}, {}};
            for (const DaySections::Entry &entry : favorites)
                section.rowIds.append(entry.rowId);
            sections.append(section);
        }
        sections += DaySections::make(std::move(history), calendar, now);
        for (ShareSection &section : sections)
            sortByRank(section.rowIds, ranks);
    }
    m_results->setSections(sections);
    m_resultCount = count;
    emit resultsChanged();
}
