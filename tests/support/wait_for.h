// Waiting for a condition in the Windows tests and tools: it is checked
// whenever a message arrives for this thread, and at least every 10 ms,
// with the thread's messages dispatched meanwhile, until it holds or the
// limit passes.
#pragma once

#include <windows.h>

namespace wintest {

template <typename Done>
bool waitFor(DWORD limitMs, Done done) {
    const DWORD started = ::GetTickCount();
    for (;;) {
        if (done()) return true;
        const DWORD waited = ::GetTickCount() - started;
        if (waited >= limitMs) return false;
        const DWORD left = limitMs - waited;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, left < 10 ? left : 10, QS_ALLINPUT);
        MSG message;
        while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&message);
    }
}

}  // namespace wintest
