// The settings file's syntax: names and values as the reader splits them, Shift-JIS pairs kept
// whole, values cut to their buffers, and the number and line forms the writer gives.
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <utility>

#include "shell/settings/SettingsIds.h"
#include "tests/shell/settings/SettingsFixture.h"

namespace {
// "レイヤー" and "ソ" in Shift-JIS: the trail byte of "ー" is "[", that of "ソ" is "\".
const char kLayerWord[] = "\x83\x8C\x83\x43\x83\x84\x81\x5B";
const char kSo[] = "\x83\x5C";

std::string flagsOf(const SettingsFile& file)
{
    std::string flags;
    for (int i = 0; i < 4; ++i)
        flags += file.getDelimiterFlag(i) ? '1' : '0';
    return flags;
}
} // namespace

TEST(SettingsFile, TheReaderSplitsNamesAndValuesAtTheirDelimiters)
{
    // Each step: what is read and what it gives (result, then the flags [ = , ]).
    enum Read { Key, Int, Bool, Text, Token };
    struct Step {
        Read read;
        int result;
        std::string flags;
        std::string value; // the id and kind of a key ("10110/1"), else the value read
    };
    struct Case {
        const char* what;
        std::string bytes;
        std::vector<Step> steps;
    };
    const std::string longName(100, 'A');
    const std::string cutPair = std::string(78, 'B') + kSo + "CC";
    const Case cases[] = {
        {"a section line", "[DISPTOOLBAR]\r\n", {{Key, 1, "1001", "10110/1"}}},
        {"a key with three values", "DISPLAYDPI=1,2,3\r\nHOWTOPICK=4\r\n",
         {{Key, 1, "0100", "1011/2"},
          {Int, 1, "0010", "1"},
          {Int, 1, "0010", "2"},
          {Int, 1, "0000", "3"},
          {Key, 1, "0100", "1013/2"}}},
        {"booleans are upper case", "DISPTOOLHINT=true,TRUE,FALSE\r\n",
         {{Key, 1, "0100", "10111/2"}, {Bool, 1, "0010", "0"}, {Bool, 1, "0010", "1"}, {Bool, 1, "0000", "0"}}},
        {"a value that ends the file is taken, a read after the end is not", "DISPLAYDPI=96",
         {{Key, 1, "0100", "1011/2"},
          {Int, 1, "0000", "96"},
          {Int, 0, "0000", "untouched"},
          {Key, 0, "0000", "1011/2"}}},
        {"blank lines and unknown names", "\r\n\r\nNOSUCHKEY=5\r\n[NOSUCH]\r\n",
         {{Key, 1, "0100", "-1/-1"}, {Int, 1, "0000", "5"}, {Key, 1, "1001", "-1/-1"}}},
        {"quoted Shift-JIS names keep their bytes", std::string("LAYERITEM=7,\"") + kLayerWord + kSo + "\"\r\n",
         {{Key, 1, "0100", "15061/2"}, {Int, 1, "0010", "7"}, {Text, 1, "0000", std::string(kLayerWord) + kSo}}},
        {"a name of 100 bytes keeps 79, the rest is dropped", longName + "=5\r\n",
         {{Token, 1, "0100", std::string(79, 'A')}, {Int, 1, "0000", "5"}}},
        {"a pair that does not fit whole is left out", cutPair + "=5\r\n",
         {{Token, 1, "0100", std::string(78, 'B')}, {Int, 1, "0000", "5"}}},
        {"a value too long for its buffer is cut, not read as the next", "FILEDIR=\"ABCDEFG\",9\r\n",
         {{Key, 1, "0100", "15071/2"}, {Text, 1, "0010", "ABC"}, {Int, 1, "0000", "9"}}},
        {"a cut value never splits a pair", std::string("FILEDIR=") + kSo + kSo + ",9\r\n",
         {{Key, 1, "0100", "15071/2"}, {Text, 1, "0010", kSo}, {Int, 1, "0000", "9"}}},
    };
    for (const Case& c : cases) {
        SettingsBytes bytes(c.bytes);
        AppSettingsFile& file = bytes.file;
        for (size_t i = 0; i < c.steps.size(); ++i) {
            const Step& step = c.steps[i];
            std::string got;
            int result = 0;
            switch (step.read) {
            case Key:
                result = file.readKey();
                got = std::to_string(file.currentId()) + "/" + std::to_string(file.currentKind());
                break;
            case Int:
            case Bool: {
                int value = -12345;
                result = step.read == Int ? file.readInt(value) : file.readBool(value);
                got = value == -12345 ? "untouched" : std::to_string(value);
                break;
            }
            case Text: {
                char text[4] = "";
                char wide[100] = "";
                // The cut cases read into 4 bytes.
                const bool narrow = step.value.size() < 4;
                result = narrow ? file.readString(text, sizeof text) : file.readString(wide, sizeof wide);
                got = narrow ? text : wide;
                break;
            }
            case Token: {
                char token[BufferedSettingsFile::kTokenSize];
                result = file.readToken(token);
                got = token;
                break;
            }
            }
            EXPECT_EQ(result, step.result) << c.what << ", step " << i;
            EXPECT_EQ(flagsOf(file), step.flags) << c.what << ", step " << i;
            EXPECT_EQ(got, step.value) << c.what << ", step " << i;
        }
    }
}

