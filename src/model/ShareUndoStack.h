#pragma once

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>
#include <QUndoStack>
#include <QUuid>

#include <functional>

class ShareItem;

// What of an item the user changes and undo puts back: the fields of the edit page, the
// favourite flag and whether it is in the trash.
struct ShareItemState {
    QString title;
    QString content;
    QString contentType;
    QUuid imageUUID;
    bool isFavorite = false;
    QDateTime trashedAt;

    static ShareItemState of(const ShareItem &item);
    // Writes to `item` the fields in which this state differs from `other` (what the change being
    // undone or redone touched), so an undo of an edit leaves the trash alone and the other way
    // round; marks nothing changed by itself.
    void applyTo(ShareItem &item, const ShareItemState &other) const;
    bool operator==(const ShareItemState &other) const = default;
};

// The session's undo history of deletes, edits and favourite changes, over Qt's QUndoStack.
//
// The list model records each change after it made it; undo writes the states from before,
// redo the states after, through the model's `apply`, which stamps the item changed (so an undo
// is an ordinary later change and syncs like any edit). Items are named by uuid, so an entry
// stays valid when the store drops and reloads its objects; an item that is gone (removed for
// good meanwhile) is skipped. Main thread.
class ShareUndoStack : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool canUndo READ canUndo NOTIFY changed)
    Q_PROPERTY(bool canRedo READ canRedo NOTIFY changed)

public:
    struct Change {
        QUuid uuid;
        ShareItemState before;
        ShareItemState after;
    };
    // Writes, for each change, `before` (undo) or `after` (redo) to the item of that uuid.
    using Apply = std::function<void(const QList<Change> &changes, bool toAfter)>;

    explicit ShareUndoStack(Apply apply, QObject *parent = nullptr);

    // Records changes already made as one step; changes that changed nothing are left out.
    void record(const QString &text, QList<Change> changes);

    bool canUndo() const { return m_stack.canUndo(); }
    bool canRedo() const { return m_stack.canRedo(); }
    int count() const { return m_stack.count(); }
    Q_INVOKABLE void undo() { m_stack.undo(); }
    Q_INVOKABLE void redo() { m_stack.redo(); }

signals:
    void changed();

private:
    QUndoStack m_stack;
    Apply m_apply;
};
