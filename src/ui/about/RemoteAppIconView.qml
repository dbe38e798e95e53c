import QtQuick
import Stashline

// A square store icon that fills itself from the network: a placeholder until the shared
// loader returns an image. Hidden from accessibility.
Item {
    id: view
    property string appID
    property real size: 74
    readonly property bool hasImage: request.hasImage

    width: size
    height: size
    Accessible.ignored: true

    RemoteAppIconRequest {
        id: request
        appID: view.appID
    }

    Rectangle {
        anchors.fill: parent
        radius: view.size / 5
        color: Theme.withOpacity(Theme.secondary, 0.14)
    }
    SymbolIcon {
        objectName: "remoteIconPlaceholder"
        anchors.centerIn: parent
        visible: !request.hasImage
        name: "app.fill"
        size: view.size * 0.42
        color: Theme.withOpacity(BrandPalette.paletteTeal, 0.55)
    }
    FillImage {
        objectName: "remoteIconImage"
        anchors.fill: parent
        visible: request.hasImage
        image: request.image
        radius: view.size / 5
    }
    Rectangle {
        anchors.fill: parent
        radius: view.size / 5
        color: "transparent"
        border.width: 1
        border.color: Theme.withOpacity(Theme.secondary, 0.2)
    }
}
