import QtQuick
import QtQuick.Controls
import Stashline

// One scope chip: a capsule, semibold primary text at 8 % when selected, medium secondary text
// at 4 % otherwise.
AbstractButton {
    id: chip
    property bool selected: false

    leftPadding: 12
    rightPadding: 12
    topPadding: 7
    bottomPadding: 7
    hoverEnabled: true
    focusPolicy: Qt.StrongFocus
    checkable: false
    Accessible.role: Accessible.RadioButton
    Accessible.checkable: true
    Accessible.checked: selected
    Accessible.name: text

    background: Rectangle {
        radius: height / 2
        color: Theme.withOpacity(Theme.primary, chip.selected ? 0.08 : chip.hovered ? 0.06 : 0.04)
        border.width: chip.activeFocus ? 1 : 0
        border.color: Theme.accent
    }
    contentItem: Text {
        text: chip.text
        font.pixelSize: Theme.bodySize
        font.weight: chip.selected ? Font.DemiBold : Font.Medium
        color: chip.selected ? Theme.primary : Theme.secondary
    }
}
