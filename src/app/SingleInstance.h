#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;

// Makes sure two processes never share one store: the first process on a group directory
// becomes the primary instance; a later launch on the same directory asks the primary to bring
// its window to the front and then exits.
//
// The primary holds "Stashline.lock" in the group directory (a stale lock of a dead process is
// taken over) and listens on a local socket named after the directory. Main thread.
class SingleInstance : public QObject
{
    Q_OBJECT
public:
    enum class Role { Primary, Secondary, Unavailable };

    explicit SingleInstance(const QString &groupDirectory, QObject *parent = nullptr);
    ~SingleInstance() override;

    // Takes the lock and starts listening (Primary), or hands over to the running primary
    // (Secondary: the caller should exit). Unavailable when neither works (no writable group
    // directory, or a primary that does not answer); the caller runs on alone.
    Role start();

    // The local socket name for a group directory.
    static QString serverName(const QString &groupDirectory);

signals:
    // A later launch asked this primary instance to show itself.
    void activationRequested();

private:
    bool notifyPrimary();

    QString m_groupDirectory;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer *m_server = nullptr;
};