TEST(SettingsFile, NumbersAreCutToTheirDecimalsAndLoseTrailingZeros)
{
    struct Case {
        double value;
        int decimals;
        int rounded;
        const char* text;
    };
    const Case cases[] = {
        {2.50, 2, 0, "2.5"},    {3.0, 2, 0, "3"},      {-0.125, 2, 0, "-0.12"}, {-0.125, 2, 1, "-0.13"},
        {0.12, 2, 0, "0.12"},   {2.3, 6, 0, "2.3"},    {12.34, 3, 0, "12.34"},  {1e300, 2, 0, nullptr},
    };
    for (const Case& c : cases) {
        int result = -1;
        const std::string bytes = writtenBytes([&](BufferedSettingsFile& file) {
            result = c.rounded ? file.writeDoubleRounded(c.value, c.decimals, 1, 1)
                               : file.writeDouble(c.value, c.decimals, 1, 1);
            return result;
        });
        if (!c.text) {
            // A number that has no text fails like a write, never as a wrong value.
            EXPECT_EQ(result, 0) << c.value;
            EXPECT_EQ(bytes, "") << c.value;
            continue;
        }
        EXPECT_EQ(result, 1) << c.value;
        EXPECT_EQ(bytes, std::string(c.text) + ",\r\n") << c.value;
        SettingsBytes back("X=" + bytes);
        double read = 0.0;
        ASSERT_EQ(back.file.readKey(), 1);
        ASSERT_EQ(back.file.readDouble(read), 1);
        EXPECT_EQ(read, std::stod(c.text)) << c.value;
    }
}

TEST(SettingsFile, TheWriterGivesSectionLinesAndKeyLines)
{
    const std::string bytes = writtenBytes([](BufferedSettingsFile& file) {
        return file.writeSection(settings_id::DrawEnvironment) && file.writeKey(settings_id::DisplayDpi) &&
               file.writeInt(-96, 0, 1) && file.writeKey(settings_id::DispToolHint) && file.writeBool(1, 1, 0) &&
               file.writeBool(0, 0, 1) && file.writeKey(settings_id::HowToPick) && file.writeQuoted("WHOLE", 0, 1) &&
               file.writeLong(7, 1, 0) && file.writeValue("x", 0, 1) &&
               // Unregistered ids write nothing and fail.
               !file.writeSection(4242) && !file.writeKey(4242);
    });
    EXPECT_EQ(bytes, "[DRAWENVIRONMENT]\r\nDISPLAYDPI=-96\r\nDISPTOOLHINT=TRUE,FALSE\r\nHOWTOPICK=\"WHOLE\"\r\n7,x\r\n");
}

