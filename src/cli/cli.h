// korvel-cli: the program's model without windows.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace korvel::cli {

// Runs one command line; writes results to `out` and messages to `err`.
// Returns the exit status: 0 done, 2 bad input or a failed output.
int run(const std::vector<std::string>& args, std::FILE* out, std::FILE* err);

}  // namespace korvel::cli
