#include "document/TextBuffer.h"

TextBuffer* theTextBuffer = nullptr;
