// The skin engine library's exports, as the program (and the tests) call
// them through GetProcAddress.
//
//   TavrinSkin_AttachRes(bytes, count, password, existing, menus, frames)
//       Attaches the ".TSK" skin in `bytes` to the calling thread: every
//       window of the thread created from now on draws in the skin, and with
//       `existing` set, the windows it already has too. `menus` skins the
//       background of its pop-up menus (light skins only: the system draws
//       the menu texts in black), `frames` the caption bars and window
//       frames. Our skins are not encrypted: the password must be empty (or
//       null). Attaching again replaces the skin. Returns 1, or 0 (and
//       changes nothing) for bytes that are no skin or a password.
//   TavrinSkin_CopyAttached(buffer, size)
//       The bytes of the skin attached to the calling thread: copies up to
//       `size` of them into `buffer` (which may be null) and returns their
//       count; 0 when none is attached.
//   TavrinSkin_Detach()
//       Takes the skin off the calling thread: windows created from now on
//       are not skinned, and every window the engine subclassed gets back
//       the window procedure it had (one that another subclass has since
//       wrapped stays subclassed but draws as the system does). Nothing
//       happens when no skin is attached. A thread's skin is taken off in
//       the same way when the thread ends.
#pragma once

extern "C" {
using TavrinSkinAttachRes = int(__cdecl*)(const void* bytes, int count, const char* password, int existing, int menus,
                                          int frames);
using TavrinSkinCopyAttached = int(__cdecl*)(void* buffer, int size);
using TavrinSkinDetach = void(__cdecl*)();
}

inline constexpr char kAttachResExport[] = "TavrinSkin_AttachRes";
inline constexpr char kCopyAttachedExport[] = "TavrinSkin_CopyAttached";
inline constexpr char kDetachExport[] = "TavrinSkin_Detach";
