import QtQuick

// A system icon by name ("star.fill"), drawn from the installed icon set in one colour.
Image {
    id: icon
    property string name
    property color color: Theme.primary
    property real size: 16
    // When set, the icon is painted with a gradient from `color` (top leading) to this colour
    // (bottom trailing).
    property color gradientEndColor: "transparent"
    readonly property bool hasGradient: gradientEndColor.a > 0

    width: size
    height: size
    sourceSize.width: Math.ceil(size * 2)
    sourceSize.height: Math.ceil(size * 2)
    fillMode: Image.PreserveAspectFit
    smooth: true
    asynchronous: false
    source: name.length > 0 ? "image://symbol/" + name + "?color=" + encodeURIComponent(color.toString())
                              + (hasGradient ? "&to=" + encodeURIComponent(gradientEndColor.toString()) : "") : ""
    Accessible.ignored: true
}
