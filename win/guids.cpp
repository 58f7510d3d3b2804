// The interface, class and folder ids the program uses, defined here: with
// initguid.h every id these headers declare becomes a definition of its
// own that the linker keeps only when something uses it. Without this file
// the first id used would bring in libuuid's single object of every id
// (40 KB).
#include <windows.h>

#include <initguid.h>

#include <objbase.h>
#include <ocidl.h>
#include <olectl.h>
#include <knownfolders.h>
#include <shlobj.h>
#include <wincodec.h>
