// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "demo/demo_options.h"

namespace {

TEST(DemoOptionsTest, DefaultsStandForTheFullModelAndTheSystemLanguage) {
  std::string error;
  const auto options = ParseDemoOptions({}, &error);
  ASSERT_TRUE(options);
  EXPECT_EQ(options->model, "T2803-31");
  EXPECT_FALSE(options->lang);
  EXPECT_FALSE(options->stateFile);
  EXPECT_FALSE(options->page);
  EXPECT_FALSE(options->unplugged || options->neverReady || options->badChecksum || options->help ||
               options->virtualPad);
}

TEST(DemoOptionsTest, EveryOptionIsRead) {
  std::string error;
  const auto options = ParseDemoOptions(
      {"--model", "T2802-21", "--lang", "zh", "--state", "/tmp/s.bin", "--unplugged",
       "--never-ready", "--bad-checksum", "--page", "back", "--virtual-pad"},
      &error);
  ASSERT_TRUE(options) << error;
  EXPECT_EQ(options->model, "T2802-21");
  EXPECT_EQ(options->lang, "zh");
  EXPECT_EQ(options->stateFile, "/tmp/s.bin");
  EXPECT_EQ(options->page, "back");
  EXPECT_TRUE(options->unplugged && options->neverReady && options->badChecksum &&
              options->virtualPad);
  EXPECT_EQ(ParseDemoOptions({"--page", "control"}, &error)->page, "control");
  EXPECT_TRUE(ParseDemoOptions({"--help"}, &error)->help);
  EXPECT_FALSE(options->unplugAfterExchanges);

  const auto replug = ParseDemoOptions({"--replug-after", "2"}, &error);
  ASSERT_TRUE(replug) << error;
  EXPECT_EQ(replug->unplugAfterExchanges, 2);
  EXPECT_TRUE(replug->comesBack);
  const auto unplug = ParseDemoOptions({"--unplug-after", "0"}, &error);
  ASSERT_TRUE(unplug) << error;
  EXPECT_EQ(unplug->unplugAfterExchanges, 0);
  EXPECT_FALSE(unplug->comesBack);
}

TEST(DemoOptionsTest, BadCommandLinesAreRefusedWithAReason) {
  const std::vector<std::vector<std::string>> bad = {
      {"--lang"},
      {"--lang", "fr"},
      {"--model"},
      {"--state"},
      {"--state", ""},
      {"--frobnicate"},
      {"--model", "A\nB"},
      {"--model", std::string(65, 'x')},
      {"--replug-after"},
      {"--replug-after", "-1"},
      {"--unplug-after", "two"},
      {"--replug-after", "1", "--unplug-after", "1"},
      {"--unplug-after", "99999999"},
      {"--page"},
      {"--page", "main"},
  };
  for (const auto& args : bad) {
    std::string error;
    EXPECT_FALSE(ParseDemoOptions(args, &error)) << args[0];
    EXPECT_FALSE(error.empty()) << args[0];
  }
}

}  // namespace
