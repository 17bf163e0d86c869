#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "CliParser.h"

namespace vantoro {

// `vantoro-cli info FILE.PDB [--png DIR]`: prints the database header and one line per
// resource (a bitmap family one more per member); with --png also writes every member of
// every Tbmp and tAIB family as DIR/<type>-<ID>-<depth>bpp-<density>.png, for example
// Tbmp-3001-8bpp-x1.png. `args` are the
// arguments after "info". Returns 0 on success, 1 for a bad or unreadable file, 2 for a
// usage error.
int RunInfoCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// The same with the arguments already read.
int RunInfoCommand(const CCliArguments& arguments, std::ostream& out, std::ostream& err);

}  // namespace vantoro
