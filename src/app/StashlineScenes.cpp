#include "StashlineScenes.h"

#include "MemoryTrim.h"
#include "PreviewSyncManager.h"
#include "QmlEngineSetup.h"
#include "StashlineApp.h"
#include "StashlineAppDelegate.h"
#include "SymbolCatalogue.h"
#include "WindowCompositing.h"
#include "model/Calendar.h"
#include "model/ShareListViewModel.h"
#include "platform/GroupDirectory.h"
#include "platform/MainQueue.h"
#include "platform/PersistentContainer.h"

#include <QApplication>
#include <QCursor>
#include <QIcon>
#include <QMenu>
#include <QPixmap>
#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QScreen>
#include <QSvgRenderer>
#include <QPainter>
#include <QSystemTrayIcon>
#include <QTimer>

namespace {

// The tray icon: the "tray.full" symbol, drawn in the palette's teal on the tray's size.
QIcon trayIcon()
{
    QIcon icon;
    const QByteArray svg = SymbolCatalogue::shared().tintedSvg(QStringLiteral("tray.full"), QStringLiteral("#14B8A6"));
    QSvgRenderer renderer(svg);
    for (int size : {16, 22, 24, 32, 48, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace

StashlineScenes::StashlineScenes(StashlineApp &app, QObject *parent) : QObject(parent), m_app(app) {}

QString StashlineScenes::trayToolTip() const
{
    return m_tray ? m_tray->toolTip() : QString();
}

QString StashlineScenes::windowTitle()
{
    const QString device = GroupDirectory::deviceName();
    if (device.isEmpty())
        return qtTrId("Stashline");
    const QString format = qtTrId("window.title.device");
    return (format.contains(QLatin1String("%1")) ? format : QStringLiteral("Stashline — %1")).arg(device);
}

StashlineScenes::~StashlineScenes()
{
    if (m_tray)
        m_tray->hide();
    m_engine.reset(); // the windows go before the models they show
}

QQuickWindow *StashlineScenes::createWindow(const QString &file, QObject *viewModel, const QVariantMap &properties)
{
    if (!m_engine) {
        static const bool styled = [] {
            QmlEngineSetup::applyStyle();
            return true;
        }();
        Q_UNUSED(styled);
        m_engine = std::make_unique<QQmlApplicationEngine>();
        QmlEngineSetup::install(*m_engine);
    }
    const qsizetype before = m_engine->rootObjects().size();
    QVariantMap initial = properties;
    initial.insert(QStringLiteral("viewModel"), QVariant::fromValue(viewModel));
    m_engine->setInitialProperties(initial);
    m_engine->load(QUrl(QStringLiteral("qrc:/qt/qml/Stashline/") + file));
    if (m_engine->rootObjects().size() <= before)
        return nullptr;
    auto *window = qobject_cast<QQuickWindow *>(m_engine->rootObjects().constLast());
    if (window) {
        window->setTitle(windowTitle());
        // Checked once the hide has settled, so a window closed while another opens is no gap.
        connect(window, &QWindow::visibleChanged, this, [this](bool visible) {
            if (!visible)
                QTimer::singleShot(0, this, &StashlineScenes::releaseSceneIfHidden);
        });
    }
    return window;
}

bool StashlineScenes::ensureMainWindow()
{
    if (m_mainWindow)
        return true;
    m_mainWindow = createWindow(QStringLiteral("MainWindow.qml"), &m_app.viewModel());
    if (!m_mainWindow)
        return false;
    m_mainWindow->setIcon(QIcon(QStringLiteral(":/stashline/com.quellmar.Stashline.svg")));
    return true;
}

void StashlineScenes::releaseSceneIfHidden()
{
    // Only an app that lives on in the tray keeps running without windows; the UI-test window
    // keeps its scene.
    if (!m_tray || !m_engine || m_uiTestWindow)
        return;
    if ((m_mainWindow && m_mainWindow->isVisible()) || (m_panelWindow && m_panelWindow->isVisible()))
        return;
    m_engine.reset(); // the windows and their QML trees go with it
    // The app may stay hidden for hours: what the screens needed goes back to the system.
    MemoryTrim::releaseIdlePages();
    emit sceneReleased();
}

bool StashlineScenes::load(TrayUse trayUse)
{
    if (!ensureMainWindow())
        return false;

    if (trayUse == TrayUse::WhenAvailable && !QSystemTrayIcon::isSystemTrayAvailable()) {
        QGuiApplication::setQuitOnLastWindowClosed(true);
        return true;
    }
    QGuiApplication::setQuitOnLastWindowClosed(false);
    m_tray = new QSystemTrayIcon(trayIcon(), this);
    m_tray->setToolTip(windowTitle());
    m_trayMenu = std::make_unique<QMenu>();
    m_trayMenu->addAction(qtTrId("tray.open"), this, &StashlineScenes::showMainWindow);
    m_trayMenu->addSeparator();
    m_trayMenu->addAction(qtTrId("tray.quit"), QCoreApplication::instance(), &QCoreApplication::quit);
    m_tray->setContextMenu(m_trayMenu.get());
    connect(m_tray, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick)
            showPanel();
    });
    m_tray->show();
    return true;
}

void StashlineScenes::showMainWindow()
{
    bool anyVisible = false;
    for (QWindow *window : QGuiApplication::topLevelWindows()) {
        if (!window->isVisible() || window == m_panelWindow)
            continue;
        anyVisible = true;
        window->raise();
        window->requestActivate();
    }
    if (!anyVisible && ensureMainWindow()) {
        m_mainWindow->show();
        m_mainWindow->raise();
        m_mainWindow->requestActivate();
    }
}

void StashlineScenes::showPanel()
{
    if (!m_panelWindow)
        m_panelWindow = createWindow(QStringLiteral("PanelWindow.qml"), &m_app.viewModel(),
                                     {{QStringLiteral("hasCompositor"), WindowCompositing::isActive()}});
    if (!m_panelWindow)
        return;
    // The window may be larger than the panel by the edge its shadow falls on.
    const int margin = m_panelWindow->property("shadowMargin").toInt();
    const QSize panelSize = m_panelWindow->size() - QSize(2 * margin, 2 * margin);
    // Under the tray icon when the tray says where it is, else under the pointer.
    QRect anchor = m_tray ? m_tray->geometry() : QRect();
    if (!anchor.isValid())
        anchor = QRect(QCursor::pos(), QSize(1, 1));
    const QScreen *screen = QGuiApplication::screenAt(anchor.center());
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1920, 1080);
    QPoint position(anchor.center().x() - panelSize.width() / 2, anchor.bottom() + 4);
    if (position.y() + panelSize.height() > available.bottom())
        position.setY(anchor.top() - panelSize.height() - 4);
    position.setX(std::clamp(position.x(), available.left(), available.right() - panelSize.width()));
    position.setY(std::clamp(position.y(), available.top(), available.bottom() - panelSize.height()));
    m_panelWindow->setPosition(position - QPoint(margin, margin));
    m_panelWindow->show();
    m_panelWindow->raise();
    m_panelWindow->requestActivate();
    showMainWindow();
    emit panelShown();
}

void StashlineScenes::openUITestWindowAfterLaunch()
{
    if (!m_app.isUITesting())
        return;
    StashlineAppDelegate::setUITestLaunchHook([this, context = &m_app.container().viewContext()] {
        MainQueue::async([this, context] { openUITestWindow(*context); });
    });
}

void StashlineScenes::openUITestWindow(ManagedObjectContext &context)
{
    if (m_uiTestWindow) {
        // A new window replaces the old one, which must not outlive its model.
        m_uiTestWindow->close();
        delete m_uiTestWindow.data();
    }
    m_uiTestModel = std::make_unique<ShareListViewModel>(context, Calendar::current(),
                                                         std::make_shared<PreviewSyncManager>());
    QQuickWindow *window = createWindow(QStringLiteral("UITestWindow.qml"), m_uiTestModel.get());
    if (!window)
        return;
    window->setTitle(QStringLiteral("Stashline"));
    window->resize(960, 720);
    if (const QScreen *screen = window->screen()) {
        const QRect available = screen->availableGeometry();
        window->setPosition(available.center() - QPoint(480, 360));
    }
    window->show();
    window->raise();
    window->requestActivate();
    m_uiTestWindow = window;
}
