#include "platform/FieldReader.h"

#include <cstring>

#include "platform/Application.h"
#include "platform/StringUtil.h"

void FieldReader::reset()
{
    text_ = nullptr;
    loadBuffer_ = nullptr;
    length_ = 0;
    capacity_ = 0;
    position_ = 0;
    endMark_ = '!';
    separator_ = '#';
}

void FieldReader::attach(char* buffer, int capacity)
{
    loadBuffer_ = buffer;
    text_ = buffer;
    capacity_ = buffer && capacity > 0 ? capacity : 0;
    length_ = 0;
    position_ = 0;
}

void FieldReader::setText(const char* text)
{
    text_ = text;
    loadBuffer_ = nullptr;
    capacity_ = 0;
    length_ = text ? static_cast<int>(std::strlen(text)) : 0;
    position_ = 0;
}

int FieldReader::loadResourceString(UINT id)
{
    if (!loadBuffer_ || capacity_ < 1)
        return 0;
    HINSTANCE instance = theApplication && theApplication->instance ? theApplication->instance : GetModuleHandleA(nullptr);
    int loaded = LoadStringA(instance, id, loadBuffer_, capacity_);
    if (loaded < 0)
        loaded = 0;
    loadBuffer_[loaded] = 0;
    text_ = loadBuffer_;
    length_ = loaded;
    position_ = 0;
    return loaded;
}

void FieldReader::readDelimiters()
{
    position_ = 0;
    if (length_ >= 1)
        endMark_ = text_[position_++];
    if (length_ >= 2)
        separator_ = text_[position_++];
}

int FieldReader::readField(char* buffer, int size)
{
    int stored = 0;
    int limit = size - 1;
    bool cut = false;
    while (text_ && position_ < length_) {
        char c = text_[position_];
        if (c == separator_ || c == endMark_) {
            ++position_;
            if (buffer && size >= 1)
                buffer[stored] = 0;
            if (cut)
                return stopped;
            return c == separator_ ? atSeparator : atEndMark;
        }
        int step = StringUtil::isLeadByte(static_cast<unsigned char>(c)) && position_ + 1 < length_ ? 2 : 1;
        if (!cut && stored + step <= limit) {
            for (int k = 0; k < step; ++k)
                buffer[stored++] = text_[position_ + k];
        } else {
            cut = true;
        }
        position_ += step;
    }
    if (buffer && size >= 1)
        buffer[stored] = 0;
    return stopped;
}

int FieldReader::readIntField(int& value)
{
    char field[40];
    int code = readField(field, sizeof field);
    if (code != stopped)
        value = StringUtil::parseInt(field);
    return code;
}
