import QtQuick
import QtQuick.Controls
import Stashline

// The tray panel: the list screen in a frameless 360 by 420 window under the tray icon.
// It hides again when it loses focus, as a menu-bar panel does, and on Escape (once the edit
// page, the add sheet or a dialog that Escape closes first is gone). A one-pixel border sets it
// off from what lies behind it in either palette; where a compositor blends windows, the window
// is larger by a transparent edge on which the panel casts a soft shadow.
ApplicationWindow {
    id: panel
    objectName: "panelWindow"
    required property ShareListViewModel viewModel
    // Given when the window is made: a compositor runs, so a transparent edge is blended.
    property bool hasCompositor: false
    readonly property int shadowMargin: hasCompositor ? 14 : 0

    width: 360 + 2 * shadowMargin
    height: 420 + 2 * shadowMargin
    minimumWidth: width
    maximumWidth: width
    minimumHeight: height
    maximumHeight: height
    flags: Qt.Tool | Qt.FramelessWindowHint | Qt.WindowStaysOnTopHint
    color: hasCompositor ? "transparent" : Theme.windowBackground

    onActiveChanged: {
        if (!active && visible)
            hide()
    }

    Shadow {
        visible: panel.hasCompositor
        anchors.fill: frame
        radius: 0
        spread: panel.shadowMargin
        offsetY: 3
        strength: Theme.isDark ? 0.5 : 0.22
    }

    Rectangle {
        id: frame
        objectName: "panelFrame"
        anchors.fill: parent
        anchors.margins: panel.shadowMargin
        color: Theme.windowBackground

        ShareListView {
            objectName: "panelList"
            anchors.fill: parent
            anchors.margins: 1
            viewModel: panel.viewModel
            focus: true
            Keys.onEscapePressed: panel.hide()
        }

        // Drawn over the content, so nothing covers it.
        Rectangle {
            objectName: "panelBorder"
            anchors.fill: parent
            color: "transparent"
            border.width: 1
            border.color: Theme.withOpacity(Theme.primary, Theme.isDark ? 0.3 : 0.22)
        }
    }
}
