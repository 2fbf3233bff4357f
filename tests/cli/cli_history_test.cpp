// torvane-cli history: import, add, delete and export against a store in a temporary folder.
#include <SQLiteCpp/SQLiteCpp.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "cli/cli_test_support.h"
#include "support/local_http_server.h"

namespace torvane::cli {
namespace {

using torvane::testing::ReadBytes;

// A header, a repeated line, a draw without a date, CR LF line ends, and not in period order.
const char* const kDrawFile =
    "期号,日期,开奖号码\r\n"
    "2024003,2024-01-03,33333\r\n"
    "2024001,2024-01-01,11111\r\n"
    "2024002,,2 2 2 2 2\r\n"
    "2024001,2024-01-01,11111\r\n";

const char* const kExported =
    "period,date,number,sales,winners,prize\n"
    "2024001,2024-01-01,11111,,,\n"
    "2024002,,22222,,,\n"
    "2024003,2024-01-03,33333,,,\n";

class CliHistory : public CliWithStore {};

TEST_F(CliHistory, ImportSaysWhatWasNewWhatWasThereAndWhatTheFileSkipped) {
  const std::string file = DrawFile("draws.csv", kDrawFile);
  Outcome o = Cli({"history", "import", file});
  ASSERT_EQ(o.code, kExitDone) << o.err;
  EXPECT_EQ(o.out,
            "导入完成：新增 3 期，已有 0 期，共 3 期；跳过表头 1 行；文件中重复的记录 1 行\n");
  EXPECT_EQ(o.err, "");
  EXPECT_TRUE(std::filesystem::exists(DefaultStore()));

  const std::string more = DrawFile("more.txt", "2024003 33333\n2024004 44444\n");
  o = Cli({"history", "import", more});
  EXPECT_EQ(o.out, "导入完成：新增 1 期，已有 1 期，共 4 期\n");
}

TEST_F(CliHistory, ImportThenExportRoundTrips) {
  ASSERT_EQ(Cli({"history", "import", DrawFile("draws.csv", kDrawFile)}).code, kExitDone);
  const Outcome exported = Cli({"history", "export"});
  ASSERT_EQ(exported.code, kExitDone) << exported.err;
  EXPECT_EQ(exported.out, kExported);

  // The export is a draw file itself: into a second store and out again, byte for byte.
  const std::string csv = DrawFile("exported.csv", exported.out);
  const std::string second = File("second.db");
  ASSERT_EQ(Cli({"history", "import", csv, "--db", second}).code, kExitDone);
  EXPECT_EQ(Cli({"history", "export", "--db", second}).out, kExported);
}

TEST_F(CliHistory, ExportLastAndOut) {
  ASSERT_EQ(Cli({"history", "import", DrawFile("draws.csv", kDrawFile)}).code, kExitDone);
  EXPECT_EQ(
      Cli({"history", "export", "--last", "2"}).out,
      "period,date,number,sales,winners,prize\n2024002,,22222,,,\n2024003,2024-01-03,33333,,,\n");
  EXPECT_EQ(Cli({"history", "export", "--last", "50"}).out, kExported);

  const std::string out = File("export.csv");
  const Outcome o = Cli({"history", "export", "--out", out});
  ASSERT_EQ(o.code, kExitDone) << o.err;
  EXPECT_EQ(o.out, "");
  EXPECT_EQ(ReadBytes(out), kExported);
}

TEST_F(CliHistory, AddThenAddAgainThenDelete) {
  Outcome o = Cli({"history", "add", "2024001", "09876", "--date", "2024-01-01"});
  ASSERT_EQ(o.code, kExitDone) << o.err;
  EXPECT_EQ(o.out, "已添加第 2024001 期：09876\n");
  EXPECT_EQ(Cli({"history", "add", "2024002", "00000"}).code, kExitDone);
  EXPECT_EQ(
      Cli({"history", "export"}).out,
      "period,date,number,sales,winners,prize\n2024001,2024-01-01,09876,,,\n2024002,,00000,,,\n");

  o = Cli({"history", "add", "2024001", "09876", "--date", "2024-01-05"});
  EXPECT_EQ(o.code, kExitDone);
  EXPECT_EQ(o.out,
            "第 2024001 期已在历史库中，号码 09876 相同，没有改动（历史库中的日期 2024-01-01，"
            "保持不变）\n");

  o = Cli({"history", "add", "2024001", "11111"});
  EXPECT_EQ(o.code, kExitBadFile);
  EXPECT_NE(o.err.find("09876"), std::string::npos) << o.err;
  EXPECT_NE(o.err.find("11111"), std::string::npos) << o.err;
  EXPECT_NE(o.err.find(DefaultStore()), std::string::npos) << o.err;

  o = Cli({"history", "delete", "2024001", "2024009", "2024001"});
  ASSERT_EQ(o.code, kExitDone) << o.err;
  EXPECT_EQ(o.out, "已删除 1 期；1 个期号不在历史库中\n");
  EXPECT_EQ(Cli({"history", "export"}).out,
            "period,date,number,sales,winners,prize\n2024002,,00000,,,\n");
}

// A row another tool wrote against the rules stops a reading command with status 3; history
// delete removes it even when its period is one the command line would refuse.
TEST_F(CliHistory, ARowAgainstTheRulesIsDeletableByItsPeriod) {
  ASSERT_EQ(Cli({"history", "import", DrawFile("draws.csv", kDrawFile)}).code, kExitDone);
  SQLite::Database(DefaultStore(), SQLite::OPEN_READWRITE)
      .exec(
          "PRAGMA ignore_check_constraints = ON; INSERT INTO draws (period, number) VALUES ('20 "
          "24', '1')");
  const Outcome o = Cli({"history", "export"});
  EXPECT_EQ(o.code, kExitBadFile);
  EXPECT_NE(o.err.find("torvane-cli history delete '20 24'"), std::string::npos) << o.err;
  EXPECT_EQ(Cli({"history", "delete", "20 24", "x y"}).code, kExitUsage);
  EXPECT_EQ(Cli({"history", "delete", "20 24"}).out, "已删除 1 期\n");
  EXPECT_EQ(Cli({"history", "export"}).out, kExported);
}

TEST_F(CliHistory, DeleteFromAMissingStoreCreatesNone) {
  const Outcome o = Cli({"history", "delete", "2024001"});
  EXPECT_EQ(o.code, kExitDone);
  EXPECT_EQ(o.out, "已删除 0 期；1 个期号不在历史库中\n");
  EXPECT_FALSE(std::filesystem::exists(DefaultStore()));
}

TEST_F(CliHistory, RefusedImportCreatesNoStore) {
  const Outcome o = Cli({"history", "import", DrawFile("bad.txt", "2024001 11111\nhello 1\n")});
  EXPECT_EQ(o.code, kExitBadFile);
  EXPECT_FALSE(std::filesystem::exists(DefaultStore()));
}

TEST_F(CliHistory, DbOptionLeavesTheDefaultStoreAlone) {
  const std::string other = File("sub/other.db");
  ASSERT_EQ(Cli({"history", "add", "7", "12345", "--db", other}).code, kExitDone);
  EXPECT_TRUE(std::filesystem::exists(other));
  EXPECT_FALSE(std::filesystem::exists(DefaultStore()));
}

TEST_F(CliHistory, AddressImportsAsTheFileDoes) {
  const std::string text = "2024003 2024-01-03 3 3 3 3 3 26,455,603 7 100,000\n2024001 11111\n";
  torvane::testing::LocalHttpServer server([&](const std::string& path) {
    torvane::testing::HttpAnswer a;
    a.body = path == "/draws.txt" ? text : path == "/page" ? "<!DOCTYPE html><html></html>" : "";
    if (a.body.empty()) a.status = 404;
    return a;
  });
  const Outcome fromFile = Cli({"history", "import", DrawFile("draws.txt", text)});
  const Outcome fromAddress =
      Cli({"history", "import", server.Url("/draws.txt"), "--db", File("web.db")});
  ASSERT_EQ(fromAddress.code, kExitDone) << fromAddress.err;
  EXPECT_EQ(fromAddress.out, fromFile.out);
  EXPECT_EQ(Cli({"history", "export", "--db", File("web.db")}).out, Cli({"history", "export"}).out);

  const struct {
    std::string address;
    int code;
    const char* says;
  } refused[] = {
      {server.Url("/x"), kExitDownloadFailed, "HTTP 404"},
      {"http://127.0.0.1:1/x", kExitDownloadFailed, "无法连接"},
      {server.Url("/page"), kExitBadFile, "网页"},
      {"ftp://127.0.0.1/x", kExitUsage, "http:// and https://"},
  };
  for (const auto& c : refused) {
    const Outcome o = Cli({"history", "import", c.address, "--db", File("web.db")});
    EXPECT_EQ(o.code, c.code) << o.err;
    EXPECT_EQ(o.out, "");
    EXPECT_NE(o.err.find(c.says), std::string::npos) << o.err;
  }
}

TEST_F(CliHistory, FileFiguresWinAndTheAnswerCountsThem) {
  ASSERT_EQ(
      Cli({"history", "import", DrawFile("a.txt", "2024001 11111 100 1\n2024002 22222\n")}).code,
      kExitDone);
  const Outcome o =
      Cli({"history", "import", DrawFile("b.txt", "2024001 11111 200 1 5\n2024002 22222 9\n")});
  ASSERT_EQ(o.code, kExitDone) << o.err;
  EXPECT_EQ(o.out,
            "导入完成：新增 0 期，已有 2 期，共 2 期；2 期补上了销售额、中奖注数或奖金；1 "
            "期的销售额、中奖注数或奖金与历史库不同，已按导入的改正\n");
  EXPECT_EQ(Cli({"history", "export"}).out,
            "period,date,number,sales,winners,prize\n2024001,,11111,200,1,5\n2024002,,22222,9,,"
            "\n");
}

TEST_F(CliHistory, CheckListsHolesAndDates) {
  ASSERT_EQ(Cli({"history", "import",
                 DrawFile("h.txt",
                          "2024001 2024-01-01 11111\n2024002 2024-01-03 11111\n"
                          "2024004 2024-01-02 11111\n2024005 2024-01-03 11111\n")})
                .code,
            kExitDone);
  const Outcome o = Cli({"history", "check"});
  EXPECT_EQ(o.code, kExitFound);
  EXPECT_EQ(o.out,
            "检查了 4 期（2024001 至 2024005）\n缺 1 期：\n2024003\n日期倒退 1 处：\n2024004 "
            "2024-01-02 早于上一期 2024002 2024-01-03\n同一天有两期以上 1 处：\n2024-01-03 "
            "2024002 2024005\n");
}

}  // namespace
}  // namespace torvane::cli
