#include <gtest/gtest.h>

#include "cli/batch_run.h"
#include "cli/cli_test_support.h"
#include "cli/commands.h"
#include "cli/input_file.h"
#include "files/replace_steps.h"

namespace tl::cli {
namespace {

using testing::Invoke;
using testing::ReadFile;
using testing::ScratchFolder;
using testing::Utf8;
using testing::WriteFile;

// Standard error after a run: nothing when every line succeeded.
std::string FailedLines(std::size_t n) {
  if (n == 0) return "";
  return "tallyline-cli: run: failed lines: " + std::to_string(n) + "\n";
}

struct StreamCase {
  std::string name;
  std::vector<std::string> args;
  std::string input;
  std::string output;
  std::size_t failed;
};

TEST(RunCommand, ReadsEachNulByteAsASpaceAndSaysSo) {
  const testing::Invocation run = Invoke(RunCommand, {"-"}, std::string("1+1\0+1\n", 7));
  EXPECT_EQ(run.out, "1+1 +1=3\n");
  EXPECT_EQ(run.err,
            "tallyline-cli: run: bytes 0x00 read as spaces, as the window reads them: 1\n");
}

TEST(RunCommand, EvaluatesStandardInput) {
  const StreamCase cases[] = {
      {"gbk crlf", {"-"}, "1+1\r\n2×3\r\n", "1+1=2\r\n2×3=6\r\n", 0},
      {"utf-8 lf", {}, Utf8(u8"1+1\n2×3\n合计5÷2\n"), Utf8(u8"1+1=2\n2×3=6\n合计5÷2=2.5\n"), 0},
      {"failed lines keep their text", {"-"}, "1+\n2+2\nabc\n\n5\n", "1+\n2+2=4\nabc\n\n5\n", 2},
      {"empty", {"-"}, "", "", 0},
      {"settings apply", {"--set", Utf8(u8"运算精度设置=2"), "-"}, "10/3\n", "10/3=3.33\n", 0},
      {"a chain is rebuilt", {"-"}, "1+1=5\r\n", "1+1=2\r\n", 0},
      {"a chain that cannot be rebuilt", {"-"}, Utf8(u8"1+2=3+×=5\n"), Utf8(u8"1+2=3+×=5\n"), 1},
      {"last line without a break", {"-"}, "x\r\n1+", "x\r\n1+", 2},
      {"space-separated",
       {"--set", Utf8(u8"空格分式=真"), "-"},
       "1+x 2+3\n4+4 5+\n",
       "1+x 2+3=5\n4+4=8   5+\n",
       2},
      {"one line counts once",
       {"--set", Utf8(u8"空格分式=真"), "-"},
       "1+x 2+3 1+y\n",
       "1+x 2+3=5   1+y\n",
       1},
      {"space-separated, live mode off",
       {"--set", Utf8(u8"空格分式=真"), "--set", Utf8(u8"动态刷新=假"), "-"},
       "1+x 2+3\n4+4 5+\n",
       "1+x 2+3=5\n4+4=8   5+\n",
       2},
      {"forced gbk", {"--encoding", "gbk"}, "1+1\n", "1+1=2\n", 0},
  };
  for (const StreamCase& c : cases) {
    std::vector<std::string> args = c.args;
    const testing::Invocation run = Invoke(RunCommand, args, c.input);
    EXPECT_EQ(run.out, c.output) << c.name;
    EXPECT_EQ(run.err, FailedLines(c.failed)) << c.name;
    EXPECT_EQ(run.status, c.failed > 0 ? kExitEvaluationFailed : kExitSuccess) << c.name;
  }
}

TEST(RunCommand, NamesTheTextLeftWhenSpaceSeparatedStepsRunOut) {
  std::string sheet;
  for (int i = 0; i < 1500; ++i) sheet += "1+1 2+2  3+3\n";
  const testing::Invocation run = Invoke(RunCommand, {"--set", Utf8(u8"空格分式=真")}, sheet);
  EXPECT_EQ(run.status, kExitEvaluationFailed);
  EXPECT_TRUE(run.err.ends_with(" on is left as it was\n")) << run.err;
}

TEST(RunCommand, RefusesBadArguments) {
  struct Case {
    std::vector<std::string> args;
    std::string message;
  };
  const Case cases[] = {
      {{"--bogus"}, "run: unknown option '--bogus' (try --help)"},
      {{"-o"}, "run: -o needs a value (try --help)"},
      {{"--encoding", "latin1", "-"},
       "run: --encoding takes auto, gbk or utf-8, not 'latin1' (try --help)"},
      {{"--in-place"}, "run: --in-place needs a FILE (try --help)"},
      {{"-o", "out.txt", "--in-place", "in.txt"},
       "run: -o and --in-place exclude each other (try --help)"},
      {{"a.txt", "b.txt"}, "run: one input file at most, not also 'b.txt' (try --help)"},
      {{"--set", "nokey=1", "-"}, "run: unknown setting 'nokey'"},
      {{"--set", "novalue", "-"}, "run: --set takes KEY=VALUE, not 'novalue' (try --help)"},
      {{"no-such-file.txt"}, "run: 'no-such-file.txt': no such file"},
      {{"--encoding", "utf-8", "-"}, "run: standard input: the input is not valid UTF-8"},
  };
  for (const Case& c : cases) {
    const testing::Invocation run = Invoke(RunCommand, c.args, "\xB8\xC5\r\n");
    EXPECT_EQ(run.status, kExitError) << c.message;
    EXPECT_EQ(run.err, "tallyline-cli: " + c.message + "\n");
    EXPECT_EQ(run.out, "");
  }
}

TEST(RunCommand, WritesFiles) {
  const ScratchFolder folder;
  const std::string input = (folder / "sheet.txt").string();
  const std::string output = (folder / "out.txt").string();
  WriteFile(input, "1+1\r\n总计2×3\r\n");  // GBK

  testing::Invocation run = Invoke(RunCommand, {input, "-o", output});
  EXPECT_EQ(run.status, kExitSuccess);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(ReadFile(output), "1+1=2\r\n总计2×3=6\r\n");
  EXPECT_EQ(ReadFile(input), "1+1\r\n总计2×3\r\n");

  run = Invoke(RunCommand, {"--in-place", input});
  EXPECT_EQ(run.status, kExitSuccess);
  EXPECT_EQ(ReadFile(input), "1+1=2\r\n总计2×3=6\r\n");

  run = Invoke(RunCommand, {folder.path().string()});
  EXPECT_EQ(run.status, kExitError);
  EXPECT_EQ(run.err,
            "tallyline-cli: run: '" + folder.path().string() + "' is a folder, not a file\n");
}

TEST(RunCommand, LeavesTheFileWhenTheWriteFails) {
  const ScratchFolder folder;
  const std::filesystem::path sheet = folder / "sheet.txt";
  WriteFile(sheet, "1+1\n");
  // The new content goes to a temporary file beside the old one first; a
  // folder in its place makes that write fail, whoever runs the test.
  std::filesystem::create_directory(files::TemporaryPathFor(sheet));
  testing::Invocation run = Invoke(RunCommand, {"--in-place", sheet.string()});
  EXPECT_EQ(run.status, kExitError);
  EXPECT_TRUE(run.err.ends_with("; the file is left as it was\n")) << run.err;
  EXPECT_EQ(ReadFile(sheet), "1+1\n");

  // An output whose folder is a file.
  run = Invoke(RunCommand, {sheet.string(), "-o", (sheet / "out.txt").string()});
  EXPECT_EQ(run.status, kExitError);
  EXPECT_TRUE(run.err.starts_with("tallyline-cli: run: cannot write '")) << run.err;
  EXPECT_EQ(ReadFile(sheet), "1+1\n");
}

TEST(RunCommand, KeepsThePermissionsOfTheFileItReplaces) {
  const ScratchFolder folder;
  const std::filesystem::path sheet = folder / "private.txt";
  WriteFile(sheet, "1+1\n");
  const auto kPrivate = std::filesystem::perms::owner_read | std::filesystem::perms::owner_write;
  std::filesystem::permissions(sheet, kPrivate);
  if (std::filesystem::status(sheet).permissions() != kPrivate) {
    GTEST_SKIP() << "this system does not keep such permissions";
  }
  const testing::Invocation run = Invoke(RunCommand, {"--in-place", sheet.string()});
  EXPECT_EQ(run.status, kExitSuccess) << run.err;
  EXPECT_EQ(ReadFile(sheet), "1+1=2\n");
  EXPECT_EQ(std::filesystem::status(sheet).permissions(), kPrivate);
  EXPECT_FALSE(std::filesystem::exists(files::TemporaryPathFor(sheet)));
}

TEST(RunCommand, LeavesTheFileInAReadOnlyFolder) {
  const ScratchFolder folder;
  const std::filesystem::path sheet = folder / "sheet.txt";
  WriteFile(sheet, "1+1\n");
  std::filesystem::permissions(
      folder.path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  if (std::ofstream(folder / "probe")) GTEST_SKIP() << "the folder stays writable for this user";
  const testing::Invocation run = Invoke(RunCommand, {"--in-place", sheet.string()});
  EXPECT_EQ(run.status, kExitError);
  EXPECT_EQ(ReadFile(sheet), "1+1\n");
}

TEST(RunCommand, ChecksWrittenResultsWithoutChangingTheFile) {
  const ScratchFolder folder;
  // Fresh, stale, failing and unevaluated lines.
  const std::string sheet = Utf8(u8"合计 1+1=2\n2×3=7\n1÷0=5\n4+4\nnote\n");
  const std::string report = Utf8(u8"2\t2×3\t7\t6\n3\t1÷0\t5\t[运算错误]_除法运算错误！\n");
  const std::pair<std::string, std::string> forms[] = {
      {"utf-8 lf", sheet},
      {"utf-8 crlf", Utf8(u8"合计 1+1=2\r\n2×3=7\r\n1÷0=5\r\n4+4\r\nnote\r\n")},
      {"gbk lf", "合计 1+1=2\n2×3=7\n1÷0=5\n4+4\nnote\n"},
      {"gbk crlf", "合计 1+1=2\r\n2×3=7\r\n1÷0=5\r\n4+4\r\nnote\r\n"},
  };
  for (const auto& [name, bytes] : forms) {
    const std::filesystem::path file = folder / "sheet.txt";
    WriteFile(file, bytes);
    const testing::Invocation run = Invoke(RunCommand, {"--check", file.string()});
    EXPECT_EQ(run.out, report) << name;
    EXPECT_EQ(run.err, "tallyline-cli: run: stale results: 2 of 3\n") << name;
    EXPECT_EQ(run.status, kExitEvaluationFailed) << name;
    EXPECT_EQ(ReadFile(file), bytes) << name;
  }
  const testing::Invocation fresh = Invoke(RunCommand, {"--check", "-"}, "1+1=2\r\n");
  EXPECT_EQ(fresh.out, "");
  EXPECT_EQ(fresh.err, "tallyline-cli: run: stale results: 0 of 1\n");
  EXPECT_EQ(fresh.status, kExitSuccess);
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"--check", "--in-place", "a.txt"}, {"--check", "-o", "b.txt"}}) {
    EXPECT_EQ(Invoke(RunCommand, args).err,
              "tallyline-cli: run: --check changes no file: it takes neither -o nor --in-place "
              "(try --help)\n");
  }
}

