#pragma once

#include "Services/CloudDatabaseProtocol.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QObject>
#include <QUuid>
#include <QThread>

#include <mutex>

// An in-memory cloud database that keeps revisions the way the real one does: a write names the
// revision it replaces, and one that names an older revision is refused as "server record
// changed". Pictures are kept as bytes with their digest; a stub keeps the stored picture, and
// a read hands out a stub for a picture the reader holds. Changes are numbered, so a read of
// changes starts after a checkpoint. It records every request and the picture bytes that
// travel, and answers later, on a thread of its own. Faults are set per test: a whole request
// failing, single records refused or missing, pictures that fail to download, and held answers
// (to catch passes that overlap). `writeAsOtherDevice` changes the cloud behind the engine's back.
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
    };

    FakeCloudDatabase() { m_thread.start(); m_receiver.moveToThread(&m_thread); }
    ~FakeCloudDatabase() override { m_thread.quit(); m_thread.wait(); }

    Faults faults;
    // Runs on the cloud thread after a modify read its revisions and before it writes: another
    // device's write lands in between.
    std::function<void()> beforeWrite;
    QList<QList<CloudRecord>> modifyRequests;
    QList<QList<CloudRecordID>> fetchRequests;
    QStringList changeRequests; // the checkpoint each read of changes started from
    int pageSize = 500;
    qint64 pictureBytesSent = 0;
    qint64 pictureBytesFetched = 0;

    QString containerIdentifier() const override { return QStringLiteral("iCloud.com.quellmar.Stashline"); }
    CloudDatabaseProtocol &privateCloudDatabase() override { return *this; }
    int databaseScope() const override { return 2; }
    void fetchUserRecordID(CloudCallbacks::UserRecordID) override {} // the engine only logs the answer

    // The cloud's copy of a record, with its revision as change tag.
    std::optional<CloudRecord> stored(const QString &recordName) const
    {
        std::lock_guard lock(m_mutex);
        const auto found = m_records.constFind(recordName);
        return found == m_records.cend() ? std::nullopt : std::optional(*found);
    }
    // Writes over whatever revision is current, as another device that read it a moment ago.
    CloudRecord writeAsOtherDevice(CloudRecord record)
    {
        std::lock_guard lock(m_mutex);
        record.setRecordChangeTag(m_records.value(record.recordID().recordName()).recordChangeTag());
        return *storeLocked(record);
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
        answerLater([this, records, completion] {
            if (beforeWrite)
                beforeWrite();
            std::lock_guard lock(m_mutex);
            if (faults.modify)
                return completion({}, faults.modify);
            QList<CloudRecord> saved;
            QHash<CloudRecordID, CloudError> errors;
            for (const CloudRecord &record : records) {
                const QString name = record.recordID().recordName();
                if (const auto refused = faults.modifyRecords.constFind(name); refused != faults.modifyRecords.cend()) {
                    errors.insert(record.recordID(), *refused);
                } else if (const auto written = storeLocked(record)) {
                    saved.append(*written);
                } else {
                    errors.insert(record.recordID(), CloudError(CloudErrorCode::ServerRecordChanged, QStringLiteral("conflict")));
                }
            }
            completion(saved, errors.isEmpty() ? std::nullopt : std::optional(CloudError::partialFailure(errors)));
        });
    }

    QString identifier = QStringLiteral("http://127.0.0.1:1/fake");
    QString accountIdentifier() const override { return identifier; }

    void fetchRecords(const QList<CloudRecordID> &ids, const KnownDigests &known, CloudCallbacks::PerRecord perRecord,
                      CloudCallbacks::Result completion) override
    {
        fetchRequests.append(ids);
        answerLater([this, ids, known, perRecord, completion] {
            std::lock_guard lock(m_mutex);
            for (const CloudRecordID &id : ids) {
                const QString name = id.recordName();
                if (faults.fetch || faults.fetchMissing.contains(name))
                    continue;
                if (faults.fetchRefused.contains(name))
                    perRecord(id, std::nullopt, CloudError(CloudErrorCode::PermissionFailure, QStringLiteral("refused")));
                else if (m_records.contains(name))
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
        answerLater([this, since, known, page, completion] { nextPage(since.toLongLong(), known, page, completion); });
    }

    void saveSubscription(const CloudSubscription &subscription, CloudCallbacks::Result completion) override
    {
        subscriptionRequests.append(subscription);
        answerLater([completion] { completion(std::nullopt); });
    }
    QList<CloudSubscription> subscriptionRequests;

private:
    struct Picture {
        QByteArray bytes;
        QString digest;
    };

    // Stores `record` when its change tag is the current revision (none: no copy yet); the
    // stored record, or none when the write lost. A stub picture keeps the stored one. Called
    // with m_mutex held.
    std::optional<CloudRecord> storeLocked(CloudRecord record)
    {
        const QString name = record.recordID().recordName();
        const QString current = m_records.value(name).recordChangeTag();
        if (record.recordChangeTag() != current)
            return std::nullopt;
        if (const auto asset = record.assetValue(QStringLiteral("imageAsset")); asset && !asset->isStub()) {
            QFile file(asset->fileURL());
            if (!file.open(QIODevice::ReadOnly))
                return std::nullopt;
            Picture picture{file.readAll(), {}};
            picture.digest = QStringLiteral("md5-")
                + QString::fromLatin1(QCryptographicHash::hash(picture.bytes, QCryptographicHash::Md5).toBase64());
            pictureBytesSent += picture.bytes.size();
            record.setAsset(QStringLiteral("imageAsset"), CloudAsset::stub(picture.digest));
            m_pictures.insert(name, picture);
        } else if (!asset) {
            m_pictures.remove(name);
        }
        record.setRecordChangeTag(QStringLiteral("%1-fake").arg(current.section(QLatin1Char('-'), 0, 0).toInt() + 1));
        m_records.insert(name, record);
        m_sequences.insert(name, ++m_sequence);
        return record;
    }

    // The stored record as a reader gets it: its picture as a file, or as a stub when the
    // reader holds that digest or the download fails. Called with m_mutex held.
    CloudRecord readLocked(const QString &name, const KnownDigests &known)
    {
        CloudRecord record = m_records.value(name);
        const auto picture = m_pictures.constFind(name);
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

    void nextPage(qint64 since, const KnownDigests &known, const ChangesOperation::PageCallback &page,
                  const CloudCallbacks::Result &completion)
    {
        ChangesOperation::Page result;
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
            result.checkpoint = QString::number(changed.isEmpty() ? since : changed.last().first);
        }
        const bool isLast = result.records.size() < pageSize;
        const qint64 checkpoint = result.checkpoint.toLongLong();
        page(result, [this, isLast, checkpoint, known, page, completion] {
            answerLater([this, isLast, checkpoint, known, page, completion] {
                if (isLast)
                    completion(std::nullopt);
                else
                    nextPage(checkpoint, known, page, completion);
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

    mutable std::mutex m_mutex; // guards m_records, m_held, m_isHolding and the faults while answering
    QHash<QString, CloudRecord> m_records;
    QHash<QString, Picture> m_pictures;
    QHash<QString, qint64> m_sequences; // of each record's last write
    qint64 m_sequence = 0;
    QList<std::function<void()>> m_held;
    bool m_isHolding = false;
    QThread m_thread;
    QObject m_receiver;
};
