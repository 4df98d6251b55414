#pragma once
// The one door between the window layer and the worksheet. It owns the
// edit box adapter, the host and the worksheet; events enter through it,
// and every whole action on the sheet runs inside its bracket, which
// batches the edits for the control and closes the user action for the
// undo history, so that no caller can forget either.
//
// It also remembers which key presses reached the main window: a release
// whose press went elsewhere (to a tool window, a dialog, a menu) is not
// the worksheet's, even when the window that took the press is gone and the
// release arrives over the sheet.
#include <windows.h>

#include <bitset>
#include <functional>
#include <memory>
#include <utility>

#include "app/seams/win_edit_box.h"
#include "app/seams/win_host.h"
#include "settings/settings.h"
#include "sheet/document/document.h"
#include "sheet/worksheet/worksheet.h"

namespace tl::app {

// The presses of keys not released yet that were meant for the main window.
class KeyPresses {
 public:
  // Notes a key message. A press for the main window is remembered; any
  // release forgets its key. False for a release meant for the main window
  // whose press was not remembered: nobody should see it.
  bool Admit(const MSG& message, bool forMainWindow);

 private:
  std::bitset<256> down_;
};

class SheetSession {
 public:
  // `fill` gives the edit box its first text before the worksheet takes
  // it over.
  SheetSession(HostWindows windows, std::function<void(int)> adjustFontSize,
               settings::Settings& settings, const std::function<void(WinEditBox&)>& fill);
  SheetSession(const SheetSession&) = delete;
  SheetSession& operator=(const SheetSession&) = delete;

  WinEditBox& Edit() { return *edit_; }
  WinHost& Host() { return *host_; }
  const sheet::Worksheet& Sheet() const { return *worksheet_; }
  settings::Settings& Settings() { return settings_; }
  // The file commands' view of the sheet: the document's file and dialog with
  // the door's edit box, host, settings and worksheet (a new document starts
  // its undo history afresh).
  sheet::DocumentContext Document(sheet::FileDialog& dialog, sheet::Document& document) {
    return {*edit_, *host_, dialog, document, settings_, *worksheet_};
  }
  // The texts the find window and F3 search with.
  sheet::FindReplace& Find() { return worksheet_->Find(); }

  // A key message in the message loop, before anything else sees it.
  bool AdmitKey(const MSG& message, bool forMainWindow) {
    return presses_.Admit(message, forMainWindow);
  }

  // The edit box's own events, in the order Win32 delivers them; each is
  // one batch. True: swallowed.
  bool OnKeyDown(int key, int modifiers);
  bool OnCharacter(sheet::Character character);
  void OnKeyUp(int key, int modifiers);
  void OnLeftButtonDown();
  void OnDoubleClick();
  void OnLeftButtonUp(int modifiers);
  void ShowCaretPosition();
  // EN_CHANGE: the control's own edit reaches the worksheet.
  void OnControlChanged();
  void OnEnterTimer();
  // A menu shortcut's press, taken by the accelerators before the edit box
  // saw it: its release is no typing.
  void OnShortcutKey(int key) { worksheet_->OnShortcutKey(key); }

  // A menu command of the worksheet's; the status bar shows its progress.
  void Execute(sheet::Command command);

  // A whole action from outside the worksheet's events (a tool window's
  // button): `action` gets the worksheet, the edit box and the host.
  template <class Action>
  decltype(auto) Act(Action&& action) {
    ActionBracket bracket(*this);
    return std::forward<Action>(action)(*worksheet_, *edit_, *host_);
  }

 private:
  // Once the outermost batch's edits have reached the control, the host
  // counts the time they took into the time it shows.
  class EditsShown {
   public:
    explicit EditsShown(SheetSession& session) : session_(session) {}
    ~EditsShown() {
      if (!session_.edit_->InBatch()) session_.host_->EditsShown();
    }
    EditsShown(const EditsShown&) = delete;
    EditsShown& operator=(const EditsShown&) = delete;

   private:
    SheetSession& session_;
  };

  // One event's edits, in one batch.
  class EventBatch {
   public:
    explicit EventBatch(SheetSession& session) : shown_(session), batch_(*session.edit_) {}

   private:
    EditsShown shown_;  // after the batch has written its edits out
    EditBatch batch_;
  };

  class ActionBracket {
   public:
    explicit ActionBracket(SheetSession& session) : session_(session), batch_(session) {}
    ~ActionBracket() { session_.worksheet_->EndUserAction(); }
    ActionBracket(const ActionBracket&) = delete;
    ActionBracket& operator=(const ActionBracket&) = delete;

   private:
    SheetSession& session_;
    EventBatch batch_;
  };

  settings::Settings& settings_;
  std::unique_ptr<WinEditBox> edit_;
  std::unique_ptr<WinHost> host_;
  std::unique_ptr<sheet::Worksheet> worksheet_;
  KeyPresses presses_;
};

}  // namespace tl::app
