#pragma once

#include "ListedMessage.h"

namespace vantoro {

struct CVariantResult;

// The box that tells where a skin variant went, what could not be carried over exactly,
// and asks whether to open it.
class CVariantMessage : public CListedMessage {
public:
    explicit CVariantMessage(const CVariantResult& result);
};

}  // namespace vantoro
