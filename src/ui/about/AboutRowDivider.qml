import QtQuick
import Stashline

// The hairline over the bottom edge of an About row, inset 82 points from the leading edge
// and 18 from the trailing edge; nothing when not visible.
Rectangle {
    property bool isVisible: true
    visible: isVisible
    anchors.left: parent.left
    anchors.right: parent.right
    anchors.bottom: parent.bottom
    anchors.leftMargin: 82
    anchors.rightMargin: 18
    height: 1
    color: Theme.withOpacity(Theme.secondary, 0.18)
}
