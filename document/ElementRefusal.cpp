#include "document/ElementRefusal.h"

#include <cstdio>

#include "platform/MessageBoxes.h"

namespace {
const char kRefused[] = "図形の数値が扱える範囲を超えるため、この操作はできません。";
} // namespace

void showElementsRefused() { showErrorBox(kRefused); }

void showElementsRefused(const char* fieldLabel)
{
    if (!fieldLabel || !fieldLabel[0]) {
        showElementsRefused();
        return;
    }
    char message[200];
    std::snprintf(message, sizeof message, "%s：%s", fieldLabel, kRefused);
    showErrorBox(message);
}
