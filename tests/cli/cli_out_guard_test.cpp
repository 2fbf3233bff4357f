// --out never replaces what the command reads: the store (by device and inode, through links,
// with SQLite's files beside it), a draw file or a scheme. Refused before anything is read or
// written, with status 2 and both names.
#include <gtest/gtest.h>
#include <unistd.h>

#include "cli/cli_test_support.h"

namespace torvane::cli {
namespace {

using torvane::testing::ReadBytes;

// A copy in the temporary folder: a refusal that failed would overwrite it.
const char* const kScheme = "{dir}/scheme.json";

struct GuardCase {
  const char* name;
  std::vector<std::string> args;  // {db} the store, {dir} the temporary folder
  const char* out;                // the --out given
  const char* input;              // the name the message must give beside it
};
void PrintTo(const GuardCase& c, std::ostream* os) {
  *os << c.name;
}

class OutGuard : public CliWithStore, public ::testing::WithParamInterface<GuardCase> {
 protected:
  std::string Expand(std::string s) const {
    for (auto [key, value] :
         {std::pair<std::string, std::string>{"{db}", DefaultStore()}, {"{dir}", dir_.path()}})
      if (size_t at = s.find(key); at != std::string::npos) s.replace(at, key.size(), value);
    return s;
  }
};

TEST_P(OutGuard, RefusedBeforeAnythingIsWritten) {
  const std::string draws = DrawFile("draws.txt", "2024001 12345\n2024002 54321\n");
  DrawFile("scheme.json", ReadBytes(TORVANE_TEST_DATA "/schemes/empty.json"));
  ASSERT_EQ(Cli({"history", "import", draws}).code, kExitDone);
  symlink(DefaultStore().c_str(), File("link.db").c_str());
  link(DefaultStore().c_str(), File("hard.db").c_str());
  const std::string store = ReadBytes(DefaultStore());

  std::vector<std::string> args;
  for (const std::string& a : GetParam().args) args.push_back(Expand(a));
  const std::string out = Expand(GetParam().out);
  args.insert(args.end(), {"--out", out});
  const Outcome o = Cli(args);
  EXPECT_EQ(o.code, kExitUsage) << o.err;
  EXPECT_NE(o.err.find(out), std::string::npos) << o.err;
  EXPECT_NE(o.err.find(Expand(GetParam().input)), std::string::npos) << o.err;
  EXPECT_EQ(ReadBytes(DefaultStore()), store);
  EXPECT_EQ(ReadBytes(draws), "2024001 12345\n2024002 54321\n");
  EXPECT_FALSE(std::filesystem::exists(DefaultStore() + "-wal"));
}

INSTANTIATE_TEST_SUITE_P(
    Commands, OutGuard,
    ::testing::Values(
        GuardCase{"StatsOverTheStore", {"stats", "--db", "{db}"}, "{db}", "{db}"},
        GuardCase{"ExportOverTheDefaultStore", {"history", "export"}, "{db}", "{db}"},
        GuardCase{"ExportThroughASymbolicLink", {"history", "export"}, "{dir}/link.db", "{db}"},
        GuardCase{"BacktestThroughAHardLink", {"backtest", kScheme}, "{dir}/hard.db", "{db}"},
        GuardCase{"CompareOverTheStoresWal", {"compare", kScheme}, "{db}-wal", "{db}"},
        GuardCase{"RunOverItsDb", {"run", kScheme, "--db", "{db}"}, "{db}", "{db}"},
        GuardCase{"StatsOverItsDrawFile",
                  {"stats", "--history", "{dir}/draws.txt"},
                  "{dir}/draws.txt",
                  "{dir}/draws.txt"},
        GuardCase{"RunOverItsScheme", {"run", kScheme}, kScheme, kScheme}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace torvane::cli
