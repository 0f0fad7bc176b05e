import Tarvino

// The fill of the summer/winter table as a page of the stack (a window on the desktop); OK and
// "Abbruch" return to the table.
StackPage {
    viewKind: View.SoWiAutomaticFillView
}
