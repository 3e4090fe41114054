#pragma once
// Drawing files as a script or another program writes them, for the reader's tests and benchmarks,
// and the element sections of a drawing file as the program writes them.
#include <string>
#include <vector>

// A drawing file of one page whose "entities" hold these element sections.
std::string drawingFileText(const std::string& entities);

// The entities of a damaged drawing (found by mutating one): a Bezier area of 200 points, then
// `tags` opening tags of its kind, each pair of them an area of no points.
std::string outlineThenOpeningTags(int tags);

// The element sections of the first "entities" of a file the program wrote, in file order, each
// with its lines as written (indents and line breaks); none when the file has no entities.
std::vector<std::string> entitySections(const std::string& file);

// A section on one line, its indents and line breaks dropped: "<line><layer>5</layer>...</line>".
std::string flatSection(const std::string& section);
