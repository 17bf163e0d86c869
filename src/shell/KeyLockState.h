#pragma once

namespace vantoro {

// The state of the lock keys for the status bar's CAP, NUM and SCRL indicators.
class CKeyLockState {
public:
    enum class Key { CapsLock, NumLock, ScrollLock };

    // Whether the platform can tell the state at all; where it cannot, the indicators
    // stay dimmed rather than guess.
    static bool IsKnown();
    static bool IsOn(Key key);
};

}  // namespace vantoro
