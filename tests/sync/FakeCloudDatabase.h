#pragma once

#include "Services/CloudDatabaseProtocol.h"
#include "platform/cloud/CloudRecordCoder.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QObject>
#include <QUuid>
#include <QThread>

#include <mutex>

// An in-memory cloud database that keeps revisions the way the real one does: a write names the
// revision it replaces, and one that names no current leaf is refused as "server record
// changed". Replication can leave a document with several leaves (addBranch); the server's
// winner is the leaf with the longest history, then the largest revision, and reads carry the
// other leaves. A write may delete leaves with it (CloudRecord::revisionsToDelete); a document
// whose leaves are all deleted is a tombstone. Pictures are kept as bytes with their digest; a
// stub keeps the stored picture, and a read hands out a stub for a picture the reader holds.
// Changes are numbered per database generation, so a read of changes starts after a checkpoint
// ("generation/sequence") and starts over in a database made anew (remakeDatabase).
//
// It records every request and the picture bytes that travel, and answers later, on a thread
// of its own. Faults are set per test: a whole request failing, single records refused or
// missing, pictures that fail to download, records misread once, and held answers (to catch
// passes that overlap). Hooks let another device write between this device's read of
// revisions and its write, or between its write and its read-back.
class FakeCloudDatabase : public CloudContainerProtocol, public CloudDatabaseProtocol
{
public:
    struct Faults {
        std::optional<CloudError> modify;          // the whole modify fails, nothing is stored
        QHash<QString, CloudError> modifyRecords;  // these records are refused
        std::optional<CloudError> fetch;           // the whole fetch fails
        QSet<QString> fetchMissing;                // fetch says nothing about these
        QSet<QString> fetchRefused;                // fetch answers these with an error
        std::optional<CloudError> query;           // the whole read of changes fails
        QSet<QString> pictureDownloads;            // these records' pictures fail to download
        QSet<QString> misreadOnce;                 // the next read of these comes mangled, once
        QSet<QString> unopened;                    // these come sealed in a way that does not open
        std::optional<CloudError> keyRead;         // reading the key document fails
    };

    FakeCloudDatabase() { m_thread.start(); m_receiver.moveToThread(&m_thread); }
    ~FakeCloudDatabase() override { m_thread.quit(); m_thread.wait(); }

    Faults faults;
    // Run on the cloud thread: after a modify read its revisions and before it writes, and
    // after a fetch was asked for and before it reads. Another device's write lands in between.
    std::function<void()> beforeWrite;
    std::function<void()> beforeFetch;
    QList<QList<CloudRecord>> modifyRequests;
    QList<QList<CloudRecordID>> fetchRequests;
    QStringList changeRequests; // the checkpoint each read of changes started from
    int pageSize = 500;
    qint64 pictureBytesSent = 0;
    qint64 pictureBytesFetched = 0;
    QString identifier = QStringLiteral("http://127.0.0.1:1/fake");

    // Encryption: the key document's key id (none: a plain database), where the account moved,
    // the key ids this device holds, and the mode each write was made in.
    std::optional<QString> keyID;
    QString movedTo;
    QSet<QString> heldKeys;
    QList<DatabaseKeys::Mode> writeModes; // one per modify request
    DatabaseKeys::Mode writeMode() const { std::lock_guard lock(m_mutex); return m_writeMode; }

    QString containerIdentifier() const override { return QStringLiteral("iCloud.com.quellmar.Stashline"); }
    QString accountIdentifier() const override { return identifier; }
    CloudDatabaseProtocol &privateCloudDatabase() override { return *this; }
    int databaseScope() const override { return 2; }
    void fetchUserRecordID(CloudCallbacks::UserRecordID) override {} // the engine only logs the answer

    // The server's winner of a record, with its revision as change tag; none for a record never
    // written or deleted in the database.
    std::optional<CloudRecord> stored(const QString &recordName) const
    {
        std::lock_guard lock(m_mutex);
        const auto leaves = m_leaves.value(recordName);
        return leaves.isEmpty() ? std::nullopt : std::optional(winnerLocked(recordName));
    }
    // The live leaves of a record; more than one while branches are unsettled.
    int leafCount(const QString &recordName) const
    {
        std::lock_guard lock(m_mutex);
        return int(m_leaves.value(recordName).size());
    }
    // Every record name ever written in this database.
    QStringList recordNames() const
    {
        std::lock_guard lock(m_mutex);
        return m_sequences.keys();
    }

