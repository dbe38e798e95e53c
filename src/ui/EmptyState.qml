import QtQuick
import QtQuick.Controls
import Stashline

// The empty list: sparkles, an invitation and a button that opens the add sheet.
Item {
    id: empty
    signal addRequested()

    implicitHeight: column.implicitHeight + 112
    height: implicitHeight

    Column {
        id: column
        y: 56
        width: parent.width
        spacing: 20

        Item {
            width: parent.width
            height: 58
            // The icon painted with a gradient from aqua at 88 % (top leading) to teal at 34 %.
            SymbolIcon {
                anchors.centerIn: parent
                name: "sparkles"
                size: 58
                color: Theme.withOpacity(BrandPalette.paletteAqua, 0.88)
                gradientEndColor: Theme.withOpacity(BrandPalette.paletteTeal, 0.34)
            }
        }
        Text {
            objectName: "emptyMessage"
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            text: qsTrId("share.list.empty.message")
            font.pixelSize: Theme.bodySize + 1
            color: Theme.withOpacity(Theme.primary, 0.55)
            wrapMode: Text.Wrap
        }
        Item {
            width: parent.width
            height: addButton.height + 6
        AbstractButton {
            id: addButton
            objectName: "emptyAddButton"
            y: 6
            anchors.horizontalCenter: parent.horizontalCenter
            leftPadding: 28
            rightPadding: 28
            topPadding: 14
            bottomPadding: 14
            focusPolicy: Qt.StrongFocus
            Accessible.role: Accessible.Button
            Accessible.name: qsTrId("share.list.add.accessibility")
            onClicked: empty.addRequested()
            background: Rectangle {
                radius: height / 2
                gradient: Gradient {
                    orientation: Gradient.Horizontal
                    GradientStop { position: 0.0; color: BrandPalette.paletteTeal }
                    GradientStop { position: 1.0; color: BrandPalette.paletteNavy }
                }
                opacity: addButton.down ? 0.85 : 1
            }
            contentItem: Text {
                text: qsTrId("share.list.add.accessibility")
                font.pixelSize: Theme.bodySize
                font.weight: Font.DemiBold
                color: "white"
            }
        }
        }
    }
}
