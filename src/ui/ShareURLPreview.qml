import QtQuick
import QtQuick.Controls
import Stashline

// The link card of a row: an icon tile, the link's host and path, its host, and a chevron. A
// press (or the default accessibility action) opens a web or mail link in the user's handler.
// Any other link (file:, javascript:, a custom scheme) is shown whole, as text, and never opened;
// a press then makes the card say why.
AbstractButton {
    id: preview
    objectName: "shareURLPreview"

    property url url
    property real imageSize: 40
    // Opens an openable link; replaced by tests.
    property var openURL: function(link) { LinkOpener.open(link) }
    // The user pressed a link that is not opened: the card shows why.
    property bool refused: false

    readonly property bool isOpenable: LinkOpener.isOpenable(url)
    readonly property string displayText: isOpenable ? ShareRowFormatter.linkDisplayText(url) : url.toString()
    readonly property string hostText: isOpenable ? ShareRowFormatter.hostLine(url) : ""

    function activate() {
        if (isOpenable)
            openURL(url)
        else
            refused = true
    }
    onUrlChanged: refused = false

    padding: 14
    hoverEnabled: true
    Keys.onReturnPressed: activate()
    Keys.onEnterPressed: activate()
    Accessible.role: Accessible.Button
    Accessible.name: displayText
    Accessible.description: isOpenable ? "" : LinkOpener.refusalText(url)
    Accessible.onPressAction: activate()
    onClicked: activate()

    background: Rectangle {
        radius: 18
        color: Theme.withOpacity(Theme.primary, preview.down ? 0.08 : preview.hovered ? 0.06 : 0.04)
        border.width: preview.visualFocus ? 2 : 1
        border.color: preview.visualFocus ? Theme.withOpacity(Theme.accent, 0.7) : Qt.rgba(1, 1, 1, 0.06)
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
            Text {
                objectName: "linkRefusalText"
                width: parent.width
                visible: preview.refused
                text: visible ? LinkOpener.refusalText(preview.url) : ""
                textFormat: Text.PlainText
                font.pixelSize: Theme.captionSize
                color: Theme.red
                wrapMode: Text.Wrap
            }
        }
        SymbolIcon {
            id: chevron
            visible: preview.isOpenable
            anchors.right: parent.right
            anchors.verticalCenter: parent.verticalCenter
            name: "chevron.right"
            size: Theme.captionSize + 2
            color: Theme.tertiary
        }
    }
}
