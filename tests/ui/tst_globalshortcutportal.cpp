// The panel's desktop-wide shortcut against a stand-in GlobalShortcuts portal on a private
// session bus: the session is made and the shortcut bound with its description and trigger,
// only its own presses open the panel, and a portal that refuses, or none at all, leaves
// nothing half done.
#include "platform/GlobalShortcutPortal.h"
#include "platform/PortalRequest.h"
#include "PrivateSessionBus.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusContext>
#include <QDBusMessage>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

// org.freedesktop.portal.GlobalShortcuts as a desktop offers it: answers each request on its
// request object after the call returned, records the shortcuts it was asked to bind.
class FakeShortcutsPortal : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.GlobalShortcuts")
public:
    explicit FakeShortcutsPortal(const QDBusConnection &bus) : m_bus(bus) {}

    uint bindResponse = 0;
    QString sessionPath;
    QStringList boundIds;
    QVariantMap boundProperties;

    void press(const QString &session, const QString &shortcutId)
    {
        QDBusMessage signal = QDBusMessage::createSignal(QString::fromLatin1(PortalRequest::objectPath),
                                                         QString::fromLatin1(GlobalShortcutPortal::interfaceName),
                                                         QStringLiteral("Activated"));
        signal << QVariant::fromValue(QDBusObjectPath(session)) << shortcutId << qulonglong(1) << QVariantMap();
        m_bus.send(signal);
    }

public slots:
    QDBusObjectPath CreateSession(const QVariantMap &options)
    {
        sessionPath = QStringLiteral("/org/freedesktop/portal/desktop/session/1/%1")
                          .arg(options.value(QStringLiteral("session_handle_token")).toString());
        return answerLater(options, 0, {{QStringLiteral("session_handle"), QVariant::fromValue(QDBusObjectPath(sessionPath))}});
    }

    QDBusObjectPath BindShortcuts(const QDBusObjectPath &session, const PortalShortcutList &shortcuts,
                                  const QString &parent, const QVariantMap &options)
    {
        Q_UNUSED(parent);
        if (session.path() != sessionPath) {
            sendErrorReply(QDBusError::InvalidArgs, QStringLiteral("unknown session"));
            return {};
        }
        for (const PortalShortcut &shortcut : shortcuts) {
            boundIds.append(shortcut.id);
            boundProperties = shortcut.properties;
        }
        return answerLater(options, bindResponse, {});
    }

private:
    QDBusObjectPath answerLater(const QVariantMap &options, uint response, const QVariantMap &results)
    {
        const QString path = PortalRequest::path(message().service(), options.value(QStringLiteral("handle_token")).toString());
        QTimer::singleShot(0, this, [this, path, response, results] {
            QDBusMessage signal = QDBusMessage::createSignal(path, QString::fromLatin1(PortalRequest::requestInterface),
                                                             QStringLiteral("Response"));
            signal << response << results;
            m_bus.send(signal);
        });
        return QDBusObjectPath(path);
    }

    QDBusConnection m_bus;
};

} // namespace

class TestGlobalShortcutPortal : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        GlobalShortcutPortal::registerTypes(); // for the stand-in's BindShortcuts
        const QString address = m_daemon.start();
        QVERIFY2(!address.isEmpty(), "dbus-daemon is needed (scripts/setup installs it)");
        m_appBus = std::make_unique<QDBusConnection>(QDBusConnection::connectToBus(address, QStringLiteral("app")));
        m_portalBus = std::make_unique<QDBusConnection>(QDBusConnection::connectToBus(address, QStringLiteral("portal")));
        QVERIFY(m_appBus->isConnected() && m_portalBus->isConnected());
        m_portal = std::make_unique<FakeShortcutsPortal>(*m_portalBus);
        QVERIFY(m_portalBus->registerObject(QString::fromLatin1(PortalRequest::objectPath), m_portal.get(),
                                            QDBusConnection::ExportAllSlots));
    }

    void cleanupTestCase()
    {
        m_appBus.reset();
        m_portalBus.reset();
        QDBusConnection::disconnectFromBus(QStringLiteral("app"));
        QDBusConnection::disconnectFromBus(QStringLiteral("portal"));
    }

    void noPortalChangesNothing()
    {
        GlobalShortcutPortal shortcut(*m_appBus);
        QSignalSpy unavailable(&shortcut, &GlobalShortcutPortal::unavailable);
        shortcut.start(QStringLiteral("CTRL+ALT+S"));
        QCOMPARE(unavailable.count(), 1);
        QVERIFY(!shortcut.isBound());
    }

    void bindsAndOpensOnItsOwnPress()
    {
        QVERIFY(m_portalBus->registerService(QString::fromLatin1(PortalRequest::serviceName)));
        m_portal->bindResponse = 0;
        GlobalShortcutPortal shortcut(*m_appBus);
        QSignalSpy bound(&shortcut, &GlobalShortcutPortal::bound);
        QSignalSpy activated(&shortcut, &GlobalShortcutPortal::activated);
        shortcut.start(QStringLiteral("CTRL+ALT+S"));
        QVERIFY(bound.wait(5000));
        QCOMPARE(m_portal->boundIds, QStringList{QStringLiteral("open-panel")});
        QCOMPARE(m_portal->boundProperties.value(QStringLiteral("preferred_trigger")).toString(), QStringLiteral("CTRL+ALT+S"));
        QVERIFY(!m_portal->boundProperties.value(QStringLiteral("description")).toString().isEmpty());

        m_portal->press(QStringLiteral("/org/freedesktop/portal/desktop/session/1/other"), QStringLiteral("open-panel"));
        m_portal->press(m_portal->sessionPath, QStringLiteral("something-else"));
        m_portal->press(m_portal->sessionPath, QStringLiteral("open-panel"));
        QVERIFY(activated.wait(5000));
        QTest::qWait(100);
        QCOMPARE(activated.count(), 1);
    }

private:
    PrivateSessionBus m_daemon;
    std::unique_ptr<QDBusConnection> m_appBus;
    std::unique_ptr<QDBusConnection> m_portalBus;
    std::unique_ptr<FakeShortcutsPortal> m_portal;
};

QTEST_GUILESS_MAIN(TestGlobalShortcutPortal)
#include "tst_globalshortcutportal.moc"
