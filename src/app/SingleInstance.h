#pragma once

#include "StashRequest.h"

#include <QLockFile>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class QLocalServer;
class QLocalSocket;

// Makes sure two processes never share one store: the first process on a group directory
// becomes the primary instance; a later launch or a command-line request on the same directory
// is handed to the primary, which answers it.
//
// The primary holds "Stashline.lock" in the group directory (a stale lock of a dead process is
// taken over) and listens on a local socket named after the directory. A command line that
// finds no primary takes the same lock for the few milliseconds it works on the store itself;
// such a holder never listens, so a launch that finds the lock taken but nobody answering waits
// for the lock rather than sharing the store.
//
// The channel carries one request per connection: a StashRequest as one line of JSON, answered by
// a StashReply as one line of JSON. A line that is no request is answered with exit code 2 and
// the reason, and the handler never sees it. Main thread.
class SingleInstance : public QObject
{
    Q_OBJECT
public:
    enum class Role { Primary, Secondary, Unavailable };

    // Answers one request of a later process, now or later, by calling `answer` once; runs on
    // the main thread. The connection stays open until the answer is written.
    using RequestHandler = std::function<void(const StashRequest &request, std::function<void(const StashReply &)> answer)>;

    explicit SingleInstance(const QString &groupDirectory, QObject *parent = nullptr);
    ~SingleInstance() override;

    // Takes the lock and starts listening (Primary), or hands `handOver` to the running primary
    // (Secondary: the caller should exit; the answer is in handOverReply()). Unavailable when
    // neither works within a few seconds (no writable group directory, or a lock whose holder
    // never answers nor lets go); the caller runs on alone.
    Role start(const StashRequest &handOver = StashRequest());
    std::optional<StashReply> handOverReply() const { return m_handOverReply; }

    // Requests are answered by `handler`; until one is set, every request but activation is
    // refused. Activation without a handler emits activationRequested.
    void setRequestHandler(RequestHandler handler) { m_handler = std::move(handler); }

    // The local socket name for a group directory.
    static QString serverName(const QString &groupDirectory);
    // The lock file every owner of the group directory's store holds.
    static QString lockFilePath(const QString &groupDirectory);

    // One request to the primary of `groupDirectory`. `connected` tells whether a primary took
    // the connection; the answer is none when it did not answer within `timeoutMs`.
    struct Exchange {
        bool connected = false;
        std::optional<StashReply> reply;
    };
    static Exchange send(const QString &groupDirectory, const StashRequest &request, int timeoutMs);
    // send() with a raw line, as a program other than Stashline might write it.
    static Exchange sendLine(const QString &groupDirectory, const QByteArray &line, int timeoutMs);

signals:
    // A later launch asked this primary instance to show itself (when no handler is set).
    void activationRequested();

private:
    void serve(QLocalSocket *socket);

    QString m_groupDirectory;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer *m_server = nullptr;
    RequestHandler m_handler;
    std::optional<StashReply> m_handOverReply;
};
