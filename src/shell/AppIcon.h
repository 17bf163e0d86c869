#pragma once

#include <QIcon>

namespace vantoro {

// The program's icon: a handheld with a dressed-up screen.
class CAppIcon {
public:
    static QIcon Icon();
};

}  // namespace vantoro
