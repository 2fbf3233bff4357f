// Saving a scheme goes through the safe writer: a read-only scheme is refused and kept.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "scheme/scheme_file.h"

namespace torvane {
namespace {

namespace fs = std::filesystem;

class SchemeSave : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string templ = (fs::temp_directory_path() / "torvane_scheme_save_XXXXXX").string();
    ASSERT_NE(mkdtemp(templ.data()), nullptr);
    dir_ = templ;
    path_ = dir_ / "plan.json";
    std::ofstream(path_) << "{}";
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string Text() const {
    std::ifstream in(path_, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  fs::path dir_;
  fs::path path_;
};

TEST_F(SchemeSave, ReadOnlySchemeIsRefusedAndKept) {
  fs::permissions(path_, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  try {
    WriteSchemeFile(path_, Conditions{});
    FAIL() << "a read-only scheme was replaced";
  } catch (const SchemeError& e) {
    EXPECT_NE(std::string(e.what()).find(path_.string()), std::string::npos) << e.what();
    EXPECT_NE(std::string(e.what()).find("只读"), std::string::npos) << e.what();
  }
  EXPECT_EQ(Text(), "{}");
}

}  // namespace
}  // namespace torvane
