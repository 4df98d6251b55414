#include "app/seams/sheet_session.h"

#include "sheet/worksheet/status_messages.h"

namespace tl::app {

bool KeyPresses::Admit(const MSG& message, bool forMainWindow) {
  const UINT kind = message.message;
  const std::size_t key = message.wParam & 0xFF;
  if (kind == WM_KEYDOWN || kind == WM_SYSKEYDOWN) {
    if (forMainWindow) down_.set(key);
    return true;
  }
  if (kind != WM_KEYUP && kind != WM_SYSKEYUP) return true;
  const bool pressed = down_.test(key);
  down_.reset(key);
  return pressed || !forMainWindow;
}

SheetSession::SheetSession(HostWindows windows, std::function<void(int)> adjustFontSize,
                           settings::Settings& settings,
                           const std::function<void(WinEditBox&)>& fill)
    : settings_(settings),
      edit_(std::make_unique<WinEditBox>(windows.editBox)),
      host_(std::make_unique<WinHost>(windows, std::move(adjustFontSize))) {
  edit_->SetSlowWriteNotice([host = host_.get()] { host->ShowSlowWriteNotice(); });
  fill(*edit_);
  worksheet_ = std::make_unique<sheet::Worksheet>(*edit_, *host_, settings_);
}

bool SheetSession::OnKeyDown(int key, int modifiers) {
  EventBatch batch(*this);
  return worksheet_->OnKeyDown(key, modifiers);
}

bool SheetSession::OnCharacter(sheet::Character character) {
  EventBatch batch(*this);
  return worksheet_->OnCharacter(character);
}

void SheetSession::OnKeyUp(int key, int modifiers) {
  EventBatch batch(*this);
  worksheet_->OnKeyUp(key, modifiers);
}

void SheetSession::OnLeftButtonDown() {
  EventBatch batch(*this);
  worksheet_->OnLeftButtonDown();
}

void SheetSession::OnDoubleClick() {
  EventBatch batch(*this);
  worksheet_->OnDoubleClick();
}

void SheetSession::OnLeftButtonUp(int modifiers) {
  EventBatch batch(*this);
  worksheet_->OnLeftButtonUp(modifiers);
}

void SheetSession::ShowCaretPosition() {
  EventBatch batch(*this);
  worksheet_->ShowCaretPosition();
}

void SheetSession::OnControlChanged() {
  if (edit_->OnControlChanged()) host_->SetStatusText(sheet::msg::kCharacterRefused);
}

void SheetSession::OnEnterTimer() {
  EventBatch batch(*this);
  worksheet_->OnEnterTimer();
}

void SheetSession::Execute(sheet::Command command) {
  EventBatch batch(*this);
  host_->BeginCommand();
  worksheet_->Execute(command);
  host_->EndCommand();
}

}  // namespace tl::app
