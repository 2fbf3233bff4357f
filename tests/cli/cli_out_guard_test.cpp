// --out never replaces what the command reads: the store (by device and inode, through links,
// with SQLite's files beside it), a draw file or a scheme. Refused before anything is read or
// written, with status 2 and both names.
#include <gtest/gtest.h>
#include <unistd.h>

#include "cli/cli_test_support.h"

namespace torvane::cli {
namespace {

using torvane::testing::ReadBytes;

class OutGuard : public CliWithStore {};

TEST_F(OutGuard, AnOutThatIsAnInputIsRefusedBeforeAnythingIsWritten) {
  const std::string draws = DrawFile("draws.txt", "2024001 12345\n2024002 54321\n");
  // A copy of the scheme: were the refusal to fail, it would be overwritten.
  const std::string scheme =
      DrawFile("scheme.json", ReadBytes(TORVANE_TEST_DATA "/schemes/empty.json"));
  const std::string db = DefaultStore();
  ASSERT_EQ(Cli({"history", "import", draws}).code, kExitDone);
  ASSERT_EQ(symlink(db.c_str(), File("link.db").c_str()), 0);
  ASSERT_EQ(link(db.c_str(), File("hard.db").c_str()), 0);
  const std::string store = ReadBytes(db);
  const struct {
    std::vector<std::string> args;
    std::string out, input;  // the --out given, the input the message names beside it
  } cases[] = {
      {{"stats", "--db", db}, db, db},
      {{"history", "export"}, File("link.db"), db},
      {{"backtest", scheme}, File("hard.db"), db},
      {{"compare", scheme}, db + "-wal", db},
      {{"stats", "--history", draws}, draws, draws},
      {{"run", scheme}, scheme, scheme},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args = c.args;
    args.insert(args.end(), {"--out", c.out});
    SCOPED_TRACE(args[0] + " --out " + c.out);
    const Outcome o = Cli(args);
    EXPECT_EQ(o.code, kExitUsage) << o.err;
    EXPECT_NE(o.err.find(c.out), std::string::npos) << o.err;
    EXPECT_NE(o.err.find(c.input), std::string::npos) << o.err;
    EXPECT_EQ(ReadBytes(db), store);
    EXPECT_EQ(ReadBytes(draws), "2024001 12345\n2024002 54321\n");
    EXPECT_FALSE(std::filesystem::exists(db + "-wal"));
  }
}

}  // namespace
}  // namespace torvane::cli
