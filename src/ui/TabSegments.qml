import QtQuick
import QtQuick.Controls
import Stashline

// The main window's tab bar: a centred segmented control tinted with the accent colour, one
// segment per tab with its label beside its icon. Tab reaches the selected segment; Left and
// Right move the selection; a click selects.
Item {
    id: bar
    objectName: "tabBar"

    // Each tab: { key: text key, icon: system icon name, tag: plain identifier }.
    property var tabs: []
    property int currentIndex: 0

    function select(index) {
        if (index < 0 || index >= tabs.length)
            return
        // Focus moves first: the segment that has it could not stop being the Tab stop.
        const segment = segments.itemAt(index)
        if (segment && activeFocusItem())
            segment.forceActiveFocus(Qt.TabFocusReason)
        currentIndex = index
    }
    function activeFocusItem() {
        for (let index = 0; index < segments.count; ++index) {
            if (segments.itemAt(index).activeFocus)
                return true
        }
        return false
    }

    implicitHeight: track.height + 20
    Accessible.role: Accessible.PageTabList

    Rectangle {
        anchors.bottom: parent.bottom
        width: parent.width
        height: 1
        color: Theme.separator
    }

    Rectangle {
        id: track
        anchors.centerIn: parent
        width: row.implicitWidth + 6
        height: row.implicitHeight + 6
        radius: 10
        color: Theme.withOpacity(Theme.primary, 0.06)
        border.width: 1
        border.color: Theme.withOpacity(Theme.primary, 0.06)

        Row {
            id: row
            x: 3
            y: 3
            spacing: 2
            Repeater {
                id: segments
                model: bar.tabs
                delegate: AbstractButton {
                    id: segment
                    required property var modelData
                    required property int index
                    readonly property bool isCurrent: bar.currentIndex === index
                    readonly property color foreground: isCurrent ? Theme.accentForeground : Theme.primary

                    objectName: "tab_" + modelData.tag
                    text: qsTrId(modelData.key)
                    leftPadding: 16
                    rightPadding: 16
                    topPadding: 6
                    bottomPadding: 6
                    hoverEnabled: true
                    // Only the selected segment takes Tab focus; arrows move between them.
                    focusPolicy: isCurrent ? Qt.StrongFocus : Qt.ClickFocus
                    activeFocusOnTab: isCurrent
                    Accessible.role: Accessible.PageTab
                    Accessible.name: text
                    Accessible.selected: isCurrent
                    onClicked: bar.select(index)
                    Keys.onLeftPressed: bar.select(index - 1)
                    Keys.onRightPressed: bar.select(index + 1)

                    background: Rectangle {
                        radius: 7
                        color: segment.isCurrent ? Theme.accentFill
                             : Theme.withOpacity(Theme.primary, segment.down ? 0.1 : segment.hovered ? 0.06 : 0)
                        border.width: segment.visualFocus ? 2 : 0
                        border.color: segment.isCurrent ? Theme.accentForeground : Theme.accent
                    }
                    contentItem: Row {
                        spacing: 7
                        SymbolIcon {
                            anchors.verticalCenter: parent.verticalCenter
                            name: segment.modelData.icon
                            size: Theme.bodySize + 3
                            color: segment.foreground
                        }
                        Text {
                            anchors.verticalCenter: parent.verticalCenter
                            text: segment.text
                            font.pixelSize: Theme.bodySize
                            font.weight: segment.isCurrent ? Font.DemiBold : Font.Medium
                            color: segment.foreground
                        }
                    }
                }
            }
        }
    }
}
