import QtQuick
import QtQuick.Controls
import Stashline

// The tray panel: the list screen in a frameless 360 by 420 window under the tray icon.
// It hides again when it loses focus, as a menu-bar panel does.
ApplicationWindow {
    id: panel
    objectName: "panelWindow"
    required property ShareListViewModel viewModel

    width: 360
    height: 420
    minimumWidth: 360
    maximumWidth: 360
    minimumHeight: 420
    maximumHeight: 420
    flags: Qt.Tool | Qt.FramelessWindowHint | Qt.WindowStaysOnTopHint
    title: qsTrId("Stashline")
    color: Theme.windowBackground

    onActiveChanged: {
        if (!active && visible)
            hide()
    }

    ShareListView {
        objectName: "panelList"
        anchors.fill: parent
        viewModel: panel.viewModel
    }
}
