// Data the exe carries as resources (RCDATA): the skin engine and the stored
// skins, the offline help's pictures. The bytes live as long as the exe.
#pragma once

#include <string_view>

namespace app {

// The bytes of resource `name` (a name or MAKEINTRESOURCE id); empty when
// the exe has no such resource.
std::string_view ExeResource(const wchar_t* name);

}  // namespace app
