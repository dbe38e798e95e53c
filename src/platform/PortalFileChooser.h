#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QStringList>
#include <QUrl>

class QDBusPendingCallWatcher;

// Opens the desktop's own file chooser through the XDG desktop portal
// (org.freedesktop.portal.FileChooser on the session bus) to pick one existing file, or the
// name of a file to save.
//
// isAvailable() says whether a portal answers on `bus` (running, or startable by the bus).
// openFile() and saveFile() ask it without blocking; the answer comes as exactly one of:
// - fileChosen(url): the user picked a file (a local file URL as the portal hands it out);
// - cancelled(): the user closed the chooser, or the portal ended the request itself;
// - unavailable(reason): the portal refused the call or gave no usable answer, so the
//   caller can fall back to another chooser.
// A second request while one is open is ignored (returns false). Main thread.
class PortalFileChooser : public QObject
{
    Q_OBJECT
public:
    static constexpr const char *serviceName = "org.freedesktop.portal.Desktop";
    static constexpr const char *objectPath = "/org/freedesktop/portal/desktop";
    static constexpr const char *interfaceName = "org.freedesktop.portal.FileChooser";

    explicit PortalFileChooser(const QDBusConnection &bus, QObject *parent = nullptr);

    bool isAvailable() const;
    bool isOpen() const { return !m_requestPath.isEmpty() || m_pendingCall; }

    // `parentWindow` is the portal's window identifier ("x11:<hex id>", or empty);
    // `filterName` labels the glob `patterns` ("*.png").
    bool openFile(const QString &parentWindow, const QString &title, const QString &filterName,
                  const QStringList &patterns);
    // `suggestedName` is the file name the chooser proposes.
    bool saveFile(const QString &parentWindow, const QString &title, const QString &suggestedName);

signals:
    void fileChosen(const QUrl &url);
    void cancelled();
    void unavailable(const QString &reason);

private slots:
    void handleResponse(uint response, const QVariantMap &results);

private:
    bool ask(const QString &method, const QString &parentWindow, const QString &title, QVariantMap options);
    void listenForResponse(const QString &requestPath);
    void stopListening();
    void finishWithError(const QString &reason);

    QDBusConnection m_bus;
    QString m_requestPath;
    QDBusPendingCallWatcher *m_pendingCall = nullptr;
};
