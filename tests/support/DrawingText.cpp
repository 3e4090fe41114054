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
