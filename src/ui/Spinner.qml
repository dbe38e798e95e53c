import QtQuick
import Stashline

// The activity indicator: the two-arrow circle, turning only while `running` (and shown); at
// rest it is a still icon, so an idle screen draws nothing.
SymbolIcon {
    id: spinner
    objectName: "spinner"
    property bool running: false
    readonly property bool isTurning: turning.running

    name: "arrow.triangle.2.circlepath"
    color: Theme.secondary

    RotationAnimator on rotation {
        id: turning
        from: 0
        to: 360
        duration: 1100
        loops: Animation.Infinite
        running: spinner.running && spinner.visible
        onStopped: spinner.rotation = 0
    }
}
