#pragma once
// The worksheet: everything the user does to the text of the one large edit
// box. A Worksheet owns the run-time state of the sheet and implements the
// key, character, timer and menu-command behaviours over an EditBox and a
// Host. It reads the options from the Settings record it is given and writes
// the few that worksheet keys change (Ctrl+digit, "&G.实时计算").
//
// Events enter in the order Win32 delivers them:
//   OnKeyDown  (true: swallowed; otherwise the edit box handles the key)
//   OnCharacter (true: swallowed; otherwise the edit box inserts it)
//   OnKeyUp
// OnContentChanged arrives from the edit box after every change, and
// OnEnterTimer on every tick of the Enter hold timer the worksheet starts
// through the Host. Swallowing a key down does not keep its character away:
// the worksheet swallows that itself when it arrives.
//
// The mouse: OnLeftButtonDown before the edit box handles a left button
// press (it notes whether text was selected then), OnDoubleClick instead of
// the edit box's own double-click handling (the worksheet makes the
// selection), OnLeftButtonUp after the edit box has handled the release.
#include <bitset>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/engine.h"
#include "settings/settings.h"
#include "sheet/line/expression_pick.h"
#include "sheet/line/line_breaks.h"
#include "sheet/seams/command.h"
#include "sheet/seams/edit_box.h"
#include "sheet/seams/host.h"
#include "sheet/seams/keys.h"
#include "sheet/tools/accumulator.h"
#include "sheet/tools/find_replace.h"
#include "sheet/worksheet/undo_history.h"

namespace tl::sheet {

// A new or cleared worksheet: 31 empty lines.
std::string EmptySheetText();

enum class CommandResult {
  Done,
  Disabled,       // the menu item is disabled in the current mode
  NotBuilt,       // the command's behaviour is not part of the worksheet yet
  NoUndoHistory,  // undo or redo on a worksheet made without a history
};

struct WorksheetOptions {
  // Where nobody can undo (the command line) the snapshots can be left out;
  // the window always keeps them.
  bool undoHistory = true;
};

class Worksheet {
 public:
  // Records the box's current text as the first undo snapshot.
  Worksheet(EditBox& box, Host& host, settings::Settings& settings, WorksheetOptions options = {});
  ~Worksheet();
  Worksheet(const Worksheet&) = delete;
  Worksheet& operator=(const Worksheet&) = delete;

  bool OnKeyDown(int key, int modifiers);
  // Enter's own key events break lines, so the CR or LF character of an
  // Enter key press is swallowed.
  bool OnCharacter(Character character);
  void OnKeyUp(int key, int modifiers);
  // The key down of `key` ran a menu command (a shortcut the window's
  // accelerators took before the edit box saw the key): its release is no
  // typing and starts no live refresh, whichever of the key and its
  // modifiers goes up first.
  void OnShortcutKey(int key);
  void OnContentChanged();
  void OnEnterTimer();
  void OnLeftButtonDown();
  void OnDoubleClick();
  void OnLeftButtonUp(int modifiers);

  // Runs a menu command; NotBuilt for the commands the worksheet does not
  // handle (yet), which the window keeps disabled.
  CommandResult Execute(Command command);
  // One undo snapshot per user action: the changes of a key press (key
  // down, character, the control's insertion, key up), a mouse action or a
  // command are recorded together when the action ends. A change made from
  // outside the worksheet's events (a tool window's replace) ends with this.
  void EndUserAction();
  // A new document (New, Open, a dropped file): the undo history starts
  // again from the box's current text, so that no undo reaches the sheet of
  // another document.
  void StartNewHistory();
  static bool Handles(Command command);
  // How the menus show the command's item now, as far as the worksheet's
  // modes and options decide it (live mode greys the accumulator's items).
  MenuItemState MenuState(Command command) const;

  // Evaluates the caret's line and writes the result behind it. True when a
  // result was written (or, in the conversion check, a shown result removed).
  bool EvaluateCurrentLine();
  // Rebuilds the caret's computed chain from its parts ("&w.刷新行"). False
  // when a part failed and the line was put back as it was.
  bool RefreshLine();
  // "   [当前位置] _ 行: ...": on a left button press and while dragging.
  void ShowCaretPosition();