    // Writes over the winner, as another device that read it a moment ago.
    CloudRecord writeAsOtherDevice(CloudRecord record)
    {
        std::lock_guard lock(m_mutex);
        const QString name = record.recordID().recordName();
        record.setRecordChangeTag(m_leaves.value(name).isEmpty() ? QString() : winnerLocked(name).recordChangeTag());
        return *storeLocked(record);
    }
    // A leaf that replication brought in beside the others: a revision `revision` ("4-b")
    // written elsewhere, as new_edits=false writes it.
    void addBranch(CloudRecord record, const QString &revision)
    {
        std::lock_guard lock(m_mutex);
        record.setRecordChangeTag(revision);
        m_leaves[record.recordID().recordName()].append(record);
        m_sequences.insert(record.recordID().recordName(), ++m_sequence);
    }
    // Deletes the whole document, as a client that removes documents does.
    void deleteDocument(const QString &recordName)
    {
        std::lock_guard lock(m_mutex);
        m_leaves.remove(recordName);
        m_sequences.insert(recordName, ++m_sequence);
    }
    // The database deleted and made again: empty, with a new generation.
    void remakeDatabase()
    {
        std::lock_guard lock(m_mutex);
        m_leaves.clear();
        m_pictures.clear();
        m_sequences.clear();
        m_sequence = 0;
        m_generation = QUuid::createUuid().toString(QUuid::Id128);
    }

    // Answers wait until release(); the number of requests waiting shows what is in flight.
    void hold() { std::lock_guard lock(m_mutex); m_isHolding = true; }
    int heldCount() const { std::lock_guard lock(m_mutex); return int(m_held.size()); }
    void release()
    {
        QList<std::function<void()>> held;
        {
            std::lock_guard lock(m_mutex);
            m_isHolding = false;
            held.swap(m_held);
        }
        for (const auto &work : held)
            QMetaObject::invokeMethod(&m_receiver, work, Qt::QueuedConnection);
    }

    void modifyRecords(const QList<CloudRecord> &records, CloudCallbacks::ModifyResult completion) override
    {
        modifyRequests.append(records);
        writeModes.append(writeMode());
        answerLater([this, records, completion] {
            if (beforeWrite)
                beforeWrite();
            std::lock_guard lock(m_mutex);
            if (faults.modify)
                return completion({}, faults.modify);
            if (m_writeMode == DatabaseKeys::Mode::locked) // as the record coder refuses
                return completion({}, CloudError(CloudErrorCode::PermissionFailure, QStringLiteral("locked")));
            QList<CloudRecord> saved;
            QHash<CloudRecordID, CloudError> errors;
            for (const CloudRecord &record : records) {
                const QString name = record.recordID().recordName();
                for (const QString &revision : record.revisionsToDelete())
                    deleteLeafLocked(name, revision);
                if (const auto refused = faults.modifyRecords.constFind(name); refused != faults.modifyRecords.cend())
                    errors.insert(record.recordID(), *refused);
                else if (const auto written = storeLocked(record))
                    saved.append(*written);
                else
                    errors.insert(record.recordID(), CloudError(CloudErrorCode::ServerRecordChanged, QStringLiteral("conflict")));
            }
            completion(saved, errors.isEmpty() ? std::nullopt : std::optional(CloudError::partialFailure(errors)));
        });
    }

    void fetchRecords(const QList<CloudRecordID> &ids, const KnownDigests &known, CloudCallbacks::PerRecord perRecord,
                      CloudCallbacks::Result completion) override
    {
        fetchRequests.append(ids);
        answerLater([this, ids, known, perRecord, completion] {
            if (beforeFetch)
                beforeFetch();
            std::lock_guard lock(m_mutex);
            for (const CloudRecordID &id : ids) {
                const QString name = id.recordName();
                if (faults.fetch || faults.fetchMissing.contains(name))
                    continue;
                if (faults.fetchRefused.contains(name))
                    perRecord(id, std::nullopt, CloudError(CloudErrorCode::PermissionFailure, QStringLiteral("refused")));
                else if (m_sequences.contains(name))
                    perRecord(id, readLocked(name, known), std::nullopt);
                else
                    perRecord(id, std::nullopt, CloudError(CloudErrorCode::UnknownItem, QStringLiteral("unknown item")));
            }
            completion(faults.fetch);
        });
    }

    void fetchChanges(const QString &, const QString &since, const KnownDigests &known, ChangesOperation::PageCallback page,
                      CloudCallbacks::Result completion) override
    {
        changeRequests.append(since);
        answerLater([this, since, known, page, completion] {
            bool isFromStart = false;
            qint64 sequence = 0;
            {
                std::lock_guard lock(m_mutex);
                if (!since.isEmpty() && since.section(QLatin1Char('/'), 0, 0) != m_generation)
                    isFromStart = true;
                else
                    sequence = since.section(QLatin1Char('/'), 1).toLongLong();
            }
            nextPage(sequence, isFromStart, known, page, completion);
        });
    }

