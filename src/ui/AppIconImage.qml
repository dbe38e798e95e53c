import QtQuick
import Stashline

// The application's own icon, the launcher's SVG, scaled to fit `size`. The drawing carries its
// own rounded square (radius 26 at 124), so nothing around it needs clipping.
Image {
    property real size: 124
    width: size
    height: size
    source: "qrc:/stashline/com.quellmar.Stashline.svg"
    sourceSize.width: Math.ceil(size * 2)
    sourceSize.height: Math.ceil(size * 2)
    fillMode: Image.PreserveAspectFit
    smooth: true
    Accessible.ignored: true
}
