#pragma once

#include "ShareSectionListModel.h"

#include "store/SearchQuery.h"

#include <QObject>
#include <QPointer>
#include <QStringList>

class ShareListViewModel;

// The results of one search field: every live item that matches `query` (see SearchQuery for
// the words and filters), in the list's sections: the recent days, the older favourites, then
// the history days. Within a section the best match comes first (a title match before a content
// match), equal ranks newest first. The results are row ids until a view shows them.
//
// The search runs again whenever the list model reloads (after every save), so results follow
// edits, downloads and deletions. An empty or blank query shows nothing and is not active. A
// failed search shows no results. Main thread.
class ShareSearchModel : public QObject
{
    Q_OBJECT
    Q_PROPERTY(ShareListViewModel *viewModel READ viewModel WRITE setViewModel NOTIFY viewModelChanged)
    Q_PROPERTY(QString query READ query WRITE setQuery NOTIFY queryChanged)
    Q_PROPERTY(bool isActive READ isActive NOTIFY queryChanged)
    Q_PROPERTY(QStringList highlightTerms READ highlightTerms NOTIFY queryChanged)
    Q_PROPERTY(int resultCount READ resultCount NOTIFY resultsChanged)
    Q_PROPERTY(ShareSectionListModel *results READ results CONSTANT)

public:
    explicit ShareSearchModel(QObject *parent = nullptr);

    ShareListViewModel *viewModel() const { return m_viewModel; }
    void setViewModel(ShareListViewModel *viewModel);
    QString query() const { return m_query; }
    void setQuery(const QString &query);

    bool isActive() const { return !m_parsed.isEmpty(); }
    QStringList highlightTerms() const { return m_parsed.highlightTerms(); }
    int resultCount() const { return m_resultCount; }
    ShareSectionListModel *results() const { return m_results; }

    // The query with a filter word of the filter menu added or taken out (SearchQuery::withFilter).
    Q_INVOKABLE QString withFilter(const QString &word) const { return SearchQuery::withFilter(m_query, word); }

    // Runs the search now (setQuery and every reload of the list model do).
    void search();

signals:
    void viewModelChanged();
    void queryChanged();
    void resultsChanged();

private:
    QPointer<ShareListViewModel> m_viewModel;
    QString m_query;
    SearchQuery m_parsed;
    ShareSectionListModel *m_results;
    int m_resultCount = 0;
};
