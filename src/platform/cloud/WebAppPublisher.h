#pragma once

#include "platform/cloud/CloudAccount.h"

#include <QObject>
#include <QPointer>
#include <QUrl>

class CloudConnection;

// Puts the web companion into the account's own database, as the design document
// "_design/stashline-web" whose attachments are the app's files (built from web/ and embedded in
// the program as the resource ":/web/stashline-web.json"). The page is then served by the same
// server as the database, under
//   https://server/DATABASE/_design/stashline-web/index.html
// so page and database share one origin: no CORS to configure, the browser's sign-in to the
// server covers both, and only users who may read the database can load the page.
//
// publish() reads the design document's current revision and writes the bundled one over it, in
// the background; finished() is emitted once with the page's address, or with an empty address
// and the reason in the user's words (no message carries the password). Writing a design
// document needs the database's admin role (a server admin, or the owner of a per-user
// database). Main thread.
class WebAppPublisher : public QObject
{
    Q_OBJECT
public:
    static inline const QString designDocumentID = QStringLiteral("_design/stashline-web");

    explicit WebAppPublisher(QObject *parent = nullptr);
    ~WebAppPublisher() override;

    // The design document this program carries; empty when it was built without one.
    static QByteArray bundledDocument();
    // Where the published page opens for `account`.
    static QUrl pageAddress(const CloudAccount &account);
    // Whether `address` names this computer (localhost, 127.0.0.0/8, ::1): a phone cannot reach it.
    static bool isOnThisComputer(const QUrl &address);

    void publish(const CloudAccount &account, const QByteArray &designDocument = bundledDocument());
    void cancel();

signals:
    void finished(const QUrl &address, const QString &problem);

private:
    void write(const QString &revision);
    void finish(const QUrl &address, const QString &problem);

    QPointer<CloudConnection> m_connection;
    CloudAccount m_account;
    QByteArray m_document;
};
