#include "PortalFileChooser.h"

#include "PortalRequest.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace {

// The portal's filter list, D-Bus signature a(sa(us)): named lists of (kind, pattern) rules,
// kind 0 being a glob pattern.
struct PortalFilterRule
{
    uint kind = 0;
    QString pattern;
};
struct PortalFilter
{
    QString name;
    QList<PortalFilterRule> rules;
};
using PortalFilterList = QList<PortalFilter>;

} // namespace

Q_DECLARE_METATYPE(PortalFilterRule)
Q_DECLARE_METATYPE(PortalFilter)
Q_DECLARE_METATYPE(PortalFilterList)

namespace {

QDBusArgument &operator<<(QDBusArgument &argument, const PortalFilterRule &rule)
{
    argument.beginStructure();
    argument << rule.kind << rule.pattern;
    argument.endStructure();
    return argument;
}
const QDBusArgument &operator>>(const QDBusArgument &argument, PortalFilterRule &rule)
{
    argument.beginStructure();
    argument >> rule.kind >> rule.pattern;
    argument.endStructure();
    return argument;
}
QDBusArgument &operator<<(QDBusArgument &argument, const PortalFilter &filter)
{
    argument.beginStructure();
    argument << filter.name << filter.rules;
    argument.endStructure();
    return argument;
}
const QDBusArgument &operator>>(const QDBusArgument &argument, PortalFilter &filter)
{
    argument.beginStructure();
    argument >> filter.name >> filter.rules;
    argument.endStructure();
    return argument;
}

void registerPortalTypes()
{
    static const bool registered = [] {
        qDBusRegisterMetaType<PortalFilterRule>();
        qDBusRegisterMetaType<PortalFilter>();
        qDBusRegisterMetaType<PortalFilterList>();
        return true;
    }();
    Q_UNUSED(registered);
}

constexpr const char *requestInterface = PortalRequest::requestInterface;

} // namespace

PortalFileChooser::PortalFileChooser(const QDBusConnection &bus, QObject *parent)
    : QObject(parent)
    , m_bus(bus)
{
    registerPortalTypes();
}

bool PortalFileChooser::isAvailable() const
{
    if (!m_bus.isConnected() || !m_bus.interface())
        return false;
    const QString name = QString::fromLatin1(serviceName);
    if (m_bus.interface()->isServiceRegistered(name).value())
        return true;
    return m_bus.interface()->activatableServiceNames().value().contains(name);
}

bool PortalFileChooser::openFile(const QString &parentWindow, const QString &title, const QString &filterName,
                                 const QStringList &patterns)
{
    PortalFilter filter{filterName, {}};
    for (const QString &pattern : patterns)
        filter.rules.append(PortalFilterRule{0, pattern});
    return ask(QStringLiteral("OpenFile"), parentWindow, title,
               {{QStringLiteral("multiple"), false},
                {QStringLiteral("filters"), QVariant::fromValue(PortalFilterList{filter})},
                {QStringLiteral("current_filter"), QVariant::fromValue(filter)}});
}

bool PortalFileChooser::saveFile(const QString &parentWindow, const QString &title, const QString &suggestedName)
{
    return ask(QStringLiteral("SaveFile"), parentWindow, title, {{QStringLiteral("current_name"), suggestedName}});
}

bool PortalFileChooser::ask(const QString &method, const QString &parentWindow, const QString &title, QVariantMap options)
{
    if (isOpen())
        return false;

    // The portal answers on a request object whose path it derives from our bus name and this
    // token; listening before the call means an early answer is not missed.
    const QString token = PortalRequest::newToken();
    listenForResponse(PortalRequest::path(m_bus, token));

    options.insert(QStringLiteral("handle_token"), token);
    options.insert(QStringLiteral("modal"), true);
    QDBusMessage call = QDBusMessage::createMethodCall(QString::fromLatin1(serviceName), QString::fromLatin1(objectPath),
                                                       QString::fromLatin1(interfaceName), method);
    call << parentWindow << title << options;
    m_pendingCall = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(m_pendingCall, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher *watcher) {
        watcher->deleteLater();
        m_pendingCall = nullptr;
        const QDBusPendingReply<QDBusObjectPath> reply = *watcher;
        if (reply.isError()) {
            finishWithError(reply.error().message());
            return;
        }
        // Older portals choose the request path themselves.
        const QString requestPath = reply.value().path();
        if (!m_requestPath.isEmpty() && requestPath != m_requestPath)
            listenForResponse(requestPath);
    });
    return true;
}

void PortalFileChooser::listenForResponse(const QString &requestPath)
{
    stopListening();
    m_requestPath = requestPath;
    m_bus.connect(QString(), m_requestPath, QString::fromLatin1(requestInterface), QStringLiteral("Response"), this,
                  SLOT(handleResponse(uint, QVariantMap)));
}

void PortalFileChooser::stopListening()
{
    if (m_requestPath.isEmpty())
        return;
    m_bus.disconnect(QString(), m_requestPath, QString::fromLatin1(requestInterface), QStringLiteral("Response"), this,
                     SLOT(handleResponse(uint, QVariantMap)));
    m_requestPath.clear();
}

void PortalFileChooser::finishWithError(const QString &reason)
{
    stopListening();
    emit unavailable(reason);
}

void PortalFileChooser::handleResponse(uint response, const QVariantMap &results)
{
    stopListening();
    // 0: the user chose; 1: the user cancelled; 2: the interaction ended some other way.
    const QStringList uris = results.value(QStringLiteral("uris")).toStringList();
    const QUrl url = uris.isEmpty() ? QUrl() : QUrl(uris.first());
    if (response == 0 && url.isValid() && !url.isEmpty())
        emit fileChosen(url);
    else
        emit cancelled();
}
