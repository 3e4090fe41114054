#pragma once
#include <string>
#include <windows.h>

// Linux tools for the tests (Ghostscript, ImageMagick), run from the Windows side through Wine.
//
//     std::string line = "convert '" + unixPathOf(source) + "' BMP3:'" + unixPathOf(target) + "'\n";
//     ASSERT_EQ(runUnixScript(line, scratch.pathOf("convert")), 0);

// The Unix path of a Windows path ("" when Wine cannot tell).
[[nodiscard]] std::string unixPathOf(const std::string& windowsPath);

// Runs the text as a /bin/sh script and waits for it. `workPath` is a Windows path prefix for the
// script and its status file, both deleted afterwards. Returns the script's exit code, or -1 when
// it could not be started or did not finish within the time.
[[nodiscard]] int runUnixScript(const std::string& script, const std::string& workPath, DWORD timeoutMs = 60000);
