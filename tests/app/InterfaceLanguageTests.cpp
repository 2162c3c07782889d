// Choosing the interface language: --lang taken out of the window program's
// arguments, and the translation found beside the executable.
#include "app/InterfaceLanguage.h"

#include <QCoreApplication>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tessaline {
namespace {

struct Arguments {
    explicit Arguments(std::vector<std::string> words) : words_(std::move(words)) {
        for (std::string& word : words_) {
            pointers.push_back(word.data());
        }
        argc = static_cast<int>(pointers.size());
        pointers.push_back(nullptr);
    }
    std::vector<std::string> left() const { return {pointers.begin(), pointers.begin() + argc}; }

    int argc = 0;
    std::vector<char*> pointers;

  private:
    std::vector<std::string> words_;
};

TEST(InterfaceLanguage, LangIsTakenOutOfTheArguments) {
    Arguments spaced({"tessaline", "-style", "fusion", "--lang", "en", "x"});
    LanguageArgument taken = takeLanguageArgument(spaced.argc, spaced.pointers.data());
    EXPECT_EQ(taken.language, InterfaceLanguage::English);
    EXPECT_TRUE(taken.error.empty());
    EXPECT_EQ(spaced.left(), (std::vector<std::string>{"tessaline", "-style", "fusion", "x"}));
    EXPECT_EQ(spaced.pointers[spaced.argc], nullptr);

    Arguments joined({"tessaline", "--lang=zh"});
    taken = takeLanguageArgument(joined.argc, joined.pointers.data());
    EXPECT_EQ(taken.language, InterfaceLanguage::Chinese);
    EXPECT_EQ(joined.argc, 1);

    Arguments none({"tessaline"});
    EXPECT_FALSE(takeLanguageArgument(none.argc, none.pointers.data()).language);

    Arguments unknown({"tessaline", "--lang", "fr"});
    taken = takeLanguageArgument(unknown.argc, unknown.pointers.data());
    EXPECT_FALSE(taken.language);
    EXPECT_EQ(taken.error, "--lang: \"fr\" is neither \"en\" nor \"zh\"");

    Arguments missing({"tessaline", "--lang"});
    taken = takeLanguageArgument(missing.argc, missing.pointers.data());
    EXPECT_EQ(taken.error, "--lang needs a value: en or zh");
    EXPECT_EQ(missing.argc, 1);

    // Given twice, even the same way, it is refused as convert refuses it.
    for (const std::vector<std::string>& twice :
         {std::vector<std::string>{"tessaline", "--lang", "en", "--lang=zh"},
          std::vector<std::string>{"tessaline", "--lang=en", "--lang", "en"}}) {
        Arguments repeated(twice);
        taken = takeLanguageArgument(repeated.argc, repeated.pointers.data());
        EXPECT_EQ(taken.error, "--lang is given twice");
        EXPECT_EQ(repeated.argc, 1);
    }
}

TEST(InterfaceLanguage, EnglishComesFromTheBuiltTranslation) {
    const char* const source = "生成";
    const QStringList builtHere{QStringLiteral(TESSALINE_RUNTIME_DIR)};
    EXPECT_FALSE(
        setInterfaceLanguage(InterfaceLanguage::English, {QStringLiteral("/nonexistent")}));
    EXPECT_FALSE(englishInterface());
    ASSERT_TRUE(setInterfaceLanguage(InterfaceLanguage::English, builtHere));
    EXPECT_TRUE(englishInterface());
    EXPECT_EQ(QCoreApplication::translate("tessaline::Form1", source), QStringLiteral("Generate"));

    ASSERT_TRUE(setInterfaceLanguage(InterfaceLanguage::Chinese));
    EXPECT_FALSE(englishInterface());
    EXPECT_EQ(QCoreApplication::translate("tessaline::Form1", source), QString::fromUtf8(source));
}

} // namespace
} // namespace tessaline
