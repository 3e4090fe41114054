#include "document/ElementRefusal.h"

#include "platform/MessageBoxes.h"

void showElementsRefused() { showErrorBox("図形の数値が扱える範囲を超えるため、この操作はできません。"); }
