#pragma once

#include "platform/cloud/CloudRecord.h"
#include "platform/cloud/CloudError.h"

#include <QHash>
#include <QJsonObject>
#include <QList>

#include <functional>
#include <optional>

class CloudConnection;

// Reads the other live leaves of documents that replication left with several branches (those
// whose "_conflicts" lists revisions): one GET document?open_revs=[...] per document, one
// document at a time, then the pictures of those leaves that the reader does not hold (GET
// document/attachment?rev=...). `done` gets the decoded leaves by record name, or the error
// that stopped the read (a leaf whose picture failed counts as an error: deciding between
// branches needs every leaf whole). Documents without "_conflicts" cost nothing. Worker thread
// only; callbacks there.
class LeafReader
{
public:
    using Leaves = QHash<QString, QList<CloudRecord>>;
    using Completion = std::function<void(const Leaves &leaves, const std::optional<CloudError> &error)>;

    static void start(CloudConnection *connection, const QList<QJsonObject> &documents, const QString &assetDirectory,
                      const QHash<QString, QString> &knownDigests, Completion done);

    // The revisions a document names in "_conflicts"; empty when it has none.
    static QStringList conflictingRevisions(const QJsonObject &document);
};
