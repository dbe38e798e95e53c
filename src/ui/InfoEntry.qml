import QtQuick
import Stashline

// One entry of the edit page's information block: a caption label over a body value.
Column {
    property string label
    property string value
    spacing: 4
    Text {
        width: parent.width
        text: parent.label
        font.pixelSize: Theme.captionSize + 1
        color: Theme.secondary
    }
    Text {
        width: parent.width
        text: parent.value
        textFormat: Text.PlainText
        font.pixelSize: Theme.bodySize
        color: Theme.primary
        wrapMode: Text.Wrap
    }
}
