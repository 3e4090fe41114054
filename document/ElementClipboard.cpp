#include "document/ElementClipboard.h"

ElementClipboard* theElementClipboard = nullptr;