TEST(SettingsFile, EverySectionAndKeyIsBoundToItsName)
{
    // id:NAME of every section and key the application's file knows.
    const char kSections[] =
        "10110:DISPTOOLBAR 10120:FONTCHGTABLE 10130:SHORTCUTKEYTABLE 10140:PSFONTFACETABLE 10150:PDFFONTFACETABLE "
        "1010:DRAWENVIRONMENT 15010:YOUSI 15040:GRID 15060:LAYERNAME 15070:FILEINFO 15080:INKINFO 15110:SETSENGA "
        "15210:SETTEXT 15310:SETBEZIER 15410:SETMEASURE 15801:PARTS01 15802:PARTS02 15803:PARTS03 15804:PARTS04 "
        "15805:PARTS05 15610:SETHONBUN 15620:SETCOLUMN 15630:SETNONBURU 15640:SETHASIRA 15650:SETMOKUJI "
        "15660:SETSAKUIN 15710:SETSTRING 15720:SETCELL 15750:SETWAKUAKE";
    const char kKeys[] =
        "10111:DISPTOOLHINT 10112:DISPTLBARPOS 10121:FONTINTODSP 10131:SHORTCUTKEY 10141:PSNAMEFACE "
        "10142:PSTT2NAME 10151:PDFNAMEFACE 10152:PDFTT2NAME 15011:YOUSITATE 15012:YOUSIYOKO 15013:SCALEBSI "
        "15014:SCALEBBO 15020:TONBOEGDECOLOR 15021:TONBOAREACOLOR 15022:TONBOEGDEDISP 15023:TONBOAREADISP "
        "15024:TONBOTOP 15025:TONBOLEFT 15026:TONBORIGHT 15027:TONBOBOTTOM 15030:YOHAKUEGDECOLOR "
        "15031:YOHAKUAREACOLOR 15032:YOHAKUEGDEDISP 15033:YOHAKUAREADISP 15034:YOHAKUTOP 15035:YOHAKULEFT "
        "15036:YOHAKURIGHT 15037:YOHAKUBOTTOM 15039:ZAHYOTYPE 15041:GRIDTYPE 15042:GRIDYOKOUNIT 15043:GRIDYOKOBSI "
        "15044:GRIDYOKOBBO 15045:GRIDTATEUNIT 15046:GRIDTATEBSI 15047:GRIDTATEBBO 15048:GRIDOROGINX "
        "15049:GRIDOROGINY 15050:GRIDORIGINZUKEI 15051:GRIDPLUSCOLOR 15052:GRIDMINUSCOLOR 15053:GRIDORIGINCOLOR "
        "15054:GRIDPOS 15061:LAYERITEM 15071:FILEDIR 15072:PDFDIR 15081:MAKER 15082:1 15083:2 15084:3 15085:4 "
        "15086:5 15111:LAYERNO 15114:LINESIZE 15115:LINESTYLE 15116:LINEORIGIN 15117:LINECAP 15211:TEXTCOLOR "
        "15212:TEXTCMYK 15213:TEXTNOSE 15214:TEXTUSEINK 15215:FONTNAME 15216:FONTSTYLE 15217:FONTSIZE 15221:JITAI "
        "15222:JITAIPSNT 15223:SHATAI 15224:SHATAIPSNT 15231:KANANAME 15232:ZSUJINAME 15233:OUBUNNAME "
        "15234:HSUJINAME 15241:KANASTYLE 15242:ZSUJISTYLE 15243:OUBUNSTYLE 15244:HSUJISTYLE 15311:EDGECOLOR "
        "15312:PAINTCOLOR 15313:PATTERNCOLOR 15314:EDGEDRAWSW 15315:PAINTDRAWSW 15316:AREAPATTERN "
        "15317:PATTERNSPACEX 15318:PATTERNSPACEY 15321:EDGECMYK 15322:PAINTCMYK 15323:PATERNCMYK 15324:EDGENOSE "
        "15325:PAINTNOSE 15326:PATERNNOSE 15327:EDGEUSEINK 15328:PAINTUSEINK 15329:PATERNUSEINK 15411:ULINECOLOR "
        "15412:DRAWCOLOR 15413:ARROWCOLOR 15414:ULINECMYK 15415:DRAWCMYK 15416:ARROWCMYK 15417:ULINENOSE "
        "15418:DRAWNOSE 15419:ARROWNOSE 15420:ULINEUSEINK 15421:DRAWUSEINK 15422:ARROWUSEINK 15423:DECIMALNUM "
        "15424:NUMERALPOS 15425:MSRUNIT 15426:KDOUNIT 15427:UNITDISP 15428:ANGLETYPE 15429:NUMERALSPACE "
        "15431:MIRITEXT 15432:INCHITEXT 15433:KYUTEXT 15434:POINTTEXT 15435:MICRONTEXT 15436:CENTITEXT "
        "15437:METRETEXT 15438:DEGREETEXT 15441:ULINELSIZE 15451:DRAWLSTYLE 15452:DRAWLSIZE 15453:DRAWSPACE "
        "15454:DRAWOVER 15461:ARROWSTYLE 15462:ARROWLSIZE 15463:ARROWLENGTH 15464:ARROWLEAN 15811:PARTSNAME "
        "15611:LAYOUTCOLOR 15612:KUMITYPE 15613:GYOSOROE 15614:DANSUU 15615:DANKAN 15616:MARGINT 15617:MARGINL "
        "15618:MARGINR 15619:MARGINB 15621:JIZUME 15622:GYOSUU 15623:JIKAN 15624:GYOKAN 15625:WAKUDISP "
        "15651:BUNTXTCOLOR 15652:BUNULNCOLOR 15653:TEXTCHECK 15654:BUNTXTCHECK 15655:BUNULNCHECK 15721:HAKOSOROE "
        "15722:NAGASIKOMI 15723:TTCYUYOKO 15724:KINSOKU 15725:HANYAKU 1011:DISPLAYDPI 1013:HOWTOPICK 1014:PICKRGB "
        "1012:COLORMODEL";
    AppSettingsFile file;
    const SettingsKeyTable& table = file.keyTable();
    int count = 0;
    for (const auto& list : {std::make_pair(kSections, SettingsKeyTable::kSection),
                             std::make_pair(kKeys, SettingsKeyTable::kKey)}) {
        std::istringstream entries(list.first);
        std::string entry;
        while (entries >> entry) {
            ++count;
            const int id = std::stoi(entry.substr(0, entry.find(':')));
            const std::string name = entry.substr(entry.find(':') + 1);
            int foundId = -1;
            int foundKind = -1;
            EXPECT_EQ(table.lookupName(name.c_str(), foundId, foundKind), 1) << name;
            EXPECT_EQ(foundId, id) << name;
            EXPECT_EQ(foundKind, list.second) << name;
            char back[SettingsKeyTable::kNameSize] = "";
            EXPECT_EQ(table.nameOf(id, back, sizeof back), 1) << name;
            EXPECT_EQ(std::string(back), name);
        }
    }
    EXPECT_EQ(count, table.count()) << "nothing registered beyond these";
    // A name bound twice is found by its first binding; the second id has its own name.
    file.registerKey(99999, "YOUSI");
    int id = 0;
    int kind = 0;
    ASSERT_EQ(file.keyTable().lookupName("YOUSI", id, kind), 1);
    EXPECT_EQ(id, 15010);
    EXPECT_EQ(kind, SettingsKeyTable::kSection);
    EXPECT_STREQ(file.keyTable().findName(99999), "YOUSI");
    EXPECT_EQ(file.keyTable().lookupName("yousi", id, kind), 0) << "names compare byte for byte";
    EXPECT_EQ(file.keyTable().indexOfId(4242), -1);
}
