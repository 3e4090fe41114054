#include "tests/support/DrawingText.h"

std::string drawingFileText(const std::string& entities)
{
    return "<?xml version=\"1.0\" encording=\"Shift_JIS\"?>\r\n<tesvanCADml>\r\n <pagedata>\r\n  <page>1</page>\r\n"
           "  <entities>\r\n" +
           entities + "  </entities>\r\n </pagedata>\r\n</tesvanCADml>\r\n";
}

std::string outlineThenOpeningTags(int tags)
{
    std::string entities = "<bezier3><layer>7</layer><listXY><nums>200</nums><xyAray>";
    for (int i = 0; i < 200; ++i)
        entities += std::to_string(i % 50) + "," + std::to_string(i / 50) + (i < 199 ? "," : "");
    entities += "</xyAray></listXY></bezier3>\r\n";
    for (int i = 0; i < tags; ++i)
        entities += "<bezier3>\r\n";
    return entities;
}

std::vector<std::string> entitySections(const std::string& file)
{
    std::vector<std::string> sections;
    const std::string open = "<entities>\r\n";
    const size_t begin = file.find(open);
    const size_t end = file.find("  </entities>");
    if (begin == std::string::npos || end == std::string::npos)
        return sections;
    for (size_t at = begin + open.size(); at < end;) {
        const size_t next = file.find("\r\n", at) + 2;
        // An element's own tags stand three blanks in; its attribute tags deeper.
        if (file.compare(at, 4, "   <") == 0 && file.compare(at, 5, "   </") != 0)
            sections.emplace_back();
        if (!sections.empty())
            sections.back().append(file, at, next - at);
        at = next;
    }
    return sections;
}

std::string flatSection(const std::string& section)
{
    std::string flat;
    for (size_t at = 0; at < section.size();) {
        size_t next = section.find("\r\n", at);
        if (next == std::string::npos)
            next = section.size();
        const size_t text = section.find_first_not_of(' ', at);
        if (text < next)
            flat.append(section, text, next - text);
        at = next + 2;
    }
    return flat;
}
