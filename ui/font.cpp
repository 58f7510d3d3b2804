#include "ui/font.h"
#include "win/scoped.h"

#include <string>

namespace ui {
namespace {

int CALLBACK NoteFace(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;  // one match is enough
}

bool FaceExists(const wchar_t* face) {
    LOGFONTW query = {};
    query.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(query.lfFaceName, face, LF_FACESIZE);
    bool found = false;
    EnumFontFamiliesExW(win::WindowDC().Get(), &query, NoteFace, reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

// Chosen once: the installed fonts do not change while the program runs.
const std::wstring& ChosenFace() {
    static const std::wstring face = [] {
        const wchar_t* candidates[] = {L"宋体", L"SimSun", L"Microsoft YaHei UI", L"Microsoft YaHei",
                                       L"WenQuanYi Micro Hei", L"Noto Sans CJK SC"};
        for (const wchar_t* candidate : candidates) {
            if (FaceExists(candidate)) return std::wstring(candidate);
        }
        NONCLIENTMETRICSW metrics = {};
        metrics.cbSize = sizeof metrics;
        SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
        return std::wstring(metrics.lfMessageFont.lfFaceName);
    }();
    return face;
}

}  // namespace

win::OwnedFont CreateUiFont(UINT dpi) {
    LOGFONTW font = {};
    font.lfHeight = -MulDiv(9, static_cast<int>(dpi), 72);
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = CLEARTYPE_QUALITY;
    lstrcpynW(font.lfFaceName, ChosenFace().c_str(), LF_FACESIZE);
    return win::OwnedFont(CreateFontIndirectW(&font));
}

}  // namespace ui
