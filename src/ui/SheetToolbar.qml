import QtQuick
import QtQuick.Controls
import Stashline

// A toolbar with an optional leading button (Cancel or back), a centred title and an optional
// trailing confirmation button (the screen's main action, filled with the accent).
Item {
    id: bar
    property string title
    property string leadingText
    property string leadingIcon
    property string leadingObjectName
    property string trailingText
    property string trailingObjectName
    property bool trailingEnabled: true
    signal leadingClicked()
    signal trailingClicked()

    implicitHeight: 52
    Rectangle {
        anchors.bottom: parent.bottom
        width: parent.width
        height: 1
        color: Theme.separator
    }

    ThemedButton {
        objectName: bar.leadingObjectName
        visible: bar.leadingText.length > 0
        anchors.left: parent.left
        anchors.leftMargin: 12
        anchors.verticalCenter: parent.verticalCenter
        text: bar.leadingText
        iconName: bar.leadingIcon
        onClicked: bar.leadingClicked()
    }
    Text {
        anchors.centerIn: parent
        width: Math.min(implicitWidth, parent.width - 260)
        text: bar.title
        font.pixelSize: Theme.bodySize + 1
        font.weight: Font.DemiBold
        color: Theme.primary
        elide: Text.ElideRight
        horizontalAlignment: Text.AlignHCenter
    }
    ThemedButton {
        objectName: bar.trailingObjectName
        visible: bar.trailingText.length > 0
        anchors.right: parent.right
        anchors.rightMargin: 12
        anchors.verticalCenter: parent.verticalCenter
        text: bar.trailingText
        role: "accent"
        enabled: bar.trailingEnabled
        onClicked: bar.trailingClicked()
    }
}
