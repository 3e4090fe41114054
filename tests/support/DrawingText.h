#pragma once
// Drawing files as a script or another program writes them, for the reader's tests and benchmarks.
#include <string>

// A drawing file of one page whose "entities" hold these element sections.
std::string drawingFileText(const std::string& entities);

// The entities of a damaged drawing (found by mutating one): a Bezier area of 200 points, then
// `tags` opening tags of its kind, each pair of them an area of no points.
std::string outlineThenOpeningTags(int tags);
