// The two clipboard commands of the Edition menu: "Copier" puts the whole display line on the
// clipboard as plain text; "Coller" replaces the display line with the clipboard's text exactly,
// unchecked (the next key that reads the display judges it).
#pragma once

namespace solvanex {

class TAlignEdit;

// Coller1Click: selects the whole display and copies it.
void CopyDisplay(TAlignEdit& display);

// Coller2Click: without text on the clipboard (or with an empty one) nothing changes, not even
// the read-only state.
void PasteIntoDisplay(TAlignEdit& display);

}  // namespace solvanex
