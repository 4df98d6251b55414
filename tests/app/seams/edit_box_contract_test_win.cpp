// The EDIT control adapter satisfies the same contract as the in-memory box.
#include <windows.h>

#include "app/seams/win_edit_box.h"
#include "sheet/seams/edit_box_contract.h"

namespace tl::app {
namespace {

// A hidden parent that hands the control's EN_CHANGE to the adapter, as the
// main window does.
LRESULT CALLBACK ParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && HIWORD(wParam) == EN_CHANGE) {
    if (auto* box = reinterpret_cast<WinEditBox*>(GetWindowLongPtrW(window, GWLP_USERDATA)))
      box->OnControlChanged();
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

// Owns the parent window with its control.
class TestWinEditBox final : public sheet::EditBox {
 public:
  TestWinEditBox() {
    static const bool registered = [] {
      WNDCLASSW c{};
      c.lpfnWndProc = ParentProc;
      c.hInstance = GetModuleHandleW(nullptr);
      c.lpszClassName = L"TallylineContractParent";
      return RegisterClassW(&c) != 0;
    }();
    (void)registered;
    parent_ = CreateWindowExW(0, L"TallylineContractParent", L"", WS_OVERLAPPEDWINDOW, 0, 0, 400,
                              300, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    HWND edit = CreateWindowExW(
        0, L"EDIT", L"",
        WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_NOHIDESEL, 0, 0,
        380, 280, parent_, nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(edit, EM_SETLIMITTEXT, 0, 0);
    inner_ = std::make_unique<WinEditBox>(edit);
    inner_->SetContentChangedHandler([this] { NotifyContentChanged(); });
    SetWindowLongPtrW(parent_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(inner_.get()));
  }
  ~TestWinEditBox() override { DestroyWindow(parent_); }

  std::string_view Text() override { return inner_->Text(); }
  void SetText(std::string_view t) override { inner_->SetText(t); }
  std::size_t Caret() const override { return inner_->Caret(); }
  void SetCaret(std::size_t p) override { inner_->SetCaret(p); }
  std::size_t SelectionLength() const override { return inner_->SelectionLength(); }
  void SetSelectionLength(std::size_t n) override { inner_->SetSelectionLength(n); }
  void ReplaceSelection(std::string_view t) override { inner_->ReplaceSelection(t); }

 private:
  HWND parent_ = nullptr;
  std::unique_ptr<WinEditBox> inner_;
};

struct WinEditBoxFactory {
  static std::unique_ptr<sheet::EditBox> Make() { return std::make_unique<TestWinEditBox>(); }
};

}  // namespace
}  // namespace tl::app

namespace tl::sheet {
INSTANTIATE_TYPED_TEST_SUITE_P(WinEditControl, EditBoxContract,
                               ::testing::Types<tl::app::WinEditBoxFactory>);
}  // namespace tl::sheet
