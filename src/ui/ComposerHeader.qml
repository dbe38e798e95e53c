import QtQuick
import Stashline

// The heading of the add sheet and the edit page: a 28-point bold title and a wrapping subtitle.
Column {
    property string title
    property string subtitle
    spacing: 6
    Text {
        width: parent.width
        text: parent.title
        font.pixelSize: Theme.titleSize
        font.bold: true
        color: Theme.primary
        wrapMode: Text.Wrap
    }
    Text {
        width: parent.width
        text: parent.subtitle
        font.pixelSize: Theme.calloutSize + 1
        color: Theme.secondary
        wrapMode: Text.Wrap
    }
}
