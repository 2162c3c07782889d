#include "cli/CommandLine.h"

#include "app/InterfaceLanguage.h"
#include "cli/ConvertOptions.h"
#include "cli/ConvertPipeline.h"
#include "cli/HelpText.h"
#include "cli/PaletteExportCommand.h"
#include "cli/WorkingMemory.h"
#include "platform/SystemFiles.h"
#include "render/FontSetup.h"

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

namespace tessaline {

namespace {

// Enough for a 12-megapixel photograph, its chart canvas and the bitmap
// written from it.
constexpr std::size_t kWorkingMemoryBytes = std::size_t{192} << 20;

void printText(std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
}

void printHelp() {
    printText(helpText());
}

int reportProblem(int exitCode, const std::string& problem) {
    std::fprintf(stderr, "tessaline: %s\n", problem.c_str());
    return exitCode;
}

// Qt's own chatter (font or platform notes) would bury the one line a
// failure prints; only its serious messages get through.
void quietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::fprintf(stderr, "tessaline: %s\n", message.toLocal8Bit().constData());
    }
}

int runConvert(const std::vector<std::string>& args, char* programName) {
    const ConvertParse parse = parseConvertOptions(args);
    if (parse.options.help) {
        printHelp();
        return kExitOk;
    }
    if (parse.options.version) {
        printText(versionText());
        return kExitOk;
    }
    if (!parse.ok()) {
        return reportProblem(kExitUsage, parse.error);
    }

    reserveWorkingMemory(kWorkingMemoryBytes);
    // No display is needed or used, whatever the environment names.
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    qInstallMessageHandler(quietQtMessages);
    int appArgc = 1;
    char* appArgv[] = {programName, nullptr};
    QGuiApplication app(appArgc, appArgv);
    installFontSubstitutes();
    const ChosenLanguage language = chooseInterfaceLanguage(parse.options.language);
    if (!language.error.empty()) {
        return reportProblem(kExitUsage, language.error);
    }
    setInterfaceLanguage(language.language);

    ConvertProgress progress;
    if (standardErrorIsTerminal()) {
        progress.stage = [](std::string_view step) {
            std::fprintf(stderr, "tessaline: %.*s...\n", static_cast<int>(step.size()),
                         step.data());
        };
    }
    const ConvertResult result = convertPicture(parse.options, std::cout, progress);
    if (!result.ok()) {
        return reportProblem(result.exitCode, result.error);
    }
    if (!result.warning.empty()) {
        std::fprintf(stderr, "tessaline: %s\n", result.warning.c_str());
    }
    if (!result.note.empty()) {
        std::fprintf(stderr, "tessaline: %s\n", result.note.c_str());
    }
    return kExitOk;
}

int runPaletteExportCommand(const std::vector<std::string>& args) {
    if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
        printHelp();
        return kExitOk;
    }
    if (!args.empty() && args[0] == "--version") {
        printText(versionText());
        return kExitOk;
    }
    const CommandOutcome outcome = runPaletteExport(args);
    if (outcome.exitCode != kExitOk) {
        return reportProblem(outcome.exitCode, outcome.error);
    }
    if (standardErrorIsTerminal()) {
        std::fprintf(stderr, "tessaline: %s\n", outcome.note.c_str());
    }
    return kExitOk;
}

} // namespace

bool isCommandLineInvocation(int argc, char** argv) {
    if (argc < 2) {
        return false;
    }
    const std::string_view word = argv[1];
    return word == "convert" || word == "palette-export" || word == "--help" || word == "-h" ||
           word == "--version";
}

int runCommandLine(int argc, char** argv) {
    // An interrupted run leaves no staging file or scratch folder behind.
    removeLeftoversOnInterrupt();
    const std::string_view word = argc > 1 ? std::string_view(argv[1]) : std::string_view();
    const std::vector<std::string> args(argv + std::min(argc, 2), argv + argc);
    if (word == "convert") {
        return runConvert(args, argv[0]);
    }
    if (word == "palette-export") {
        return runPaletteExportCommand(args);
    }
    if (word == "--help" || word == "-h") {
        printHelp();
        return kExitOk;
    }
    if (word == "--version") {
        printText(versionText());
        return kExitOk;
    }
    return reportProblem(kExitUsage,
                         "unknown command \"" + std::string(word) + "\" (see tessaline --help)");
}

} // namespace tessaline
