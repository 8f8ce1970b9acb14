#pragma once

#include <filesystem>

#include "common/user_port.h"
#include "rvxmod/calibration/cal_converter.h"
#include "rvxmod/calibration/cal_file_source.h"
#include "rvxmod/model/tool_string.h"

namespace rvxmod {

enum class CalFileLocation { OnTool = 0, OnComputer = 1 };

struct CalLoadSettings {
    CalFileLocation location = CalFileLocation::OnTool;
    CalculationMethod method = CalculationMethod::Coefficients;
    std::filesystem::path startupDirectory;  // files taken from the tool are written below it
};

// Attaches a converter to every calibrated tool of the string, from the files kept in the tool or
// chosen by the person. False when the person chose raw counts or a file failed; the tools
// handled before keep their converters.
bool loadCalsToToolChain(TToolChain& chain, const CalLoadSettings& settings, CalFileSource& source,
                         rvx::UserPort& port);

// The same for the one tool at index, which first showed up in the middle of a job.
bool LoadSingleToolCal(std::size_t index, TToolChain& chain, const CalLoadSettings& settings,
                       CalFileSource& source, rvx::UserPort& port);

}  // namespace rvxmod
