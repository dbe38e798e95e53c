#pragma once

#include <QDateTime>
#include <QObject>

// What sync is doing, for every screen that shows it: whether an upload or a download runs,
// the error of the last download, when the last download and the last confirmed upload ended,
// and whether sync waits for the passphrase (the account is encrypted and this device does not
// hold its key: `lockReason` "passphrase", "newKey" after a start-over elsewhere, "keyMissing"
// when the key document went away). It follows the process-wide notifications every sync interface posts, so screens never
// ask the engine; each notification is taken on the next turn of the event loop. Every
// assignment emits the signal of its kind (a download's start and finish always do, so a screen
// sees every pass), and changed(). Main thread.
class SyncActivity : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool isUploading READ isUploading NOTIFY changed)
    Q_PROPERTY(bool isDownloading READ isDownloading NOTIFY changed)
    Q_PROPERTY(QString lastErrorMessage READ lastErrorMessage NOTIFY changed)
    Q_PROPERTY(QDateTime lastDownload READ lastDownload NOTIFY changed)
    Q_PROPERTY(QDateTime lastUpload READ lastUpload NOTIFY changed)
    Q_PROPERTY(bool isLocked READ isLocked NOTIFY lockedChanged)
    Q_PROPERTY(QString lockReason READ lockReason NOTIFY lockedChanged)

public:
    // The one the list model and the account page read; created on first use, kept until exit.
    static SyncActivity &shared();

    explicit SyncActivity(QObject *parent = nullptr);
    ~SyncActivity() override;

    bool isUploading() const { return m_isUploading; }
    bool isDownloading() const { return m_isDownloading; }
    QString lastErrorMessage() const { return m_lastErrorMessage; }
    QDateTime lastDownload() const { return m_lastDownload; }
    QDateTime lastUpload() const { return m_lastUpload; }
    bool isLocked() const { return m_isLocked; }
    QString lockReason() const { return m_lockReason; }

    // A download was asked for: it counts as running from now, and the last error is cleared.
    void downloadRequested();
    // The user tries again: the last error is cleared.
    void clearError();
    // Another account: the times of the last one are forgotten.
    void forgetTimes();

signals:
    void uploadingChanged();
    void downloadingChanged();
    void errorChanged();
    void timesChanged();
    void lockedChanged();
    void changed();

private:
    void setUploading(bool isUploading);
    void setDownloading(bool isDownloading);
    void setError(const QString &message);
    void setTimes(const QDateTime &lastDownload, const QDateTime &lastUpload);
    void setLocked(bool isLocked, const QString &reason);

    bool m_isUploading = false;
    bool m_isDownloading = false;
    QString m_lastErrorMessage;
    QDateTime m_lastDownload;
    QDateTime m_lastUpload;
    bool m_isLocked = false;
    QString m_lockReason;
    QList<quint64> m_observers;
};
