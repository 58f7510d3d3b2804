#include "app/offline_help.h"

#include <vector>

#include "app/core/help_pages.h"
#include "app/exe_resources.h"
#include "util/program_output.h"
#include "util/wide_text.h"

namespace app {

std::wstring WriteOfflineHelp() {
    const std::vector<core::HelpPage> pages = core::HelpPages();
    std::vector<util::OutputFile> files;
    for (const core::HelpPage& page : pages) files.push_back({util::Wide(page.fileName), page.html});
    for (const core::HelpPicture& picture : core::kHelpPictures) {
        const std::string_view bytes = ExeResource(util::Wide(picture.resourceName).c_str());
        if (!bytes.empty()) files.push_back({util::Wide(picture.fileName), bytes});
    }
    return util::PlaceFiles(util::ProgramOutputFolders(), util::Wide(core::kHelpFolderName), files);
}

}  // namespace app
