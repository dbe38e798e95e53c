#pragma once

class QQmlEngine;

// What every engine that shows the screens needs besides the Stashline QML module: the icon
// provider ("image://symbol/...") and the controls style. Main thread.
namespace QmlEngineSetup {

// Selects the controls style that follows the application palette (light or dark). Call
// before the first engine is created.
void applyStyle();

// Adds the image providers to `engine` (which takes ownership of them).
void install(QQmlEngine &engine);

} // namespace QmlEngineSetup
