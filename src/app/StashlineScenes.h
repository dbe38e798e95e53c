#pragma once

#include <QObject>
#include <QPointer>
#include <QQuickWindow>

#include <memory>

class ManagedObjectContext;
class PreviewSyncManager;
class QMenu;
class QQmlApplicationEngine;
class QSystemTrayIcon;
class ShareListViewModel;
class StashlineApp;

// The application's two scenes over the one list model: the main window (ContentView, 960 by
// 720) and, where the desktop has a tray, a tray icon titled "Stashline" (see windowTitle) whose panel (360 by
// 420) shows the list screen. Without a tray host the app runs with its main window alone and
// ends when it is closed; with one, closing the main window keeps the app in the tray and
// "Quit" in the tray menu ends it. Once the main window and the panel are both closed to the
// tray, the scene (the windows, their QML trees and the engine) is released and only the list
// model and the sync engine stay; showing the main window or the panel builds it again. Also
// opens the UI-test window. Main thread.
class StashlineScenes : public QObject
{
    Q_OBJECT
public:
    explicit StashlineScenes(StashlineApp &app, QObject *parent = nullptr);
    ~StashlineScenes() override;

    enum class TrayUse { WhenAvailable, Always };

    // Builds the main window and, when a tray host exists (or `trayUse` says so anyway), the tray
    // icon. False when the screens cannot be loaded.
    bool load(TrayUse trayUse = TrayUse::WhenAvailable);

    // Brings the application forward: every visible window is raised and activated; when none
    // is visible, the main window is shown (built again if the scene was released).
    void showMainWindow();

    // Shows the tray panel near the tray icon (creating it on first use); then showMainWindow.
    void showPanel();

    // A second list model with its own PreviewSyncManager over `context`, shown in a centred,
    // titled 960 by 720 window.
    void openUITestWindow(ManagedObjectContext &context);
    // In a UI-test run, has the UI-test window open over the app's store once launch has
    // finished (StashlineAppDelegate's launch hook); nothing otherwise.
    void openUITestWindowAfterLaunch();

    QQuickWindow *mainWindow() const { return m_mainWindow; }
    QQuickWindow *panelWindow() const { return m_panelWindow; }
    QQuickWindow *uiTestWindow() const { return m_uiTestWindow; }
    bool hasTray() const { return m_tray != nullptr; }
    QString trayToolTip() const;

    // The title of the windows and the tray icon's tooltip: "Stashline", with the device name
    // for an instance on another group directory (a second device on this machine), so the two
    // can be told apart.
    static QString windowTitle();
    // No window and no QML tree exists: everything was closed to the tray.
    bool isSceneReleased() const { return !m_engine; }

signals:
    void panelShown();
    void sceneReleased();

private:
    QQuickWindow *createWindow(const QString &file, QObject *viewModel, const QVariantMap &properties = {});
    bool ensureMainWindow();
    void releaseSceneIfHidden();

    StashlineApp &m_app;
    std::unique_ptr<QQmlApplicationEngine> m_engine;
    QPointer<QQuickWindow> m_mainWindow;
    QPointer<QQuickWindow> m_panelWindow;
    QPointer<QQuickWindow> m_uiTestWindow;
    QSystemTrayIcon *m_tray = nullptr;
    std::unique_ptr<QMenu> m_trayMenu;
    std::unique_ptr<ShareListViewModel> m_uiTestModel;
};
