// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "context/program_context.h"
#include "emulator/umockdev/hidraw_testbed.h"
#include "sysinfo/board_model.h"

namespace {

class BoardModelFile : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/board-model-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    folder_ = pattern;
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }
  void WriteBoardName(const std::string& bytes) {
    std::ofstream(folder_ + "/board_name", std::ios::binary | std::ios::trunc) << bytes;
  }
  // The query's outcome, starting from a result the query must either replace or keep.
  std::pair<bool, std::string> Query() {
    std::string result = "untouched";
    const bool ok = QueryBoardModel(result, folder_);
    return {ok, result};
  }
  std::string folder_;
};

TEST_F(BoardModelFile, TrimsBlanksOnlyAndKeepsEverythingElse) {
  const struct {
    const char* file;
    const char* model;
    bool known;
  } cases[] = {
      {"T2803-31\n", "T2803-31", true},
      {"  T2803-31   \n", "T2803-31", true},
      {"T2804-11", "T2804-11", true},  // no newline
      {"T2804-12\n", "T2804-12", true},
      {"T2804-110\n", "T2804-110", false},
      {"\tT2802-21 \n", "\tT2802-21", false},
      {"t2804-12\n", "t2804-12", false},
      {"T2803-31\n\n", "T2803-31\n", false},  // only the kernel's one newline goes
      {"   \n", "   ", false},
      {"\n", "", false},
      {"", "", false},
  };
  for (const auto& c : cases) {
    WriteBoardName(c.file);
    const auto [ok, model] = Query();
    EXPECT_TRUE(ok) << c.file;
    EXPECT_EQ(model, c.model) << c.file;
    EXPECT_EQ(IsKnownBoardModel(model), c.known) << c.file;
  }
}

TEST_F(BoardModelFile, UnreadableOrImplausibleFilesFailAndLeaveTheResult) {
  EXPECT_EQ(Query(), std::make_pair(false, std::string("untouched")));  // no file

  WriteBoardName(std::string(300, 'A'));
  EXPECT_EQ(Query(), std::make_pair(false, std::string("untouched")));
  WriteBoardName(std::string(256, 'A'));
  EXPECT_EQ(Query(), std::make_pair(true, std::string(256, 'A')));

  WriteBoardName(std::string("T2803\0-31\n", 10));
  EXPECT_EQ(Query(), std::make_pair(false, std::string("untouched")));

  std::filesystem::remove(folder_ + "/board_name");
  ASSERT_EQ(::mkfifo((folder_ + "/board_name").c_str(), 0600), 0);
  EXPECT_EQ(Query(), std::make_pair(false, std::string("untouched")));  // and does not block
}

TEST_F(BoardModelFile, EveryCallReadsAfresh) {
  WriteBoardName("T2804-11\n");
  EXPECT_EQ(Query().second, "T2804-11");
  WriteBoardName("T2802-21\n");
  EXPECT_EQ(Query().second, "T2802-21");
  std::filesystem::remove(folder_ + "/board_name");
  EXPECT_FALSE(Query().first);
}

// The default location, read through a fake /sys: the query's own default, and the program's
// context without a board-model source, which asks afresh at every use.
TEST(BoardModelSysfs, ReadsTheFirmwareTableExport) {
  HidrawTestbed testbed;
  std::string error;
  ASSERT_TRUE(testbed.SetBoardName(" T2803-31 \n", &error)) << error;
  std::string model;
  EXPECT_TRUE(QueryBoardModel(model));
  EXPECT_EQ(model, "T2803-31");
  const ProgramContext system;
  EXPECT_EQ(system.BoardModel(), "T2803-31");
  ASSERT_TRUE(testbed.SetBoardName("T2804-12\n", &error)) << error;
  EXPECT_TRUE(QueryBoardModel(model));
  EXPECT_EQ(model, "T2804-12");
  EXPECT_EQ(system.BoardModel(), "T2804-12");
}

}  // namespace
