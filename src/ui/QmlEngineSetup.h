#pragma once

class QQmlEngine;

// What every engine that shows the screens needs besides the Stashline QML module: the icon
// provider ("image://symbol/...") and the controls style. Main thread.
namespace QmlEngineSetup {

// Chooses the renderer the app uses unless the user picked one (QT_QUICK_BACKEND or
// QSG_RHI_BACKEND): the software renderer. A list of cards needs no GPU, and without one no
// graphics driver is loaded into a process that lives all day in the tray. Call before the
// application object is created.
void applyDefaultRenderer();

// Selects the controls style that follows the application palette (light or dark). Call
// before the first engine is created.
void applyStyle();

// Adds the image providers to `engine` (which takes ownership of them).
void install(QQmlEngine &engine);

} // namespace QmlEngineSetup
