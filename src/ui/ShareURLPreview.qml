import QtQuick
import QtQuick.Controls
import Stashline

// The link card of a row: an icon tile, the link's host and path, its host, and a chevron. A
// press (or the default accessibility action) opens the link in the user's browser.
AbstractButton {
    id: preview
    objectName: "shareURLPreview"

    property url url
    property real imageSize: 40
    // Opens the link; replaced by tests.
    property var openURL: function(link) { Qt.openUrlExternally(link) }

    readonly property string displayText: ShareRowFormatter.linkDisplayText(url)
    readonly property string hostText: ShareRowFormatter.hostLine(url)

    padding: 14
    hoverEnabled: true
    Accessible.role: Accessible.Button
    Accessible.name: displayText
    Accessible.onPressAction: openURL(url)
    onClicked: openURL(url)

    background: Rectangle {
        radius: 18
        color: Theme.withOpacity(Theme.primary, preview.down ? 0.08 : preview.hovered ? 0.06 : 0.04)
        border.width: 1
        border.color: Qt.rgba(1, 1, 1, 0.06)
    }

    contentItem: Item {
        implicitHeight: Math.max(preview.imageSize, texts.implicitHeight)
        Rectangle {
            id: tile
            width: preview.imageSize
            height: preview.imageSize
            radius: 14
            anchors.verticalCenter: parent.verticalCenter
            color: Theme.withOpacity(Theme.accent, 0.1)
            SymbolIcon {
                anchors.centerIn: parent
                name: "safari.fill"
                size: 16
                color: Theme.accent
            }
        }
        Column {
            id: texts
            anchors.left: tile.right
            anchors.leftMargin: 12
            anchors.right: chevron.left
            anchors.rightMargin: 12
            anchors.verticalCenter: parent.verticalCenter
            spacing: 4
            Text {
                objectName: "linkDisplayText"
                width: parent.width
                text: preview.displayText
                textFormat: Text.PlainText
                font.pixelSize: Theme.subheadlineSize + 1
                font.weight: Font.Medium
                color: Theme.primary
                elide: Text.ElideMiddle
                maximumLineCount: 1
            }
            Text {
                objectName: "linkHostText"
                width: parent.width
                visible: preview.hostText.length > 0
                text: preview.hostText
                textFormat: Text.PlainText
                font.pixelSize: Theme.captionSize
                color: Theme.secondary
                elide: Text.ElideRight
                maximumLineCount: 1
            }
        }
        SymbolIcon {
            id: chevron
            anchors.right: parent.right
            anchors.verticalCenter: parent.verticalCenter
            name: "chevron.right"
            size: Theme.captionSize + 2
            color: Theme.tertiary
        }
    }
}
