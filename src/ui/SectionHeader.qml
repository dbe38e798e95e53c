import QtQuick
import Stashline

// A day section's heading: its title verbatim, then a thin rule.
Item {
    id: header
    property string title
    property bool isFirst: false
    property real ruleOpacity: 0.08
    property real titleSize: Theme.footnoteSize + 1

    implicitHeight: (isFirst ? 0 : 16) + titleText.implicitHeight + 8 + 1 + 12
    Text {
        id: titleText
        objectName: "sectionTitle"
        x: 24
        y: header.isFirst ? 0 : 16
        width: header.width - 48
        text: header.title
        textFormat: Text.PlainText
        font.pixelSize: header.titleSize
        font.weight: Font.DemiBold
        color: Theme.secondary
    }
    Rectangle {
        x: 24
        anchors.top: titleText.bottom
        anchors.topMargin: 8
        width: header.width - 48
        height: 1
        color: Theme.withOpacity(Theme.primary, header.ruleOpacity)
    }
}
