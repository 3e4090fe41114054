#include "shell/panes/DockPaneLayout.h"

#include <cstring>

#include "shell/panes/ToolbarText.h"

namespace {
const char* const kPositionWords[] = {"", "TOP", "LEFT", "RIGHT", "BOTTOM", "FLOAT"};
const char* const kKindWords[] = {"DFLT", "NAVI", "PAGE", "PARTS"};
} // namespace

int DockPaneLayout::read(ToolbarText& text, int withButtonList)
{
    fieldsRead = 0;
    // 1 to read on, 0 to stop (the fields read stay), -1 for a failed read.
    auto step = [this](int code) {
        if (code == FieldReader::stopped)
            return -1;
        ++fieldsRead;
        return code == FieldReader::atSeparator ? 1 : 0;
    };
    int r = step(text.readText(name));
    if (r > 0)
        r = step(text.readText(kindKeyword));
    for (int band = 0; band < 4 && r > 0; ++band)
        r = step(text.readNumber(allowedBands[band]));
    if (r > 0)
        r = step(text.readNumber(rows));
    if (r > 0)
        r = step(text.readNumber(dockPoint.x));
    if (r > 0)
        r = step(text.readNumber(dockPoint.y));
    if (r > 0)
        r = step(text.readText(positionKeyword));
    if (r > 0 && withButtonList)
        r = step(text.readNumber(buttonListId));
    return r >= 0;
}

int paneKindOfKeyword(const char* keyword)
{
    for (int kind = 0; kind < 4; ++kind)
        if (keyword && std::strcmp(keyword, kKindWords[kind]) == 0)
            return kind;
    return -1;
}

int positionOfKeyword(const char* keyword)
{
    for (int position = 1; position <= 5; ++position)
        if (keyword && std::strcmp(keyword, kPositionWords[position]) == 0)
            return position;
    return 0;
}

const char* positionKeyword(int position) { return position >= 1 && position <= 5 ? kPositionWords[position] : ""; }
