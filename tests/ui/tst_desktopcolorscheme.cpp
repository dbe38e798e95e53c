// The app's appearance follows the desktop's dark preference as a stand-in desktop portal on a
// private session bus reports it: at start, and as it changes.
#include "ColorContrast.h"
#include "DesktopColorScheme.h"
#include "PortalFileChooser.h"
#include "PrivateSessionBus.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QSignalSpy>
#include <QTest>

namespace {

// org.freedesktop.portal.Settings with the one setting the app reads. It answers the way older
// portals do, the value wrapped twice.
class FakeSettings : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")
public:
    explicit FakeSettings(const QDBusConnection &bus) : m_bus(bus) {}

    uint colorScheme = 0;

    void change(const QString &group, const QString &key, uint value)
    {
        if (key == QLatin1String(DesktopColorScheme::colorSchemeKey))
            colorScheme = value;
        QDBusMessage signal = QDBusMessage::createSignal(QString::fromLatin1(PortalFileChooser::objectPath),
                                                         QString::fromLatin1(DesktopColorScheme::settingsInterface),
                                                         QStringLiteral("SettingChanged"));
        signal << group << key << QVariant::fromValue(QDBusVariant(value));
        m_bus.send(signal);
    }

public slots:
    QDBusVariant Read(const QString &group, const QString &key)
    {
        Q_UNUSED(group);
        Q_UNUSED(key);
        return QDBusVariant(QVariant::fromValue(QDBusVariant(colorScheme)));
    }

private:
    QDBusConnection m_bus;
};

bool isDark(const QPalette &palette)
{
    return ColorContrast::luminance(palette.color(QPalette::Window)) < 0.18;
}

} // namespace

class TestDesktopColorScheme : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        m_address = m_daemon.start();
        QVERIFY2(!m_address.isEmpty(), "dbus-daemon is needed (scripts/setup installs it)");
        QVERIFY(!isDark(QGuiApplication::palette()));
        m_startPalette = QGuiApplication::palette();
        m_startWindowColor = m_startPalette.color(QPalette::Window);
    }
    void cleanup() { QApplication::setPalette(m_startPalette); }

    void followsThePortalPreference()
    {
        QDBusConnection portalBus = QDBusConnection::connectToBus(m_address, QStringLiteral("portal"));
        FakeSettings settings(portalBus);
        QVERIFY(portalBus.registerObject(QString::fromLatin1(PortalFileChooser::objectPath), &settings,
                                         QDBusConnection::ExportAllSlots));
        QVERIFY(portalBus.registerService(QString::fromLatin1(PortalFileChooser::serviceName)));
        settings.colorScheme = 1;

        DesktopColorScheme scheme(QDBusConnection::connectToBus(m_address, QStringLiteral("app")));
        QSignalSpy changed(&scheme, &DesktopColorScheme::appearanceChanged);
        scheme.start();
        QTRY_VERIFY(isDark(QGuiApplication::palette()));
        QVERIFY(scheme.isDarkApplied());
        QCOMPARE(changed.count(), 1);

        // Another setting changing leaves the appearance alone.
        settings.change(QStringLiteral("org.freedesktop.appearance"), QStringLiteral("accent-color"), 0);
        QTest::qWait(100);
        QVERIFY(isDark(QGuiApplication::palette()));

        settings.change(QStringLiteral("org.freedesktop.appearance"), QStringLiteral("color-scheme"), 2);
        QTRY_VERIFY(!isDark(QGuiApplication::palette()));
        QCOMPARE(QGuiApplication::palette().color(QPalette::Window), m_startWindowColor);
        settings.change(QStringLiteral("org.freedesktop.appearance"), QStringLiteral("color-scheme"), 1);
        QTRY_VERIFY(isDark(QGuiApplication::palette()));
        settings.change(QStringLiteral("org.freedesktop.appearance"), QStringLiteral("color-scheme"), 0);
        QTRY_VERIFY(!isDark(QGuiApplication::palette()));
        QCOMPARE(changed.count(), 4);
        QDBusConnection::disconnectFromBus(QStringLiteral("portal"));
    }

    void withoutPortalNothingChanges()
    {
        DesktopColorScheme scheme(QDBusConnection::connectToBus(m_address, QStringLiteral("app without portal")));
        QSignalSpy changed(&scheme, &DesktopColorScheme::appearanceChanged);
        scheme.start();
        QTest::qWait(300);
        QCOMPARE(changed.count(), 0);
        QCOMPARE(QGuiApplication::palette().color(QPalette::Window), m_startWindowColor);
    }

private:
    PrivateSessionBus m_daemon;
    QString m_address;
    QPalette m_startPalette;
    QColor m_startWindowColor;
};

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    TestDesktopColorScheme test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_desktopcolorscheme.moc"
