#include "ShareUndoStack.h"

#include "store/ShareItem.h"

#include <QUndoCommand>

#include <algorithm>
#include <utility>

namespace {

// One recorded step. The change is made before it is pushed, so the push's redo does nothing.
class ShareChangeCommand : public QUndoCommand
{
public:
    ShareChangeCommand(const QString &text, QList<ShareUndoStack::Change> changes, ShareUndoStack::Apply apply)
        : QUndoCommand(text), m_changes(std::move(changes)), m_apply(std::move(apply))
    {
    }

    void undo() override { m_apply(m_changes, false); }
    void redo() override
    {
        if (std::exchange(m_isFirstRedo, false))
            return;
        m_apply(m_changes, true);
    }

private:
    QList<ShareUndoStack::Change> m_changes;
    ShareUndoStack::Apply m_apply;
    bool m_isFirstRedo = true;
};

} // namespace

ShareItemState ShareItemState::of(const ShareItem &item)
{
    return {item.title(), item.content(), item.contentType(), item.imageUUID(), item.isFavorite(), item.trashedAt()};
}

void ShareItemState::applyTo(ShareItem &item, const ShareItemState &other) const
{
    if (title != other.title)
        item.setTitle(title);
    if (content != other.content)
        item.setContent(content);
    if (contentType != other.contentType)
        item.setContentType(contentType);
    if (imageUUID != other.imageUUID)
        item.setImageUUID(imageUUID);
    if (isFavorite != other.isFavorite)
        item.setIsFavorite(isFavorite);
    if (trashedAt != other.trashedAt)
        item.setTrashedAt(trashedAt);
}

ShareUndoStack::ShareUndoStack(Apply apply, QObject *parent) : QObject(parent), m_apply(std::move(apply))
{
    connect(&m_stack, &QUndoStack::canUndoChanged, this, &ShareUndoStack::changed);
    connect(&m_stack, &QUndoStack::canRedoChanged, this, &ShareUndoStack::changed);
    connect(&m_stack, &QUndoStack::indexChanged, this, &ShareUndoStack::changed);
}

void ShareUndoStack::record(const QString &text, QList<Change> changes)
{
    changes.erase(std::remove_if(changes.begin(), changes.end(), [](const Change &change) { return change.before == change.after; }),
                  changes.end());
    if (changes.isEmpty())
        return;
    m_stack.push(new ShareChangeCommand(text, std::move(changes), m_apply));
}
