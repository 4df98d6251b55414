#pragma once
// The worksheet's EditBox over the window's EDIT control. The control holds
// UTF-16; the worksheet sees GBK bytes and byte offsets. The GBK text is kept
// as a cache, updated in place by our own edits and read again from the
// control only after the user has edited it.
//
// One worksheet event may make several edits (a refresh cuts a line and
// writes it back piece by piece). Each edit of a large text costs the EDIT
// control a pass over its whole text, so within a batch (EditBatch, around
// every call into the worksheet) the edits go to the cache only and the
// control receives one replacement of the changed range when the batch ends.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "sheet/seams/edit_box.h"

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
  // worksheet themselves; the user's edits are passed on from here, after
  // the characters GBK cannot hold are taken out of the control (true when
  // there were any).
  bool OnControlChanged();

  void BeginBatch();
  void EndBatch();
  // A worksheet event or command is under way.
  bool InBatch() const { return batchDepth_ > 0; }

  // Called before a write-out that the control is likely to take long over
  // (it cannot repaint meanwhile), so that the window can say so first.
  void SetSlowWriteNotice(std::function<void()> notice) { slowWriteNotice_ = std::move(notice); }

  // Another control now holds the same text (word wrap switched: the
  // control is made again). Not within a batch.
  void SetControl(HWND control);

 private:
  const std::string& Cache() const;
  std::size_t UnitOf(const std::string& text, std::size_t byteOffset) const;
  std::size_t ByteOf(std::size_t unit) const;
  void Select(std::size_t startByte, std::size_t lengthBytes);
  // Outside a replacement, or after one that left the caret at
  // `caretAfterReplacement` (UTF-16 units).
  void ApplySelection(std::optional<std::size_t> caretAfterReplacement = std::nullopt);
  void Flush();

  HWND control_;
  mutable std::string cache_;
  mutable bool cacheValid_ = false;
  // Where every kUnitStep-th UTF-16 unit of the cache starts, made when first
  // needed after the cache changed: reading the caret then costs a step, not
  // the whole text before it.
  static constexpr std::size_t kUnitStep = 1024;
  mutable std::vector<std::size_t> unitStarts_;
  bool ownEdit_ = false;

  int batchDepth_ = 0;
  bool batchChanged_ = false;       // the cache differs from the control
  std::size_t editFrom_ = 0;        // where the batch's first changed byte lies
  bool selectionMoved_ = false;     // the selection differs from the control's
  std::string controlText_;         // what the control holds while the batch changes the cache
  std::size_t selectionStart_ = 0;  // the selection within a batch, in bytes
  std::size_t selectionLength_ = 0;
  std::pair<std::size_t, std::size_t> controlSelection_;  // the control's, at the batch's start
  std::function<void()> slowWriteNotice_;
};

// Batches the edits of one worksheet event.
class EditBatch {
 public:
  explicit EditBatch(WinEditBox& box) : box_(box) { box_.BeginBatch(); }
  ~EditBatch() { box_.EndBatch(); }
  EditBatch(const EditBatch&) = delete;
  EditBatch& operator=(const EditBatch&) = delete;

 private:
  WinEditBox& box_;
};

}  // namespace tl::app
