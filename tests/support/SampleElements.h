#pragma once
// An element of any of the 19 kinds with values that make it whole, for tests and benchmarks
// that go through every kind: its default attributes, points spread apart, three vertices (one,
// on the circle, for a radius or diameter dimension), a radius or diameter of 12.5 and a few
// characters of text where the kind has them.
class Element;
class ElementEditorBase;

// Starts the new element in the editor's hand with its corners offset by (dx, dy) from
// (30, 40), (70, 65), (40, 80); null when the editor could not start one or a value was refused.
[[nodiscard]] Element* startSampleElement(ElementEditorBase& editor, int kind, double dx = 0.0, double dy = 0.0);
