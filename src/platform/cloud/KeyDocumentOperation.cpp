#include "KeyDocumentOperation.h"

#include "platform/cloud/CloudConnection.h"

#include <QJsonDocument>
#include <QPointer>

namespace {

CloudError unusable(const QString &problem)
{
    return CloudError(CloudErrorCode::ServerRejectedRequest,
                      CloudError::localized("cloud.error.keyDocument",
                                            "The encryption key on the server cannot be read by this version of Stashline (%1).")
                          .arg(problem));
}

void put(CloudConnection *connection, const KeyDocument &document, KeyDocumentOperation::Completion completion, bool isCreation)
{
    const QByteArray body = QJsonDocument(document.toJson()).toJson(QJsonDocument::Compact);
    connection->send("PUT", KeyDocument::documentID, {}, body,
                     [connection = QPointer<CloudConnection>(connection), document, completion, isCreation](const CloudResponse &response) {
        if (!connection)
            return;
        if (isCreation && response.error && response.error->code() == CloudErrorCode::ServerRecordChanged) {
            KeyDocumentOperation::fetch(connection, completion); // another device was first: its key holds
            return;
        }
        if (response.error) {
            completion({std::nullopt, false, response.error});
            return;
        }
        KeyDocument written = document;
        written.setRevision(response.json.toObject().value(QStringLiteral("rev")).toString());
        completion({written, isCreation, std::nullopt});
    });
}

} // namespace

void KeyDocumentOperation::fetch(CloudConnection *connection, Completion completion)
{
    connection->send("GET", KeyDocument::documentID, {}, {}, [completion](const CloudResponse &response) {
        if (response.status == 404) {
            completion({});
            return;
        }
        if (response.error) {
            completion({std::nullopt, false, response.error});
            return;
        }
        QString problem;
        const auto document = KeyDocument::fromJson(response.json.toObject(), &problem);
        if (!document)
            completion({std::nullopt, false, unusable(problem)});
        else
            completion({document, false, std::nullopt});
    });
}

void KeyDocumentOperation::create(CloudConnection *connection, const KeyDocument &document, Completion completion)
{
    KeyDocument fresh = document;
    fresh.setRevision({});
    put(connection, fresh, std::move(completion), true);
}

void KeyDocumentOperation::replace(CloudConnection *connection, const KeyDocument &document, Completion completion)
{
    put(connection, document, std::move(completion), false);
}