TEST(RunCommand, LimitsTheLinesNotTheTextsThatGoWhole) {
  std::string text = "1+1\r\n2+2\r\n";
  text.append(kMaxLineBytes / 2, '1');
  text.append(kMaxLineBytes / 2, '+');
  EXPECT_EQ(Invoke(RunCommand, {"-"}, text).err, FailedLines(1));
  const testing::Invocation refused = Invoke(RunCommand, {"-"}, text + "1");
  EXPECT_EQ(refused.err,
            "tallyline-cli: run: standard input: line 3 holds more than 4 MiB, the most run takes "
            "in one line\n");
  EXPECT_EQ(refused.out, "");

  // Space-separated expressions go through one worksheet, more than 8 MiB
  // of them too.
  std::string spaced;
  while (spaced.size() <= (std::size_t{9} << 20)) spaced += "1+1 2+2 3+3 4+4 5+5 6+6 7+7 8+8\r\n";
  const testing::Invocation whole = Invoke(RunCommand, {"--set", Utf8(u8"空格分式=真")}, spaced);
  EXPECT_EQ(whole.status, kExitEvaluationFailed);  // stopped after 5000 steps
  EXPECT_TRUE(whole.out.starts_with("1+1=2   2+2=4")) << whole.out.substr(0, 40);
  EXPECT_EQ(whole.err,
            Utf8(u8"tallyline-cli: run: with 空格分式 the batch stops after 5000 steps, "
                 u8"as the window's does; the text from line 167 on is left as it was\n"));
}

