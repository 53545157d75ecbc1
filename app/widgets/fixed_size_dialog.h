// Dialogs whose controls have one sensible arrangement: they keep the size their layout asks
// for and offer no resizing or maximising.
#pragma once

class QDialog;

namespace orvanta {

// Call after the dialog's layout is set up, before it shows. The dialog keeps its layout's size
// (recomputed when its contents change) and its title bar has only a close button.
void MakeFixedSize(QDialog& dialog);

}  // namespace orvanta
