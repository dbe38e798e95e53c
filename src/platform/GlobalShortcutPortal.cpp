#include "GlobalShortcutPortal.h"

#include "PortalRequest.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

QDBusArgument &operator<<(QDBusArgument &argument, const PortalShortcut &shortcut)
{
    argument.beginStructure();
    argument << shortcut.id << shortcut.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, PortalShortcut &shortcut)
{
    argument.beginStructure();
    argument >> shortcut.id >> shortcut.properties;
    argument.endStructure();
    return argument;
}

void GlobalShortcutPortal::registerTypes()
{
    static const bool registered = [] {
        qDBusRegisterMetaType<PortalShortcut>();
        qDBusRegisterMetaType<PortalShortcutList>();
        return true;
    }();
    Q_UNUSED(registered);
}

GlobalShortcutPortal::GlobalShortcutPortal(const QDBusConnection &bus, QObject *parent)
    : QObject(parent), m_bus(bus)
{
    registerTypes();
}

void GlobalShortcutPortal::start(const QString &preferredTrigger)
{
    const QString service = QString::fromLatin1(PortalRequest::serviceName);
    QDBusConnectionInterface *busInterface = m_bus.isConnected() ? m_bus.interface() : nullptr;
    if (!busInterface
        || (!busInterface->isServiceRegistered(service).value()
            && !busInterface->activatableServiceNames().value().contains(service))) {
        emit unavailable(QStringLiteral("no desktop portal on the session bus"));
        return;
    }
    m_preferredTrigger = preferredTrigger;
    const QString token = PortalRequest::newToken();
    const QVariantMap options{{QStringLiteral("handle_token"), token},
                              {QStringLiteral("session_handle_token"), PortalRequest::newToken()}};
    request(QStringLiteral("CreateSession"), {options}, token, SLOT(handleSessionCreated(uint, QVariantMap)));
}

void GlobalShortcutPortal::request(const QString &method, const QVariantList &arguments, const QString &token,
                                   const char *slot)
{
    m_requestPath = PortalRequest::path(m_bus, token);
    m_bus.connect(QString(), m_requestPath, QString::fromLatin1(PortalRequest::requestInterface),
                  QStringLiteral("Response"), this, slot);
    QDBusMessage call = QDBusMessage::createMethodCall(QString::fromLatin1(PortalRequest::serviceName),
                                                       QString::fromLatin1(PortalRequest::objectPath),
                                                       QString::fromLatin1(interfaceName), method);
    call.setArguments(arguments);
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, slot](QDBusPendingCallWatcher *finished) {
        finished->deleteLater();
        const QDBusPendingReply<QDBusObjectPath> reply = *finished;
        if (!reply.isError())
            return;
        stopListening(slot);
        fail(reply.error().message());
    });
}

void GlobalShortcutPortal::stopListening(const char *slot)
{
    m_bus.disconnect(QString(), m_requestPath, QString::fromLatin1(PortalRequest::requestInterface),
                     QStringLiteral("Response"), this, slot);
}

void GlobalShortcutPortal::fail(const QString &reason)
{
    emit unavailable(reason);
}

void GlobalShortcutPortal::handleSessionCreated(uint response, const QVariantMap &results)
{
    stopListening(SLOT(handleSessionCreated(uint, QVariantMap)));
    // An object path by the documentation, a string in older portals.
    const QVariant handle = results.value(QStringLiteral("session_handle"));
    m_sessionPath = handle.canConvert<QDBusObjectPath>() ? handle.value<QDBusObjectPath>().path() : handle.toString();
    if (response != 0 || m_sessionPath.isEmpty()) {
        fail(QStringLiteral("the portal opened no shortcut session (response %1)").arg(response));
        return;
    }
    m_bus.connect(QString::fromLatin1(PortalRequest::serviceName), QString::fromLatin1(PortalRequest::objectPath),
                  QString::fromLatin1(interfaceName), QStringLiteral("Activated"), this,
                  SLOT(handleActivated(QDBusObjectPath, QString, qulonglong, QVariantMap)));

    QVariantMap properties{{QStringLiteral("description"), qtTrId("shortcut.panel.description")}};
    if (!m_preferredTrigger.isEmpty())
        properties.insert(QStringLiteral("preferred_trigger"), m_preferredTrigger);
    const PortalShortcutList shortcuts{{QString::fromLatin1(panelShortcutId), properties}};
    const QString token = PortalRequest::newToken();
    request(QStringLiteral("BindShortcuts"),
            {QVariant::fromValue(QDBusObjectPath(m_sessionPath)), QVariant::fromValue(shortcuts), QString(),
             QVariantMap{{QStringLiteral("handle_token"), token}}},
            token, SLOT(handleBound(uint, QVariantMap)));
}

void GlobalShortcutPortal::handleBound(uint response, const QVariantMap &results)
{
    Q_UNUSED(results);
    stopListening(SLOT(handleBound(uint, QVariantMap)));
    if (response != 0) {
        fail(QStringLiteral("the shortcut was not bound (response %1)").arg(response));
        return;
    }
    m_isBound = true;
    emit bound();
}

void GlobalShortcutPortal::handleActivated(const QDBusObjectPath &session, const QString &shortcutId,
                                           qulonglong timestamp, const QVariantMap &options)
{
    Q_UNUSED(timestamp);
    Q_UNUSED(options);
    if (m_isBound && session.path() == m_sessionPath && shortcutId == QLatin1String(panelShortcutId))
        emit activated();
}
