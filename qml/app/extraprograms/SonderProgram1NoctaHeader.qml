import QtQuick
import Tarvino

// The head of a standard extra program on a twilight device: the astronomic head with the
// light thresholds.
SonderProgram1AstroHeader {
    lightMode: true
}
