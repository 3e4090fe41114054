#pragma once
#include <string>

// Runs a helper program built beside the test executables (tests/support/helpers) with the given
// arguments (quoted as needed by the caller) and waits for it; its exit code, -1 when it did not
// run or did not end within the time.
int runHelperProcess(const char* program, const std::string& arguments, unsigned long timeoutMs = 30000);
