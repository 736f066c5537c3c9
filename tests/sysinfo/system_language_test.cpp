// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "context/program_context.h"
#include "sysinfo/system_language.h"

namespace {

constexpr const char* kLocaleVariables[] = {"LC_ALL", "LC_MESSAGES", "LANG"};

// Saves the locale variables and puts them back afterwards.
class SystemLanguage : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int i = 0; i < 3; ++i) {
      const char* value = std::getenv(kLocaleVariables[i]);
      if (value != nullptr) saved_[i] = value;
    }
    SetLocale(nullptr, nullptr, nullptr);
  }
  void TearDown() override {
    for (int i = 0; i < 3; ++i) {
      if (saved_[i]) {
        ::setenv(kLocaleVariables[i], saved_[i]->c_str(), 1);
      } else {
        ::unsetenv(kLocaleVariables[i]);
      }
    }
  }
  // Null unsets the variable.
  static void SetLocale(const char* all, const char* messages, const char* lang) {
    const char* values[] = {all, messages, lang};
    for (int i = 0; i < 3; ++i) {
      if (values[i] != nullptr) {
        ::setenv(kLocaleVariables[i], values[i], 1);
      } else {
        ::unsetenv(kLocaleVariables[i]);
      }
    }
  }
  std::optional<std::string> saved_[3];
};

TEST_F(SystemLanguage, LocaleNamesMapToLanguageIds) {
  const struct {
    const char* lang;
    std::uint16_t id;
  } cases[] = {
      {"zh_CN", kLangChinesePrc},
      {"zh_CN.UTF-8", kLangChinesePrc},
      {"zh_CN.GB18030", kLangChinesePrc},
      {"zh_CN.UTF-8@pinyin", kLangChinesePrc},
      {"zh_TW.UTF-8", kLangChineseTaiwan},
      {"zh_HK", kLangChineseTaiwan},
      {"zh_SG.UTF-8", kLangChineseTaiwan},
      {"zh", kLangChineseTaiwan},
      {"en_US.UTF-8", kLangEnglishUs},
      {"de_DE", kLangEnglishUs},
      {"C", kLangEnglishUs},
      {"C.UTF-8", kLangEnglishUs},
      {"POSIX", kLangEnglishUs},
      {"zhx_CN", kLangEnglishUs},
      {"", kLangEnglishUs},
  };
  for (const auto& c : cases) {
    SetLocale(nullptr, nullptr, c.lang);
    EXPECT_EQ(SystemDefaultLangId(), c.id) << "LANG=" << c.lang;
    EXPECT_EQ(ProgramContext().UseChinese(), c.id == kLangChinesePrc) << "LANG=" << c.lang;
  }
  SetLocale(nullptr, nullptr, nullptr);
  EXPECT_EQ(SystemDefaultLangId(), kLangEnglishUs);
}

TEST_F(SystemLanguage, LcAllThenLcMessagesThenLang) {
  SetLocale("en_US.UTF-8", "zh_CN.UTF-8", "zh_CN.UTF-8");
  EXPECT_EQ(SystemDefaultLangId(), kLangEnglishUs);
  SetLocale("", "zh_CN.UTF-8", "en_US.UTF-8");  // an empty variable does not count
  EXPECT_EQ(SystemDefaultLangId(), kLangChinesePrc);
  SetLocale(nullptr, "zh_TW", "zh_CN");
  EXPECT_EQ(SystemDefaultLangId(), kLangChineseTaiwan);
  SetLocale(nullptr, nullptr, "zh_CN");
  EXPECT_EQ(SystemDefaultLangId(), kLangChinesePrc);
}

// The program's context asks its language source, or the locale when it has none, at every
// use: nothing is remembered between two questions.
TEST_F(SystemLanguage, ContextAsksItsSourceOrTheLocaleAtEveryUse) {
  const ProgramContext system;
  SetLocale(nullptr, nullptr, "zh_CN.UTF-8");
  EXPECT_TRUE(system.UseChinese());
  SetLocale(nullptr, nullptr, "zh_TW.UTF-8");
  EXPECT_FALSE(system.UseChinese());

  std::uint16_t chosen = kLangChinesePrc;
  ProgramContext fixed;
  fixed.languageId = [&chosen] { return chosen; };
  EXPECT_TRUE(fixed.UseChinese());  // whatever the locale says
  chosen = kLangChineseTaiwan;
  EXPECT_FALSE(fixed.UseChinese());
  EXPECT_EQ(fixed.LanguageId(), 0x0404);
}

}  // namespace
