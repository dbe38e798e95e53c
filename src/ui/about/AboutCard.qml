import QtQuick
import QtQuick.Layouts
import Stashline

// A card of About rows: no spacing, rounded 24, control background at 0.92, hairline outline.
Rectangle {
    default property alias rows: rowsColumn.data
    implicitHeight: rowsColumn.implicitHeight
    radius: 24
    color: Theme.withOpacity(Theme.controlBackground, 0.92)
    border.width: 1
    border.color: Theme.withOpacity(Theme.secondary, 0.18)

    ColumnLayout {
        id: rowsColumn
        anchors.left: parent.left
        anchors.right: parent.right
        spacing: 0
    }
}