TEST(ReadInput, RefusesMoreThanTheLimit) {
  const ScratchFolder folder;
  const std::filesystem::path file = folder / "big.txt";
  WriteFile(file, std::string(100, '1'));
  std::istringstream none;
  EXPECT_EQ(ReadInput(file.string(), none, 100).bytes, std::string(100, '1'));
  EXPECT_EQ(ReadInput(file.string(), none, 99).error,
            "'" + file.string() + "' holds more than 99 bytes, the most tallyline-cli takes");
  std::istringstream stream(std::string(3 << 20, '1'));
  EXPECT_EQ(ReadInput("-", stream, 2 << 20).error,
            "standard input holds more than 2 MiB, the most tallyline-cli takes");
}

TEST(InputPieces, NoticesAFileThatChangesBetweenReadings) {
  const ScratchFolder folder;
  const std::filesystem::path file = folder / "sheet.txt";
  WriteFile(file, "1+1\n");
  std::istringstream none;
  InputPieces input(file.string(), none, 100);
  EXPECT_EQ(input.Next(), "1+1\n");
  EXPECT_EQ(input.Next(), "");
  input.Rewind();
  WriteFile(file, "1+1\n2+2\n");
  while (!input.Next().empty()) {
  }
  EXPECT_EQ(input.Error(), "'" + file.string() + "' changed while it was read");
}

}  // namespace
}  // namespace tl::cli
