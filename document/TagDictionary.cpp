#include "document/TagDictionary.h"

#include <cstring>
#include <new>

#include "platform/StringUtil.h"

namespace {

struct TagName {
    uint32_t id;
    const char* name;
};

// The element keywords in the order of the element kind registry: kinds 1 to 19, then a second
// record of kind 15 under the older keyword "angle", which therefore only reads.
const TagName elementKeywords[] = {
    {1, "line"}, {2, "breakline"}, {3, "arcbreakline"}, {4, "spline"}, {5, "box"},
    {6, "arc"}, {7, "circle"}, {8, "polygon"}, {9, "arcpolygon"}, {10, "oval"},
    {11, "bezier3"}, {12, "text"}, {13, "textline"}, {14, "measure"}, {15, "msrangle"},
    {16, "msrradius"}, {17, "msrdiameter"}, {18, "bitmap"}, {19, "picture"}, {15, "angle"},
};

// The fixed vocabulary, group by group in registration order. The spellings ("Egde", "Aray",
// "patern", "tonbo", "yohaku" ...) are those of the stored files and must not be corrected.
const TagName fixedTags[] = {
    // Document structure.
    {1001, "tesvanCADml"}, {1002, "tesvanDTPml"}, {1011, "header"}, {1021, "maintext"},
    {1030, "pagedata"}, {1031, "page"}, {1032, "dspedpage"}, {1033, "pageheader"},
    {1034, "honbunheader"}, {1081, "entities"},
    // Paper, scale, trim marks, margins, coordinates.
    {1110, "paperSize"}, {1111, "horizontal"}, {1112, "vertical"}, {1120, "drawScale"},
    {1121, "numerator"}, {1122, "denominator"}, {1130, "tonbo"}, {1131, "tonboEgdeColor"},
    {1132, "tonboAreaColor"}, {1133, "tonboEgdeDisp"}, {1134, "tonboAreaDisp"}, {1135, "tonboTop"},
    {1136, "tonboLeft"}, {1137, "tonboRight"}, {1138, "tonboBottom"}, {1140, "yohaku"},
    {1141, "yohakuEgdeColor"}, {1142, "yohakuAreaColor"}, {1143, "yohakuEgdeDisp"},
    {1144, "yohakuAreaDisp"}, {1145, "yohakuTop"}, {1146, "yohakuLeft"}, {1147, "yohakuRight"},
    {1148, "yohakuBottom"}, {1151, "zahyoType"}, {1152, "zahyoScaleType"}, {1153, "yZahyo"},
    // Grid.
    {1160, "grid"}, {1161, "gridType"}, {1162, "gridHorz"}, {1163, "gridVert"},
    {1164, "gridPosition"}, {1165, "origin"}, {1166, "originDesign"}, {1167, "plusColor"},
    {1168, "minusColor"}, {1169, "originColor"},
    // Print.
    {2100, "print"}, {2101, "offset"}, {2102, "psout"}, {2120, "autoTombo"}, {2121, "chkOut"},
    {2130, "chkTati"}, {2131, "tatiLen"}, {2140, "chkNuritasi"}, {2141, "nuritasiLen"},
    {2150, "chkCenter"}, {2160, "chkOriTate"}, {2161, "oriTateNum"}, {2170, "chkOriYoko"},
    {2171, "oriYokoNum"}, {2200, "colorBunpan"},
    // Ink.
    {1170, "inkInfo"}, {1171, "maker"},
    // Element membership.
    {1401, "layer"}, {1403, "group"}, {1405, "unique"},
    // Colour.
    {1410, "rgbColor"}, {1411, "cmykColor"}, {1412, "cmykPercent"}, {1413, "overPrint"},
    {1414, "onOff"}, {1415, "inkNumber"}, {1416, "useInk"}, {1420, "edge"}, {1421, "paint"},
    {1422, "draw"}, {1423, "drawType"},
    // Colour components.
    {3101, "cyan"}, {3102, "magenta"}, {3103, "yellow"}, {3104, "black"}, {3105, "special1"},
    {3106, "special2"}, {3107, "special3"}, {3108, "special4"}, {3109, "special5"},
    {3111, "edgeC"}, {3112, "edgeM"}, {3113, "edgeY"}, {3114, "edgeK"}, {3115, "edgeGray"},
    {3121, "paintC"}, {3122, "paintM"}, {3123, "paintY"}, {3124, "paintK"},
    {3131, "paternC"}, {3132, "paternM"}, {3133, "paternY"}, {3134, "paternK"},
    {3141, "numeralC"}, {3142, "numeralM"}, {3143, "numeralY"}, {3144, "numeralK"},
    {3151, "ulineC"}, {3152, "ulineM"}, {3153, "ulineY"}, {3154, "ulineK"},
    {3161, "arrowC"}, {3162, "arrowM"}, {3163, "arrowY"}, {3164, "arrowK"},
    {3171, "dlineC"}, {3172, "dlineM"}, {3173, "dlineY"}, {3174, "dlineK"},
    // Points and point lists, with the vertex rounding list and the coordinates.
    {1450, "startPoint"}, {1451, "endPoint"}, {1452, "midPoint"}, {1453, "centerPoint"},
    {1454, "dispPoint"}, {1460, "listXY"}, {1461, "nums"}, {1462, "aray"}, {1463, "xyAray"},
    {1464, "typeXyAray"}, {1565, "roundAray"}, {1566, "doubleAray"},
    {3201, "startX"}, {3202, "startY"}, {3203, "endX"}, {3204, "endY"}, {3205, "middleX"},
    {3206, "middleY"}, {3207, "centerX"}, {3208, "centerY"}, {3209, "dispX"}, {3210, "dispY"},
    {3211, "xyNums"}, {3212, "typeXyNums"},
    // Line, hatch, gray and shape parameters, with rules, rounding and margins.
    {1470, "lineType"}, {1471, "style"}, {1473, "jisen"}, {1474, "kuhaku"}, {1475, "sasen"},
    {1481, "pattern"}, {1491, "lineSize"}, {1492, "lineOrigin"}, {1493, "lineCap"},
    {1510, "gray"}, {1511, "halfTone"}, {1512, "type"}, {1513, "vector"}, {1514, "cuts"},
    {1515, "startGray"}, {1516, "endGray"}, {1517, "sensuu"}, {1518, "kakudoC"},
    {1519, "kakudoM"}, {1520, "kakudoY"}, {1521, "kakudoK"}, {1531, "openClose"},
    {1533, "ovalType"}, {1541, "radius"}, {1542, "radiusAray"}, {1543, "radNum"},
    {1544, "radNumAray"}, {1545, "sttAngle"}, {1546, "endAngle"}, {1551, "diameter"},
    {1552, "diameterAray"}, {1553, "diaNum"}, {1554, "diaNumAray"}, {1560, "boxRules"},
    {1561, "boxRound"}, {1562, "rightTop"}, {1563, "leftTop"}, {1564, "leftBottom"},
    {1565, "rightBottom"}, {1570, "margin"}, {1571, "top"}, {1572, "left"}, {1573, "right"},
    {1574, "bottom"},
    {3301, "rulesHorz"}, {3302, "rulesVert"}, {3311, "roundRT"}, {3312, "roundLT"},
    {3313, "roundLB"}, {3314, "roundRB"}, {3321, "lineStyle"}, {3331, "paternDx"},
    {3332, "paternDy"}, {3341, "marginTop"}, {3342, "marginLeft"}, {3343, "marginRight"},
    {3344, "marginBottom"},
    // Default-setting sections.
    {1201, "setGeometry"}, {1202, "setText"}, {1203, "setBezier"}, {1204, "setMeasure"},
    {1211, "edgeColor"}, {1212, "paintColor"}, {1213, "patternColor"}, {1214, "textColor"},
    {1215, "ulineColor"}, {1216, "drawColor"}, {1217, "arrowColor"}, {1300, "setHonbun"},
    {1301, "layoutColor"}, {1302, "setColumn"}, {1303, "setHasira"}, {1304, "setNonburu"},
    {1305, "setMokuji"}, {1306, "setSakuin"}, {1307, "setString"}, {1308, "setCell"},
    {1310, "setWakuake"}, {1311, "wakuDisp"}, {1370, "setParts"}, {1371, "partsOrigin"},
    // Measures, arrows, units, with their settings.
    {1601, "numeral"}, {1602, "decimalNum"}, {1603, "numeralPos"}, {1605, "angleType"},
    {1611, "underLine"}, {1621, "drawLine"}, {1625, "space"}, {1626, "spacex"},
    {1627, "spacey"}, {1628, "over"}, {1631, "arrowLine"}, {1635, "lean"}, {1641, "unit"},
    {1642, "angleUnit"}, {1643, "unitDisp"}, {1651, "miriText"}, {1652, "inchiText"},
    {1653, "kyuText"}, {1654, "pointText"}, {1655, "micronText"}, {1656, "centiText"},
    {1657, "metreText"}, {1658, "degreeText"},
    {3401, "numeralDecNum"}, {3403, "numeralUnit"}, {3404, "numeralAngleUnit"},
    {3405, "numeralUnitDsp"}, {3406, "numeralAngleType"}, {3407, "numeralSpace"},
    {3411, "ulineStyle"}, {3412, "ulineSize"}, {3421, "arrowStyle"}, {3422, "arrowSize"},
    {3423, "arrowLength"}, {3424, "arrowLean"}, {3431, "dlineStyle"}, {3432, "dlineSize"},
    {3433, "dlineSpace"}, {3434, "dlineOver"},
    // Text, with faces and decoration.
    {1701, "font"}, {1702, "textSize"}, {1703, "textStyle"}, {1704, "textFont"},
    {1705, "textData"}, {1706, "length"}, {1707, "data"}, {1711, "jikan"}, {1712, "gyokan"},
    {1714, "dansu"}, {1715, "dankan"}, {1717, "gsoroe"}, {1718, "hakosoroe"},
    {1719, "kumitype"}, {1721, "jizume"}, {1722, "gyosuu"}, {1726, "hanyakumono"},
    {1727, "kinsoku"}, {1728, "tatecyuyoko"}, {1729, "nagasikomi"}, {1731, "jitai"},
    {1732, "jitaiType"}, {1733, "jitaiPsnt"}, {1734, "shataiType"}, {1735, "shataiPsnt"},
    {1741, "embellish"}, {1742, "direction"}, {1743, "distance"}, {1744, "mesh2"},
    {1750, "cellContent"}, {1751, "id"}, {1752, "currency"}, {1753, "kanma3"},
    {1754, "tenikaKeta"}, {1755, "substance"},
    {3501, "textLen"}, {3511, "wabunFace"}, {3512, "wabunStyle"}, {3513, "kanaFace"},
    {3514, "kanaStyle"}, {3515, "zsujiFace"}, {3516, "zsujiStyle"}, {3521, "oubunFace"},
    {3522, "oubunStyle"}, {3523, "hsujiFace"}, {3524, "hsujiStyle"}, {3531, "syushoku"},
    {3532, "sskType"}, {3533, "sskHoukou1"}, {3534, "sskKyori1"}, {3535, "sskPsnt2"},
    {3536, "sskFutosa1"}, {3537, "sskshadowC"}, {3538, "sskshadowM"}, {3539, "sskshadowY"},
    {3540, "sskshadowK"}, {3541, "sskedgeC"}, {3542, "sskedgeM"}, {3543, "sskedgeY"},
    {3544, "sskedgeK"},
    // Images.
    {1801, "bitmapParam"}, {1802, "width"}, {1803, "height"}, {1804, "bitSamp"},
    {1805, "bitmapData"}, {1806, "startPos"}, {1807, "arrange"}, {1808, "binLength"},
    {1809, "binHex"}, {1811, "imageType"}, {1812, "fileName"}, {1820, "mask"},
    {1821, "maskXyNums"}, {1822, "maskXyAray"},
    // Short tags.
    {2801, "1"}, {2802, "2"}, {2803, "3"}, {2804, "4"}, {2805, "5"}, {2902, "b"}, {2903, "c"},
    {2907, "g"}, {2911, "k"}, {2913, "m"}, {2916, "p"}, {2918, "r"}, {2919, "s"}, {2924, "x"},
    {2925, "y"},
};

static_assert(sizeof elementKeywords / sizeof elementKeywords[0] == 20, "20 kind records");
static_assert(sizeof fixedTags / sizeof fixedTags[0] == 349, "349 fixed tags");

// FNV-1a over the name's bytes.
inline uint32_t hashName(const char* name, int length)
{
    uint32_t h = 2166136261u;
    for (int i = 0; i < length; ++i) {
        h ^= static_cast<unsigned char>(name[i]);
        h *= 16777619u;
    }
    return h;
}

inline uint32_t hashId(uint32_t id) { return id * 2654435761u; }

} // namespace

