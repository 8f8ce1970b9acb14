#include "rvxmod/calibration/cal_loading.h"

#include <string>
#include <system_error>
#include <vector>

#include "common/text_catalogue.h"
#include "rvxmod/calibration/cal_identity.h"
#include "rvxmod/calibration/temp_cal_files.h"
#include "rvxmod/model/tool_types.h"

namespace rvxmod {
namespace {

constexpr const char* kContext = "rvxmod::CalLoading";

std::string tr(const char* text) {
    return rvx::trText(kContext, text);
}

std::vector<std::string> fileFilters(const ToolObj& tool) {
    const std::string calFiles = tr("Cal Data files ");
    const std::string anyFiles = tr("any files") + " (*.*)";
    if (tool.ToolType == kRTD) return {calFiles + " (*.tdat)", anyFiles};
    return {calFiles + " (*.dat)", calFiles + " (*.tdat)", anyFiles};
}

// The dialog of the "On Tool" location: titled with the tool, file name box empty.
rvx::FileChoice onToolChoice(const ToolObj& tool) {
    return {tool.ToolName + " " + calIdentity(tool), {}, fileFilters(tool)};
}

rvx::FileChoice onComputerChoice(const ToolObj& tool, const std::string& serialText) {
    return {tr("Dat file for Tool ") + tool.ToolName + serialText, tr("Cal Data files "),
            fileFilters(tool)};
}

// The tool's file name and every converter a previous load left, so a tool that fails to load, or
// loads by the other method, never converts with a stale calibration.
void clearCalibration(ToolObj& tool) {
    tool.CalFileName.clear();
    tool.PressureCal.reset();
    tool.TemperatureCal.reset();
    tool.PressureCoef.reset();
    tool.TemperatureCoef.reset();
}

void reportRawCounts(rvx::UserPort& port) {
    port.showNotice(tr("Saving raw counts"));
}

void reportFailedLoad(ToolObj& tool, const rvx::Error& error, rvx::UserPort& port) {
    port.showError(tr("Invalid dat file! ") + tr("Saving raw counts") + "\n" + error.message);
    clearCalibration(tool);
}

bool loadInto(ToolObj& tool, const std::filesystem::path& file, CalculationMethod method,
              rvx::UserPort& port) {
    const rvx::Status loaded = attachConverter(tool, file, method, port);
    if (!loaded) {
        reportFailedLoad(tool, loaded.error(), port);
        return false;
    }
    tool.CalFileName = file.string();
    return true;
}

bool extractAndLoad(ToolObj& tool, int block, const std::filesystem::path& file,
                    const CalLoadSettings& settings, CalFileSource& source, rvx::UserPort& port) {
    const rvx::Status extracted = source.MakeCalFile(block, file);
    if (!extracted) {
        reportFailedLoad(tool, extracted.error(), port);
        return false;
    }
    return loadInto(tool, file, settings.method, port);
}

}  // namespace

bool loadCalsToToolChain(TToolChain& chain, const CalLoadSettings& settings, CalFileSource& source,
                         rvx::UserPort& port) {
    const bool onTool = settings.location == CalFileLocation::OnTool;
    for (ToolObj& tool : chain) {
        clearCalibration(tool);
        if (!tool.NeedsCal) continue;
        if (onTool) {
            tool.CalBlockIndex = source.calBlockOf(tool.ToolType, tool.SerialNumber);
            if (tool.CalBlockIndex >= 0) {
                std::error_code ignored;  // a folder that cannot be made fails the extraction
                std::filesystem::create_directories(tempCalFolder(settings.startupDirectory),
                                                    ignored);
                const std::filesystem::path file = tempCalFileName(
                    settings.startupDirectory, tool.CalBlockIndex, tool.ToolType == kRTD);
                if (!extractAndLoad(tool, tool.CalBlockIndex, file, settings, source, port))
                    return false;
                continue;
            }
            if (!port.askYesCancel(tr("There is no cal file for tool: ") + tool.ToolName +
                                   calIdentity(tool) + tr(". Do you want to load a cal file?"))) {
                reportRawCounts(port);
                return false;
            }
        }
        const auto file = port.chooseOpenFile(onTool ? onToolChoice(tool)
                                                     : onComputerChoice(tool, calIdentity(tool)));
        if (!file) {
            reportRawCounts(port);
            return false;
        }
        if (!loadInto(tool, *file, settings.method, port)) return false;
    }
    return true;
}

bool LoadSingleToolCal(std::size_t index, TToolChain& chain, const CalLoadSettings& settings,
                       CalFileSource& source, rvx::UserPort& port) {
    if (index >= chain.size()) return false;
    ToolObj& tool = chain[index];
    clearCalibration(tool);
    if (!tool.NeedsCal) return true;
    const bool onTool = settings.location == CalFileLocation::OnTool;
    const std::string serialText = std::to_string(tool.SerialNumber);
    if (onTool) {
        const int block = source.calBlockOf(tool.ToolType, tool.SerialNumber);
        if (block >= 0)
            return extractAndLoad(tool, block,
                                  settings.startupDirectory / (std::to_string(block) + ".dat"),
                                  settings, source, port);
    }
    port.showWarning(tr("Tool ") + tool.ToolName + serialText +
                     tr(" resurrected mid-job. Press OK to select a Cal file."));
    const auto file =
        port.chooseOpenFile(onTool ? onToolChoice(tool) : onComputerChoice(tool, serialText));
    if (!file) {
        if (onTool) reportRawCounts(port);
        return false;
    }
    return loadInto(tool, *file, settings.method, port);
}

}  // namespace rvxmod
