#include "shapes/OvalType.h"

#include "geometry/AttributeIo.h"
#include "geometry/ElementRecordBuffer.h"
#include "geometry/TagIds.h"
#include "platform/CurrentEvent.h"
#include "platform/EventCodes.h"

namespace {
const char* const kKeywords[3] = {"FULL", "HALF", "QUART"};
const char* const kListTexts[3] = {"真円", "半円", "1／4円"};
} // namespace

int OvalType::codeOfKey(int character)
{
    switch (character) {
    case '0':
    case 'F':
    case 'f':
        return kFull;
    case '2':
    case 'H':
    case 'h':
        return kHalf;
    case '4':
    case 'Q':
    case 'q':
        return kQuart;
    default:
        return 0;
    }
}

int OvalType::codeOfTypedKey()
{
    const CurrentEvent* event = theCurrentEvent;
    if (!event || event->code != EV_KEY_DOWN || event->message != WM_CHAR)
        return 0;
    return codeOfKey(static_cast<int>(event->wParam & 0xFF));
}

int OvalType::exchangeRecord(int mode, ElementRecordBuffer& buffer)
{
    if (mode == 1)
        return buffer.putInt(value);
    if (mode != 3)
        return 0;
    int32_t code = 0;
    if (!buffer.getInt(code))
        return 0;
    value = code;
    return 1;
}

int OvalType::writeXml(XmlContext* context) const
{
    if (!context)
        return 0;
    char text[16];
    (void)attribute_io::keywordOfCode(value, kKeywords, 3, 1, text, sizeof text); // "" for a corrupt code
    return context->writeStringTag(tag_id::ovalType, text);
}

int OvalType::readEntityXml(XmlContext& file, int tagId)
{
    char text[80];
    if (!file.readQuoted(text, sizeof text))
        return 0;
    (void)attribute_io::codeOfKeyword(text, kKeywords, 3, 1, value); // another text keeps the value
    return file.expectTag(tagId);
}

int OvalType::fillList(Dialog* dialog, int id) const { return attribute_io::fillList(dialog, id, kListTexts, 3); }

int OvalType::toList(Dialog* dialog, int id) const { return attribute_io::selectListPosition(dialog, id, value); }

int OvalType::fromList(Dialog* dialog, int id)
{
    int chosen = 0;
    if (!attribute_io::selectedListPosition(dialog, id, chosen))
        return 0;
    if (chosen >= kFull && chosen <= kQuart)
        value = chosen;
    return 1;
}
