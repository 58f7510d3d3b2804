// Messages of the common controls whose parameter two the receiver reads as
// the address of a structure in its own memory (LVM_GETITEMTEXTW, TVM_GETITEMW
// and the like). Sent from here, the address is one of this program's and
// means nothing in the target: the target reads or writes whatever lies at
// that address in its own memory, and may crash. The sender refuses them
// instead of reporting them as sent.
//
// A message is one of them only for the control it belongs to: list-view
// messages to a list view (its class name holds "ListView": SysListView32
// and the toolkits' wrappers), tree-view messages to a tree view, header
// messages to a header, tab messages to a tab control, and combo-box-ex
// messages (which are WM_USER messages, as other windows' own messages are)
// to a ComboBoxEx32 only.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace messages::core {

struct PointerMessage {
    std::uint32_t value;
    std::string_view name;
};

// The message's entry when `className`'s control reads its parameter two as
// a pointer; null otherwise.
const PointerMessage* PointerMessageFor(std::uint32_t message, std::string_view className);

// Every message of the table, for checks against the system's headers.
const PointerMessage* PointerMessages(std::size_t& count);

// The status that says why such a message is not sent.
std::string PointerMessageStatus(const PointerMessage& message);

}  // namespace messages::core
