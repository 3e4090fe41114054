#include "shapes/TextLines.h"

#include "platform/StringUtil.h"

void splitTextLines(const std::string& bytes, std::vector<TextLine>& lines)
{
    lines.clear();
    const int n = static_cast<int>(bytes.size());
    if (n == 0)
        return;
    int start = 0;
    for (int i = 0; i < n; ++i) {
        const char c = bytes[static_cast<size_t>(i)];
        if (isTextLineEnd(c)) {
            lines.push_back({start, i});
            if (c == '\r' && i + 1 < n && bytes[static_cast<size_t>(i) + 1] == '\n')
                ++i;
            start = i + 1;
        } else if (StringUtil::isLeadByte(static_cast<unsigned char>(c)) && i + 1 < n &&
                   !isTextLineEnd(bytes[static_cast<size_t>(i) + 1])) {
            ++i; // the trail byte, which may look like anything but a line end
        }
    }
    lines.push_back({start, n});
}
