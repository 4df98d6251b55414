#pragma once
// The worksheet's EditBox over the window's EDIT control. The control holds
// UTF-16; the worksheet sees GBK bytes and byte offsets. The GBK text is kept
// as a cache, updated in place by our own edits and read again from the
// control only after the user has edited it.
#include <windows.h>

#include <string>

#include "sheet/edit_box.h"

namespace tl::app {

class WinEditBox final : public sheet::EditBox {
 public:
  explicit WinEditBox(HWND control) : control_(control) {}

  std::string_view Text() override;
  void SetText(std::string_view text) override;
  std::size_t Caret() const override;
  void SetCaret(std::size_t position) override;
  std::size_t SelectionLength() const override;
  void SetSelectionLength(std::size_t length) override;
  void ReplaceSelection(std::string_view text) override;

  // The control's EN_CHANGE: its text changed. Our own edits notify the
  // worksheet themselves; the user's edits are passed on from here.
  void OnControlChanged();

  HWND Control() const { return control_; }

 private:
  const std::string& Cache() const;
  std::size_t UnitOf(std::size_t byteOffset) const;
  std::size_t ByteOf(std::size_t unit) const;
  void Select(std::size_t startByte, std::size_t lengthBytes);

  HWND control_;
  mutable std::string cache_;
  mutable bool cacheValid_ = false;
  bool ownEdit_ = false;
};

}  // namespace tl::app
