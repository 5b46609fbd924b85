#include "launch/menu_thread_wait.h"

namespace trm {

MenuThreadEnd waitForMenuThread(HANDLE thread, const MenuThreadWatch& watch) {
    bool closing = false;
    DWORD closingSince = 0;
    for (;;) {
        const DWORD woke = ::MsgWaitForMultipleObjectsEx(1, &thread, watch.checkEveryMilliseconds, QS_SENDMESSAGE, 0);
        if (woke == WAIT_OBJECT_0) return MenuThreadEnd::finished;
        if (woke == WAIT_FAILED) return MenuThreadEnd::abandoned;
        if (woke == WAIT_OBJECT_0 + 1) {
            // Delivers the sent messages only: what is posted stays queued
            // for the menu loop this wait runs inside.
            MSG message;
            ::PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        }
        if (!closing && watch.launcherMenuEnded && watch.launcherMenuEnded()) {
            closing = true;
            closingSince = ::GetTickCount();
            if (watch.closeShellMenu) watch.closeShellMenu();
        }
        if (closing && ::GetTickCount() - closingSince >= watch.graceMilliseconds &&
            !(watch.carryingOut && watch.carryingOut()))
            return MenuThreadEnd::abandoned;
    }
}

}  // namespace trm
