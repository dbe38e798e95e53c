#include "DesktopColorScheme.h"

#include "PortalRequest.h"

#include <QGuiApplication>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>

namespace {

constexpr uint preferDark = 1;

// The portal wraps the value in one variant, older portals in two.
QVariant unwrapped(QVariant value)
{
    while (value.canConvert<QDBusVariant>() && value.metaType() == QMetaType::fromType<QDBusVariant>())
        value = value.value<QDBusVariant>().variant();
    return value;
}

} // namespace

DesktopColorScheme::DesktopColorScheme(const QDBusConnection &bus, QObject *parent)
    : QObject(parent)
    , m_bus(bus)
    , m_startPalette(QGuiApplication::palette())
{
}

void DesktopColorScheme::start()
{
    if (!m_bus.isConnected())
        return;
    const QString service = QString::fromLatin1(PortalRequest::serviceName);
    const QString path = QString::fromLatin1(PortalRequest::objectPath);
    m_bus.connect(service, path, QString::fromLatin1(settingsInterface), QStringLiteral("SettingChanged"), this,
                  SLOT(handleSettingChanged(QDBusMessage)));
    QDBusMessage read = QDBusMessage::createMethodCall(service, path, QString::fromLatin1(settingsInterface),
                                                       QStringLiteral("Read"));
    read << QString::fromLatin1(appearanceNamespace) << QString::fromLatin1(colorSchemeKey);
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(read), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher *call) {
        call->deleteLater();
        const QDBusPendingReply<QDBusVariant> reply = *call;
        if (!reply.isError())
            applyColorScheme(unwrapped(reply.value().variant()).toUInt());
    });
}

void DesktopColorScheme::handleSettingChanged(const QDBusMessage &change)
{
    // SettingChanged(s group, s key, v value)
    const QList<QVariant> arguments = change.arguments();
    if (arguments.size() == 3 && arguments[0].toString() == QLatin1String(appearanceNamespace)
        && arguments[1].toString() == QLatin1String(colorSchemeKey))
        applyColorScheme(unwrapped(arguments[2]).toUInt());
}

void DesktopColorScheme::applyColorScheme(uint colorScheme)
{
    // A palette is light when its text is darker than its window.
    const bool startedLight =
        m_startPalette.color(QPalette::WindowText).lightnessF() < m_startPalette.color(QPalette::Window).lightnessF();
    const bool wantsDark = colorScheme == preferDark && startedLight;
    if (wantsDark == m_isDarkApplied)
        return;
    m_isDarkApplied = wantsDark;
    QGuiApplication::setPalette(wantsDark ? darkPalette() : m_startPalette);
    emit appearanceChanged();
}

QPalette DesktopColorScheme::darkPalette()
{
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(0x1e, 0x1e, 0x1e));
    palette.setColor(QPalette::WindowText, QColor(0xec, 0xec, 0xec));
    palette.setColor(QPalette::Base, QColor(0x2a, 0x2a, 0x2a));
    palette.setColor(QPalette::AlternateBase, QColor(0x32, 0x32, 0x32));
    palette.setColor(QPalette::Text, QColor(0xec, 0xec, 0xec));
    palette.setColor(QPalette::Button, QColor(0x32, 0x32, 0x32));
    palette.setColor(QPalette::ButtonText, QColor(0xec, 0xec, 0xec));
    palette.setColor(QPalette::Highlight, QColor(0x0a, 0x84, 0xff));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::PlaceholderText, QColor(0x8a, 0x8a, 0x8a));
    palette.setColor(QPalette::ToolTipBase, QColor(0x32, 0x32, 0x32));
    palette.setColor(QPalette::ToolTipText, QColor(0xec, 0xec, 0xec));
    return palette;
}
