#pragma once
#include <cstdint>

// The record codes of the undo log, as its record heads store them, and the codes of the pending
// record (UndoManager). UndoManager::operationName gives each its menu name.
enum class UndoCode : uint16_t {
    None = 0,          // no pending record
    PendingTyping = 1, // typing in progress, written as Typing
    NewElement = 11,   // named by the element's kind
    Move = 13,
    Copy = 15,
    Rotate = 17,
    OrderChange = 19, // drawing order
    Cut = 21,
    Paste = 25,
    Delete = 27,
    Typing = 41,
    TextDelete = 43,
    TextReplace = 45,
    FunctionChange = 46, // never written: no text operation uses it
    TextCut = 47,
    TextPaste = 49,
    PointMove = 51,
    PointAdd = 53,
    PointDelete = 55,
    Reshape = 61,
    AttributeChange = 71,
    BatchChange = 73,
    ElementZoom = 75,
    // Page insertion (three codes under one name) and deletion: named, never written, since a
    // page change clears the history instead.
    PageAdd1 = 81,
    PageAdd2 = 82,
    PageAdd3 = 83,
    PageDelete = 84,
    PartPlacement = 91,
};
