#pragma once

#include "PassContext.h"

#include "platform/cloud/ChangesOperation.h"
#include "platform/cloud/CloudError.h"

#include <QHash>
#include <QObject>

#include <functional>
#include <optional>

// One download: reads the account's change feed from the last merged page (the checkpoint is
// saved per account with each page's merge, and moves only past pages that came whole) and
// merges every record through RecordMerger. Pictures the items hold are not fetched. A record
// that was misread is read again by a later pass; after readsBeforeSkipping misreads of the
// same revision it is skipped with an error line, so one bad record cannot hold the feed back
// for good. When the database turns out to be made anew, the revisions the items know are
// forgotten (they belong to the old database), every record is merged as new, and items the new
// database lacks are uploaded again once the read is complete; a device rejoining an account
// that was started over does the same (rejoinKey).
//
// Lives on the main thread as a child of the engine; a pass that is gone drops the answers
// still on their way.
class DownloadPass : public QObject
{
    Q_OBJECT
public:
    static constexpr int readsBeforeSkipping = 3;

    struct Outcome {
        std::optional<CloudError> error;
        int merged = 0;
        bool isComplete = true; // false: a picture or a record has to be read again
        bool needsUpload = false;
        int unopened = 0; // sealed records that did not open (their items are marked failed)
    };
    using Completion = std::function<void(const Outcome &outcome)>;

    // `misreads` counts misreads by record name and revision across passes; owned by the engine.
    DownloadPass(const PassContext &context, QHash<QString, int> &misreads, QObject *parent);

    void start(Completion completion);

    static QString checkpointKey(const QString &accountIdentifier);
    // Store metadata set while the device rejoins an account that was started over elsewhere
    // (EncryptionGate): the read is from the start, a document the start-over erased is not taken
    // for a deletion, and items the cloud lacks go up again, as for a database made anew.
    static QString rejoinKey(const QString &accountIdentifier);

private:
    void mergePage(const ChangesOperation::Page &page);
    void forgetRevisions();
    void uploadWhatTheCloudLacks();
    CloudDatabaseProtocol::KnownDigests knownPictureDigests();

    PassContext m_context;
    QHash<QString, int> &m_misreads;
    Completion m_completion;
    QString m_checkpointKey;
    Outcome m_outcome;
    bool m_isNewDatabase = false;
    bool m_isRejoining = false;
};
