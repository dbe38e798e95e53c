#include "MockState.h"

#include "ScreenshotMockCopy.h"
#include "store/ShareItem.h"

#include <QUuid>

namespace MockState {
namespace {

const QString link1 = QStringLiteral("https://news.example.com/2026/04/gpt-5-5-agents-codex");
const QString link2 = QStringLiteral("https://news.example.com/2026/04/claude-opus-4-7-long-tasks");
const QString link3 = QStringLiteral("https://news.example.com/2026/05/openai-models-codex-aws");
const QString link4 = QStringLiteral("https://news.example.com/2026/05/claude-design-prototypes");
const QString link5 = QStringLiteral("https://news.example.com/2026/06/claude-enterprise-ai-services");

void makeItem(ManagedObjectContext &context, const QString &title, const QDateTime &createdAt, const QString &link,
              bool isFavorite)
{
    ShareItem *item = ShareItem::insert(context);
    item->setUuid(QUuid::createUuid());
    item->setTitle(title);
    item->setIsCompleted(false);
    item->setDueDate({});
    item->setCreatedAt(createdAt);
    item->setSyncStatus(ShareItem::SyncStatus::pending);
    item->setIsMarkedForDeletion(false);
    item->setIsFavorite(false);
    item->setContent(link);
    item->setContentType(QStringLiteral("url"));
    item->setIsFavorite(isFavorite);
    item->setSyncStatus(ShareItem::SyncStatus::synced);
}

} // namespace

void populateMockState(const QString &state, ManagedObjectContext &context, const QDateTime &now)
{
    // Earlier times are calendar steps back from now in local time.
    if (state == QLatin1String("FULL")) {
        const ScreenshotMockCopy copy = makeMockCopy();
        makeItem(context, copy.gpt55, now, link1, false);
        makeItem(context, copy.claudeOpus, now.addSecs(-2 * 3600), link2, false);
        makeItem(context, copy.openAIOnAWS, now.addSecs(-5 * 3600), link3, false);
        makeItem(context, copy.claudeDesign, now.addDays(-1), link4, false);
    } else if (state == QLatin1String("FAVORITES")) {
        const ScreenshotMockCopy copy = makeMockCopy();
        makeItem(context, copy.favoriteDesign, now.addDays(-6), link4, true);
        makeItem(context, copy.favoriteEnterprise, now.addDays(-10), link5, true);
    }
    (void)context.save();
}

} // namespace MockState

