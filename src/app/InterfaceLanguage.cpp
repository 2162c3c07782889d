#include "app/InterfaceLanguage.h"

#include "app/DataFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <algorithm>
#include <cstring>
#include <memory>

namespace tessaline {

namespace {

const QString kTranslationPrefix = QStringLiteral("tessaline_");

struct InstalledLanguage {
    InterfaceLanguage language;
    std::unique_ptr<QTranslator> program;
    std::unique_ptr<QTranslator> qt;
};

InstalledLanguage& installed() {
    static InstalledLanguage state;
    return state;
}

void removeTranslators() {
    InstalledLanguage& state = installed();
    for (std::unique_ptr<QTranslator>* translator : {&state.program, &state.qt}) {
        if (*translator) {
            QCoreApplication::removeTranslator(translator->get());
            translator->reset();
        }
    }
}

QLocale localeOf(const InterfaceLanguage& language) {
    return QLocale(QString::fromStdString(language.code));
}

bool isLower(char c) {
    return c >= 'a' && c <= 'z';
}

bool isUpper(char c) {
    return c >= 'A' && c <= 'Z';
}

} // namespace

QString InterfaceLanguage::nativeName() const {
    return localeOf(*this).nativeLanguageName();
}

std::optional<InterfaceLanguage> interfaceLanguageNamed(std::string_view name) {
    // Two or three small letters for the language, then perhaps a territory
    // in capitals: "en", "zh_TW", "zh-TW".
    const std::size_t split = std::min(name.find_first_of("_-"), name.size());
    const std::string_view language = name.substr(0, split);
    const std::string_view territory = name.substr(std::min(split + 1, name.size()));
    const bool hasTerritory = split < name.size();
    if (language.size() < 2 || language.size() > 3 ||
        !std::all_of(language.begin(), language.end(), isLower) ||
        (hasTerritory &&
         (territory.size() != 2 || !std::all_of(territory.begin(), territory.end(), isUpper)))) {
        return std::nullopt;
    }
    std::string code(language);
    if (hasTerritory) {
        code += '_';
        code += territory;
    }
    // Simplified Chinese is the sources' own language, however it is named.
    if (code == "zh_CN" || code == "zh_SG") {
        code = "zh";
    }
    return InterfaceLanguage{code};
}

QStringList translationFolders() {
    return translationFolders(QCoreApplication::applicationDirPath());
}

QStringList translationFolders(const QString& executableFolder) {
    const QString installedFolder = installedDataFolder(executableFolder);
    return {executableFolder, installedFolder, installedFolder + QStringLiteral("/translations")};
}

std::vector<InterfaceLanguage> availableInterfaceLanguages(const QStringList& folders) {
    std::vector<InterfaceLanguage> languages{InterfaceLanguage::Chinese};
    for (const QString& folder : folders) {
        const QStringList files =
            QDir(folder).entryList({kTranslationPrefix + QStringLiteral("*.qm")}, QDir::Files);
        for (const QString& file : files) {
            const QString code = file.mid(kTranslationPrefix.size()).chopped(3);
            const std::optional<InterfaceLanguage> language =
                interfaceLanguageNamed(code.toStdString());
            if (language && language->code == code.toStdString() &&
                std::find(languages.begin(), languages.end(), *language) == languages.end()) {
                languages.push_back(*language);
            }
        }
    }
    std::sort(
        languages.begin(), languages.end(),
        [](const InterfaceLanguage& a, const InterfaceLanguage& b) { return a.code < b.code; });
    return languages;
}

std::string interfaceLanguageList(const std::vector<InterfaceLanguage>& languages) {
    std::string list;
    for (const InterfaceLanguage& language : languages) {
        if (!list.empty()) {
            list += ", ";
        }
        list += language.code + " (" + language.nativeName().toStdString() + ")";
    }
    return list;
}

InterfaceLanguage systemInterfaceLanguage(const std::vector<InterfaceLanguage>& available) {
    return languageOfLocale(QLocale::system(), available);
}

InterfaceLanguage languageOfLocale(const QLocale& system,
                                   const std::vector<InterfaceLanguage>& available) {
    const InterfaceLanguage* sameScript = nullptr;
    for (const InterfaceLanguage& language : available) {
        const QLocale locale = localeOf(language);
        if (locale.language() != system.language() || locale.script() != system.script()) {
            continue;
        }
        if (locale.territory() == system.territory()) {
            return language;
        }
        if (sameScript == nullptr) {
            sameScript = &language;
        }
    }
    return sameScript != nullptr ? *sameScript : InterfaceLanguage::Chinese;
}

LanguageArgument takeLanguageArgument(int& argc, char** argv) {
    LanguageArgument result;
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        std::optional<std::string_view> value;
        if (arg == "--lang") {
            if (i + 1 >= argc) {
                result.error = "--lang needs a value: a language code such as en";
                continue;
            }
            value = argv[++i];
        } else if (arg.rfind("--lang=", 0) == 0) {
            value = arg.substr(std::strlen("--lang="));
        } else {
            argv[kept++] = argv[i];
            continue;
        }
        if (result.language || !result.error.empty()) {
            result.error = "--lang is given twice";
            result.language.reset();
            continue;
        }
        result.language = interfaceLanguageNamed(*value);
        if (!result.language) {
            result.error = "--lang: \"" + std::string(*value) + "\" is no language code";
        }
    }
    argc = kept;
    argv[argc] = nullptr;
    return result;
}

ChosenLanguage chooseInterfaceLanguage(const std::optional<InterfaceLanguage>& asked,
                                       const QStringList& folders) {
    const std::vector<InterfaceLanguage> available = availableInterfaceLanguages(folders);
    if (!asked) {
        return {systemInterfaceLanguage(available), {}};
    }
    if (std::find(available.begin(), available.end(), *asked) == available.end()) {
        return {InterfaceLanguage::Chinese, "--lang: \"" + asked->code +
                                                "\" is not a language of this program; it has: " +
                                                interfaceLanguageList(available)};
    }
    return {*asked, {}};
}

bool setInterfaceLanguage(const InterfaceLanguage& language, const QStringList& folders) {
    removeTranslators();
    InstalledLanguage& state = installed();
    state.language = InterfaceLanguage::Chinese;

    // Qt's own texts (dialog buttons) in the same language; where Qt's
    // translations are not installed they stay English.
    const QString qtName =
        QStringLiteral("qtbase_") + (language == InterfaceLanguage::Chinese
                                         ? QStringLiteral("zh_CN")
                                         : QString::fromStdString(language.code));
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(qtName, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        state.qt = std::move(qt);
    }
    if (language == InterfaceLanguage::Chinese) {
        return true;
    }

    auto program = std::make_unique<QTranslator>();
    for (const QString& folder : folders) {
        if (program->load(kTranslationPrefix + QString::fromStdString(language.code), folder)) {
            QCoreApplication::installTranslator(program.get());
            state.program = std::move(program);
            state.language = language;
            return true;
        }
    }
    return false;
}

InterfaceLanguage interfaceLanguage() {
    return installed().language;
}

} // namespace tessaline
