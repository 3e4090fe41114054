#include "tests/support/ImageCompare.h"

#include <windows.h>

#include "tests/support/UnixScript.h"

std::string quotedUnixPath(const std::string& windowsPath) { return "'" + unixPathOf(windowsPath) + "'"; }

std::string firstRgbDifference(const std::string& ours, const std::string& theirs, int width)
{
    if (ours.size() != theirs.size())
        return "sizes " + std::to_string(ours.size()) + " and " + std::to_string(theirs.size());
    for (size_t i = 0; i + 2 < ours.size(); i += 3)
        if (ours.compare(i, 3, theirs, i, 3) != 0) {
            int pixel = static_cast<int>(i / 3);
            char text[96];
            wsprintfA(text, "pixel (%d, %d): %02X%02X%02X, ImageMagick %02X%02X%02X", pixel % width, pixel / width,
                      static_cast<unsigned char>(ours[i]), static_cast<unsigned char>(ours[i + 1]),
                      static_cast<unsigned char>(ours[i + 2]), static_cast<unsigned char>(theirs[i]),
                      static_cast<unsigned char>(theirs[i + 1]), static_cast<unsigned char>(theirs[i + 2]));
            return text;
        }
    return "";
}