  // The accumulator window's "确定": the expression combining the results of
  // the chosen records (sequence numbers, in list order), or none when
  // nothing is chosen or a number names no record. InsertAccumulatorResult
  // puts such a text on a new line below the caret's and evaluates it.
  std::optional<std::string> BuildAccumulatorText(AccumulatorOperation operation,
                                                  std::string_view note,
                                                  std::span<const int> chosen) const;
  void InsertAccumulatorResult(std::string_view text);
  // The window's "清空记录".
  void ClearRecords() { accumulator_.clear(); }

  // Find and replace: the remembered texts that "&N.查找下一个" (F3) and
  // "&P.查找上一个" (Shift+F3) search with, which the find window's buttons
  // set and its fields start from.
  FindReplace& Find() { return find_; }

  // The options the worksheet works with.
  const settings::Settings& Options() const { return settings_; }
  engine::EvaluationMode EvaluationMode() const { return evaluationMode_; }
  engine::FractionForm DetectedFractionForm() const { return detectedFractionForm_; }
  bool LineHasNoEquals() const { return lineHasNoEquals_; }
  const std::string& LastResultText() const { return lastResultText_; }
  const std::string& CutLineText() const { return cutLineText_; }
  bool Recording() const { return recording_; }
  const std::vector<AccumulatorRecord>& Accumulator() const { return accumulator_; }
  const UndoHistory* History() const { return history_ ? &*history_ : nullptr; }

 private:
  enum class LineOutcome {
    Written,     // a result was written (or, converting, a shown one removed)
    Refreshed,   // a computed chain was rebuilt
    NotWritten,  // a bare number, a cut line: nothing computed, nothing wrong
    Empty,       // nothing to evaluate
    Failed,      // a diagnostic, or a chain that could not be rebuilt
    RefreshWanted,
    RepairWanted,
  };
  struct CommandHandler {
    Command command;
    CommandResult (*run)(Worksheet&);
  };
  static std::span<const CommandHandler> Handlers();

  // Evaluation of the caret's line (evaluate_line.cpp, write_back.cpp).
  // EvaluateCurrentLine with what the evaluation came to.
  LineOutcome EvaluateCaretLine();
  LineOutcome EvaluateLine(bool mayRepair);
  LineOutcome EvaluatePick(const ExpressionPick& pick, bool mayRepair);
  ExpressionPick PickAtCaret(std::size_t caret);
  void CutLine(const ExpressionPick& pick);
  LineOutcome RemoveShownResult(const ExpressionPick& pick);
  LineOutcome WriteBack(const ExpressionPick& pick, const engine::Outcome& outcome);
  engine::Options EngineOptions() const;
  void AppendRecord(std::string_view expression, std::string_view result);
  // Appends the record while "&A.记录" is checked, unless a refresh writes
  // the value the line showed already.
  void RecordOnce(std::string_view expression, std::string_view result);
  bool TextLineBreaksInconsistent();

  // Keys (key_entry.cpp).
  // The text from the last "=" of the caret's line (one that lies wholly
  // before the byte before the caret) up to the caret; none without one.
  std::optional<std::string_view> TextAfterEquals();
  // Enter's test: that text, "," and ";" removed, is a number as the number
  // rule writes it.
  bool FinishedNumberBeforeCaret();
  // Typing's test: that text is a value as a result shows it.
  bool ShownValueBeforeCaret();
  void KeyUp(int key, int modifiers);
  void EvaluateByEnter();
  void LiveRefreshAfterKey(int key, int modifiers);

  // Content changes (content_changed.cpp, undo_history use).
  std::string_view ContentPrompt();
  void RecordSnapshot();
  void ShowCaretPositionFrom(LineBreakMark mark);

  // The mouse (mouse.cpp).
  void CopySelectionBelow();

  // Input assistance (input_rewrites.cpp, character_input.cpp, key_assist.cpp).
  void RewriteTyping();
  void RewriteNotebookKeys();
  void Rewrite(std::size_t start, std::size_t length, std::string_view replacement, bool wholeText);
  bool AssistCharacter(Character character);
  void AddLastResultAtLineStart();
  bool AssistKeyDown(int key);
  void ReplaceReleasedDigit(int key, int modifiers, bool typedNothing);

