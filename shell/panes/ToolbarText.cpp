#include "shell/panes/ToolbarText.h"

#include "platform/StringUtil.h"

int ToolbarText::load(int id)
{
    reader.attach(text, kCapacity);
    if (id < 1 || reader.loadResourceString(static_cast<UINT>(id)) < 1)
        return 0;
    reader.readDelimiters();
    return 1;
}

int ToolbarText::readNumber(int& value)
{
    char field[40];
    const int code = reader.readField(field, sizeof field);
    if (code == FieldReader::stopped)
        return code;
    const char* p = field[0] == '-' ? field + 1 : field;
    if (!*p)
        return FieldReader::stopped;
    for (; *p; ++p)
        if (*p < '0' || *p > '9')
            return FieldReader::stopped;
    value = StringUtil::parseInt(field);
    return code;
}
