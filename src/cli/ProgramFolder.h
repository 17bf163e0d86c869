#pragma once

#include <QString>

namespace vantoro {

// The folder of the running executable, found without an application object; empty where
// the system cannot tell.
QString ProgramFolder();

}  // namespace vantoro
