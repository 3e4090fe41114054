#pragma once
// Comparing pictures with what ImageMagick makes of the same files.
#include <string>

// A Windows path as a quoted Unix path for a shell script.
[[nodiscard]] std::string quotedUnixPath(const std::string& windowsPath);
// The first pixel where two top-down RGB pictures of the width differ, as text ("" when none
// does): "pixel (x, y): RRGGBB, ImageMagick RRGGBB", or the sizes when they differ.
[[nodiscard]] std::string firstRgbDifference(const std::string& ours, const std::string& theirs, int width);
