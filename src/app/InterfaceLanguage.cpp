#include "app/InterfaceLanguage.h"

#include "app/DataFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstring>
#include <memory>

namespace tessaline {

namespace {

struct InstalledLanguage {
    InterfaceLanguage language = InterfaceLanguage::Chinese;
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

} // namespace

std::optional<InterfaceLanguage> interfaceLanguageNamed(std::string_view name) {
    if (name == "en") {
        return InterfaceLanguage::English;
    }
    if (name == "zh") {
        return InterfaceLanguage::Chinese;
    }
    return std::nullopt;
}

InterfaceLanguage systemInterfaceLanguage() {
    return QLocale::system().language() == QLocale::English ? InterfaceLanguage::English
                                                            : InterfaceLanguage::Chinese;
}

LanguageArgument takeLanguageArgument(int& argc, char** argv) {
    LanguageArgument result;
    int kept = 1;
    int seen = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        std::optional<std::string_view> value;
        if (arg == "--lang") {
            if (i + 1 >= argc) {
                result.error = "--lang needs a value: en or zh";
                continue;
            }
            value = argv[++i];
        } else if (arg.rfind("--lang=", 0) == 0) {
            value = arg.substr(std::strlen("--lang="));
        } else {
            argv[kept++] = argv[i];
            continue;
        }
        // As convert refuses a repeated option: which one was meant is unknown.
        if (seen++ > 0 && result.error.empty()) {
            result.error = "--lang is given twice";
        }
        if (!result.error.empty()) {
            continue;
        }
        result.language = interfaceLanguageNamed(*value);
        if (!result.language) {
            result.error = "--lang: \"" + std::string(*value) + "\" is neither \"en\" nor \"zh\"";
        }
    }
    argc = kept;
    argv[argc] = nullptr;
    return result;
}

QStringList translationFolders() {
    return translationFolders(QCoreApplication::applicationDirPath());
}

QStringList translationFolders(const QString& executableFolder) {
    const QString installed = installedDataFolder(executableFolder);
    return {executableFolder, installed, installed + QStringLiteral("/translations")};
}

bool setInterfaceLanguage(InterfaceLanguage language, const QStringList& folders) {
    removeTranslators();
    InstalledLanguage& state = installed();
    state.language = InterfaceLanguage::Chinese;

    // Qt's own texts (dialog buttons) in the same language; where Qt's
    // translations are not installed they stay English.
    const QString qtName = language == InterfaceLanguage::English ? QStringLiteral("qtbase_en")
                                                                  : QStringLiteral("qtbase_zh_CN");
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
        if (program->load(QStringLiteral("tessaline_en"), folder)) {
            QCoreApplication::installTranslator(program.get());
            state.program = std::move(program);
            state.language = InterfaceLanguage::English;
            return true;
        }
    }
    return false;
}

InterfaceLanguage interfaceLanguage() {
    return installed().language;
}

bool englishInterface() {
    return interfaceLanguage() == InterfaceLanguage::English;
}

} // namespace tessaline
