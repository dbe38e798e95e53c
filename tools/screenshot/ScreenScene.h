#pragma once

#include "ScreenshotOptions.h"

#include <QImage>
#include <QQmlEngine>

#include <memory>

class QQuickWindow;
class StashlineApp;

// One screen of the app built offscreen the way the screenshot tool draws it: a UI-test run's
// in-memory store seeded with the mock state (plus, if asked, items in every sync state and
// kind), the screen in a window of its own size, in a dark palette or the system's. Pictures go
// to the group directory the caller set. Main thread; needs a QApplication.
class ScreenScene
{
public:
    explicit ScreenScene(ScreenshotOptions options);
    ~ScreenScene();

    // Builds the screen and shows its window; false with a message in `error`.
    bool build(QString *error);
    QQuickWindow *window() const { return m_window; }

    // Runs the event loop for `milliseconds` (loading, layout, pictures), then grabs the window.
    QImage grab(int milliseconds = 600);

private:
    ScreenshotOptions m_options;
    std::unique_ptr<StashlineApp> m_app;
    std::unique_ptr<QQmlEngine> m_engine;
    std::unique_ptr<QObject> m_root;
    QQuickWindow *m_window = nullptr;
};
