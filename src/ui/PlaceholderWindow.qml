import QtQuick
import QtQuick.Controls

// The main window until the screens exist: the stored items' titles in a plain list.
ApplicationWindow {
    id: window
    required property var titles
    width: 960
    height: 720
    visible: true
    title: qsTrId("Stashline")

    ListView {
        objectName: "titleList"
        anchors.fill: parent
        anchors.margins: 16
        model: window.titles
        delegate: Label {
            required property string display
            width: ListView.view.width
            padding: 8
            text: display
            textFormat: Text.PlainText
            elide: Text.ElideRight
        }
    }
}
