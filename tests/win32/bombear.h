#pragma once

#include <windows.h>

#include <functional>

namespace tarvolo::prueba {

// Runs this thread's messages, as the program's loop would, until `hecho`
// or `ms` milliseconds; true if `hecho` came.
inline bool bombearHasta(const std::function<bool()>& hecho, DWORD ms = 3000) {
    const ULONGLONG fin = GetTickCount64() + ms;
    for (;;) {
        MSG m;
        while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&m);
            DispatchMessageW(&m);
        }
        if (hecho()) return true;
        if (GetTickCount64() >= fin) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
}

// Whatever is already queued, and nothing more.
inline void bombearPendientes() {
    bombearHasta([] { return false; }, 0);
}

}  // namespace tarvolo::prueba
