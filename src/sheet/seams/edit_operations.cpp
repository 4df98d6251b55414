#include "sheet/seams/edit_operations.h"

#include <string>

#include "sheet/worksheet/status_messages.h"

namespace tl::sheet {

void SelectAll(EditBox& box) {
  box.SetCaret(0);
  box.SetSelectionLength(box.Size());
}

void CopySelection(EditBox& box, Host& host) {
  if (box.SelectionLength() == 0) return;
  host.SetClipboardText(SelectedText(box));
}

void CutSelection(EditBox& box, Host& host) {
  if (box.SelectionLength() == 0) return;
  CopySelection(box, host);
  box.ReplaceSelection({});
}

void PasteClipboard(EditBox& box, Host& host) {
  if (!host.ClipboardFitsGbk()) {
    host.SetStatusText(msg::kPasteRefused);
    return;
  }
  const std::string clipboard = host.ClipboardText();
  if (!clipboard.empty()) box.ReplaceSelection(clipboard);
}

}  // namespace tl::sheet
