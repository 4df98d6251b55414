#pragma once
// The edit box's own clipboard and selection operations, over any EditBox and
// the host's clipboard.
#include "sheet/seams/edit_box.h"
#include "sheet/seams/host.h"

namespace tl::sheet {

void SelectAll(EditBox& box);
// The selected text onto the clipboard; nothing when the selection is empty.
void CopySelection(EditBox& box, Host& host);
// Copy, then remove the selection; nothing when the selection is empty.
void CutSelection(EditBox& box, Host& host);
// The clipboard text over the selection; nothing when the clipboard is empty,
// and a status message instead when it holds a character GBK cannot hold.
void PasteClipboard(EditBox& box, Host& host);

}  // namespace tl::sheet
