import QtQuick

Rectangle {
    width: 1000
    height: 600
    radius: 12
    color: "#cc101418"
}
