// A store kept open (as the window does) while another program writes the file.
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

Draw D(std::string number) {
  return Draw{"2026255", "", *history::DigitsFromText(number)};
}

TEST(StoreFollow, OtherProgramsChangesAreNoticedAndAGoneFileIsNeverWritten) {
  const struct {
    const char* name;
    std::function<void(const std::string& path, const std::string& other)> act;
    FileState file;
    bool startsMissing = false;
  } cases[] = {
      {"adds", [](auto& p, auto&) { HistoryStore(p, OpenMode::ReadWrite).Add(D("11111")); },
       FileState::Same},
      {"deletes",
       [](auto& p, auto&) {
         HistoryStore(p, OpenMode::ReadWrite).Delete(std::vector<std::string>{"2004002"});
       },
       FileState::Same},
      {"removes", [](auto& p, auto&) { std::filesystem::remove(p); }, FileState::Removed},
      {"renames another store over it",
       [](auto& p, auto& other) {
         HistoryStore(other, OpenMode::ReadWrite).Import(GeneratedHistory(9));
         std::rename(other.c_str(), p.c_str());
       },
       FileState::Replaced},
      {"makes one where there was none",
       [](auto& p, auto&) { HistoryStore(p, OpenMode::ReadWrite).Add(D("11111")); },
       FileState::Replaced, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    const std::string path = dir.File("history.db");
    if (!c.startsMissing) HistoryStore(path, OpenMode::ReadWrite).Import(GeneratedHistory(5));
    HistoryStore kept(path, c.startsMissing ? OpenMode::ReadOnly : OpenMode::ReadWrite);
    const std::vector<Draw> shown = kept.All();
    EXPECT_FALSE(kept.HasChanged());

    c.act(path, dir.File("other.db"));
    EXPECT_TRUE(kept.HasChanged());
    EXPECT_EQ(kept.CheckFile(), c.file);
    if (c.file == FileState::Same) {
      EXPECT_NE(kept.All(), shown);
      EXPECT_FALSE(kept.HasChanged());
    } else if (!c.startsMissing) {
      std::string message;
      EXPECT_EQ(KindOf([&] { kept.Add(D("12345")); }, &message), StoreErrorKind::Moved);
      EXPECT_NE(message.find(path), std::string::npos) << message;
      EXPECT_FALSE(HistoryStore(path, OpenMode::ReadOnly).Find("2026255"));
    }
  }
}

TEST(StoreFollow, CompareAndReplaceWritesOnlyOverWhatThePlayerSaw) {
  const Draw was = D("76425"), other = D("11111"), asked = D("22222");
  const struct {
    const char* name;
    std::optional<Draw> stored, meanwhile;  // before the question; what came after it
    ReplaceResult result;
    Draw present;
  } cases[] = {
      {"still as shown", was, std::nullopt, ReplaceResult::Replaced, asked},
      {"replaced meanwhile", was, other, ReplaceResult::Changed, other},
      {"absent as shown", std::nullopt, std::nullopt, ReplaceResult::Added, asked},
      {"added meanwhile", std::nullopt, other, ReplaceResult::Changed, other},
      {"the same change meanwhile", was, asked, ReplaceResult::Unchanged, asked},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    HistoryStore window(dir.File("history.db"), OpenMode::ReadWrite);
    if (c.stored) window.Add(*c.stored);
    const std::optional<Draw> shown = window.Find("2026255");
    if (c.meanwhile)
      HistoryStore(dir.File("history.db"), OpenMode::ReadWrite).Add(*c.meanwhile, true);

    const ReplaceOutcome outcome = window.AddIfUnchanged(asked, shown);
    EXPECT_EQ(outcome.result, c.result);
    EXPECT_EQ(outcome.present, c.present);
    EXPECT_EQ(window.Find("2026255"), c.present);
  }
}

}  // namespace
}  // namespace torvane::store
