#include "messages/core/pointer_messages.h"

#include <algorithm>
#include <cctype>
#include <iterator>

namespace messages::core {
namespace {

constexpr PointerMessage kMessages[] = {
    // List view (LVM_FIRST 0x1000).
    {0x1005, "LVM_GETITEMA"}, {0x1006, "LVM_SETITEMA"}, {0x1007, "LVM_INSERTITEMA"}, {0x100D, "LVM_FINDITEMA"},
    {0x100E, "LVM_GETITEMRECT"}, {0x1010, "LVM_GETITEMPOSITION"}, {0x1011, "LVM_GETSTRINGWIDTHA"},
    {0x1012, "LVM_HITTEST"}, {0x1019, "LVM_GETCOLUMNA"}, {0x101A, "LVM_SETCOLUMNA"}, {0x101B, "LVM_INSERTCOLUMNA"},
    {0x1022, "LVM_GETVIEWRECT"}, {0x1029, "LVM_GETORIGIN"}, {0x102B, "LVM_SETITEMSTATE"},
    {0x102D, "LVM_GETITEMTEXTA"}, {0x102E, "LVM_SETITEMTEXTA"}, {0x1030, "LVM_SORTITEMS"},
    {0x1031, "LVM_SETITEMPOSITION32"}, {0x1034, "LVM_GETISEARCHSTRINGA"}, {0x1038, "LVM_GETSUBITEMRECT"},
    {0x1039, "LVM_SUBITEMHITTEST"}, {0x103A, "LVM_SETCOLUMNORDERARRAY"}, {0x103B, "LVM_GETCOLUMNORDERARRAY"},
    {0x1041, "LVM_SETWORKAREAS"}, {0x1044, "LVM_SETBKIMAGEA"}, {0x1045, "LVM_GETBKIMAGEA"},
    {0x1046, "LVM_GETWORKAREAS"}, {0x1049, "LVM_GETNUMBEROFWORKAREAS"}, {0x104B, "LVM_GETITEMW"},
    {0x104C, "LVM_SETITEMW"}, {0x104D, "LVM_INSERTITEMW"}, {0x1051, "LVM_SORTITEMSEX"}, {0x1053, "LVM_FINDITEMW"},
    {0x1057, "LVM_GETSTRINGWIDTHW"}, {0x105F, "LVM_GETCOLUMNW"}, {0x1060, "LVM_SETCOLUMNW"},
    {0x1061, "LVM_INSERTCOLUMNW"}, {0x1073, "LVM_GETITEMTEXTW"}, {0x1074, "LVM_SETITEMTEXTW"},
    {0x1075, "LVM_GETISEARCHSTRINGW"}, {0x108A, "LVM_SETBKIMAGEW"}, {0x108B, "LVM_GETBKIMAGEW"},
    // Tree view (TV_FIRST 0x1100).
    {0x1100, "TVM_INSERTITEMA"}, {0x1104, "TVM_GETITEMRECT"}, {0x110C, "TVM_GETITEMA"}, {0x110D, "TVM_SETITEMA"},
    {0x1111, "TVM_HITTEST"}, {0x1115, "TVM_SORTCHILDRENCB"}, {0x1117, "TVM_GETISEARCHSTRINGA"},
    {0x1132, "TVM_INSERTITEMW"}, {0x113E, "TVM_GETITEMW"}, {0x113F, "TVM_SETITEMW"},
    {0x1140, "TVM_GETISEARCHSTRINGW"},
    // Header (HDM_FIRST 0x1200).
    {0x1201, "HDM_INSERTITEMA"}, {0x1203, "HDM_GETITEMA"}, {0x1204, "HDM_SETITEMA"}, {0x1205, "HDM_LAYOUT"},
    {0x1206, "HDM_HITTEST"}, {0x1207, "HDM_GETITEMRECT"}, {0x120A, "HDM_INSERTITEMW"}, {0x120B, "HDM_GETITEMW"},
    {0x120C, "HDM_SETITEMW"}, {0x1211, "HDM_GETORDERARRAY"}, {0x1212, "HDM_SETORDERARRAY"},
    // Tab control (TCM_FIRST 0x1300).
    {0x1305, "TCM_GETITEMA"}, {0x1306, "TCM_SETITEMA"}, {0x1307, "TCM_INSERTITEMA"}, {0x130A, "TCM_GETITEMRECT"},
    {0x130D, "TCM_HITTEST"}, {0x1328, "TCM_ADJUSTRECT"}, {0x133C, "TCM_GETITEMW"}, {0x133D, "TCM_SETITEMW"},
    {0x133E, "TCM_INSERTITEMW"},
    // Combo box ex (WM_USER 0x400).
    {0x0401, "CBEM_INSERTITEMA"}, {0x0404, "CBEM_GETITEMA"}, {0x0405, "CBEM_SETITEMA"},
    {0x040B, "CBEM_INSERTITEMW"}, {0x040C, "CBEM_SETITEMW"}, {0x040D, "CBEM_GETITEMW"},
};

bool Contains(std::string_view text, std::string_view part) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower.find(part) != std::string::npos;
}

// Whether a message of that name goes to a control of that class.
bool BelongsTo(std::string_view name, std::string_view className) {
    if (name.substr(0, 4) == "LVM_") return Contains(className, "listview");
    if (name.substr(0, 4) == "TVM_") return Contains(className, "treeview");
    if (name.substr(0, 4) == "HDM_") return Contains(className, "header");
    if (name.substr(0, 4) == "TCM_") return Contains(className, "tabcontrol");
    return Contains(className, "comboboxex");
}

}  // namespace

const PointerMessage* PointerMessageFor(std::uint32_t message, std::string_view className) {
    for (const PointerMessage& m : kMessages) {
        if (m.value == message && BelongsTo(m.name, className)) return &m;
    }
    return nullptr;
}

const PointerMessage* PointerMessages(std::size_t& count) {
    count = std::size(kMessages);
    return kMessages;
}

std::string PointerMessageStatus(const PointerMessage& message) {
    return "\r\n提示：" + std::string(message.name) +
           " 的参数二是目标程序里一个结构的地址，本程序给的值对目标没有意义，消息未发出！";
}

}  // namespace messages::core
