#pragma once

#include "platform/ManagedObjectContext.h"

#include <QDateTime>
#include <QString>
#include <QUrl>
#include <QUuid>

#include <optional>

// The one persisted record: a note, a link or an image to carry to another device.
//
// Attributes are read and written by name; optional ones are absent as a null QString, an
// invalid QDateTime or a null QUuid. Every setter whose value changes marks the record changed
// and emits the attribute's signal, so a row showing the item redraws by itself. Records are
// owned by their context; callers hold pointers and never copy them. Main thread only.
class ShareItem : public ManagedObject
{
    Q_OBJECT
    Q_PROPERTY(QUuid uuid READ uuid WRITE setUuid NOTIFY uuidChanged)
    Q_PROPERTY(QString title READ title WRITE setTitle NOTIFY titleChanged)
    Q_PROPERTY(bool isCompleted READ isCompleted WRITE setIsCompleted NOTIFY isCompletedChanged)
    Q_PROPERTY(QDateTime dueDate READ dueDate WRITE setDueDate NOTIFY dueDateChanged)
    Q_PROPERTY(QDateTime createdAt READ createdAt WRITE setCreatedAt NOTIFY createdAtChanged)
    Q_PROPERTY(int syncStatus READ syncStatusValue NOTIFY syncStatusChanged)
    Q_PROPERTY(QString cloudKitRecordID READ cloudKitRecordID WRITE setCloudKitRecordID NOTIFY cloudKitRecordIDChanged)
    Q_PROPERTY(QDateTime lastSyncDate READ lastSyncDate WRITE setLastSyncDate NOTIFY lastSyncDateChanged)
    Q_PROPERTY(bool isMarkedForDeletion READ isMarkedForDeletion WRITE setIsMarkedForDeletion NOTIFY isMarkedForDeletionChanged)
    Q_PROPERTY(bool isFavorite READ isFavorite WRITE setIsFavorite NOTIFY isFavoriteChanged)
    Q_PROPERTY(QString content READ content WRITE setContent NOTIFY contentChanged)
    Q_PROPERTY(QString contentType READ contentType WRITE setContentType NOTIFY contentTypeChanged)
    Q_PROPERTY(QUuid imageUUID READ imageUUID WRITE setImageUUID NOTIFY imageUUIDChanged)
    Q_PROPERTY(qint64 localChangeCount READ localChangeCount NOTIFY localChangeCountChanged)
    Q_PROPERTY(QDateTime modifiedAt READ modifiedAt WRITE setModifiedAt NOTIFY modifiedAtChanged)
    Q_PROPERTY(QString cloudRevision READ cloudRevision WRITE setCloudRevision NOTIFY cloudRevisionChanged)
    Q_PROPERTY(QString imageDigest READ imageDigest WRITE setImageDigest NOTIFY imageDigestChanged)
    Q_PROPERTY(QDateTime trashedAt READ trashedAt WRITE setTrashedAt NOTIFY trashedAtChanged)
    Q_PROPERTY(bool isTrashed READ isTrashed NOTIFY trashedAtChanged)
    Q_PROPERTY(QString contentKindName READ contentKindName NOTIFY contentTypeChanged)
    Q_PROPERTY(QUrl linkURL READ linkURL NOTIFY linkInputsChanged)

public:
    static inline const QString entityName = QStringLiteral("ShareItem");

    enum class SyncStatus : qint16 { pending = 0, syncing = 1, synced = 2, failed = 3 };
    enum class ContentKind { text, url, image };

    // The status for a stored raw value; none for values other than 0 to 3.
    static std::optional<SyncStatus> decodeSyncStatus(qint64 rawValue);
    // The kind for a stored text; absent and unknown texts (compared exactly) read as text.
    static ContentKind decodeContentKind(const QString &storedText);
    static QString contentKindText(ContentKind kind);
    // "pending", "syncing", "synced" or "failed", for log lines and the command line.
    static QString syncStatusText(SyncStatus status);

    // The entity as the store knows it: attributes in column order.
    static const EntityDescription &entityDescription();

