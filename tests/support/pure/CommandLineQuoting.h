#pragma once
// Command lines for the programs a test starts.
#include <string>

// `argument` as one command-line argument: unchanged when it has no blank,
// tab or quote and is not empty, else quoted by the rules the C runtime and
// CommandLineToArgvW read back (backslashes double only before a quote).
std::string QuoteArgument(const std::string& argument);
