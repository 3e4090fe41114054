#pragma once

// The Japanese display name of an element kind ("線分" for a line), as the kind registry holds
// it. The registry installs its look-up here when it is built; until then, and for a kind it
// does not register, there is no name.
//
// The look-up writes at most size - 1 bytes and a terminator (never splitting a double-byte
// character) and answers 1, or 0 and an empty text when the kind has no name.
using ElementKindNameLookup = int (*)(int kind, char* name, int size);

extern ElementKindNameLookup elementKindNameLookup;

// Through the installed look-up; 0 and an empty text without one.
[[nodiscard]] int elementKindName(int kind, char* name, int size);
