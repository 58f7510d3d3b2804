// The COM functions the program uses, from ole32.dll loaded from the system
// folder when first asked for (win/system_library.h). Each pointer is null
// when the library or the function is missing.
#pragma once

#include <windows.h>

#include <objbase.h>

namespace win {

struct Ole32 {
    HRESULT(WINAPI* initialize)(void* reserved, DWORD model) = nullptr;        // CoInitializeEx
    void(WINAPI* uninitialize)() = nullptr;                                     // CoUninitialize
    HRESULT(WINAPI* create)(REFCLSID, IUnknown*, DWORD, REFIID, void**) = nullptr;  // CoCreateInstance
    void(WINAPI* freeTaskMemory)(void*) = nullptr;                              // CoTaskMemFree
    HRESULT(WINAPI* streamOnMemory)(HGLOBAL, BOOL deleteOnRelease, IStream**) = nullptr;  // CreateStreamOnHGlobal
    HRESULT(WINAPI* memoryOfStream)(IStream*, HGLOBAL*) = nullptr;              // GetHGlobalFromStream
};

const Ole32& Ole32Functions();

}  // namespace win
