#include "win/scoped.h"

#include "win/com.h"
#include "win/system_library.h"

namespace win {

const Ole32& Ole32Functions() {
    static const Ole32 functions = [] {
        Ole32 f;
        f.initialize = SystemFunctionOf<decltype(f.initialize)>(L"ole32.dll", "CoInitializeEx");
        f.uninitialize = SystemFunctionOf<decltype(f.uninitialize)>(L"ole32.dll", "CoUninitialize");
        f.create = SystemFunctionOf<decltype(f.create)>(L"ole32.dll", "CoCreateInstance");
        f.freeTaskMemory = SystemFunctionOf<decltype(f.freeTaskMemory)>(L"ole32.dll", "CoTaskMemFree");
        f.streamOnMemory = SystemFunctionOf<decltype(f.streamOnMemory)>(L"ole32.dll", "CreateStreamOnHGlobal");
        f.memoryOfStream = SystemFunctionOf<decltype(f.memoryOfStream)>(L"ole32.dll", "GetHGlobalFromStream");
        return f;
    }();
    return functions;
}

ComScope::ComScope() noexcept {
    const Ole32& com = Ole32Functions();
    if (!com.initialize || !com.uninitialize) return;
    const HRESULT result = com.initialize(nullptr, COINIT_APARTMENTTHREADED);
    // S_FALSE: already initialised on this thread, which still needs its
    // matching uninitialisation. RPC_E_CHANGED_MODE: initialised in another
    // model before us, usable but not ours to end.
    initialised_ = SUCCEEDED(result);
    usable_ = initialised_ || result == RPC_E_CHANGED_MODE;
}

ComScope::~ComScope() {
    if (initialised_) Ole32Functions().uninitialize();
}

ClipboardScope::ClipboardScope(HWND owner) noexcept {
    for (int attempt = 0; attempt < 10 && !open_; ++attempt) {
        open_ = OpenClipboard(owner) != FALSE;
        if (!open_) Sleep(10);
    }
}

}  // namespace win
