#pragma once

#include "platform/cloud/WebAppPublisher.h"

#include <QObject>
#include <QQmlEngine>

// The account page's "Open on Your Phone": publishes the web companion to the signed-in
// account's server (WebAppPublisher) and holds what the page shows: the page's address, whether
// the server is this computer (a phone cannot reach 127.0.0.1), a run in progress, and the
// reason a publish failed. Main thread.
class WebCompanion : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(bool busy READ isBusy NOTIFY changed)
    Q_PROPERTY(QString address READ address NOTIFY changed)
    Q_PROPERTY(QString problem READ problem NOTIFY changed)
    Q_PROPERTY(bool isOnThisComputer READ isOnThisComputer NOTIFY changed)
public:
    explicit WebCompanion(QObject *parent = nullptr);

    bool isBusy() const { return m_busy; }
    // Empty until a publish succeeded.
    QString address() const { return m_address; }
    QString problem() const { return m_problem; }
    bool isOnThisComputer() const;

    // Publishes to the account AccountManager holds now.
    Q_INVOKABLE void publish();

signals:
    void changed();

private:
    WebAppPublisher m_publisher;
    bool m_busy = false;
    QString m_address;
    QString m_problem;
};
