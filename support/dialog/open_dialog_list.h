// The module-wide record of the running standard dialogs: one entry per dialog, keyed by its
// owner (one standard dialog per owner), and the block of the dialog being started, which the
// dialog procedure binds to the window at its first message. Used on one thread at a time.
#pragma once

#include <windows.h>

#include "dialog/standard_dialog_data.h"

namespace dsup::dialog {

// Registers the block of a dialog about to start for `owner`. False (nothing changed) when a
// standard dialog of that owner is running, or the entry cannot be allocated.
bool addOpenDialog(HWND owner, HGLOBAL block);

// Records the block's locked address, once the creation function holds its lock.
void setOpenDialogAddress(HGLOBAL block, StandardDialogData* address);

// Unregisters the dialog of `owner` when its entry names `block`; otherwise changes nothing.
void removeOpenDialog(HWND owner, HGLOBAL block);

// The block of the dialog being started (set just before the dialog runs), or 0.
HGLOBAL pendingDialogData();
void setPendingDialogData(HGLOBAL block);

// Binds the running dialog's block to its window: the block must be registered and locked by its
// creation function. Returns the block's address, or null when it is not.
StandardDialogData* bindOpenDialog(HGLOBAL block, HWND dialog);

// The address bound to `dialog`, when `address` is that of a running dialog bound to it.
bool isBoundOpenDialog(HWND dialog, const StandardDialogData* address);

}  // namespace dsup::dialog
