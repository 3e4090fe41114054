// SVG drawings: the exact file written, checked by xmllint and rendered by rsvg-convert; what the
// reader takes of small files; drawings opened from SVG and DXF saved safely; damaged files.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "document/Document.h"
#include "io/dxf/DxfExchange.h"
#include "io/svg/SvgIoDriver.h"
#include "tests/io/IoTestDrawing.h"
#include "tests/support/ByteMutation.h"
#include "tests/support/FileDialogScript.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/ScopedOverride.h"
#include "tests/support/ScratchFolder.h"

using namespace io_fixture;

namespace {

// The SVG drivers as start-up installs them.
struct SvgDrivers {
    ScopedOverride<int (*)(Document&)> reader{foreignFileDrivers.readSvg, readSvgDocument};
    ScopedOverride<int (*)(Document&)> writer{foreignFileDrivers.writeSvg, writeSvgDocument};
};

// The elements read, then "failed" when the read answered 0 and "told: " with the text of each
// message shown.
std::vector<std::string> readSvg(const ScratchFolder& scratch, const std::string& bytes)
{
    MessageBoxScript boxes;
    IoDrawing drawing;
    const int read = drawing.open(scratch.file("in.svg", bytes));
    std::vector<std::string> made = drawing.elements();
    if (!read)
        made.push_back("failed");
    for (const MessageBoxScript::Box& box : boxes.shown())
        made.push_back("told: " + box.text);
    return made;
}

std::string repeat(const std::string& piece, int times)
{
    std::string all;
    for (int i = 0; i < times; ++i)
        all += piece;
    return all;
}

const std::string kProlog = "<?xml version=\"1.0\" encoding=\"windows-31j\" standalone=\"no\"?>\r\n"
                            "<!DOCTYPE svg PUBLIC \"-//W3C//DTD SVG 20001102//EN\"\r\n"
                            "  \"http://www.w3.org/TR/2000/CR-SVG-20001102/DTD/svg-20001102.dtd\">\r\n"
                            "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"297mm\" height=\"210mm\" "
                            "viewBox=\"0 0 297 210\" fill=\"none\" stroke=\"black\" stroke-width=\"0.14\">\r\n";

} // namespace

