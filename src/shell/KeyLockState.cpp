#include "KeyLockState.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace vantoro {

bool CKeyLockState::IsKnown() {
#ifdef _WIN32
    return true;
#else
    return false;
#endif
}

bool CKeyLockState::IsOn(Key key) {
#ifdef _WIN32
    int virtualKey = VK_CAPITAL;
    if (key == Key::NumLock)
        virtualKey = VK_NUMLOCK;
    else if (key == Key::ScrollLock)
        virtualKey = VK_SCROLL;
    return (GetKeyState(virtualKey) & 1) != 0;
#else
    (void)key;
    return false;
#endif
}

}  // namespace vantoro
