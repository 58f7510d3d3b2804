// The style window, opened by "窗口样式…" of the `下拉其它操作` menu: the
// target's style and extended style as hexadecimal numbers and as named
// flags, one check box each (the window styles, the extended styles, and
// the class's own styles for the standard and common controls and
// dialogs). Ticking a box changes the numbers at once; "应用" gives the
// target those styles and reads them back, so the boxes always show what
// the window really has; "刷新" reads them anew; "关闭" closes it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "inspector/core/window_styles.h"
#include "ui/buttons.h"
#include "ui/edit_box.h"
#include "ui/form.h"
#include "win/window_query.h"

namespace inspector {

class StyleWindow : public ui::Form {
public:
    StyleWindow() = default;
    ~StyleWindow() override;

    // Opens the window for the target, owned by `owner`; false when the
    // target is no window or the window cannot be made.
    bool Open(HWND owner, win::WindowHandle target);
    void Apply();
    void Reload();

    win::WindowHandle StyledWindow() const { return target_; }
    std::uint32_t Style() const { return style_; }
    std::uint32_t ExtendedStyle() const { return extended_; }
    // The check box of a flag by its name (WS_VISIBLE, BS_GROUPBOX ...);
    // null when the window shows no such flag.
    ui::CheckBox* FlagBox(std::string_view name) const;

private:
    struct FlagBoxOf {
        core::StyleKind kind;
        core::StyleFlag flag;
        ui::CheckBox* box;
    };
    void AddColumn(core::StyleKind kind, const core::StyleTable& table, int left);
    void Toggle(const FlagBoxOf& entry);
    void ShowValues();
    std::uint32_t& ValueOf(core::StyleKind kind) { return kind == core::StyleKind::Extended ? extended_ : style_; }

    win::WindowHandle target_ = 0;
    std::uint32_t style_ = 0;
    std::uint32_t extended_ = 0;
    std::vector<FlagBoxOf> boxes_;
    ui::EditBox* styleBox_ = nullptr;
    ui::EditBox* extendedBox_ = nullptr;
};

}  // namespace inspector
