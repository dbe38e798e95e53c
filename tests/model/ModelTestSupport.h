#pragma once

#include "Services/SyncManagerProtocol.h"
#include "model/ShareListViewModel.h"
#include "store/ShareItem.h"

#include <QSet>
#include <QStringList>
#include <QTest>

#include <functional>

// A sync interface that records what it was asked, in order, into a shared log.
class RecordingSyncManager : public SyncManagerProtocol
{
public:
    explicit RecordingSyncManager(QStringList *log = nullptr) : m_log(log) {}

    void uploadPendingItems() override
    {
        record(QStringLiteral("upload"));
        ++uploads;
        if (onUpload)
            onUpload();
    }
    void downloadItems() override
    {
        record(QStringLiteral("download"));
        ++downloads;
    }
    void retry(ShareItem *item) override
    {
        record(QStringLiteral("retry"));
        retried.append(item);
    }

    int uploads = 0;
    int downloads = 0;
    QList<ShareItem *> retried;
    std::function<void()> onUpload;

private:
    void record(const QString &entry)
    {
        if (m_log)
            m_log->append(entry);
    }
    QStringList *m_log;
};

// "Today: a, b | Yesterday: c", using the items' titles.
inline QString describe(const QList<ShareSection> &sections)
{
    QStringList parts;
    for (const ShareSection &section : sections) {
        QStringList titles;
        for (const ShareItem *item : section.shares)
            titles.append(item->title());
        parts.append(section.title + QStringLiteral(": ") + titles.join(QStringLiteral(", ")));
    }
    return parts.join(QStringLiteral(" | "));
}

// The invariants that hold after every rebuild; reports the first one broken.
inline QString brokenInvariant(const ShareListViewModel &model)
{
    QList<ShareItem *> placed;
    for (const auto *group : {&model.recentSections(), &model.favoriteSections(), &model.historySections()}) {
        for (const ShareSection &section : *group) {
            if (section.shares.isEmpty())
                return QStringLiteral("empty section ") + section.title;
            placed.append(section.shares);
        }
    }
    if (placed.size() != model.shares().size()
        || QSet<ShareItem *>(placed.begin(), placed.end()) != QSet<ShareItem *>(model.shares().begin(), model.shares().end()))
        return QStringLiteral("items not placed exactly once");
    if (model.favoriteSections().size() > 1)
        return QStringLiteral("more than one favourites section");
    if (model.hasHistory() != !model.historySections().isEmpty())
        return QStringLiteral("hasHistory disagrees with the history sections");
    return {};
}
