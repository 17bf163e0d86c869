#pragma once

#include "ListedMessage.h"

namespace vantoro {

struct CBuildResult;

// The box that tells how a Build Skin run went: its warnings or problems, and in the
// Details, after the lists that did not fit, what the compiler printed.
class CBuildMessage : public CListedMessage {
public:
    explicit CBuildMessage(const CBuildResult& result);
};

}  // namespace vantoro
