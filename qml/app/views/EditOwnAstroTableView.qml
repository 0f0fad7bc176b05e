import Tarvino

// The own astro table's editor as a page of the stack (a window on the desktop). Leaving the
// page, by OK or by the back button, hands the rows to the astro engine, as the window does.
StackPage {
    viewKind: View.EditOwnAstroTableView
}
