#pragma once

#include "platform/cloud/CloudError.h"
#include "platform/cloud/KeyDocument.h"

#include <functional>
#include <optional>

class CloudConnection;

// Reads and writes the database's key document (KeyDocument). Worker thread only; the
// completion is called there, once.
class KeyDocumentOperation
{
public:
    struct Result {
        std::optional<KeyDocument> document; // none: the database has no key document
        bool wasCreated = false;             // create(): this write made it
        std::optional<CloudError> error;     // the read or write failed, or the document is unusable
    };
    using Completion = std::function<void(const Result &result)>;

    // GET: the key document, none when there is none (never written, or deleted), or an error
    // (also for a key document this version cannot use).
    static void fetch(CloudConnection *connection, Completion completion);
    // PUT without a revision, so that only one key is ever made: created (wasCreated), or, when
    // another device was first (409), the document that device made, read back.
    static void create(CloudConnection *connection, const KeyDocument &document, Completion completion);
    // PUT over the document's revision: "server record changed" when it moved on meanwhile.
    static void replace(CloudConnection *connection, const KeyDocument &document, Completion completion);
};
