import QtQuick
import QtQuick.Controls
import Stashline

// The application's main window: ContentView at 960 by 720, titled by StashlineScenes ("Stashline", with the device name
// for a second device on this machine).
ApplicationWindow {
    id: window
    objectName: "mainWindow"
    required property ShareListViewModel viewModel

    width: 960
    height: 720
    minimumWidth: 480
    minimumHeight: 420
    visible: true
    color: Theme.windowBackground

    ContentView {
        anchors.fill: parent
        viewModel: window.viewModel
    }
}
