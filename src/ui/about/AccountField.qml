import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Stashline

// A one-line entry of the account page, drawn from the theme.
TextField {
    Layout.fillWidth: true
    placeholderTextColor: Theme.placeholder
    selectionColor: Theme.accentFill
    selectedTextColor: Theme.accentForeground
    color: Theme.primary
    font.pixelSize: Theme.bodySize
    background: Rectangle {
        radius: 8
        color: Theme.fieldBackground
        border.width: parent.activeFocus ? 2 : 1
        border.color: parent.activeFocus ? Theme.withOpacity(Theme.accent, 0.7) : Theme.separator
    }
}
