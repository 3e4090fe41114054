#include "shell/panes/CommandDefinition.h"

#include <cstring>

#include "shell/panes/ToolbarText.h"

ButtonType buttonTypeOfKeyword(const char* keyword)
{
    static const struct {
        const char* word;
        ButtonType type;
    } kKeywords[] = {{"BTN", ButtonType::Button}, {"LST", ButtonType::List},     {"NAVI", ButtonType::Navigator},
                     {"PAGE", ButtonType::Page},  {"SCRL", ButtonType::Scroll}, {"PARTS", ButtonType::Parts}};
    for (const auto& k : kKeywords)
        if (keyword && std::strcmp(keyword, k.word) == 0)
            return k.type;
    return ButtonType::Separator;
}

int CommandDefinition::read(ToolbarText& text)
{
    // Every field before the hint must end with the delimiter; the hint may end either way.
    auto more = [](int code) { return code == FieldReader::atSeparator; };
    int unused = 0;
    char keyword[10] = {};
    if (!more(text.readText(name)) || !more(text.readNumber(commandId)) || !more(text.readNumber(faceBitmapId))
        || !more(text.readNumber(faceColumn)) || !more(text.readNumber(faceRow)))
        return 0;
    if (!more(text.readText(keyword)))
        return 0;
    type = buttonTypeOfKeyword(keyword);
    if (!more(text.readNumber(gap)) || !more(text.readNumber(value)) || !more(text.readNumber(unused))
        || !more(text.readNumber(unused)) || !more(text.readText(unitText)) || !more(text.readText(codeText))
        || !more(text.readText(label)))
        return 0;
    return text.readText(hint) != FieldReader::stopped;
}

int CommandDefinition::load(int id)
{
    ToolbarText text;
    return text.load(id) && read(text);
}

int ButtonList::load(int id)
{
    count = 0;
    ToolbarText text;
    return text.load(id) && read(text);
}

int ButtonList::read(ToolbarText& text)
{
    count = 0;
    for (;;) {
        int value = 0;
        const int code = text.readNumber(value);
        if (code == FieldReader::stopped || count >= kMaxEntries)
            return 0;
        values[count++] = value;
        if (code == FieldReader::atEndMark)
            return 1;
    }
}
