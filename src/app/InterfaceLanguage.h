#pragma once
// The language of the windows, the chart texts and the printout. The texts
// are written in Simplified Chinese in the sources; every other language is
// a translation the program ships, tessaline_<code>.qm, built from
// translations/tessaline_<code>.ts. Which languages there are is read from
// the translations found, so a new one needs no code. The window program
// and `tessaline convert` choose alike: --lang CODE, else the locale (LC_ALL,
// LC_MESSAGES, LANG), matched by language and script (zh_HK finds zh_TW),
// else Chinese.
#include <QLocale>
#include <QString>
#include <QStringList>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessaline {

// A language named by its code: "zh" for the sources' own, else the code of
// a shipped translation ("en", "zh_TW").
struct InterfaceLanguage {
    std::string code = "zh";

    static const InterfaceLanguage Chinese; // the sources' own
    static const InterfaceLanguage English;

    // The language's name in itself: "English", "繁體中文".
    QString nativeName() const;
    bool operator==(const InterfaceLanguage&) const = default;
};
inline const InterfaceLanguage InterfaceLanguage::Chinese{"zh"};
inline const InterfaceLanguage InterfaceLanguage::English{"en"};

// The language a --lang value names, spelt as the program spells codes
// ("zh-tw" and "zh_TW" are "zh_TW"); nothing for a word that is no language
// code. Whether the program has it is asked of availableInterfaceLanguages.
std::optional<InterfaceLanguage> interfaceLanguageNamed(std::string_view name);

// Where the program's translations are looked for, in this order: beside
// the executable (the build folder), then where an installation puts them.
QStringList translationFolders();
// The same for the program in executableFolder (see app/DataFolders.h).
QStringList translationFolders(const QString& executableFolder);

// Chinese, then every language whose translation is in `folders`, by code.
std::vector<InterfaceLanguage>
availableInterfaceLanguages(const QStringList& folders = translationFolders());
// "en (English), zh (简体中文), zh_TW (繁體中文)": the list for a message.
std::string interfaceLanguageList(const std::vector<InterfaceLanguage>& languages);

// The language of `locale` among `available`: the same language and script,
// the same territory first (zh_HK finds zh_TW, en_GB en); Chinese when none
// matches.
InterfaceLanguage languageOfLocale(const QLocale& locale,
                                   const std::vector<InterfaceLanguage>& available);
// The same for the system's locale.
InterfaceLanguage systemInterfaceLanguage(
    const std::vector<InterfaceLanguage>& available = availableInterfaceLanguages());

// "--lang X" or "--lang=X" taken out of the window program's arguments.
struct LanguageArgument {
    std::optional<InterfaceLanguage> language;
    std::string error; // one line when the value is missing or no language code
};
LanguageArgument takeLanguageArgument(int& argc, char** argv);

// The language to speak: the one asked for, when the program has it, else
// the locale's. `error` says so in one line when the asked one is missing.
struct ChosenLanguage {
    InterfaceLanguage language;
    std::string error;
};
ChosenLanguage chooseInterfaceLanguage(const std::optional<InterfaceLanguage>& asked,
                                       const QStringList& folders = translationFolders());

// Installs the translations of `language` on the running application,
// replacing those of an earlier call: the program's own, searched for in
// `folders`, and Qt's (standard dialog buttons). Returns false when the
// program's translation is not found; the texts then stay Chinese.
bool setInterfaceLanguage(const InterfaceLanguage& language,
                          const QStringList& folders = translationFolders());

// The language set last (Chinese before any call).
InterfaceLanguage interfaceLanguage();

} // namespace tessaline
