// The two thread hooks that watch the tracked menus: the creation hook (a
// CBT hook: menu windows as they are made and destroyed) and the mouse hook.
#pragma once

#include <windows.h>

namespace trm {

LRESULT CALLBACK MenuCreationHook(int code, WPARAM wParam, LPARAM lParam) noexcept;
LRESULT CALLBACK MenuMouseHook(int code, WPARAM wParam, LPARAM lParam) noexcept;

}  // namespace trm
