import QtQuick
import QtQuick.Controls
import Stashline

// The bar after a delete: "Deleted “TITLE”" with Undo, for about eight seconds. Undo takes the
// last step of the session's undo history back, which is that delete while the bar shows (any
// later undoable change hides the bar). The title is the user's text, shown as plain text.
Item {
    id: bar
    objectName: "undoBar"

    required property ShareListViewModel viewModel
    property int showMilliseconds: 8000
    property string deletedTitle
    property int deletedCount: 0
    readonly property bool shown: hideTimer.running

    function showDeleted(title, count) {
        deletedTitle = title
        deletedCount = count
        hideTimer.restart()
    }
    function undo() {
        hideTimer.stop()
        viewModel.undoStack.undo()
    }

    implicitWidth: Math.min(520, row.implicitWidth + 32)
    implicitHeight: row.implicitHeight + 20
    visible: opacity > 0
    opacity: shown ? 1 : 0
    Behavior on opacity { NumberAnimation { duration: 160 } }

    Connections {
        target: bar.viewModel
        function onSharesTrashed(title, count) { bar.showDeleted(title, count) }
    }
    Connections {
        // Another undoable step, or an undo from the keyboard: the bar's Undo would no longer
        // mean this delete. (The delete's own step is recorded before the bar shows.)
        target: bar.viewModel.undoStack
        function onChanged() { hideTimer.stop() }
    }

    Timer {
        id: hideTimer
        interval: bar.showMilliseconds
    }

    Rectangle {
        anchors.fill: parent
        radius: 12
        color: Theme.isDark ? "#3A3A3C" : "#2C2C2E"
    }
    Row {
        id: row
        x: 16
        anchors.verticalCenter: parent.verticalCenter
        spacing: 16
        Text {
            objectName: "undoBarText"
            anchors.verticalCenter: parent.verticalCenter
            width: Math.min(implicitWidth, 520 - 32 - undoButton.width - 16)
            text: bar.deletedCount > 1 || bar.deletedTitle.length === 0
                  ? qsTrId("share.undo.deletedCount %1").arg(bar.deletedCount)
                  : qsTrId("share.undo.deleted %1").arg(bar.deletedTitle)
            textFormat: Text.PlainText
            elide: Text.ElideMiddle
            color: "#FFFFFF"
            font.pixelSize: Theme.bodySize
        }
        AbstractButton {
            id: undoButton
            objectName: "undoBarButton"
            anchors.verticalCenter: parent.verticalCenter
            hoverEnabled: true
            focusPolicy: Qt.StrongFocus
            padding: 4
            Accessible.role: Accessible.Button
            Accessible.name: text
            text: qsTrId("share.undo.undo")
            onClicked: bar.undo()
            Keys.onReturnPressed: bar.undo()
            contentItem: Text {
                text: undoButton.text
                font.pixelSize: Theme.bodySize
                font.weight: Font.DemiBold
                color: undoButton.hovered ? "#FFFFFF" : "#64D2FF"
            }
            background: Rectangle {
                radius: 6
                color: "transparent"
                border.width: undoButton.visualFocus ? 2 : 0
                border.color: "#64D2FF"
            }
        }
    }
}