TEST(SvgWrite, WritesTheDialectThatXmllintAcceptsAndRsvgDrawsStrokedAndUnfilled)
{
    SvgDrivers drivers;
    ScratchFolder scratch;
    IoDrawing drawing;
    ASSERT_EQ(drawing.addLine(10, 20, 110.5, 20), 1);
    ASSERT_EQ(drawing.addBox(10, 10, 0, 0), 2) << "drawn from its bottom right";
    ASSERT_EQ(drawing.addPolygon({{0.1234, 112}, {12.5, 100}, {20, 112}}), 3);
    ASSERT_EQ(drawing.addText(100, 150, "日本語"), 4);
    ASSERT_EQ(drawing.addText(150, 150, "R&D a<b"), 5);
    ASSERT_EQ(drawing.addText(5, 6, ""), 6) << "an empty text writes nothing";
    ASSERT_EQ(drawing.addKind(ElementKind::Bezier), 7);
    ASSERT_EQ(drawing.addText(20, 160, "5\" ソ"), 8) << "a lone double quote";
    ASSERT_EQ(drawing.addText(200, 50, "①髙～"), 9) << "characters beyond Shift_JIS";
    const std::string body = "<line x1=\"10\" y1=\"20\" x2=\"110.5\" y2=\"20\"/>\r\n"
                             "<rect x=\"0\" y=\"0\" width=\"10\" height=\"10\"/>\r\n"
                             "<polygon points=\"0.123 112 12.5 100 20 112\"/>\r\n"
                             "<text x=\"100\" y=\"150\" fill=\"black\" stroke=\"none\">\r\n日本語</text>\r\n"
                             "<text x=\"150\" y=\"150\" fill=\"black\" stroke=\"none\">\r\nR&amp;D a&lt;b</text>\r\n"
                             "<text x=\"20\" y=\"160\" fill=\"black\" stroke=\"none\">\r\n5&quot; ソ</text>\r\n"
                             "<text x=\"200\" y=\"50\" fill=\"black\" stroke=\"none\">\r\n①髙～</text>\r\n";
    ASSERT_EQ(drawing.save(scratch.pathOf("page.svg")), kProlog + body + "</svg>\r\n");

    // Each probe is the darkest pixel of a patch at 15.1 pixels a millimetre: on the line, on the
    // box's right edge, inside the box, and over the characters beyond Shift_JIS (at the renderer's
    // own font size, 12 mm, above their baseline).
    EXPECT_EQ(runShell(scratch, "xmllint --noout page.svg && rsvg-convert --zoom 4 -b white -o page.png page.svg && "
                                "for at in 5x5+198+300 5x5+149+73 5x5+73+73 540x150+3020+605; do convert page.png "
                                "-crop $at -format '%[fx:minima.intensity<0.5] ' info:; done"),
              "1 1 0 1 ");

    // Read back: the box in place, the texts as they were.
    EXPECT_EQ(readSvg(scratch, ScratchFolder::read(scratch.pathOf("page.svg"))),
              (std::vector<std::string>{"line 100 0 | 10 20 110.5 20", "box 100 0 | 0 0 10 10",
                                        "polygon 100 0 | 0.123 112 12.5 100 20 112",
                                        "text 100 0 | 100 150 日本語 3.75", "text 100 0 | 150 150 R&D a<b 3.75",
                                        "text 100 0 | 20 160 5\" ソ 3.75", "text 100 0 | 200 50 ①髙～ 3.75"}));

    // A page whose only element is a curve: the frame alone.
    IoDrawing curves;
    ASSERT_EQ(curves.addKind(ElementKind::Bezier), 1);
    EXPECT_EQ(curves.save(scratch.pathOf("curve.svg")), kProlog + "</svg>\r\n");
}

