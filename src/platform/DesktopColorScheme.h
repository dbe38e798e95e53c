#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <QPalette>

// Follows the desktop's light or dark preference where Qt's platform theme does not report it:
// the XDG desktop portal's setting "color-scheme" of "org.freedesktop.appearance" (1: prefer
// dark, 2: prefer light, 0: no preference), read at start and followed as it changes. When the
// desktop prefers dark while the application palette is light, the dark palette is applied;
// when the preference goes, the palette the app started with comes back. A palette that is
// already dark (the platform theme's own) is left alone. Without a portal nothing changes.
// Main thread; needs a QGuiApplication.
class DesktopColorScheme : public QObject
{
    Q_OBJECT
public:
    static constexpr const char *settingsInterface = "org.freedesktop.portal.Settings";
    static constexpr const char *appearanceNamespace = "org.freedesktop.appearance";
    static constexpr const char *colorSchemeKey = "color-scheme";

    explicit DesktopColorScheme(const QDBusConnection &bus, QObject *parent = nullptr);

    // Asks the portal for the preference (without blocking) and starts following it.
    void start();
    bool isDarkApplied() const { return m_isDarkApplied; }

    // The palette of the dark appearance: neutral greys, light text, a blue accent.
    static QPalette darkPalette();

signals:
    void appearanceChanged();

private slots:
    void handleSettingChanged(const QDBusMessage &change);

private:
    void applyColorScheme(uint colorScheme);

    QDBusConnection m_bus;
    QPalette m_startPalette;
    bool m_isDarkApplied = false;
};
