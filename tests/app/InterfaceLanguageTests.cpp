// Choosing the interface language: --lang taken out of the window program's
// arguments, and the translation found beside the executable.
#include "app/InterfaceLanguage.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
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

    Arguments traditional({"tessaline", "--lang", "zh-TW"});
    taken = takeLanguageArgument(traditional.argc, traditional.pointers.data());
    EXPECT_EQ(taken.language, InterfaceLanguage{"zh_TW"});

    Arguments unknown({"tessaline", "--lang", "french"});
    taken = takeLanguageArgument(unknown.argc, unknown.pointers.data());
    EXPECT_FALSE(taken.language);
    EXPECT_EQ(taken.error, "--lang: \"french\" is no language code");

    Arguments missing({"tessaline", "--lang"});
    taken = takeLanguageArgument(missing.argc, missing.pointers.data());
    EXPECT_EQ(taken.error, "--lang needs a value: a language code such as en");
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

TEST(InterfaceLanguage, TheLanguagesAreTheTranslationsFound) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    for (const char* name :
         {"tessaline_en.qm", "tessaline_zh_TW.qm", "tessaline_x.qm", "other.qm"}) {
        QFile file(folder.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    const QStringList folders{folder.path()};
    const std::vector<InterfaceLanguage> available = availableInterfaceLanguages(folders);
    EXPECT_EQ(available, (std::vector<InterfaceLanguage>{{"en"}, {"zh"}, {"zh_TW"}}));
    EXPECT_EQ(interfaceLanguageList(available),
              "en (American English), zh (简体中文), zh_TW (繁體中文)");

    EXPECT_EQ(chooseInterfaceLanguage(InterfaceLanguage{"zh_TW"}, folders).language,
              InterfaceLanguage{"zh_TW"});
    const ChosenLanguage missing = chooseInterfaceLanguage(InterfaceLanguage{"fr"}, folders);
    EXPECT_EQ(missing.error, "--lang: \"fr\" is not a language of this program; it has: " +
                                 interfaceLanguageList(available));
    EXPECT_EQ(chooseInterfaceLanguage(InterfaceLanguage::Chinese, {}).language,
              InterfaceLanguage::Chinese);
}

TEST(InterfaceLanguage, TheLocaleFindsTheLanguageOfItsScript) {
    const std::vector<InterfaceLanguage> available{{"en"}, {"zh"}, {"zh_TW"}};
    const auto forLocale = [&](const char* name) {
        return languageOfLocale(QLocale(QString::fromLatin1(name)), available).code;
    };
    EXPECT_EQ(forLocale("zh_TW"), "zh_TW");
    EXPECT_EQ(forLocale("zh_HK"), "zh_TW");
    EXPECT_EQ(forLocale("zh_CN"), "zh");
    EXPECT_EQ(forLocale("zh_SG"), "zh");
    EXPECT_EQ(forLocale("en_GB"), "en");
    EXPECT_EQ(forLocale("de_DE"), "zh");
    // Without the translation a Hong Kong locale reads the sources' Chinese.
    EXPECT_EQ(languageOfLocale(QLocale(QStringLiteral("zh_HK")), {{"en"}, {"zh"}}).code, "zh");
}

TEST(InterfaceLanguage, EnglishComesFromTheBuiltTranslation) {
    const char* const source = "生成";
    const QStringList builtHere{QStringLiteral(TESSALINE_RUNTIME_DIR)};
    EXPECT_FALSE(
        setInterfaceLanguage(InterfaceLanguage::English, {QStringLiteral("/nonexistent")}));
    EXPECT_EQ(interfaceLanguage(), InterfaceLanguage::Chinese);
    ASSERT_TRUE(setInterfaceLanguage(InterfaceLanguage::English, builtHere));
    EXPECT_EQ(interfaceLanguage(), InterfaceLanguage::English);
    EXPECT_EQ(QCoreApplication::translate("tessaline::Form1", source), QStringLiteral("Generate"));

    ASSERT_TRUE(setInterfaceLanguage(InterfaceLanguage::Chinese));
    EXPECT_EQ(interfaceLanguage(), InterfaceLanguage::Chinese);
    EXPECT_EQ(QCoreApplication::translate("tessaline::Form1", source), QString::fromUtf8(source));
}

} // namespace
} // namespace tessaline