TagDictionary::TagDictionary()
{
    if (entries.allocate())
        registerTags();
    buildIndexes();
}

TagDictionary::~TagDictionary()
{
    if (table)
        entries.unlock();
    delete[] nameSlots;
    delete[] idSlots;
}

void TagDictionary::addEntry(uint32_t id, const char* name)
{
    Entry entry = {};
    entry.id = id;
    StringUtil::copy(entry.name, name);
    entry.aliasId = id;
    entries.append(&entry);
}

void TagDictionary::registerTags()
{
    for (const TagName& tag : elementKeywords)
        addEntry(tag.id, tag.name);
    for (const TagName& tag : fixedTags)
        addEntry(tag.id, tag.name);
}

void TagDictionary::buildIndexes()
{
    nameSlots = new (std::nothrow) int16_t[kSlots]();
    idSlots = new (std::nothrow) int16_t[kSlots]();
    table = entries.count > 0 ? static_cast<const Entry*>(entries.lock()) : nullptr;
    if (!nameSlots || !idSlots || !table)
        return;
    // Less than half full, so every probe ends at an empty slot.
    const int indexed = entries.count < kSlots / 2 ? entries.count : kSlots / 2;
    for (int i = 0; i < indexed; ++i) {
        const Entry& entry = table[i];
        // A key already present keeps its first entry.
        uint32_t slot = hashName(entry.name, StringUtil::length(entry.name)) & (kSlots - 1);
        bool known = false;
        while (nameSlots[slot] && !known) {
            known = std::strcmp(table[nameSlots[slot] - 1].name, entry.name) == 0;
            slot = (slot + 1) & (kSlots - 1);
        }
        if (!known)
            nameSlots[slot] = static_cast<int16_t>(i + 1);
        slot = hashId(entry.id) & (kSlots - 1);
        known = false;
        while (idSlots[slot] && !known) {
            known = table[idSlots[slot] - 1].id == entry.id;
            slot = (slot + 1) & (kSlots - 1);
        }
        if (!known)
            idSlots[slot] = static_cast<int16_t>(i + 1);
    }
}

