#include "SyncActivity.h"

#include "EncryptionGate.h"
#include "SyncManagerProtocol.h"
#include "platform/NotificationCenter.h"

SyncActivity &SyncActivity::shared()
{
    static SyncActivity *activity = new SyncActivity; // kept until exit, like the engine it follows
    return *activity;
}

SyncActivity::SyncActivity(QObject *parent) : QObject(parent)
{
    NotificationCenter &center = NotificationCenter::defaultCenter();
    // Each delivery is queued with this object as its target: one gone by then does nothing.
    const auto later = [this](auto work) { QMetaObject::invokeMethod(this, work, Qt::QueuedConnection); };
    for (const bool started : {true, false}) {
        const QString name = started ? CloudUploadNotification::didStart : CloudUploadNotification::didFinish;
        m_observers.append(center.addObserver(name, nullptr, this, [this, later, started](const Notification &notification) {
            const bool confirmed = notification.userInfo.value(CloudUploadNotification::confirmedKey).toBool();
            later([this, started, confirmed] {
                setUploading(started);
                if (confirmed)
                    setTimes(m_lastDownload, QDateTime::currentDateTime());
            });
        }));
    }
    m_observers.append(center.addObserver(CloudSyncNotification::didStart, nullptr, this, [this, later](const Notification &) {
        later([this] { downloadRequested(); });
    }));
    m_observers.append(center.addObserver(CloudKeyNotification::didChange, nullptr, this, [this, later](const Notification &notification) {
        const bool locked = notification.userInfo.value(CloudKeyNotification::lockedKey).toBool();
        const QString reason = notification.userInfo.value(CloudKeyNotification::reasonKey).toString();
        later([this, locked, reason] { setLocked(locked, reason); });
    }));
    m_observers.append(center.addObserver(CloudSyncNotification::didFinish, nullptr, this, [this, later](const Notification &notification) {
        const QVariant error = notification.userInfo.value(CloudSyncNotification::errorMessageKey);
        const bool hasErrorText = error.typeId() == QMetaType::QString && !error.toString().isEmpty();
        const QString message = hasErrorText ? error.toString() : QString();
        const bool succeeded = notification.userInfo.isEmpty(); // neither failed nor abandoned
        later([this, hasErrorText, message, succeeded] {
            setDownloading(false);
            if (hasErrorText)
                setError(message);
            if (succeeded)
                setTimes(QDateTime::currentDateTime(), m_lastUpload);
        });
    }));
}

SyncActivity::~SyncActivity()
{
    for (quint64 token : std::as_const(m_observers))
        NotificationCenter::defaultCenter().removeObserver(token);
}

void SyncActivity::setUploading(bool isUploading)
{
    if (m_isUploading == isUploading)
        return;
    m_isUploading = isUploading;
    emit uploadingChanged();
    emit changed();
}

void SyncActivity::setDownloading(bool isDownloading)
{
    m_isDownloading = isDownloading;
    emit downloadingChanged();
    emit changed();
}

void SyncActivity::setError(const QString &message)
{
    m_lastErrorMessage = message;
    emit errorChanged();
    emit changed();
}

void SyncActivity::setTimes(const QDateTime &lastDownload, const QDateTime &lastUpload)
{
    m_lastDownload = lastDownload;
    m_lastUpload = lastUpload;
    emit timesChanged();
    emit changed();
}

void SyncActivity::setLocked(bool isLocked, const QString &reason)
{
    if (m_isLocked == isLocked && m_lockReason == reason)
        return; // checked before every pass: only a change redraws
    m_isLocked = isLocked;
    m_lockReason = reason;
    emit lockedChanged();
    emit changed();
}

void SyncActivity::downloadRequested()
{
    setDownloading(true);
    clearError();
}

void SyncActivity::clearError()
{
    setError(QString());
}

void SyncActivity::forgetTimes()
{
    setTimes(QDateTime(), QDateTime());
    setLocked(false, QString()); // known again at the next account's first pass
}
