#include "app/skin.h"

#include <windows.h>

#include "app/exe_resources.h"
#include "app/transparent_blt_filter.h"
#include "skin/core/skin_file.h"
#include "skin/core/skin_table.h"
#include "win/program_output.h"

namespace app {
namespace {

SkinEngine Load() {
    SkinEngine engine;
    const std::string_view library = ExeResource(L"TAVRINSKIN");
    if (library.empty()) return engine;
    const std::wstring folder = win::PlaceFiles(win::ProgramOutputFolders(), L"", {{L"TavrinSkin.dll", library}});
    if (folder.empty()) return engine;
    const std::wstring path = folder + L"\\TavrinSkin.dll";
    // The full path, and the library's own folder for anything it needs:
    // never a search through the system's path.
    HMODULE module = LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    if (!module) return engine;
    engine.path = path;
    engine.attach = reinterpret_cast<TavrinSkinAttachRes>(
        reinterpret_cast<void*>(GetProcAddress(module, kAttachResExport)));
    engine.copyAttached = reinterpret_cast<TavrinSkinCopyAttached>(
        reinterpret_cast<void*>(GetProcAddress(module, kCopyAttachedExport)));
    return engine;
}

}  // namespace

const SkinEngine* LoadSkinEngine() {
    static const SkinEngine engine = Load();
    return engine.attach ? &engine : nullptr;
}

std::string_view StoredSkinBytes(int stored) {
    if (stored < 1 || stored > skin::core::kStoredSkinCount) return {};
    return ExeResource(MAKEINTRESOURCEW(skin::core::kSkinResourceBase + stored));
}

int ApplySkin(int number, patch::EntryPatch& patch) {
    // Without a safe patch the program runs unfiltered.
    InstallTransparentBltFilter(patch);
    const int stored = skin::core::StoredSkinOfNumber(number);
    const std::string_view bytes = StoredSkinBytes(stored);
    const SkinEngine* engine = bytes.empty() ? nullptr : LoadSkinEngine();
    if (!engine) return 0;
    return engine->attach(bytes.data(), static_cast<int>(bytes.size()), "", 1, 1, 1) ? stored : 0;
}

}  // namespace app
