#include "inspector/style_window.h"

#include <algorithm>

#include "ui/label.h"
#include "win/window_operations.h"

namespace inspector {
namespace {

constexpr int kColumnWidth = 200;
constexpr int kFirstRow = 82;
constexpr int kRowHeight = 18;
constexpr int kWidth = 640;

}  // namespace

StyleWindow::~StyleWindow() { Destroy(); }

bool StyleWindow::Open(HWND owner, win::WindowHandle target) {
    std::uint32_t style = 0, extended = 0;
    if (!win::GetWindowStyles(target, style, extended)) return false;
    target_ = target;
    style_ = style;
    extended_ = extended;
    const std::string className = win::GetWindowClassName(target);
    const bool child = (style & WS_CHILD) != 0;
    const core::StyleTable tables[] = {core::WindowStyleTable(child), core::ExtendedStyleTable(),
                                       core::ClassStyleTable(className)};
    std::size_t rows = 0;
    for (const core::StyleTable& t : tables) rows = std::max(rows, t.count);
    const int buttonsTop = kFirstRow + static_cast<int>(rows) * kRowHeight + 10;
    const int height = buttonsTop + 36;

    ui::FormOptions options;
    options.title = "窗口样式 - " + core::HexText(static_cast<std::uint32_t>(target)) + " " + className;
    options.width = kWidth;
    options.height = height + 40;
    options.owner = owner;
    options.style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    if (!Form::Create(options)) return false;
    EnsureClientSize(kWidth - 8, height);

    Add<ui::Label>("标签_样式", ui::Bounds{10, 12, 40, 20}, ui::kNoPage, "样式", false);
    styleBox_ = &Add<ui::EditBox>("编辑框_样式", ui::Bounds{52, 10, 96, 20}, ui::kNoPage,
                                  ui::EditBoxStyle{false, true, true});
    Add<ui::Label>("标签_扩展样式", ui::Bounds{164, 12, 60, 20}, ui::kNoPage, "扩展样式", false);
    extendedBox_ = &Add<ui::EditBox>("编辑框_扩展样式", ui::Bounds{226, 10, 96, 20}, ui::kNoPage,
                                     ui::EditBoxStyle{false, true, true});
    AddColumn(core::StyleKind::Window, tables[0], 10);
    AddColumn(core::StyleKind::Extended, tables[1], 10 + kColumnWidth + 10);
    AddColumn(core::StyleKind::Class, tables[2], 10 + 2 * (kColumnWidth + 10));

    const int right = kWidth - 20;
    Add<ui::Button>("按钮_应用", ui::Bounds{right - 3 * 80, buttonsTop, 72, 26}, ui::kNoPage, "应用").Clicked =
        [this] { Apply(); };
    Add<ui::Button>("按钮_刷新", ui::Bounds{right - 2 * 80, buttonsTop, 72, 26}, ui::kNoPage, "刷新").Clicked =
        [this] { Reload(); };
    Add<ui::Button>("按钮_关闭", ui::Bounds{right - 80, buttonsTop, 72, 26}, ui::kNoPage, "关闭").Clicked =
        [this] { Destroy(); };
    ShowValues();
    Show(SW_SHOWNORMAL);
    return true;
}

void StyleWindow::AddColumn(core::StyleKind kind, const core::StyleTable& table, int left) {
    if (table.count == 0) return;
    Add<ui::Label>("标签_" + std::string(table.title), ui::Bounds{left, kFirstRow - 22, kColumnWidth, 20},
                   ui::kNoPage, table.title, false);
    for (std::size_t i = 0; i < table.count; ++i) {
        const core::StyleFlag& flag = table.flags[i];
        auto& box = Add<ui::CheckBox>("选择框_" + std::string(flag.name),
                                      ui::Bounds{left, kFirstRow + static_cast<int>(i) * kRowHeight, kColumnWidth,
                                                 kRowHeight},
                                      ui::kNoPage, flag.name);
        boxes_.push_back({kind, flag, &box});
    }
    for (FlagBoxOf& entry : boxes_) {
        if (entry.kind != kind) continue;
        entry.box->Clicked = [this, entry] { Toggle(entry); };
    }
}

ui::CheckBox* StyleWindow::FlagBox(std::string_view name) const {
    for (const FlagBoxOf& entry : boxes_) {
        if (entry.flag.name == name) return entry.box;
    }
    return nullptr;
}

void StyleWindow::Toggle(const FlagBoxOf& entry) {
    std::uint32_t& value = ValueOf(entry.kind);
    // The class's styles are the low word of the style.
    value = core::WithFlag(value, entry.flag, entry.box->Checked());
    ShowValues();  // members of the same enumeration, composites: all boxes again
}

void StyleWindow::ShowValues() {
    for (const FlagBoxOf& entry : boxes_) {
        entry.box->SetChecked(core::Holds(entry.kind == core::StyleKind::Extended ? extended_ : style_, entry.flag));
    }
    if (styleBox_) styleBox_->SetContent(core::HexText(style_));
    if (extendedBox_) extendedBox_->SetContent(core::HexText(extended_));
}

void StyleWindow::Apply() {
    win::ApplyWindowStyles(target_, style_, extended_);
    Reload();
}

void StyleWindow::Reload() {
    std::uint32_t style = 0, extended = 0;
    if (win::GetWindowStyles(target_, style, extended)) {
        style_ = style;
        extended_ = extended;
    }
    ShowValues();
}

}  // namespace inspector
