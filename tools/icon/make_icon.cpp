// Build-time tool: writes the program icon (16, 24, 32, 48 and 64 pixels)
// as an .ico file for the exe's resources. Built with the host compiler.
#include <cstdio>

#include "app/core/program_images.h"
#include "imaging/core/icon_file.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_icon OUTPUT.ico\n");
        return 2;
    }
    std::vector<imaging::core::Image32> images;
    for (int size : {16, 24, 32, 48, 64}) images.push_back(app::core::ProgramIconImage(size));
    const imaging::core::ByteSet ico = imaging::core::MakeIcoFile(images);
    std::FILE* out = std::fopen(argv[1], "wb");
    if (!out) {
        std::perror(argv[1]);
        return 1;
    }
    const bool ok = std::fwrite(ico.data(), 1, ico.size(), out) == ico.size();
    return (std::fclose(out) == 0 && ok) ? 0 : 1;
}
