#include "veltrix/project/well_info_template.h"

#include "common/text_catalogue.h"
#include "common/text_file.h"

namespace veltrix {

WellInfoFromTemplate loadWellInfoTemplate(const std::filesystem::path& folder,
                                          rvx::UserPort& port) {
    const std::filesystem::path path = folder / wellInfoTemplateName;
    if (std::filesystem::exists(path)) {
        const rvx::Result<std::string> text = rvx::readTextFile(path);
        if (text.ok()) return {WellInfo::fromTemplate(text.value()), true};
        port.showError(text.error().message);
        return {WellInfo::withDefaultLabels(), false};
    }
    port.showError(rvx::trText("WellInfo", " Well Info file not found    "));
    const rvx::Status written = rvx::writeFileAtomically(path, defaultWellInfoTemplate());
    if (!written.ok()) port.showError(written.error().message);
    return {WellInfo::withDefaultLabels(), false};
}

}  // namespace veltrix
