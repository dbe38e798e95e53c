import QtQuick

// A soft shadow under a rounded card, from rings of faint black: it needs no graphics effects,
// so the software renderer draws it too. Place it under the card, filling it.
Item {
    id: shadow
    property real radius: 12
    // How far the shadow reaches beyond the card.
    property int spread: 12
    property real strength: 0.16
    // How far the shadow falls below the card.
    property real offsetY: spread / 3

    Repeater {
        model: shadow.spread
        Rectangle {
            required property int index
            readonly property int reach: shadow.spread - index
            x: -reach
            y: -reach + shadow.offsetY
            width: shadow.width + 2 * reach
            height: shadow.height + 2 * reach
            radius: shadow.radius + reach
            color: Qt.rgba(0, 0, 0, shadow.strength / shadow.spread)
        }
    }
}
