#include "cli/PaletteExportCommand.h"

#include "cli/ConvertPipeline.h"
#include "pattern/PaletteExport.h"

namespace tessaline {

CommandOutcome runPaletteExport(const std::vector<std::string>& args) {
    if (args.size() != 2 || args[0].empty() || args[1].empty()) {
        return {kExitUsage, "palette-export needs two file names: INPUT OUTPUT", {}};
    }
    const PaletteExportResult result = exportPalette(args[0], args[1]);
    switch (result.error) {
    case PaletteExportError::None:
        return {kExitOk, {}, std::to_string(result.records) + " records written to " + args[1]};
    case PaletteExportError::UnwritableOutput:
        return {kExitOutput, result.message, {}};
    case PaletteExportError::MissingInput:
    case PaletteExportError::TooManyRecords:
    case PaletteExportError::Malformed:
        break;
    }
    return {kExitInput, result.message, {}};
}

} // namespace tessaline
