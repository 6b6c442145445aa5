import QtQuick 2.15

// The filter panel's on/off switch: an orange track when on, a grey one when off, and a white
// knob that slides between the ends.
Rectangle {
    id: root

    signal filterOn()
    signal filterOff()

    property bool checked: false
    readonly property color onColor: "#F7941D"
    readonly property color offColor: "#BCBEC0"
    readonly property int slideDuration: 120

    function isChecked() {
        return checked
    }

    // Reports only a change, so that setting the shown state again does not filter again.
    function setChecked(value) {
        var on = !!value
        if (on === checked)
            return
        checked = on
        if (on)
            filterOn()
        else
            filterOff()
    }

    function setBackgroundColor(value) {
        color = value
    }

    implicitWidth: 48
    implicitHeight: 22
    color: "transparent"

    Rectangle {
        id: track

        anchors.centerIn: parent
        width: Math.min(parent.width - 4, 40)
        height: Math.min(parent.height - 2, 20)
        radius: height / 2
        antialiasing: true
        color: root.checked ? root.onColor : root.offColor
        opacity: area.pressed ? 0.85 : 1.0

        Behavior on color {
            ColorAnimation { duration: root.slideDuration }
        }

        Rectangle {
            id: knob

            readonly property int inset: 2

            width: track.height - 2 * inset
            height: width
            radius: width / 2
            antialiasing: true
            y: inset
            x: root.checked ? track.width - width - inset : inset
            color: "#FFFFFF"
            border.width: 1
            border.color: root.checked ? "#E0801A" : "#A7A9AC"

            Behavior on x {
                NumberAnimation { duration: root.slideDuration; easing.type: Easing.InOutQuad }
            }
        }
    }

    MouseArea {
        id: area

        anchors.fill: parent
        cursorShape: Qt.PointingHandCursor
        onClicked: root.setChecked(!root.checked)
    }
}
