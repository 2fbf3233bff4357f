// --out never replaces what the command reads: the store (by device and inode, through links,
// with SQLite's files beside it), a draw file or a scheme. Refused before anything is read or
// written, with status 2 and both names.
#include <gtest/gtest.h>
#include <unistd.h>

#include "cli/cli_test_support.h"

namespace torvane::cli {
namespace {

using torvane::testing::ReadBytes;

class OutGuard : public CliWithStore {
 protected:
  std::string Expand(std::string s) const {
    for (auto [key, value] : {std::pair<std::string, std::string>{"{db}", DefaultStore()},
                              {"{dir}", dir_.path().string()}})
      if (size_t at = s.find(key); at != std::string::npos) s.replace(at, key.size(), value);
    return s;
  }
};

TEST_F(OutGuard, AnOutThatIsAnInputIsRefusedBeforeAnythingIsWritten) {
  const std::string draws = DrawFile("draws.txt", "2024001 12345\n2024002 54321\n");
  DrawFile("scheme.json", ReadBytes(TORVANE_TEST_DATA "/schemes/empty.json"));
  ASSERT_EQ(Cli({"history", "import", draws}).code, kExitDone);
  ASSERT_EQ(symlink(DefaultStore().c_str(), File("link.db").c_str()), 0);
  ASSERT_EQ(link(DefaultStore().c_str(), File("hard.db").c_str()), 0);
  const std::string store = ReadBytes(DefaultStore());
  // A copy of the scheme: were the refusal to fail, it would be overwritten.
  const std::string scheme = "{dir}/scheme.json";
  const struct {
    std::vector<std::string> args;
    std::string out, input;  // the --out given, the input the message names beside it
  } cases[] = {
      {{"stats", "--db", "{db}"}, "{db}", "{db}"},
      {{"history", "export"}, "{db}", "{db}"},
      {{"history", "export"}, "{dir}/link.db", "{db}"},
      {{"backtest", scheme}, "{dir}/hard.db", "{db}"},
      {{"compare", scheme}, "{db}-wal", "{db}"},
      {{"run", scheme, "--db", "{db}"}, "{db}", "{db}"},
      {{"stats", "--history", "{dir}/draws.txt"}, "{dir}/draws.txt", "{dir}/draws.txt"},
      {{"run", scheme}, scheme, scheme},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args;
    for (const std::string& a : c.args) args.push_back(Expand(a));
    args.insert(args.end(), {"--out", Expand(c.out)});
    SCOPED_TRACE(args[0] + " --out " + c.out);
    const Outcome o = Cli(args);
    EXPECT_EQ(o.code, kExitUsage) << o.err;
    EXPECT_NE(o.err.find(Expand(c.out)), std::string::npos) << o.err;
    EXPECT_NE(o.err.find(Expand(c.input)), std::string::npos) << o.err;
    EXPECT_EQ(ReadBytes(DefaultStore()), store);
    EXPECT_EQ(ReadBytes(draws), "2024001 12345\n2024002 54321\n");
    EXPECT_FALSE(std::filesystem::exists(DefaultStore() + "-wal"));
  }
}

}  // namespace
}  // namespace torvane::cli