    void saveSubscription(const CloudSubscription &subscription, CloudCallbacks::Result completion) override
    {
        subscriptionRequests.append(subscription);
        answerLater([completion] { completion(std::nullopt); });
    }
    QList<CloudSubscription> subscriptionRequests;

    void readKeyState(std::function<void(const KeyState &state)> completion) override
    {
        KeyState state;
        state.error = faults.keyRead;
        state.isEncrypted = keyID.has_value();
        state.keyID = keyID.value_or(QString());
        state.movedTo = movedTo;
        state.holdsKey = keyID && heldKeys.contains(*keyID);
        // Not held: tests hold the record requests of a pass, which come after its key read.
        QMetaObject::invokeMethod(&m_receiver, [completion, state] { completion(state); }, Qt::QueuedConnection);
    }
    void setWriteMode(DatabaseKeys::Mode mode, const QString &) override
    {
        std::lock_guard lock(m_mutex);
        m_writeMode = mode;
    }

private:
    struct Picture {
        QByteArray bytes;
        QString digest;
    };

    static qint64 revisionNumber(const QString &revision) { return revision.section(QLatin1Char('-'), 0, 0).toLongLong(); }

    // The server's choice among the live leaves. Called with m_mutex held.
    CloudRecord winnerLocked(const QString &name) const
    {
        const QList<CloudRecord> leaves = m_leaves.value(name);
        CloudRecord winner = leaves.value(0);
        for (const CloudRecord &leaf : leaves) {
            const qint64 number = revisionNumber(leaf.recordChangeTag()), best = revisionNumber(winner.recordChangeTag());
            if (number > best || (number == best && leaf.recordChangeTag() > winner.recordChangeTag()))
                winner = leaf;
        }
        return winner;
    }

    void deleteLeafLocked(const QString &name, const QString &revision)
    {
        QList<CloudRecord> &leaves = m_leaves[name];
        leaves.removeIf([&](const CloudRecord &leaf) { return leaf.recordChangeTag() == revision; });
        if (leaves.isEmpty())
            m_leaves.remove(name);
        m_sequences.insert(name, ++m_sequence);
    }

    // Stores `record` over the leaf its change tag names (none: only where no live leaf is);
    // the stored record, or none when the write lost. A stub picture keeps the stored one.
    // Called with m_mutex held.
    std::optional<CloudRecord> storeLocked(CloudRecord record)
    {
        const QString name = record.recordID().recordName();
        QList<CloudRecord> &leaves = m_leaves[name];
        const qsizetype replaced = std::find_if(leaves.cbegin(), leaves.cend(), [&](const CloudRecord &leaf) {
            return leaf.recordChangeTag() == record.recordChangeTag();
        }) - leaves.cbegin();
        if (replaced == leaves.size() && !(record.recordChangeTag().isEmpty() && leaves.isEmpty())) {
            if (leaves.isEmpty())
                m_leaves.remove(name);
            return std::nullopt;
        }
        if (const auto asset = record.assetValue(QStringLiteral("imageAsset")); asset && !asset->isStub()) {
            QFile file(asset->fileURL());
            if (!file.open(QIODevice::ReadOnly))
                return std::nullopt;
            Picture picture{file.readAll(), {}};
            picture.digest = QStringLiteral("md5-")
                + QString::fromLatin1(QCryptographicHash::hash(picture.bytes, QCryptographicHash::Md5).toBase64());
            pictureBytesSent += picture.bytes.size();
            record.setAsset(QStringLiteral("imageAsset"), CloudAsset::stub(picture.digest));
            m_pictures.insert(picture.digest, picture);
        }
        const qint64 number = record.recordChangeTag().isEmpty() ? 0 : revisionNumber(record.recordChangeTag());
        record.setRecordChangeTag(QStringLiteral("%1-%2").arg(number + 1).arg(QUuid::createUuid().toString(QUuid::Id128).left(8)));
        record.setRevisionsToDelete({});
        if (replaced < leaves.size())
            leaves[replaced] = record;
        else
            leaves.append(record);
        m_sequences.insert(name, ++m_sequence);
        return record;
    }

