#pragma once

#include <QDBusConnection>
#include <QRandomGenerator>
#include <QString>

// Requests to the XDG desktop portal: the portal answers each one with a Response signal on a
// request object whose path it derives from the caller's bus name and the request's token, so
// a caller listens there before it calls and misses no early answer.
namespace PortalRequest {

inline constexpr const char *serviceName = "org.freedesktop.portal.Desktop";
inline constexpr const char *objectPath = "/org/freedesktop/portal/desktop";
inline constexpr const char *requestInterface = "org.freedesktop.portal.Request";

// A fresh token for "handle_token" (and "session_handle_token").
inline QString newToken()
{
    return QStringLiteral("stashline%1").arg(QRandomGenerator::global()->generate());
}

// Where the portal answers the request `token` of the caller with the unique bus name `sender`
// (":1.42").
inline QString path(QString sender, const QString &token)
{
    sender.remove(0, 1).replace(QLatin1Char('.'), QLatin1Char('_'));
    return QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2").arg(sender, token);
}

// Where the portal answers the request `token` made on `bus`.
inline QString path(const QDBusConnection &bus, const QString &token)
{
    return path(bus.baseService(), token);
}

} // namespace PortalRequest
