import Tarvino

// The project's own summer/winter table as a page of the stack (a window on the desktop). OK
// keeps the table; the back button leaves it as it was stored.
StackPage {
    viewKind: View.EditSoWiTableView
}