    // A leaf as a reader gets it: its picture as a file, or as a stub when the reader holds that
    // digest or the download fails. Called with m_mutex held.
    CloudRecord withPicture(CloudRecord record, const KnownDigests &known)
    {
        const QString name = record.recordID().recordName();
        const auto asset = record.assetValue(QStringLiteral("imageAsset"));
        const auto picture = asset ? m_pictures.constFind(asset->digest()) : m_pictures.cend();
        if (picture == m_pictures.cend() || known.value(name) == picture->digest || faults.pictureDownloads.contains(name))
            return record;
        const QString path = QDir::temp().filePath(QStringLiteral("fake-cloud-%1.jpg").arg(QUuid::createUuid().toString(QUuid::Id128)));
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(picture->bytes);
        pictureBytesFetched += picture->bytes.size();
        record.setAsset(QStringLiteral("imageAsset"), CloudAsset::downloaded(path, picture->digest));
        return record;
    }

    // The record as a reader gets it: the winner with the other leaves, a tombstone for a
    // deleted document, or mangled once when a test asks for it. Called with m_mutex held.
    CloudRecord readLocked(const QString &name, const KnownDigests &known)
    {
        if (!m_leaves.contains(name)) {
            CloudRecord tombstone(QStringLiteral("ShareItem"), CloudRecordID(name));
            tombstone.setTombstone(true);
            return tombstone;
        }
        if (faults.unopened.contains(name)) {
            CloudRecord sealed(QStringLiteral("ShareItem"), CloudRecordID(name));
            sealed.setRecordChangeTag(winnerLocked(name).recordChangeTag());
            sealed.addUnreadableKey(QStringLiteral("_unauthentic"));
            return sealed;
        }
        if (faults.misreadOnce.remove(name)) {
            CloudRecord mangled = winnerLocked(name);
            mangled.setValue(QStringLiteral("title"), std::nullopt);
            mangled.addUnreadableKey(QStringLiteral("title"));
            return mangled;
        }
        const CloudRecord winner = winnerLocked(name);
        CloudRecord record = withPicture(winner, known);
        QList<CloudRecord> others;
        for (const CloudRecord &leaf : m_leaves.value(name)) {
            if (leaf.recordChangeTag() != winner.recordChangeTag())
                others.append(withPicture(leaf, known));
        }
        record.setConflictingLeaves(others);
        return record;
    }

    void nextPage(qint64 since, bool isFromStart, const KnownDigests &known, const ChangesOperation::PageCallback &page,
                  const CloudCallbacks::Result &completion)
    {
        ChangesOperation::Page result;
        result.isFromStart = isFromStart;
        {
            std::lock_guard lock(m_mutex);
            if (faults.query)
                return completion(faults.query);
            QList<QPair<qint64, QString>> changed;
            for (auto entry = m_sequences.cbegin(); entry != m_sequences.cend(); ++entry) {
                if (entry.value() > since)
                    changed.append({entry.value(), entry.key()});
            }
            std::sort(changed.begin(), changed.end());
            changed = changed.mid(0, pageSize);
            for (const auto &[sequence, name] : std::as_const(changed)) {
                result.records.append(readLocked(name, known));
                result.isComplete = result.isComplete && !faults.pictureDownloads.contains(name);
            }
            result.checkpoint = m_generation + QLatin1Char('/') + QString::number(changed.isEmpty() ? since : changed.last().first);
        }
        const bool isLast = result.records.size() < pageSize;
        const qint64 checkpoint = result.checkpoint.section(QLatin1Char('/'), 1).toLongLong();
        page(result, [this, isLast, checkpoint, known, page, completion] {
            answerLater([this, isLast, checkpoint, known, page, completion] {
                if (isLast)
                    completion(std::nullopt);
                else
                    nextPage(checkpoint, false, known, page, completion);
            });
        });
    }

    template<typename Work>
    void answerLater(Work work)
    {
        std::lock_guard lock(m_mutex);
        if (m_isHolding)
            m_held.append(work);
        else
            QMetaObject::invokeMethod(&m_receiver, work, Qt::QueuedConnection);
    }

    mutable std::mutex m_mutex; // guards the records, m_held, m_isHolding and the faults while answering
    QHash<QString, QList<CloudRecord>> m_leaves; // live leaves by record name
    QHash<QString, Picture> m_pictures;          // by digest
    QHash<QString, qint64> m_sequences;          // of each record's last change
    qint64 m_sequence = 0;
    QString m_generation = QStringLiteral("first");
    QList<std::function<void()>> m_held;
    bool m_isHolding = false;
    DatabaseKeys::Mode m_writeMode = DatabaseKeys::Mode::plain;
    QThread m_thread;
    QObject m_receiver;
};
