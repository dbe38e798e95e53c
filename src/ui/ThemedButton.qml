import QtQuick
import QtQuick.Controls
import Stashline

// A push button drawn from the theme: "accent" is the filled main action of a screen,
// "destructive" the filled red one of a confirmation, "plain" a quiet tinted one (Cancel, Back).
// Text keeps 4.5:1 against the fill in light and dark palettes. A disabled button of any role
// loses its colour: a faint grey fill with muted text, which reads as off in either palette
// (a faded accent fill still looked pressable on a dark card).
AbstractButton {
    id: button
    property string role: "plain"
    property string iconName
    property bool small: false

    readonly property bool isFilled: enabled && role !== "plain"
    readonly property color fillColor: !enabled ? Theme.withOpacity(Theme.primary, 0.05)
                                     : role === "accent" ? Theme.accentFill
                                     : role === "destructive" ? Theme.redFill
                                     : Theme.withOpacity(Theme.primary, down ? 0.14 : hovered ? 0.1 : 0.07)
    readonly property color textColor: !enabled ? Theme.placeholder
                                     : role === "accent" ? Theme.accentForeground
                                     : role === "destructive" ? Theme.redForeground
                                     : Theme.primary

    leftPadding: small ? 12 : 16
    rightPadding: small ? 12 : 16
    topPadding: small ? 5 : 7
    bottomPadding: small ? 5 : 7
    hoverEnabled: true
    focusPolicy: Qt.StrongFocus
    Accessible.role: Accessible.Button
    Accessible.name: text
    font.pixelSize: small ? Theme.calloutSize : Theme.bodySize
    font.weight: role === "plain" ? Font.Medium : Font.DemiBold

    Keys.onReturnPressed: clicked()
    Keys.onEnterPressed: clicked()

    background: Rectangle {
        implicitHeight: button.small ? 26 : 32
        radius: 8
        color: button.fillColor
        // Pressing or hovering a filled button darkens it a little.
        Rectangle {
            anchors.fill: parent
            radius: parent.radius
            visible: button.isFilled
            color: Qt.rgba(0, 0, 0, button.down ? 0.16 : button.hovered ? 0.08 : 0)
        }
        Rectangle {
            anchors.fill: parent
            anchors.margins: -3
            radius: parent.radius + 3
            color: "transparent"
            visible: button.visualFocus
            border.width: 2
            border.color: Theme.withOpacity(Theme.accent, 0.6)
        }
    }
    contentItem: Row {
        spacing: 6
        SymbolIcon {
            visible: button.iconName.length > 0
            anchors.verticalCenter: parent.verticalCenter
            name: button.iconName
            size: button.font.pixelSize
            color: button.textColor
        }
        Text {
            anchors.verticalCenter: parent.verticalCenter
            text: button.text
            font: button.font
            color: button.textColor
        }
    }
}