    // A request for every ShareItem, newest createdAt first, with no predicate or limit.
    static FetchRequest fetchRequest();
    // "isMarkedForDeletion == NO"
    static Predicate notMarkedForDeletionPredicate();
    // The trash: "isMarkedForDeletion == NO AND trashedAt != nil".
    static Predicate trashedPredicate();
    // The trash older than `cutoff`: "isMarkedForDeletion == NO AND trashedAt < cutoff".
    static Predicate trashedBeforePredicate(const QDateTime &cutoff);
    // "(syncStatus == a OR syncStatus == b OR syncStatus == c) OR isMarkedForDeletion == YES"
    static Predicate statusOrDeletionPredicate(SyncStatus first, SyncStatus second, SyncStatus third);
    // "uuid == %@"
    static Predicate uuidPredicate(const QUuid &uuid);
    // The list's recent group is the items of these two: "isMarkedForDeletion == NO AND trashedAt
    // == nil AND createdAt >= cutoff", and the same with "createdAt == nil" (an item without a
    // creation date counts as created now). Items in the trash are in none of the list's groups. Apart, each reads only its own items through the index of
    // creation dates.
    static Predicate recentPredicate(const QDateTime &cutoff);
    static Predicate undatedPredicate();
    // The older items: "isMarkedForDeletion == NO AND trashedAt == nil AND createdAt < cutoff AND
    // isFavorite == isFavorite", the older favourites or the history.
    static Predicate olderPredicate(const QDateTime &cutoff, bool isFavorite);
    // "imageUUID != nil": the items that hold a picture.
    static Predicate hasPicturePredicate();
    // "syncStatus == %@ AND isMarkedForDeletion == NO"
    static Predicate statusPredicate(SyncStatus status);

    // A new record in `context`; its insert defaults have run.
    static ShareItem *insert(ManagedObjectContext &context);

    void awakeFromInsert() override;

    QUuid uuid() const { return m_uuid; }
    void setUuid(const QUuid &uuid);
    QString title() const { return m_title; }
    void setTitle(const QString &title);
    bool isCompleted() const { return m_isCompleted; }
    void setIsCompleted(bool isCompleted);
    QDateTime dueDate() const { return m_dueDate; }
    void setDueDate(const QDateTime &dueDate);
    QDateTime createdAt() const { return m_createdAt; }
    void setCreatedAt(const QDateTime &createdAt);
    qint16 syncStatusValue() const { return m_syncStatus; }
    void setSyncStatusValue(qint16 rawValue);
    std::optional<SyncStatus> syncStatus() const { return decodeSyncStatus(m_syncStatus); }
    void setSyncStatus(SyncStatus status) { setSyncStatusValue(qint16(status)); }
    QString cloudKitRecordID() const { return m_cloudKitRecordID; }
    void setCloudKitRecordID(const QString &recordID);
    QDateTime lastSyncDate() const { return m_lastSyncDate; }
    void setLastSyncDate(const QDateTime &lastSyncDate);
    bool isMarkedForDeletion() const { return m_isMarkedForDeletion; }
    void setIsMarkedForDeletion(bool isMarked);
    bool isFavorite() const { return m_isFavorite; }
    void setIsFavorite(bool isFavorite);
    QString content() const { return m_content; }
    void setContent(const QString &content);
    QString contentType() const { return m_contentType; }
    void setContentType(const QString &contentType);
    QUuid imageUUID() const { return m_imageUUID; }
    void setImageUUID(const QUuid &imageUUID);