TEST(SvgRead, TakesTheFourElementsAndPassesOverTheRest)
{
    SvgDrivers drivers;
    ScratchFolder scratch;
    auto svg = [](const std::string& inner) {
        return "<?xml version=\"1.0\"?>\r\n<svg width=\"297mm\" height=\"210mm\">\r\n" + inner + "\r\n</svg>\r\n";
    };
    const std::string triangle = "polygon 100 0 | 1 2 3 4 5 6";
    const struct {
        const char* name;
        std::string bytes;
        std::vector<std::string> made;
    } cases[] = {
        {"six numbers by blanks, by commas, an odd one dropped",
         svg("<polygon points=\"1 2 3 4 5 6\"/><polygon points=\"1,2 3,4\r\n5,6\"/><polygon points=\"1 2 3 4 5 6 7\"/>"),
         {triangle, triangle, triangle}},
        {"a text between its tags; entities decoded, an unknown one kept",
         svg("<text x=\"1\" y=\"2\">A</text><text x=\"3\" y=\"4\">R&amp;D &bogus;</text>"),
         {"text 100 0 | 1 2 A 3.75", "text 100 0 | 3 4 R&D &bogus; 3.75"}},
        {"the blanks after a text's end tag are no text of the next one",
         svg("<text x=\"1\" y=\"2\">A</text>\r\n  <text x=\"3\" y=\"4\"><tspan>B</tspan></text>\r\n  "
             "<text x=\"5\" y=\"6\"/>\r\n  <text x=\"7\" y=\"8\">C</text>"),
         {"text 100 0 | 1 2 A 3.75", "text 100 0 | 7 8 C 3.75"}},
        {"values in single quotes, as XML allows them",
         svg("<line x1='1' y1=\"2\" x2='3' y2='4'/><text x='5' y='6'>it's</text><line x1=\"7\" it's y1=\"8\"/>"),
         {"line 100 0 | 1 2 3 4", "text 100 0 | 5 6 it's 3.75", "line 100 0 | 7 8 3 4"}},
        {"a text of a file declared UTF-8 is taken in the program's code page",
         "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<svg>\r\n<text x=\"1\" y=\"2\">\xE6\x97\xA5\xE6\x9C\xAC "
         "\xE8\xAA\x9E</text>\r\n</svg>\r\n",
         {"text 100 0 | 1 2 日本 語 3.75"}},
        {"a file declared windows-31j is read as its bytes stand",
         "<?xml version=\"1.0\" encoding=\"windows-31j\"?>\r\n<svg>\r\n<text x=\"1\" y=\"2\">①髙～</text>\r\n</svg>\r\n",
         {"text 100 0 | 1 2 ①髙～ 3.75"}},
        {"so is one declared Shift_JIS",
         "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\r\n<svg>\r\n<text x=\"1\" y=\"2\">日本</text>\r\n</svg>\r\n",
         {"text 100 0 | 1 2 日本 3.75"}},
        {"a file that declares no encoding and holds UTF-8 is UTF-8; a character Shift-JIS lacks is '?'",
         "<?xml version=\"1.0\"?>\r\n<svg>\r\n<text x=\"1\" y=\"2\">\xE6\x97\xA5\xE2\x91\xA0 \xE0\xB8\x81</text>\r\n"
         "<text x=\"3\" y=\"4\">A</text>\r\n</svg>\r\n",
         {"text 100 0 | 1 2 日① ? 3.75", "text 100 0 | 3 4 A 3.75"}},
        {"so does one without a declaration", "<svg><text x=\"1\" y=\"2\">\xE6\x97\xA5</text></svg>",
         {"text 100 0 | 1 2 日 3.75"}},
        {"without a declared encoding, bytes that are not all UTF-8 stand as before",
         "<?xml version=\"1.0\" standalone=\"no\"?>\r\n<svg>\r\n<text x=\"1\" y=\"2\">\xE6\x97\xA5</text>\r\n"
         "<text x=\"3\" y=\"4\">日本</text>\r\n</svg>\r\n",
         {"text 100 0 | 1 2 \xE6\x97\xA5 3.75", "text 100 0 | 3 4 日本 3.75"}},
        {"values the drawing file cannot write, also once derived, are passed over and counted",
         svg("<line x1=\"1e41\" y1=\"2\" x2=\"3\" y2=\"4\"/><rect x=\"6e39\" y=\"0\" width=\"6e39\" height=\"1\"/>"
             "<polygon points=\"0 0 1 1e400 2 2\"/><text x=\"-1e300\" y=\"0\">A</text>"
             "<line x1=\"1\" y1=\"2\" x2=\"3\" y2=\"4\"/><rect x=\"9e38\" y=\"0\" width=\"9e38\" height=\"1\"/>"),
         {"line 100 0 | 1 2 3 4", "box 100 0 | 9e+38 0 1.8e+39 1", "told: 読み込めない要素が4個ありました。"}},
        {"a lone double quote in a text is a character of it",
         svg("<text x=\"1\" y=\"2\">a 5\" screen</text><line x1=\"1\" y1=\"2\" x2=\"3\" y2=\"4\"/>"
             "<text x=\"3\" y=\"4\">say \"hi\"</text>"),
         {"text 100 0 | 1 2 a 5\" screen 3.75", "line 100 0 | 1 2 3 4", "text 100 0 | 3 4 say \"hi\" 3.75"}},
        {"the apostrophe entity and character references, in the program's code page",
         svg("<text x=\"1\" y=\"2\">&#x65E5;&#26412;&apos;s&#10;&#65;&#X42;&#;&#xZZ;&#1114112;</text>"),
         {"text 100 0 | 1 2 日本's A&#X42;&#;&#xZZ;&#1114112; 3.75"}},
        {"the root's size and the elements passed over change nothing",
         svg("<g><circle cx=\"1\" cy=\"1\" r=\"5\"/><path d=\"M 0 0 L 5 5\"/><ellipse rx=\"2\" ry=\"3\"/>"
             "<image x=\"9\" y=\"9\" width=\"5\" height=\"5\"/><rect x=\"1\" y=\"2\" width=\"3\" height=\"4\"/></g>"),
         {"box 100 0 | 1 2 4 6"}},
        {"an element with its end tag keeps its values",
         svg("<polygon points=\"1 2 3 4 5 6\"></polygon><line x1=\"1\" y1=\"2\" x2=\"3\" y2=\"4\"></line>"),
         {triangle, "line 100 0 | 1 2 3 4"}},
        {"an unterminated tag ends the reading; what came before stays",
         "<svg>\r\n<line x1=\"1\" y1=\"2\" x2=\"3\" y2=\"4\"/>\r\n<line x1=\"5\" y1=\"6",
         {"line 100 0 | 1 2 3 4", "failed"}},
        {"blanks and line breaks around '=', as XML allows them",
         svg("<line x1 = \"1\" y1\r\n=\r\n\"2\" x2= '3' y2 ='4'/><text x\t=\t\"5\" y =\"6\">A</text>"),
         {"line 100 0 | 1 2 3 4", "text 100 0 | 5 6 A 3.75"}},
        {"a CDATA section's characters are the text's, taken as they stand",
         svg("<text x=\"1\" y=\"2\">x &amp; <![CDATA[a<b &amp; ]c]]]> d</text><text x=\"3\" y=\"4\"><![CDATA[]]></text>"
             "<text x=\"5\" y=\"6\"><![CDATA[<line x1=\"9\"/>]]]]><![CDATA[>]]></text>"),
         {"text 100 0 | 1 2 x & a<b &amp; ]c] d 3.75", "text 100 0 | 5 6 <line x1=\"9\"/>]]> 3.75"}},
        {"comments within a text are no part of it",
         svg("<text x=\"1\" y=\"2\">A<!-- a -->B<!-- b --></text><text x=\"3\" y=\"4\"><!-- c -->C</text>"),
         {"text 100 0 | 1 2 AB 3.75", "text 100 0 | 3 4 C 3.75"}},
        {"an element left open ends the reading at the end tag of another; what came before stays",
         svg("<rect x=\"1\" y=\"2\" width=\"3\" height=\"4\"/><line x1=\"1\" y1=\"2\" x2=\"3\" y2=\"4\">"),
         {"box 100 0 | 1 2 4 6", "failed"}},
        {"so does an end tag of an element never opened",
         svg("<g><line x1=\"1\" y1=\"2\" x2=\"3\" y2=\"4\"/></text></g><line x1=\"5\"/>"),
         {"line 100 0 | 1 2 3 4", "failed"}},
        {"end tags match their start tags without regard to case; nesting beyond the cap is not checked",
         svg("<LINE x1=\"1\" y1=\"2\" x2=\"3\" y2=\"4\"></line>" + repeat("<g>", 150) +
             "<line x1=\"5\" y1=\"6\" x2=\"7\" y2=\"8\"/>" + repeat("</g>", 150)),
         {"line 100 0 | 1 2 3 4", "line 100 0 | 5 6 7 8"}},
        {"open elements that would hold tens of thousands of attributes end the reading as a broken file does",
         svg("<line x1=\"1\" y1=\"2\" x2=\"3\" y2=\"4\"/>" + repeat("<rect" + repeat(" x=\"1\"", 700) + ">", 99)),
         {"line 100 0 | 1 2 3 4", "failed"}},
        {"attributes of 100 KB: a name the reader passes over, a number beyond the doubles (told)",
         svg("<line class=\"" + std::string(100000, 'c') + "\" x1=\"1\" y1=\"2\" x2=\"3\" y2=\"4\"/><line x1=\"" +
             std::string(100000, '7') + "\"/>"),
         {"line 100 0 | 1 2 3 4", "told: 読み込めない要素が1個ありました。"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(readSvg(scratch, c.bytes), c.made) << c.name;

    // A million numbers in one list.
    std::string numbers;
    for (int i = 0; i < 1000000; ++i)
        numbers += std::to_string(i % 1000) + " ";
    const std::vector<std::string> big = readSvg(scratch, svg("<polygon points=\"" + numbers + "\"/>"));
    ASSERT_EQ(big.size(), 1u);
    EXPECT_EQ(big[0].substr(0, 30), "polygon 100 0 | 0 1 2 3 4 5 6 ");
}

TEST(SvgDocument, DrawingsOpenedFromSvgOrDxfAreNeverSavedOverWhatTheyHeld)
{
    SvgDrivers drivers;
    ScopedOverride dxfReader(foreignFileDrivers.readDxf, readDxfDocument);
    ScratchFolder scratch;
    MessageBoxScript boxes;
    FileDialogScript dialogs;
    const std::string dxf = "  0\r\nSECTION\r\n  2\r\nENTITIES\r\n  0\r\nLINE\r\n 10\r\n1\r\n 20\r\n2\r\n 11\r\n3\r\n"
                            " 21\r\n4\r\n  0\r\nENDSEC\r\n  0\r\nEOF\r\n";
    {
        IoDrawing drawing;
        const std::string path = scratch.file("plan.dxf", dxf);
        ASSERT_EQ(drawing.context.assignFile(path.c_str()), 1);
        ASSERT_EQ(drawing.context.openFile(), 1);
        EXPECT_EQ(drawing.elements(), std::vector<std::string>{"line 100 0 | 1 2 3 4"});
        dialogs.answers = {""}; // Save goes through the dialog, which the user cancels
        EXPECT_EQ(drawing.context.save(), 0);
        EXPECT_EQ(dialogs.startedFrom.back(), scratch.pathOf("plan.ycx"));
        EXPECT_EQ(ScratchFolder::read(path), dxf);
    }
    {
        IoDrawing drawing;
        ASSERT_EQ(drawing.addLine(1, 2, 3, 4), 1);
        ASSERT_EQ(drawing.addArc(60, 50, 40, 50, 50, 40), 2);
        const std::string path = scratch.pathOf("plan.svg");
        dialogs.answers = {path};
        boxes.answer(IDCANCEL);
        EXPECT_EQ(drawing.context.saveAs(), 0);
        EXPECT_FALSE(ScratchFolder::exists(path)) << "Cancel writes nothing";
        dialogs.answers = {path};
        boxes.answer(IDOK);
        EXPECT_EQ(drawing.context.saveAs(), 1);
        EXPECT_EQ(boxes.shown().size(), 2u) << "asked each time before the arc is dropped";
        EXPECT_EQ(readSvg(scratch, ScratchFolder::read(path)), std::vector<std::string>{"line 100 0 | 1 2 3 4"});
    }
}

TEST(SvgRead, EveryCutAndThousandsOfMutationsReadSafely)
{
    SvgDrivers drivers;
    MessageBoxScript boxes;
    ScratchFolder scratch;
    const std::string good = kProlog +
                             "<line x1=\"10\" y1=\"20\" x2=\"110.5\" y2=\"20\"/>\r\n"
                             "<rect x=\"0\" y=\"0\" width=\"10\" height=\"10\"/>\r\n"
                             "<polygon points=\"0.123 12 12.5 0 5 5\"/>\r\n"
                             "<text x=\"1\" y=\"2\" fill=\"black\" stroke=\"none\">\r\nR&amp;D 日本語</text>\r\n"
                             "</svg>\r\n";
    const std::vector<std::string> whole = readSvg(scratch, good);
    ASSERT_EQ(whole.size(), 4u);
    // Cut after an element's end, the elements before it are all there.
    std::vector<size_t> complete;
    for (const char* last : {"\"20\"/>", "\"10\"/>", "5 5\"/>", "</text>"})
        complete.push_back(good.find(last) + std::string(last).size());
    for (size_t length = 0; length < good.size(); ++length) {
        const std::vector<std::string> made = readSvg(scratch, good.substr(0, length));
        size_t expected = 0;
        for (size_t end : complete)
            expected += length >= end ? 1 : 0;
        ASSERT_GE(made.size(), expected) << "cut at " << length;
        for (size_t i = 0; i < expected; ++i)
            ASSERT_EQ(made[i], whole[i]) << "cut at " << length;
    }
    std::mt19937 random(20240702);
    for (int round = 0; round < 2000; ++round) {
        const std::string bytes = mutateBytes(good, random, "<>/\"=&;0123456789 ,\r\n\x81", "<");
        // Every element takes some ten bytes.
        ASSERT_LE(readSvg(scratch, bytes).size(), bytes.size() / 10 + 1) << "round " << round;
        boxes.clear();
    }
}

// The reader takes the points, the vertices and a text's characters; strokes, fills, styles, font
// sizes and transforms it leaves at the defaults. Each element saves with the defaults for what it
// leaves out, never with what an element before it gave, except the start and end points, which
// are kept: a box without x and y stands where the one before began, a line without its end ends
// where that box ended.
TEST(SvgRead, AnElementThatLeavesAValueOutSavesWithTheDefault)
{
    SvgDrivers drivers;
    ScratchFolder scratch;
    const std::string file =
        kProlog +
        "<line x1=\"1\" y1=\"2\" x2=\"3\" y2=\"4\" stroke=\"red\" stroke-width=\"2\" stroke-dasharray=\"3 1\"/>\r\n"
        "<rect x=\"10\" y=\"20\" width=\"30\" height=\"40\" fill=\"blue\" stroke=\"green\"\r\n"
        "  style=\"stroke-width:3\"/>\r\n"
        "<rect width=\"5\" height=\"6\"/>\r\n"
        "<polygon points=\"0 0 30 0 30 15\" fill=\"yellow\" stroke-width=\"4\" style=\"fill:red\"/>\r\n"
        "<text x=\"50\" y=\"60\" font-size=\"20\" transform=\"rotate(30)\" fill=\"red\">A</text>\r\n"
        "<line x1=\"7\" y1=\"8\"/>\r\n"
        "<polygon points=\"1 1 2 2\"/>\r\n"
        "<text x=\"9\">B</text>\r\n"
        "<rect x=\"11\" height=\"2\"/>\r\n"
        "</svg>\r\n";
    IoDrawing drawing;
    ASSERT_EQ(drawing.open(scratch.file("mixed.svg", file)), 1);
    auto box = [](const std::string& points) {
        return "<box><layer>100</layer>" + kSavedAreas + points +
               "<boxRules><horizontal>2</horizontal><vertical>2</vertical></boxRules><boxRound><rightTop>0</rightTop>"
               "<leftTop>0</leftTop><leftBottom>0</leftBottom><roundAray>0</roundAray></boxRound><lean>0</lean>" +
               kSavedStroke + "</box>";
    };
    EXPECT_EQ(drawing.savedElements(scratch.pathOf("mixed.ycx")),
              (std::vector<std::string>{
                  "<line><layer>100</layer>" + kSavedBlack +
                      "<startPoint><x>1</x><y>2</y></startPoint><endPoint><x>3</x><y>4</y></endPoint>" + kSavedStroke +
                      kSavedLineEnds + "</line>",
                  box("<startPoint><x>10</x><y>20</y></startPoint><endPoint><x>40</x><y>60</y></endPoint>"),
                  box("<startPoint><x>10</x><y>20</y></startPoint><endPoint><x>15</x><y>26</y></endPoint>"),
                  "<polygon><layer>100</layer>" + kSavedAreas + kSavedStroke +
                      "<listXY><nums>3</nums><xyAray>0,0,30,0,30,15</xyAray></listXY></polygon>",
                  savedText("50", "60", "0", "3.75", "A"),
                  "<line><layer>100</layer>" + kSavedBlack +
                      "<startPoint><x>7</x><y>8</y></startPoint><endPoint><x>15</x><y>26</y></endPoint>" +
                      kSavedStroke + kSavedLineEnds + "</line>",
                  "<polygon><layer>100</layer>" + kSavedAreas + kSavedStroke +
                      "<listXY><nums>2</nums><xyAray>1,1,2,2</xyAray></listXY></polygon>",
                  savedText("9", "8", "0", "3.75", "B"),
                  box("<startPoint><x>11</x><y>8</y></startPoint><endPoint><x>15</x><y>10</y></endPoint>"),
              }));
}
