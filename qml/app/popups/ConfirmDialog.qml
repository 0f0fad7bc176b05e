import QtQuick
import Tarvino

// A yes, no or cancel question, answered by its own signals.
TripleChoicePopup {
    signal refused
    signal cancelled

    onRejected: refused()
    onCanceled: cancelled()
}
