#pragma once
// The language of the windows, the chart texts and the printout. The texts
// are written in Chinese in the sources; English comes from the translation
// tessaline_en.qm, built from translations/tessaline_en.ts. The window
// program and `tessaline convert` choose it alike: --lang en|zh, else the
// locale (LC_ALL, LC_MESSAGES, LANG): English for an English locale,
// Chinese for any other.
#include <QStringList>
#include <optional>
#include <string>
#include <string_view>

namespace tessaline {

enum class InterfaceLanguage { Chinese, English };

// The language named by --lang: "en" or "zh"; nothing for any other word.
std::optional<InterfaceLanguage> interfaceLanguageNamed(std::string_view name);

// English when the locale is English, else Chinese.
InterfaceLanguage systemInterfaceLanguage();

// "--lang X" or "--lang=X" taken out of the window program's arguments.
struct LanguageArgument {
    std::optional<InterfaceLanguage> language;
    std::string error; // one line when the value is missing or unknown
};
LanguageArgument takeLanguageArgument(int& argc, char** argv);

// Where the program's translations are looked for, in this order: beside
// the executable (the build folder), then where an installation puts them.
QStringList translationFolders();
// The same for the program in executableFolder (see app/DataFolders.h).
QStringList translationFolders(const QString& executableFolder);

// Installs the translations of `language` on the running application,
// replacing those of an earlier call: the program's own, searched for in
// `folders`, and Qt's (standard dialog buttons). Returns false when the
// program's English translation is not found; the texts then stay Chinese.
bool setInterfaceLanguage(InterfaceLanguage language,
                          const QStringList& folders = translationFolders());

// The language set last (Chinese before any call).
InterfaceLanguage interfaceLanguage();
bool englishInterface();

} // namespace tessaline
