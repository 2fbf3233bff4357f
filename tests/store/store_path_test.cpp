#include "store/store_path.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "store/history_store.h"
#include "support/temp_files.h"

namespace torvane::store {
namespace {

using torvane::testing::ScopedEnv;
using torvane::testing::TempDir;

struct PathCase {
  const char* name;
  std::optional<std::string> torvaneDb, xdgDataHome, home;
  std::string expected;
};

class DefaultStorePathTest : public ::testing::TestWithParam<PathCase> {};

TEST_P(DefaultStorePathTest, FollowsTheEnvironment) {
  const PathCase& c = GetParam();
  ScopedEnv db("TORVANE_DB", c.torvaneDb);
  ScopedEnv xdg("XDG_DATA_HOME", c.xdgDataHome);
  ScopedEnv home("HOME", c.home);
  EXPECT_EQ(DefaultStorePath(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Environment, DefaultStorePathTest,
    ::testing::Values(PathCase{"TorvaneDbWins", "/tmp/t/my.db", "/tmp/t/xdg", "/tmp/t/home",
                               "/tmp/t/my.db"},
                      PathCase{"XdgDataHome", std::nullopt, "/tmp/t/xdg", "/tmp/t/home",
                               "/tmp/t/xdg/torvane/history.db"},
                      PathCase{"EmptyTorvaneDbIsUnset", "", "/tmp/t/xdg", "/tmp/t/home",
                               "/tmp/t/xdg/torvane/history.db"},
                      PathCase{"EmptyXdgFallsBackToHome", std::nullopt, "", "/tmp/t/home",
                               "/tmp/t/home/.local/share/torvane/history.db"},
                      PathCase{"RelativeXdgIsIgnored", std::nullopt, "data", "/tmp/t/home",
                               "/tmp/t/home/.local/share/torvane/history.db"},
                      PathCase{"NoXdg", std::nullopt, std::nullopt, "/tmp/t/home",
                               "/tmp/t/home/.local/share/torvane/history.db"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DefaultStorePath, NothingSetIsAnError) {
  ScopedEnv db("TORVANE_DB", std::nullopt);
  ScopedEnv xdg("XDG_DATA_HOME", std::nullopt);
  ScopedEnv home("HOME", std::nullopt);
  try {
    DefaultStorePath();
    ADD_FAILURE() << "no error";
  } catch (const StoreError& e) {
    EXPECT_EQ(e.kind(), StoreErrorKind::Unreadable);
    EXPECT_NE(std::string(e.what()).find("--db"), std::string::npos);
  }
}

TEST(DefaultStorePath, FolderIsCreatedOnlyForWriting) {
  TempDir dir;
  ScopedEnv db("TORVANE_DB", std::nullopt);
  ScopedEnv xdg("XDG_DATA_HOME", (dir.path() / "data").string());
  std::string path = DefaultStorePath();

  {
    HistoryStore reader(path, OpenMode::ReadOnly);
    EXPECT_EQ(reader.Count(), 0);
    EXPECT_TRUE(reader.All().empty());
    EXPECT_FALSE(reader.NewestPeriod());
  }
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "data"));

  { HistoryStore writer(path, OpenMode::ReadWrite); }
  EXPECT_TRUE(std::filesystem::is_regular_file(dir.path() / "data" / "torvane" / "history.db"));
}

}  // namespace
}  // namespace torvane::store
