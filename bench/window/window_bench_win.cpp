// What one Enter and one live-mode key release cost in the real EDIT control
// with a 10,000-line sheet: the worksheet over the window's edit box adapter
// and host, timed with the performance counter, median of many runs; and
// what one replacement costs the control by the length of the line it touches.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/seams/non_gbk_filter.h"
#include "app/seams/win_edit_box.h"
#include "app/seams/win_host.h"
#include "settings/writers.h"
#include "sheet/seams/edit_operations.h"
#include "sheet/seams/keys.h"
#include "sheet/worksheet/worksheet.h"

namespace {

using tl::app::WinEditBox;

LRESULT CALLBACK ParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && HIWORD(wParam) == EN_CHANGE) {
    if (auto* box = reinterpret_cast<WinEditBox*>(GetWindowLongPtrW(window, GWLP_USERDATA)))
      box->OnControlChanged();
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

double Now() {
  LARGE_INTEGER counter, frequency;
  QueryPerformanceCounter(&counter);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// `lines` lines such as "123+45×6-7=386", with their results or without.
std::string Sheet(int lines, bool computed) {
  std::string text;
  for (int i = 0; i < lines; ++i)
    text += std::to_string(i) +
            "+45\xA1\xC1"
            "6-7" +
            (computed ? "=" + std::to_string(i + 263) : std::string()) + "\r\n";
  return text;
}

// An Enter press as the window delivers it: key down and key up, each one
// batch of the edit box, and the edits shown (painted, the time written).
void Enter(WinEditBox& box, tl::sheet::Worksheet& sheet, tl::app::WinHost& host) {
  {
    tl::app::EditBatch batch(box);
    sheet.OnKeyDown(tl::sheet::vk::kReturn, 0);
  }
  host.EditsShown();
  {
    tl::app::EditBatch batch(box);
    sheet.OnKeyUp(tl::sheet::vk::kReturn, 0);
  }
  host.EditsShown();
}

// Where an Enter behind a 100,000-character line spends its time: the
// whole Enter with the line painted again, then each message the edit box adapter sends the control
// for it, alone, on the same text.
void LongLine(HWND edit, WinEditBox& box, tl::sheet::Worksheet& sheet, tl::app::WinHost& host) {
  std::string line = "1";
  while (line.size() < 100000) line += "+1";
  const auto timed = [](auto&& step) {
    const double start = Now();
    step();
    return Now() - start;
  };
  box.SetText(line);
  tl::sheet::PlaceCaret(box, line.size());
  std::printf("Enter behind a %zu-character line:     %.1f ms\n", line.size(),
              timed([&] { Enter(box, sheet, host); }));
  box.SetText(line);
  const auto end = static_cast<WPARAM>(line.size());
  std::printf("  reading the text (WM_GETTEXT):       %.1f ms\n",
              timed([&] { tl::app::ControlText(edit); }));
  std::printf("  the caret to the end (EM_SETSEL):    %.1f ms\n",
              timed([&] { SendMessageW(edit, EM_SETSEL, end, end); }));
  std::printf("  scrolled to the caret:               %.1f ms\n",
              timed([&] { SendMessageW(edit, EM_SCROLLCARET, 0, 0); }));
  std::printf("  \"=50001\" written there (EM_REPLACESEL): %.1f ms\n", timed([&] {
                SendMessageW(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(L"=50001"));
              }));
  std::printf("  a line break after it:               %.1f ms\n", timed([&] {
                SendMessageW(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(L"\r\n"));
              }));
  std::printf("  the caret's line (EM_LINEFROMCHAR):  %.1f ms\n",
              timed([&] { SendMessageW(edit, EM_LINEFROMCHAR, end, 0); }));
  std::printf("  the line painted (WM_PAINT):         %.1f ms\n", timed([&] {
                InvalidateRect(edit, nullptr, TRUE);
                UpdateWindow(edit);
              }));
}

// What the control takes to write a result and a line break behind a line
// (one replacement, as Enter's), by the length of that line: digits and
// operators ("1+1+...") and letters; and to write many short lines at once,
// as a batch's one replacement does.
void LayoutCosts(HWND edit, WinEditBox& box) {
  const auto written = [&](std::string_view text) {
    const double start = Now();
    {
      tl::app::EditBatch batch(box);
      box.ReplaceSelection(text);
    }
    const double replaced = Now() - start;
    UpdateWindow(edit);
    return std::pair{replaced, Now() - start - replaced};
  };
  for (const char* unit : {"+1", "ab"}) {
    for (std::size_t length : {6250, 12500, 25000, 50000}) {
      std::string line = "1";
      while (line.size() < length) line += unit;
      box.SetText(line);
      tl::sheet::PlaceCaret(box, line.size());
      const auto [replaced, painted] = written("=2\r\n");
      std::printf("result behind %5zu characters of \"%s\": %8.1f ms, painted after it %7.1f ms\n",
                  line.size(), unit, replaced, painted);
    }
  }
  for (int lines : {10000, 40000}) {
    box.SetText(Sheet(lines, false));
    tl::sheet::SelectAll(box);
    const auto [replaced, painted] = written(Sheet(lines, true));
    std::printf("%d lines written at once (%zu bytes):  %8.1f ms, painted after it %7.1f ms\n",
                lines, box.Text().size(), replaced, painted);
  }
}

}  // namespace

int main() {
  WNDCLASSW c{};
  c.lpfnWndProc = ParentProc;
  c.hInstance = GetModuleHandleW(nullptr);
  c.lpszClassName = L"TallylineBenchParent";
  RegisterClassW(&c);
  HWND parent = CreateWindowExW(0, c.lpszClassName, L"bench", WS_OVERLAPPEDWINDOW, 0, 0, 800, 600,
                                nullptr, nullptr, c.hInstance, nullptr);
  HWND edit = CreateWindowExW(0, L"EDIT", L"",
                              WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL |
                                  ES_AUTOHSCROLL | ES_NOHIDESEL,
                              0, 0, 780, 560, parent, nullptr, c.hInstance, nullptr);
  HWND status = CreateWindowExW(0, L"msctls_statusbar32", L"", WS_CHILD, 0, 0, 0, 0, parent,
                                nullptr, c.hInstance, nullptr);
  SendMessageW(edit, EM_SETLIMITTEXT, 0, 0);
  ShowWindow(parent, SW_SHOW);
  WinEditBox box(edit);
  SetWindowLongPtrW(parent, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&box));
  tl::app::WinHost host({parent, edit, status}, [](int) {});
  box.SetSlowWriteNotice([&] { host.ShowSlowWriteNotice(); });
  tl::settings::Settings settings;
  settings.动态刷新 = false;
  box.SetText(Sheet(10000, true));
  tl::sheet::Worksheet sheet(box, host, settings);

  const std::size_t middle = box.Text().find("5000+45");
  std::vector<double> enter, refresh, live;
  for (int run = 0; run < 30; ++run) {
    // Enter at the end of a line without its result: the result is written.
    tl::sheet::PlaceCaret(box, middle + 12);
    box.SetSelectionLength(5);
    box.ReplaceSelection("");
    double start = Now();
    Enter(box, sheet, host);
    enter.push_back(Now() - start);
    // Enter inside a computed line: the line is refreshed.
    tl::sheet::PlaceCaret(box, middle + 10);
    start = Now();
    Enter(box, sheet, host);
    refresh.push_back(Now() - start);
  }
  settings.动态刷新 = true;
  for (int run = 0; run < 30; ++run) {
    // A digit typed into the middle line, as the control inserts it, then its
    // key release with the live refresh.
    tl::sheet::PlaceCaret(box, middle + 4);
    SendMessageW(edit, WM_CHAR, L'1', 1);
    double start = Now();
    {
      tl::app::EditBatch batch(box);
      sheet.OnKeyUp('1', 0);
    }
    live.push_back(Now() - start);
  }
  // One running backup of that sheet after a typed key, as the backup timer
  // writes it: the text read back from the control, then both files.
  const auto folder = std::filesystem::temp_directory_path() / L"tallyline-window-bench";
  const tl::settings::SettingsFiles files = tl::settings::FilesUnder(folder);
  std::vector<double> backup;
  for (int run = 0; run < 20; ++run) {
    SendMessageW(edit, WM_CHAR, L'1', 1);
    double start = Now();
    tl::settings::SaveRunningBackup(settings, files, static_cast<int>(box.Caret()), box.Text());
    backup.push_back(Now() - start);
  }
  const std::size_t backupBytes = box.Text().size();
  std::error_code ignored;
  std::filesystem::remove_all(folder, ignored);
  // "&F.批量运算" over sheets without results, as the menu runs it (target:
  // 10,000 lines well under a second).
  for (int lines : {5000, 10000}) {
    box.SetText(Sheet(lines, false));
    tl::sheet::PlaceCaret(box, 0);
    double start = Now();
    {
      tl::app::EditBatch batch(box);
      host.BeginCommand();
      sheet.Execute(tl::sheet::Command::BatchEvaluate);
      host.EndCommand();
    }
    std::printf("batch over %5d lines:                  %.1f ms\n", lines, Now() - start);
  }
  settings.动态刷新 = false;
  LayoutCosts(edit, box);
  LongLine(edit, box, sheet, host);
  std::printf("Enter on a line of a 10,000-line sheet: median %.3f ms, worst %.3f ms\n",
              Median(enter), *std::max_element(enter.begin(), enter.end()));
  std::printf("Enter refreshing a computed line:       median %.3f ms, worst %.3f ms\n",
              Median(refresh), *std::max_element(refresh.begin(), refresh.end()));
  std::printf("live-mode key release on that sheet:   median %.3f ms, worst %.3f ms\n",
              Median(live), *std::max_element(live.begin(), live.end()));
  std::printf("running backup of that sheet (%zu B): median %.3f ms, worst %.3f ms\n", backupBytes,
              Median(backup), *std::max_element(backup.begin(), backup.end()));
  DestroyWindow(parent);
  return 0;
}
