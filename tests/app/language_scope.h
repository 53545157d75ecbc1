// Runs a test in one of the translated languages and goes back to English afterwards.
#pragma once

#include <gtest/gtest.h>

#include <QLocale>
#include <QString>

#include "app/ui_language.h"

namespace orvanta::testing_support {

class LanguageScope {
  public:
    explicit LanguageScope(const char* name) {
        EXPECT_TRUE(UseLanguage(QLocale(QString::fromLatin1(name)))) << name;
    }
    ~LanguageScope() { UseLanguage(std::nullopt); }
    LanguageScope(const LanguageScope&) = delete;
    LanguageScope& operator=(const LanguageScope&) = delete;
};

}  // namespace orvanta::testing_support