  // Commands.
  void RepairDocument();
  bool RebuildLine();  // RefreshLine without its care for the line-break findings
  char LastByte();
  // The lines a batch evaluated (wrote or refreshed a result, or failed) and
  // those that failed; with 空格分式 a line counts once for all its
  // expressions.
  struct BatchTally {
    std::size_t evaluated = 0;
    std::size_t failed = 0;
    bool lineEvaluated = false;
    bool lineFailed = false;
    void Count(LineOutcome outcome);
    void EndLine();
  };
  void BatchEvaluate();
  void BatchEvaluateLines(BatchTally& tally);
  void BatchEvaluateSegments(BatchTally& tally);
  void ConvertFraction();
  CommandResult Undo();
  CommandResult Redo();
  void RestoreSnapshot(const Snapshot& snapshot);
  void PasteResult();
  void CutToClipboard();
  void PasteFromClipboard();
  void SelectWholeText();
  void CopyLine();
  void CopyCompatible();
  std::string SelectionOrLine();
  void SumSelectedLines();
  void InsertSeparatorLine();
  void SelectLine();
  void DeleteLine();
  void ClearAll();
  void FindNextMatch();
  void FindPreviousMatch();
  void SelectNextStaleResult();  // "&R.检查结果"
  void ToggleLiveMode();
  CommandResult ToggleRecord();
  CommandResult ClearAccumulator();
  // Replaces the selection unless there is nothing to insert.
  void Insert(std::string_view text);
  // The command's function template, when it inserts one.
  bool InsertFunctionTemplate(Command command);

  EditBox& box_;
  Host& host_;
  settings::Settings& settings_;

  engine::EvaluationMode evaluationMode_ = engine::EvaluationMode::Normal;
  engine::Workspace workspace_;  // kept from line to line
  std::string pickStorage_;      // the last pick's expression text, its storage kept
  bool pendingLineCut_ = false;  // `PendingLineCut`
  std::string cutLineText_;      // `CutLineText`
  bool lineHasNoEquals_ = false;
  engine::FractionForm detectedFractionForm_ = engine::FractionForm::Decimal;
  std::string lastResultText_;
  std::string writeBackText_;  // what the write-back inserts, its storage kept
  bool resultWritten_ = false;
  bool valueReached_ = false;
  bool longPress_ = false;
  bool refreshing_ = false;  // inside RefreshLine: a line to refresh is left as it is
  bool recording_ = false;   // "&A.记录" checked
  // Inside RefreshLine: the old value where the next write-back goes (a view
  // into the line's kept text), empty when there is none.
  std::string_view shownValue_;
  std::vector<AccumulatorRecord> accumulator_;
  FindReplace find_;
  std::optional<UndoHistory> history_;
  bool doNotRecord_ = false;
  bool snapshotPending_ = false;  // the text changed since the last snapshot
  // The modifiers held when Enter went down: a Ctrl released first still
  // makes Ctrl+Enter.
  int enterModifiers_ = kNoModifier;
  // Line-break repairs made so far: a walk over the lines recounts after one.
  std::size_t repairs_ = 0;
  // What is known of the text's line breaks, kept from line to line so that
  // a pass over many lines with unrecognised characters reads the whole text
  // once, not once a line. Forgotten on every content change but a
  // write-back's, which can change neither finding (see WriteBack).
  struct LineBreakFindings {
    std::optional<bool> inconsistent;   // what LineBreaksInconsistent says
    bool repairChangesNothing = false;  // RepairLineBreaks gives the text back
  };
  LineBreakFindings lineBreaks_;
  bool writeKeepsLineBreaks_ = false;  // set around a write-back's insertion
  // Whether text was selected when the left button was last pressed.
  bool selectionAtPress_ = false;
  // Inverted on every NumLock press; while set, the next one also deletes.
  bool numLockFlag_ = false;
  // Keys down whose press ran a menu command, until their release.
  std::bitset<kKeyCodes> shortcutKeys_;
  // Keys down that were pressed with Ctrl or Alt held, and so typed nothing,
  // until their release: whichever goes up first, the key or the modifier.
  std::bitset<kKeyCodes> chordKeys_;
  // The character of a key press whose key down did the key's work already.
  Character swallowCharacter_ = 0;
};

}  // namespace tl::sheet
