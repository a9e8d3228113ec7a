#include "dialog/open_dialog_list.h"

namespace dsup::dialog {

namespace {

struct OpenDialog {
  HWND owner;
  HGLOBAL block;
  StandardDialogData* address;  // once the creation function holds its lock
  HWND dialog;                  // once the dialog procedure has bound the block
  OpenDialog* next;
};

// Entries are fixed global memory, like every other allocation of the library, so that a test can
// make their allocation fail.
OpenDialog* openDialogList = nullptr;
HGLOBAL pendingBlock = nullptr;

OpenDialog* entryOfOwner(HWND owner) {
  for (OpenDialog* entry = openDialogList; entry; entry = entry->next)
    if (entry->owner == owner) return entry;
  return nullptr;
}

OpenDialog* entryOfBlock(HGLOBAL block) {
  for (OpenDialog* entry = openDialogList; entry; entry = entry->next)
    if (entry->block == block) return entry;
  return nullptr;
}

}  // namespace

bool addOpenDialog(HWND owner, HGLOBAL block) {
  if (const OpenDialog* running = entryOfOwner(owner); running && running->block) return false;
  auto* entry = static_cast<OpenDialog*>(GlobalAlloc(GMEM_FIXED, sizeof(OpenDialog)));
  if (!entry) return false;
  *entry = OpenDialog{owner, block, nullptr, nullptr, nullptr};
  OpenDialog** tail = &openDialogList;
  while (*tail) tail = &(*tail)->next;
  *tail = entry;
  return true;
}

void setOpenDialogAddress(HGLOBAL block, StandardDialogData* address) {
  if (OpenDialog* entry = entryOfBlock(block)) entry->address = address;
}

void removeOpenDialog(HWND owner, HGLOBAL block) {
  for (OpenDialog** link = &openDialogList; *link; link = &(*link)->next) {
    OpenDialog* entry = *link;
    if (entry->owner != owner) continue;
    if (entry->block == block) {
      *link = entry->next;
      GlobalFree(entry);
    }
    return;  // only the first entry of the owner counts
  }
}

HGLOBAL pendingDialogData() { return pendingBlock; }

void setPendingDialogData(HGLOBAL block) { pendingBlock = block; }

StandardDialogData* bindOpenDialog(HGLOBAL block, HWND dialog) {
  OpenDialog* entry = entryOfBlock(block);
  if (!entry || !entry->address || entry->dialog) return nullptr;
  entry->dialog = dialog;
  return entry->address;
}

bool isBoundOpenDialog(HWND dialog, const StandardDialogData* address) {
  for (const OpenDialog* entry = openDialogList; entry; entry = entry->next)
    if (entry->address == address) return entry->dialog == dialog;
  return false;
}

}  // namespace dsup::dialog