const char* TagDictionary::findName(uint32_t id) const
{
    if (!idSlots || !table)
        return nullptr;
    for (uint32_t slot = hashId(id) & (kSlots - 1); idSlots[slot]; slot = (slot + 1) & (kSlots - 1)) {
        const Entry& entry = table[idSlots[slot] - 1];
        if (entry.id == id)
            return entry.name;
    }
    return nullptr;
}

long TagDictionary::findId(const char* name, int length) const
{
    if (!nameSlots || !table || !name || length < 0 || length >= static_cast<int>(sizeof(Entry::name)))
        return -1;
    for (uint32_t slot = hashName(name, length) & (kSlots - 1); nameSlots[slot]; slot = (slot + 1) & (kSlots - 1)) {
        const Entry& entry = table[nameSlots[slot] - 1];
        if (std::memcmp(entry.name, name, static_cast<size_t>(length)) == 0 && entry.name[length] == 0)
            return static_cast<long>(entry.id);
    }
    return -1;
}

int TagDictionary::nameById(uint32_t id, char* name)
{
    const char* found = findName(id);
    if (!found || !name)
        return 0;
    std::memcpy(name, found, static_cast<size_t>(StringUtil::length(found)) + 1);
    return 1;
}

int TagDictionary::idByName(const char* name, uint32_t* id)
{
    if (!name || !id)
        return 0;
    long found = findId(name, StringUtil::length(name));
    if (found < 0)
        return 0;
    *id = static_cast<uint32_t>(found);
    return 1;
}
