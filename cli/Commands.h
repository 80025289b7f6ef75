#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace kelo {

// Runs one kelo-cli command. `args` are the arguments after the program name;
// output goes to `out` and every problem, one per line, to `err`, both UTF-8.
// Returns the process exit code: 0 on success, 1 on bad input (messages name
// the file and the line) or on bad arguments (with the usage text).
//
//   show FILE.tab    the objects ("O", TAB, name) and then the constructs
//                    ("K", TAB, name, TAB, opposite), in list order
//   check FILE.tab   the grid, object-name and consultations files checked
//                    together; a short confirmation when the base is sound
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace kelo
