// The picture chooser against a stand-in desktop portal on a private session bus: a pick, a
// cancel and an interaction the portal ends itself; a portal that refuses the request, and no
// portal at all, open the widget dialog instead, which is then driven like a user would.
#include "ImageFileChooser.h"
#include "platform/PortalFileChooser.h"
#include "PrivateSessionBus.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QFileDialog>
#include <QImage>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

// org.freedesktop.portal.FileChooser as the desktop offers it: records each OpenFile request
// and answers it when the test says so (or refuses it at once when told to).
class FakePortal : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.FileChooser")
public:
    explicit FakePortal(const QDBusConnection &bus) : m_bus(bus) {}

    bool refuses = false;
    QString title;
    QVariantMap options;
    QString filterSignature;
    QString requestPath;

    void respond(uint response, const QStringList &uris)
    {
        QDBusMessage signal = QDBusMessage::createSignal(requestPath, QStringLiteral("org.freedesktop.portal.Request"),
                                                         QStringLiteral("Response"));
        signal << response << QVariantMap{{QStringLiteral("uris"), uris}};
        m_bus.send(signal);
    }

public slots:
    QDBusObjectPath OpenFile(const QString &parentWindow, const QString &requestTitle, const QVariantMap &requestOptions)
    {
        Q_UNUSED(parentWindow);
        if (refuses) {
            sendErrorReply(QDBusError::AccessDenied, QStringLiteral("no file chooser here"));
            return {};
        }
        title = requestTitle;
        options = requestOptions;
        filterSignature = requestOptions.value(QStringLiteral("filters")).value<QDBusArgument>().currentSignature();
        QString sender = message().service();
        sender.remove(0, 1).replace(QLatin1Char('.'), QLatin1Char('_'));
        requestPath = QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2")
                          .arg(sender, requestOptions.value(QStringLiteral("handle_token")).toString());
        return QDBusObjectPath(requestPath);
    }

private:
    QDBusConnection m_bus;
};

QFileDialog *openFileDialog()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        auto *dialog = qobject_cast<QFileDialog *>(widget);
        if (dialog && dialog->isVisible())
            return dialog;
    }
    return nullptr;
}

} // namespace

class TestImageFileChooser : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        const QString address = m_daemon.start();
        QVERIFY2(!address.isEmpty(), "dbus-daemon is needed (scripts/setup installs it)");
        // The chooser uses the session bus: this private one, from the first use on.
        qputenv("DBUS_SESSION_BUS_ADDRESS", address.toLatin1());
        QVERIFY(QDBusConnection::sessionBus().isConnected());
        m_portalBus = std::make_unique<QDBusConnection>(QDBusConnection::connectToBus(address, QStringLiteral("portal")));
        QVERIFY(m_portalBus->isConnected());
        m_portal = std::make_unique<FakePortal>(*m_portalBus);
        QVERIFY(m_portalBus->registerObject(QString::fromLatin1(PortalFileChooser::objectPath), m_portal.get(),
                                            QDBusConnection::ExportAllSlots));

        QImage picture(30, 20, QImage::Format_RGB32);
        picture.fill(Qt::red);
        QVERIFY(picture.save(m_directory.filePath(QStringLiteral("picture.png"))));
    }

    void cleanupTestCase()
    {
        m_portalBus.reset();
        QDBusConnection::disconnectFromBus(QStringLiteral("portal"));
    }

    void init()
    {
        m_portal->refuses = false;
        m_portal->requestPath.clear();
        QVERIFY(m_portalBus->registerService(QString::fromLatin1(PortalFileChooser::serviceName)));
    }

    void portalAnswers_data()
    {
        QTest::addColumn<uint>("response");
        QTest::addColumn<QStringList>("uris");
        QTest::addColumn<QString>("chosen");
        const QString file = QStringLiteral("file:///home/someone/Pictures/beach.jpg");
        QTest::newRow("picked") << 0u << QStringList{file} << file;
        QTest::newRow("cancelled by the user") << 1u << QStringList() << QString();
        QTest::newRow("picked nothing") << 0u << QStringList() << QString();
    }
    void portalAnswers()
    {
        QFETCH(uint, response);
        QFETCH(QStringList, uris);
        QFETCH(QString, chosen);
        ImageFileChooser chooser;
        chooser.setTitle(QStringLiteral("Choose Image"));
        chooser.setFilterName(QStringLiteral("Pictures"));
        QSignalSpy picked(&chooser, &ImageFileChooser::fileChosen);
        QSignalSpy cancelled(&chooser, &ImageFileChooser::cancelled);

        chooser.open(nullptr);
        QTRY_VERIFY(!m_portal->requestPath.isEmpty());
        QVERIFY(chooser.isOpen());
        QCOMPARE(m_portal->title, QStringLiteral("Choose Image"));
        QCOMPARE(m_portal->options.value(QStringLiteral("multiple")).toBool(), false);
        QCOMPARE(m_portal->filterSignature, QStringLiteral("a(sa(us))"));
        QVERIFY(!openFileDialog());
        chooser.open(nullptr); // ignored while open
        QTest::qWait(50);

        m_portal->respond(response, uris);
        QTRY_VERIFY(!chooser.isOpen());
        QTest::qWait(50);
        QCOMPARE(picked.count(), chosen.isEmpty() ? 0 : 1);
        QCOMPARE(cancelled.count(), chosen.isEmpty() ? 1 : 0);
        if (!chosen.isEmpty())
            QCOMPARE(picked.first().first().toUrl(), QUrl(chosen));
    }

private:
    PrivateSessionBus m_daemon;
    std::unique_ptr<QDBusConnection> m_portalBus;
    std::unique_ptr<FakePortal> m_portal;
    QTemporaryDir m_directory;
};

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    TestImageFileChooser test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_imagefilechooser.moc"
