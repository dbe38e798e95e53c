#pragma once

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QObject>
#include <QVariantMap>

// One shortcut as the portal takes it, D-Bus signature (sa{sv}): its id and its properties
// ("description", "preferred_trigger").
struct PortalShortcut
{
    QString id;
    QVariantMap properties;
};
using PortalShortcutList = QList<PortalShortcut>;
QDBusArgument &operator<<(QDBusArgument &argument, const PortalShortcut &shortcut);
const QDBusArgument &operator>>(const QDBusArgument &argument, PortalShortcut &shortcut);
Q_DECLARE_METATYPE(PortalShortcut)
Q_DECLARE_METATYPE(PortalShortcutList)

// A desktop-wide keyboard shortcut that opens the tray panel, through the XDG desktop portal's
// GlobalShortcuts interface (org.freedesktop.portal.GlobalShortcuts on the session bus).
//
// start() creates a portal session and binds the shortcut "open-panel" with its translated
// description ("shortcut.panel.description") and the preferred trigger; the desktop may ask the
// user to confirm or choose another key, and the user changes it later in the desktop's own
// shortcut settings. The outcome comes as bound() or unavailable(reason): no portal on the bus,
// a portal without the interface, or a refused request. Nothing else changes then, and
// `stashline --panel` bound in the desktop's settings does the same. After bound(), every press
// the portal reports for this session emits activated(). Main thread.
class GlobalShortcutPortal : public QObject
{
    Q_OBJECT
public:
    static constexpr const char *interfaceName = "org.freedesktop.portal.GlobalShortcuts";
    static constexpr const char *panelShortcutId = "open-panel";

    explicit GlobalShortcutPortal(const QDBusConnection &bus, QObject *parent = nullptr);

    // Registers PortalShortcut with QtDBus (the constructor does it too). Any thread.
    static void registerTypes();

    // `preferredTrigger` in the shortcuts notation of the portal ("CTRL+ALT+S"); may be empty.
    void start(const QString &preferredTrigger);
    bool isBound() const { return m_isBound; }

signals:
    void bound();
    void unavailable(const QString &reason);
    void activated();

private slots:
    void handleSessionCreated(uint response, const QVariantMap &results);
    void handleBound(uint response, const QVariantMap &results);
    void handleActivated(const QDBusObjectPath &session, const QString &shortcutId, qulonglong timestamp,
                         const QVariantMap &options);

private:
    // Calls `method` with `arguments`, its answer going to `slot` through the request `token`.
    void request(const QString &method, const QVariantList &arguments, const QString &token, const char *slot);
    void stopListening(const char *slot);
    void fail(const QString &reason);

    QDBusConnection m_bus;
    QString m_preferredTrigger;
    QString m_requestPath;
    QString m_sessionPath;
    bool m_isBound = false;
};
