// Build-time tool: writes the stored skins as ".TSK" files into a folder,
// and a resource script that names each file with its resource number.
// Built with the host compiler.
#include <cstdio>
#include <string>

#include "skin/core/skin_table.h"

namespace {

bool WriteFile(const std::string& path, const std::string& bytes) {
    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (!out) {
        std::perror(path.c_str());
        return false;
    }
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    return std::fclose(out) == 0 && ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_skins FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    std::string script = "// Written by make_skins: the stored skins, one resource each.\n";
    for (int stored = 1; stored <= skin::core::kStoredSkinCount; ++stored) {
        char name[32];
        std::snprintf(name, sizeof name, "skin%02d.tsk", stored);
        if (!WriteFile(folder + "/" + name, skin::core::StoredSkinFile(stored))) return 1;
        script += std::to_string(skin::core::kSkinResourceBase + stored) + " RCDATA \"" + name + "\"\n";
    }
    return WriteFile(folder + "/skins.rc", script) ? 0 : 1;
}