    // Sync bookkeeping, stored with the item but never shown. `localChangeCount` counts the
    // local changes (edits, favourites, deletions) so an upload knows whether the item changed
    // after its record was built; `modifiedAt` is the time of the last local change and travels
    // in the record, so the later change wins when two devices changed one item; `cloudRevision`
    // is the cloud revision the item's values were last confirmed against, which an upload
    // writes over (absent: the item has no record known to hold its values).
    qint64 localChangeCount() const { return m_localChangeCount; }
    void setLocalChangeCount(qint64 count);
    QDateTime modifiedAt() const { return m_modifiedAt; }
    void setModifiedAt(const QDateTime &modifiedAt);
    QString cloudRevision() const { return m_cloudRevision; }
    void setCloudRevision(const QString &revision);
    // The cloud's digest of the picture file the item holds, once the cloud confirmed or sent
    // it: that picture is neither fetched nor sent again. A new imageUUID clears it.
    QString imageDigest() const { return m_imageDigest; }
    void setImageDigest(const QString &digest);

    // When the user moved the item to the trash; invalid while it is not there. An item in the
    // trash leaves every list and search and is removed for good (the soft deletion) once it has
    // been there for Trash::keepDays days, or when the user empties the trash.
    QDateTime trashedAt() const { return m_trashedAt; }
    void setTrashedAt(const QDateTime &trashedAt);
    bool isTrashed() const { return m_trashedAt.isValid(); }

    // Records a local change made at `when` (the wall clock): counts it, stamps it later than
    // every change this store has seen (see ChangeClock), and marks the item pending. Every
    // editing operation ends with this.
    void markLocallyChanged(const QDateTime &when);

    ContentKind contentKind() const { return decodeContentKind(m_contentType); }
    QString contentKindName() const { return contentKindText(contentKind()); }

    // The link shown for the item, computed on every read:
    // 1. a link item whose content parses as a URL (relative references included): that URL;
    // 2. else the first link found in "content title" (trimmed; none when blank);
    // 3. else that text parsed as a URL when it has a scheme; else none (an empty QUrl).
    QUrl linkURL() const;
    // What Copy puts on the clipboard as text: a link item's link, else the content, else the
    // title (empty when the item holds none of them).
    Q_INVOKABLE QString copyText() const;

    void readRow(const SqliteStatement &row, int firstColumn) override;
    void bindAttribute(int attributeIndex, SqliteStatement &statement, int parameter) const override;
    QDateTime sortDate() const override { return m_createdAt; }

signals:
    void uuidChanged();
    void titleChanged();
    void isCompletedChanged();
    void dueDateChanged();
    void createdAtChanged();
    void syncStatusChanged();
    void cloudKitRecordIDChanged();
    void lastSyncDateChanged();
    void isMarkedForDeletionChanged();
    void isFavoriteChanged();
    void contentChanged();
    void contentTypeChanged();
    void imageUUIDChanged();
    void localChangeCountChanged();
    void modifiedAtChanged();
    void cloudRevisionChanged();
    void imageDigestChanged();
    void trashedAtChanged();
    void linkInputsChanged();

private:
    enum Attribute {
        UuidAttribute,
        TitleAttribute,
        IsCompletedAttribute,
        DueDateAttribute,
        CreatedAtAttribute,
        SyncStatusAttribute,
        CloudKitRecordIDAttribute,
        LastSyncDateAttribute,
        IsMarkedForDeletionAttribute,
        IsFavoriteAttribute,
        ContentAttribute,
        ContentTypeAttribute,
        ImageUUIDAttribute,
        LocalChangeCountAttribute,
        ModifiedAtAttribute,
        CloudRevisionAttribute,
        ImageDigestAttribute,
        TrashedAtAttribute,
    };

    // Model defaults; awakeFromInsert() fills the rest of a new record.
    QUuid m_uuid;
    QString m_title = QStringLiteral("");
    bool m_isCompleted = false;
    QDateTime m_dueDate;
    QDateTime m_createdAt;
    qint16 m_syncStatus = 0;
    QString m_cloudKitRecordID;
    QDateTime m_lastSyncDate;
    bool m_isMarkedForDeletion = false;
    bool m_isFavorite = false;
    QString m_content;
    QString m_contentType = QStringLiteral("text");
    QUuid m_imageUUID;
    qint64 m_localChangeCount = 0;
    QDateTime m_modifiedAt;
    QString m_cloudRevision;
    QString m_imageDigest;
    QDateTime m_trashedAt;
};
