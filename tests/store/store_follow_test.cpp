// A store kept open (as the window keeps it) while another program writes the same file: it
// notices every change, never writes into a removed or replaced file, and replaces a draw
// only when the store still holds what the player was shown.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <functional>

#include "store/history_store.h"
#include "support/history_samples.h"

namespace torvane::store {
namespace {

using history::Draw;
using torvane::testing::GeneratedHistory;
using torvane::testing::KindOf;
using torvane::testing::TempDir;

Draw D(std::string period, std::string number) {
  return Draw{std::move(period), "", *history::DigitsFromText(number)};
}

struct OtherProgram {
  const char* name;
  std::function<void(const std::string& path, const std::string& elsewhere)> act;
  FileState file;
};
void PrintTo(const OtherProgram& c, std::ostream* os) {
  *os << c.name;
}

class StoreFollow : public ::testing::TestWithParam<OtherProgram> {
 protected:
  void SetUp() override { HistoryStore(path_, OpenMode::ReadWrite).Import(GeneratedHistory(5)); }
  TempDir dir_;
  std::string path_ = dir_.File("history.db");
};

TEST_P(StoreFollow, NoticedAndNeverWrittenIntoAFileThatIsGone) {
  HistoryStore kept(path_, OpenMode::ReadWrite);
  const std::vector<Draw> shown = kept.All();
  EXPECT_FALSE(kept.HasChanged());

  GetParam().act(path_, dir_.File("other.db"));
  EXPECT_TRUE(kept.HasChanged());
  EXPECT_EQ(kept.CheckFile(), GetParam().file);
  if (GetParam().file == FileState::Same) {
    EXPECT_NE(kept.All(), shown);
    EXPECT_FALSE(kept.HasChanged());
    return;
  }
  std::string message;
  EXPECT_EQ(KindOf([&] { kept.Add(D("2030001", "12345")); }, &message), StoreErrorKind::Moved);
  EXPECT_NE(message.find(path_), std::string::npos) << message;
  EXPECT_FALSE(HistoryStore(path_, OpenMode::ReadOnly).Find("2030001"));
}

INSTANTIATE_TEST_SUITE_P(
    Changes, StoreFollow,
    ::testing::Values(
        OtherProgram{"Adds",
                     [](const std::string& p, const std::string&) {
                       HistoryStore(p, OpenMode::ReadWrite).Add(D("2020001", "11111"));
                     },
                     FileState::Same},
        OtherProgram{"Deletes",
                     [](const std::string& p, const std::string&) {
                       std::vector<std::string> periods = {"2004002"};
                       HistoryStore(p, OpenMode::ReadWrite).Delete(periods);
                     },
                     FileState::Same},
        OtherProgram{"RemovesTheFile",
                     [](const std::string& p, const std::string&) { std::filesystem::remove(p); },
                     FileState::Removed},
        OtherProgram{"RenamesAnotherStoreOverIt",
                     [](const std::string& p, const std::string& other) {
                       HistoryStore(other, OpenMode::ReadWrite).Import(GeneratedHistory(9));
                       std::rename(other.c_str(), p.c_str());
                     },
                     FileState::Replaced}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StoreFollowMissing, AStoreMadeWhereThereWasNoneIsNoticed) {
  TempDir dir;
  const std::string path = dir.File("history.db");
  HistoryStore kept(path, OpenMode::ReadOnly);
  EXPECT_FALSE(kept.HasChanged());
  HistoryStore(path, OpenMode::ReadWrite).Add(D("2020001", "11111"));
  EXPECT_EQ(kept.CheckFile(), FileState::Replaced);
  EXPECT_TRUE(kept.HasChanged());
}

struct ReplaceCase {
  const char* name;
  std::optional<Draw> stored;     // before the question
  std::optional<Draw> meanwhile;  // what another program stored after it, if anything
  Draw asked;                     // the draw the player confirmed
  ReplaceResult result;
  std::optional<Draw> present;
};
void PrintTo(const ReplaceCase& c, std::ostream* os) {
  *os << c.name;
}

class CompareAndReplace : public ::testing::TestWithParam<ReplaceCase> {};

TEST_P(CompareAndReplace, WritesOnlyOverWhatThePlayerSaw) {
  TempDir dir;
  const ReplaceCase& c = GetParam();
  HistoryStore window(dir.File("history.db"), OpenMode::ReadWrite);
  if (c.stored) window.Add(*c.stored);
  const std::optional<Draw> shown = window.Find("2026255");
  if (c.meanwhile)
    HistoryStore(dir.File("history.db"), OpenMode::ReadWrite).Add(*c.meanwhile, true);

  const ReplaceOutcome outcome = window.AddIfUnchanged(c.asked, shown);
  EXPECT_EQ(outcome.result, c.result);
  EXPECT_EQ(outcome.present, c.present);
  EXPECT_EQ(window.Find("2026255"), c.present);
}

const Draw kWas = D("2026255", "76425"), kOther = D("2026255", "11111"),
           kAsked = D("2026255", "22222");

INSTANTIATE_TEST_SUITE_P(
    Cases, CompareAndReplace,
    ::testing::Values(
        ReplaceCase{"StillAsShown", kWas, std::nullopt, kAsked, ReplaceResult::Replaced, kAsked},
        ReplaceCase{"ReplacedMeanwhile", kWas, kOther, kAsked, ReplaceResult::Changed, kOther},
        ReplaceCase{"AbsentAsShown", std::nullopt, std::nullopt, kAsked, ReplaceResult::Added,
                    kAsked},
        ReplaceCase{"AddedMeanwhile", std::nullopt, kOther, kAsked, ReplaceResult::Changed, kOther},
        ReplaceCase{"SameChangeMeanwhile", kWas, kAsked, kAsked, ReplaceResult::Unchanged, kAsked}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace torvane::store
