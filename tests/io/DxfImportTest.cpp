// DXF import: files written by ezdxf and by the export read back into elements, the reader's
// rules on small files, what an entity leaves out, and damaged files.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "document/Document.h"
#include "document/ElementIdSet.h"
#include "document/UndoManager.h"
#include "io/dxf/DxfEntityConverter.h"
#include "io/dxf/DxfExchange.h"
#include "tests/io/IoTestDrawing.h"
#include "tests/support/ByteMutation.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/ScopedOverride.h"
#include "tests/support/ScratchFolder.h"

using namespace io_fixture;

namespace {

// The lines of a DXF file, CR LF after each.
std::string dxf(std::initializer_list<std::string> lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

// Reads bytes as a drawing of the DXF kind: the elements made, then "failed" when the read
// answered 0 and "told: " with the text of each message shown.
std::vector<std::string> readAsDrawing(const ScratchFolder& scratch, const std::string& bytes)
{
    ScopedOverride reader(foreignFileDrivers.readDxf, readDxfDocument);
    MessageBoxScript boxes;
    IoDrawing drawing;
    const int read = drawing.open(scratch.file("in.dxf", bytes));
    std::vector<std::string> made = drawing.elements();
    if (!read)
        made.push_back("failed");
    for (const MessageBoxScript::Box& box : boxes.shown())
        made.push_back("told: " + box.text);
    return made;
}

const std::string kEntities = dxf({"  0", "SECTION", "  2", "ENTITIES"});
const std::string kLine = dxf({"  0", "LINE", "  8", "5", " 10", "1", " 20", "2", " 11", "3", " 21", "4"});
const std::string kEnd = dxf({"  0", "ENDSEC", "  0", "EOF"});

} // namespace

TEST(DxfImport, TakesLayersTextSizesAndBlocksOfAnEzdxfFileAndClearsTheUndoHistory)
{
    ScratchFolder scratch;
    ASSERT_EQ(runPython(scratch, R"(
import ezdxf
doc = ezdxf.new('R12')
msp = doc.modelspace()
for layer in ('12', '0', 'WALLS'):
    msp.add_line((1, 2), (3, 4), dxfattribs={'layer': layer})
msp.add_text('big', dxfattribs={'height': 250, 'insert': (5, 6), 'layer': '3'})
msp.add_text('small', dxfattribs={'height': 5, 'insert': (5, 6), 'rotation': 30})
msp.add_polyline2d([(0, 0), (10, 0), (10, 10)], close=True, dxfattribs={'layer': '8'})
door = doc.blocks.new('DOOR')
door.add_line((0, 0), (1, 0))
msp.add_blockref('DOOR', (10, 20))
msp.add_blockref('DOOR', (50, 20))
doc.saveas('in.dxf')
)"),
              "");
    IoDrawing drawing;
    ASSERT_EQ(drawing.addLine(0, 0, 1, 1), 1);
    ASSERT_EQ(drawing.context.canUndo(), 1);

    ASSERT_EQ(drawing.importDxf(scratch.pathOf("in.dxf")), 1);
    // Layer "0" and names keep the layer new elements take; a height of 250 the default size.
    // The block's line (group 6: ezdxf writes two empty blocks first) moves to the first
    // insertion; the second places a copy as a group of its own.
    const std::vector<std::string> once = {"line 100 0 | 0 0 1 1",        "line 100 6 | 10 20 11 20",
                                           "line 12 0 | 1 2 3 4",         "line 100 0 | 1 2 3 4",
                                           "line 100 0 | 1 2 3 4",        "text 3 0 | 5 6 big 3.75",
                                           "text 100 0 | 5 6 small 5",    "polygon 8 0 | 0 0 10 0 10 10",
                                           "line 100 8 | 50 20 51 20"};
    EXPECT_EQ(drawing.elements(), once);
    EXPECT_EQ(drawing.context.canUndo(), 0) << "undo could restore an id the import reused";

    // A second import gives its blocks new groups.
    ASSERT_EQ(drawing.importDxf(scratch.pathOf("in.dxf")), 1);
    const std::vector<std::string> all = drawing.elements();
    ASSERT_EQ(all.size(), 17u);
    EXPECT_EQ(all[9], "line 100 14 | 10 20 11 20");
    EXPECT_EQ(all[16], "line 100 16 | 50 20 51 20");
}

TEST(DxfImport, TheOwnExportReadsBackTheSame)
{
    ScratchFolder scratch;
    IoDrawing source;
    ASSERT_EQ(source.addArc(60, 50, 40, 50, 50, 40, 4), 1);
    ASSERT_EQ(source.addArc(60, 50, 40, 50, 50, 60, 4), 2);
    ASSERT_EQ(source.addArc(0, 0, 10, 10, 7.0710678118654755, 2.9289321881345245, 4), 3);
    ASSERT_EQ(source.addPolygon({{0, 0}, {30, 0}, {30, 15}}, 7), 4);
    ASSERT_EQ(source.addText(1, 2, "表ソ能", 9, 5.0), 5);
    ASSERT_EQ(source.exportDxf(scratch.pathOf("own.dxf")), 1);
    IoDrawing target;
    ASSERT_EQ(target.importDxf(scratch.pathOf("own.dxf")), 1);
    // Arcs come back through the same points: a file's arc runs one way, so an arc drawn the
    // other way comes back from its end to its start, with its middle point halfway.
    EXPECT_EQ(target.elements(), (std::vector<std::string>{
                                     "arc 4 0 | 60 50 40 50 50 40",
                                     "arc 4 0 | 40 50 60 50 50 60",
                                     "arc 4 0 | 10 10 0 0 7.071067812 2.928932188",
                                     "polygon 7 0 | 0 0 30 0 30 15",
                                     "text 9 0 | 1 2 表ソ能 5",
                                 }));
}

TEST(DxfImport, ReadsWhatTheRulesSayOfSmallFiles)
{
    ScratchFolder scratch;
    const std::string line = "line 5 0 | 1 2 3 4";
    const std::string sjisHeader = dxf({"  0", "SECTION", "  2", "HEADER", "  9", "$DWGCODEPAGE", "  3", "ANSI_932",
                                        "  0", "ENDSEC"});
    std::string longJapanese;
    std::string longUtf8; // the value is cut within a character, which is dropped
    for (int i = 0; i < 150; ++i) {
        longJapanese += "あ";
        longUtf8 += "\xE3\x81\x82";
    }
    const struct {
        const char* name;
        std::string bytes;
        std::vector<std::string> made;
    } cases[] = {
        {"codes with and without blanks; a name in lower case is none, and is passed over",
         kEntities + kLine + dxf({"0", "LINE", "8", "5", "10", "1", "20", "2", "11", "3", "21", "4"}) +
             dxf({"  0", "line", " 10", "9"}) + kEnd,
         {line, line, "told: 読み込めない要素が1個ありました。"}},
        {"no ENDSEC and no EOF", kEntities + kLine, {line}},
        {"a header of many variables and a table of layers are passed over",
         dxf({"  0", "SECTION", "  2", "HEADER", "  9", "$ACADVER", "  1", "AC1009", "  9", "$EXTMIN", " 10", "0",
              " 20", "0", "  9", "$CLAYER", "  8", "LINE", "  0", "ENDSEC", "  0", "SECTION", "  2", "TABLES", "  0",
              "TABLE", "  2", "LAYER", "  0", "LAYER", "  2", "LINE", " 70", "0", "  0", "ENDTAB", "  0", "ENDSEC"}) +
             kEntities + kLine + kEnd,
         {line}},
        {"a layer named LINE in an entity that is not read",
         kEntities + dxf({"  0", "CIRCLE", "  8", "LINE", " 10", "5", " 40", "3"}) + kEnd,
         {"told: 読み込めない要素が1個ありました。"}},
        {"values of 400 bytes are cut and the next line is a code",
         kEntities + dxf({"  0", "LINE", "  8", std::string(400, '7'), " 10", "1", " 20", "2", " 11", "3", " 21", "4"}) +
             kEnd,
         {"line 100 0 | 1 2 3 4"}},
        {"Shift-JIS texts: a trail byte 5C, a value cut between whole characters",
         sjisHeader + kEntities + dxf({"  0", "TEXT", " 10", "1", " 20", "2", "  1", "表ソ", "  0", "TEXT", " 10",
                                       "1", " 20", "2", "  1", longJapanese}) +
             kEnd,
         {"text 100 0 | 1 2 表ソ 3.75", "text 100 0 | 1 2 " + longJapanese.substr(0, 254) + " 3.75"}},
        {"texts of a file of version 2007 or later are UTF-8, those of earlier versions as they stand",
         dxf({"  0", "SECTION", "  2", "HEADER", "  9", "$ACADVER", "  1", "AC1024", "  0", "ENDSEC"}) + kEntities +
             dxf({"  0", "TEXT", " 10", "1", " 20", "2", "  1", "\xE8\xA1\xA8 A", "  0", "TEXT", " 10", "1", " 20",
                  "2", "  1", longUtf8}) +
             kEnd,
         {"text 100 0 | 1 2 表 A 3.75", "text 100 0 | 1 2 " + longJapanese.substr(0, 168) + " 3.75"}},
        {"code lines abc and 99999: the first a code 0, which starts an entity of a name not read",
         kEntities + dxf({"abc", "xyz", "99999", "LINE"}) + kLine + kEnd,
         {line, "told: 読み込めない要素が1個ありました。"}},
        {"a POLYLINE without SEQEND ends at the next entity",
         kEntities + dxf({"  0", "POLYLINE", " 66", "1", "  0", "VERTEX", " 10", "0", " 20", "0", "  0", "VERTEX",
                          " 10", "5", " 20", "0", "  0", "VERTEX", " 10", "5", " 20", "5"}) +
             kLine + kEnd,
         {"polygon 100 0 | 0 0 5 0 5 5", line}},
        {"VERTEX outside a POLYLINE",
         kEntities + dxf({"  0", "VERTEX", "  8", "1", " 10", "7", " 20", "7", "  0", "SEQEND"}) + kLine + kEnd,
         {line}},
        {"INSERT of an unknown block", kEntities + dxf({"  0", "INSERT", "  2", "NONE", " 10", "5"}) + kLine + kEnd,
         {line}},
        {"0 and EOF only", dxf({"0", "EOF"}), {}},
        {"no section and no EOF: not a DXF file",
         dxf({"  0", "LINE", " 10", "1", " 20", "2", " 11", "3", " 21", "4"}),
         {"failed"}},
        {"an empty file", "", {"failed"}},
        {"a PNG", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x01", 20), {"failed"}},
        {"a binary DXF", std::string("AutoCAD Binary DXF\r\n\x1a\0\0\0SECTION\0\x02" "ENTITIES\0", 42), {"failed"}},
        {"the entities not read are counted, once for the whole file",
         kEntities + dxf({"  0", "CIRCLE", " 10", "5", " 20", "5", " 40", "3", "  0", "LWPOLYLINE", " 90", "2", " 10",
                          "0", " 20", "0", " 10", "1", " 20", "1", "  0", "SPLINE", " 71", "3", "  0", "DIMENSION",
                          "  2", "*D1"}) +
             kLine + kEnd,
         {line, "told: 読み込めない要素が4個ありました。"}},
        {"values the drawing file cannot write: coordinates, a radius, a rotation, a vertex",
         kEntities + dxf({"  0", "LINE", " 10", "1", " 20", "2", " 11", "1e41", " 21", "4"}) +
             dxf({"  0", "LINE", " 10", "1e400", " 20", "0", " 11", "0", " 21", "0"}) +
             dxf({"  0", "LINE", " 10", "-1e308", " 20", "0", " 11", "0", " 21", "0"}) +
             dxf({"  0", "ARC", " 10", "0", " 20", "0", " 40", "1e41", " 50", "0", " 51", "90"}) +
             dxf({"  0", "TEXT", " 10", "1", " 20", "2", " 50", "1e41", "  1", "A"}) +
             dxf({"  0", "POLYLINE", "  0", "VERTEX", " 10", "0", " 20", "0", "  0", "VERTEX", " 10", "5", " 20",
                  "1e41", "  0", "SEQEND"}) +
             dxf({"  0", "LINE", " 10", "9e38", " 20", "2", " 11", "3", " 21", "4"}) + kEnd,
         {"line 100 0 | 9e+38 2 3 4", "told: 読み込めない要素が6個ありました。"}},
        {"texts before and after two insertions inside a block stay its own, placed with it three times",
         dxf({"  0", "SECTION", "  2", "BLOCKS", "  0", "BLOCK", "  2", "INNER", "  0", "LINE", " 10", "0", " 20", "0",
              " 11", "1", " 21", "0", "  0", "ENDBLK", "  0", "BLOCK", "  2", "OUTER", "  0", "TEXT", " 10", "0", " 20",
              "5", "  1", "A", "  0", "INSERT", "  2", "INNER", " 10", "10", " 20", "0", "  0", "INSERT", "  2",
              "INNER", " 10", "20", " 20", "0", "  0", "TEXT", " 10", "0", " 20", "6", "  1", "B", "  0", "ENDBLK",
              "  0", "ENDSEC"}) +
             kEntities +
             dxf({"  0", "INSERT", "  2", "OUTER", " 10", "0", " 20", "100", "  0", "INSERT", "  2", "OUTER", " 10",
                  "0", " 20", "200", "  0", "INSERT", "  2", "OUTER", " 10", "0", " 20", "300"}) +
             kEnd,
         {"line 100 2 | 10 0 11 0", "text 100 4 | 0 105 A 3.75", "line 100 6 | 20 0 21 0", "text 100 4 | 0 106 B 3.75",
          "text 100 8 | 0 205 A 3.75", "text 100 8 | 0 206 B 3.75", "text 100 10 | 0 305 A 3.75",
          "text 100 10 | 0 306 B 3.75"}},
        {"a block placed where its lines cannot be written: the insertion is passed over, the next one places it",
         dxf({"  0", "SECTION", "  2", "BLOCKS", "  0", "BLOCK", "  2", "B", "  0", "LINE", " 10", "0", " 20", "0",
              " 11", "1", " 21", "0", "  0", "ENDBLK", "  0", "ENDSEC"}) +
             kEntities +
             dxf({"  0", "INSERT", "  2", "B", " 10", "1e41", " 20", "0", "  0", "INSERT", "  2", "B", " 10", "5",
                  " 20", "5", "  0", "INSERT", "  2", "B", " 10", "1e400", " 20", "0", "  0", "INSERT", "  2", "B",
                  " 10", "7", " 20", "7"}) +
             kEnd,
         {"line 100 2 | 5 5 6 5", "line 100 4 | 7 7 8 7", "told: 読み込めない要素が2個ありました。"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(readAsDrawing(scratch, c.bytes), c.made) << c.name;
}

TEST(DxfImport, EveryInsertPlacesTheEntitiesItsBlockHoldsWhereEzdxfPutsThem)
{
    // ezdxf expands each INSERT, wherever it stands, into its block's own entities (those of a
    // nested INSERT stay with that INSERT); the import places each of them as a group.
    const std::string expand = R"(
doc.saveas('in.dxf')
doc = ezdxf.readfile('in.dxf')
def xy(*points):
    return ''.join(' %.10g %.10g' % (p[0], p[1]) for p in points)
def describe(e):
    kind = e.dxftype()
    if kind == 'LINE':
        return 'line |' + xy(e.dxf.start, e.dxf.end)
    if kind == 'TEXT':
        return 'text |%s %s %.10g' % (xy(e.dxf.insert), e.dxf.text, e.dxf.height)
    return 'polygon |' + xy(*e.points())
read = ('LINE', 'TEXT', 'POLYLINE')
found = [describe(e) for e in doc.modelspace() if e.dxftype() in read]
for layout in [doc.modelspace()] + [b for b in doc.blocks if not b.is_any_layout]:
    for insert in layout.query('INSERT'):
        found += [describe(e) for e in insert.virtual_entities() if e.dxftype() in read]
print('\n'.join(sorted(found)))
)";
    const struct {
        const char* name;
        const char* blocks;
    } cases[] = {
        {"a text after two insertions of another block, its block placed three times", R"(
doc.blocks.new('INNER').add_line((0, 0), (1, 0))
outer = doc.blocks.new('OUTER')
outer.add_blockref('INNER', (10, 0))
outer.add_blockref('INNER', (20, 0))
outer.add_text('T', dxfattribs={'insert': (0, 5), 'height': 2})
for y in (100, 200, 300):
    msp.add_blockref('OUTER', (0, y))
)"},
        {"two levels, insertions between entities of each kind, blocks placed from both sections", R"(
doc.blocks.new('INNER').add_line((0, 0), (1, 0))
middle = doc.blocks.new('MIDDLE')
middle.add_text('M', dxfattribs={'insert': (0, 1), 'height': 2})
middle.add_blockref('INNER', (5, 0))
middle.add_polyline2d([(0, 0), (2, 0), (2, 2)], close=True)
middle.add_blockref('INNER', (7, 0))
middle.add_line((0, 3), (1, 3))
top = doc.blocks.new('TOP')
top.add_blockref('MIDDLE', (0, 10))
top.add_text('T', dxfattribs={'insert': (0, 20), 'height': 2})
top.add_blockref('MIDDLE', (0, 30))
top.add_polyline2d([(0, 0), (0, 4), (4, 4)])
msp.add_line((-1, -1), (-2, -2))
msp.add_blockref('TOP', (100, 0))
msp.add_blockref('MIDDLE', (200, 0))
msp.add_text('E', dxfattribs={'insert': (-5, -5), 'height': 2})
msp.add_blockref('TOP', (300, 0))
)"},
        {"a block inserting itself between its entities", R"(
block = doc.blocks.new('SELF')
block.add_line((0, 0), (1, 0))
block.add_blockref('SELF', (10, 0))
block.add_text('S', dxfattribs={'insert': (0, 2), 'height': 2})
block.add_polyline2d([(0, 0), (2, 0), (2, 2)], close=True)
msp.add_blockref('SELF', (0, 50))
msp.add_blockref('SELF', (0, 100))
)"},
    };
    ScratchFolder scratch;
    for (const auto& c : cases) {
        const std::string expected = runPython(scratch, std::string("import ezdxf\ndoc = ezdxf.new('R12')\n"
                                                                    "msp = doc.modelspace()\n") +
                                                            c.blocks + expand);
        IoDrawing drawing;
        ASSERT_EQ(drawing.importDxf(scratch.pathOf("in.dxf")), 1) << c.name;
        // Layers and groups left out: "line 100 6 | 10 20 11 20" is "line | 10 20 11 20".
        std::vector<std::string> placed;
        for (const std::string& element : drawing.elements())
            placed.push_back(element.substr(0, element.find(' ')) + element.substr(element.find(" |")));
        std::sort(placed.begin(), placed.end());
        std::string made;
        for (const std::string& element : placed)
            made += element + "\n";
        EXPECT_EQ(made, expected) << c.name;
    }
}

TEST(DxfImport, AFileThatIsNoDxfOrMakesTooManyElementsLeavesTheDrawingAsItWas)
{
    ScratchFolder scratch;
    MessageBoxScript boxes;
    // A block of 1,000 lines inserted so many times: 1,000 elements each (97 KB make a million).
    auto inserted = [](int times) {
        std::string bytes = dxf({"  0", "SECTION", "  2", "BLOCKS", "  0", "BLOCK", "  2", "B"});
        for (int i = 0; i < 1000; ++i)
            bytes += dxf({"  0", "LINE", " 10", std::to_string(i), " 20", "0", " 11", std::to_string(i), " 21", "1"});
        bytes += dxf({"  0", "ENDBLK", "  0", "ENDSEC"}) + kEntities;
        for (int i = 0; i < times; ++i)
            bytes += dxf({"  0", "INSERT", "  2", "B", " 10", "0", " 20", std::to_string(2 * i)});
        return bytes + kEnd;
    };
    const int fits = DxfEntityConverter::kMaxElements / 1000;
    IoDrawing drawing;
    ASSERT_EQ(drawing.addLine(0, 0, 1, 1), 1);
    const int groups = drawing.context.idSet->lastGroup;
    EXPECT_EQ(drawing.importDxf(scratch.file("many.dxf", inserted(fits + 1))), 0);
    EXPECT_EQ(drawing.importDxf(scratch.file("photo.dxf", "\x89PNG\r\n\x1a\n")), 0);
    EXPECT_EQ(boxes.texts(), "要素が多すぎるため、読み込みを中止しました。 | Read Error");
    EXPECT_EQ(drawing.elements(), std::vector<std::string>{"line 100 0 | 0 0 1 1"});
    EXPECT_EQ(drawing.context.idSet->lastGroup, groups);

    boxes.clear();
    ASSERT_EQ(drawing.importDxf(scratch.file("one.dxf", kEntities + kLine + kEnd)), 1);
    EXPECT_EQ(drawing.elements(), (std::vector<std::string>{"line 100 0 | 0 0 1 1", "line 5 0 | 1 2 3 4"}));
    IoDrawing large;
    ASSERT_EQ(large.importDxf(scratch.file("fits.dxf", inserted(fits))), 1);
    EXPECT_EQ(large.context.elementCount(), fits * 1000);
    EXPECT_EQ(boxes.texts(), "");
}

namespace {

// A file with a header, a layer table, a block and one entity of every kind read.
std::string sampleFile()
{
    return dxf({"  0", "SECTION", "  2", "HEADER", "  9", "$ACADVER", "  1", "AC1009", "  9", "$DWGCODEPAGE", "  3",
                "ANSI_932", "  0", "ENDSEC", "  0", "SECTION", "  2", "TABLES", "  0", "TABLE", "  2", "LAYER", "  0",
                "LAYER", "  2", "3", " 70", "0", "  0", "ENDTAB", "  0", "ENDSEC", "  0", "SECTION", "  2", "BLOCKS",
                "  0", "BLOCK", "  2", "B1", " 10", "0", "  0", "LINE", " 10", "0", " 20", "0", " 11", "1", " 21",
                "1", "  0", "ENDBLK", "  0", "ENDSEC"}) +
           kEntities + kLine +
           dxf({"  0", "ARC", "  8", "4", " 10", "50", " 20", "50", " 40", "10", " 50", "0", " 51", "180", "  0",
                "POLYLINE", "  8", "7", " 66", "1", " 70", "1", "  0", "VERTEX", " 10", "0", " 20", "0", "  0",
                "VERTEX", " 10", "30", " 20", "0", "  0", "VERTEX", " 10", "30", " 20", "15", "  0", "SEQEND", "  0",
                "TEXT", "  8", "9", " 10", "1", " 20", "2", " 40", "5", "  1", "表ソ", "  0", "INSERT", "  2", "B1",
                " 10", "10", " 20", "20", "  0", "INSERT", "  2", "B1", " 10", "5", " 20", "5"}) +
           kEnd;
}

} // namespace

TEST(DxfImport, EveryCutAndThousandsOfMutationsReadSafelyKeepingWhatCameBefore)
{
    MessageBoxScript boxes; // a damaged file may be told about; none blocks
    ScratchFolder scratch;
    const std::string good = sampleFile();
    const std::vector<std::string> whole = readAsDrawing(scratch, good);
    ASSERT_EQ(whole.size(), 6u) << "block line, line, arc, polygon, text, copy of the block";

    // Where the block's line and each entity end (their last value line): cut there or later,
    // they are read, and the entities read are those of the whole file (the insertions move
    // only the block's line).
    const size_t blockEnd = good.find("\r\n 21\r\n1\r\n") + 10;
    std::vector<size_t> complete;
    for (const char* last : {"\r\n 21\r\n4\r\n", "\r\n 51\r\n180\r\n", "SEQEND\r\n", "表ソ\r\n"})
        complete.push_back(good.find(last) + std::string(last).size());
    for (size_t length = 0; length <= good.size(); ++length) {
        const std::vector<std::string> made = readAsDrawing(scratch, good.substr(0, length));
        const size_t first = length >= blockEnd ? 1 : 0;
        size_t entities = 0;
        for (size_t end : complete)
            entities += length >= end ? 1 : 0;
        ASSERT_GE(made.size(), first + entities) << "cut at " << length;
        for (size_t i = 0; i < entities; ++i)
            ASSERT_EQ(made[first + i], whole[1 + i]) << "cut at " << length;
    }

    std::mt19937 random(20240701);
    for (int round = 0; round < 2000; ++round) {
        const std::string bytes = mutateBytes(good, random, "0123456789-.e \r\n\x81\x5C", "0");
        // Each entity takes some twenty bytes and every INSERT copies one block line at most.
        ASSERT_LE(readAsDrawing(scratch, bytes).size(), bytes.size() / 10 + 1) << "round " << round;
        boxes.clear();
    }
}

// The import takes an entity's layer, points, vertices and a text's height and rotation; colour,
// lineweight, thickness and line type it leaves at the defaults. Each entity saves with the
// defaults for what it leaves out, never with what an entity before it gave: the text after the
// arc takes neither the arc's radius (group 40, a text's height) nor its start angle (group 50, a
// text's rotation).
TEST(DxfImport, AnEntityThatLeavesAValueOutSavesWithTheDefault)
{
    ScratchFolder scratch;
    const std::string file =
        kEntities +
        dxf({"  0", "LINE", "  8", "5", "  6", "DASHED", " 62", "1", "370", "50", " 39", "2", " 10", "1", " 20", "2",
             " 11", "3", " 21", "4"}) +
        dxf({"  0", "ARC", "  8", "4", " 62", "5", "370", "35", " 10", "50", " 20", "50", " 40", "10", " 50", "30",
             " 51", "180"}) +
        dxf({"  0", "TEXT", " 10", "1", " 20", "2", "  1", "A"}) +
        dxf({"  0", "TEXT", "  8", "WALLS", " 62", "3", " 10", "5", " 20", "6", " 40", "5", " 50", "45", "  1", "B"}) +
        dxf({"  0", "POLYLINE", "  8", "7", " 62", "2", "370", "100", " 66", "1", " 70", "1", "  0", "VERTEX", " 10",
             "0", " 20", "0", "  0", "VERTEX", " 10", "30", " 20", "0", "  0", "VERTEX", " 10", "30", " 20", "15",
             "  0", "SEQEND"}) +
        dxf({"  0", "TEXT", " 10", "7", " 20", "8", "  1", "C"}) +
        dxf({"  0", "POLYLINE", " 66", "1", "  0", "VERTEX", " 10", "1", " 20", "1", "  0", "VERTEX", " 10", "2",
             " 20", "2", "  0", "SEQEND"}) +
        dxf({"  0", "LINE", " 10", "9", " 20", "8", " 11", "7", " 21", "6"}) + kEnd;
    IoDrawing drawing;
    ASSERT_EQ(drawing.importDxf(scratch.file("mixed.dxf", file)), 1);
    EXPECT_EQ(drawing.savedElements(scratch.pathOf("mixed.ycx")),
              (std::vector<std::string>{
                  "<line><layer>5</layer>" + kSavedBlack +
                      "<startPoint><x>1</x><y>2</y></startPoint><endPoint><x>3</x><y>4</y></endPoint>" + kSavedStroke +
                      kSavedLineEnds + "</line>",
                  "<arc><layer>4</layer>" + kSavedBlack +
                      "<startPoint><x>40</x><y>50</y></startPoint><endPoint><x>58.66025</x><y>55</y></endPoint>"
                      "<midPoint><x>47.4118</x><y>59.65925</y></midPoint>" +
                      kSavedStroke + "</arc>",
                  savedText("1", "2", "0", "3.75", "A"),
                  savedText("5", "6", "45", "5", "B"),
                  "<polygon><layer>7</layer>" + kSavedAreas + kSavedStroke +
                      "<listXY><nums>3</nums><xyAray>0,0,30,0,30,15</xyAray></listXY></polygon>",
                  savedText("7", "8", "0", "3.75", "C"),
                  "<polygon><layer>100</layer>" + kSavedAreas + kSavedStroke +
                      "<listXY><nums>2</nums><xyAray>1,1,2,2</xyAray></listXY></polygon>",
                  "<line><layer>100</layer>" + kSavedBlack +
                      "<startPoint><x>9</x><y>8</y></startPoint><endPoint><x>7</x><y>6</y></endPoint>" + kSavedStroke +
                      kSavedLineEnds + "</line>",
              }));
}
