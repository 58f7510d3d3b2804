#include "app/offline_help.h"

#include <vector>

#include "app/core/help_pages.h"
#include "app/exe_resources.h"
#include "win/program_output.h"
#include "win/wide_text.h"

namespace app {

std::wstring WriteOfflineHelp() {
    const std::vector<core::HelpPage> pages = core::HelpPages();
    std::vector<win::OutputFile> files;
    for (const core::HelpPage& page : pages) files.push_back({win::Wide(page.fileName), page.html});
    for (const core::HelpPicture& picture : core::kHelpPictures) {
        const std::string_view bytes = ExeResource(win::Wide(picture.resourceName).c_str());
        if (!bytes.empty()) files.push_back({win::Wide(picture.fileName), bytes});
    }
    return win::PlaceFiles(win::ProgramOutputFolders(), win::Wide(core::kHelpFolderName), files);
}

}  // namespace app
