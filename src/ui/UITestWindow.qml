import QtQuick
import QtQuick.Controls
import Stashline

// The window a UI-test run opens by itself once launch has finished: ContentView in a fixed
// 960 by 720 frame, titled "Stashline".
ApplicationWindow {
    id: window
    objectName: "uiTestWindow"
    required property ShareListViewModel viewModel

    width: 960
    height: 720
    minimumWidth: 960
    minimumHeight: 720
    title: qsTrId("Stashline")
    color: Theme.windowBackground

    ContentView {
        anchors.fill: parent
        viewModel: window.viewModel
    }
}
