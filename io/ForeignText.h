#pragma once
#include <string>

// A text of a foreign file written in UTF-8, in the program's code page: characters the code page
// lacks become its default character, and a character cut off at the end of the text is dropped.
// Empty when the text is empty or not UTF-8.
std::string utf8ToCodePage(const char* text, int length);
