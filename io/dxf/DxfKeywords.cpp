#include "io/dxf/DxfKeywords.h"

#include <cstdint>
#include <cstring>

namespace {

// The header variable names, ids 9 to 176 in order; id 96 has none.
const char* const kHeaderVariables[] = {
    "$ACADVER", "$ACADMAINTVER", "$ANGBASE", "$ANGDIR", "$ATTDIA", "$ATTMODE", "$ATTREQ", "$AUNITS", "$AUPREC",
    "$AXISMODE", "$AXISUNIT", "$BLIPMODE", "$CECOLOR", "$CELTSCALE", "$CELTYPE", "$CHAMFERA", "$CHAMFERB",
    "$CHAMFERC", "$CHAMFERD", "$CLAYER", "$CMLJUST", "$CMLSCALE", "$CMLSTYLE", "$COORDS", "$DELOBJ", "$DIMALT",
    "$DIMALTD", "$DIMALTF", "$DIMALTTD", "$DIMALTTZ", "$DIMALTU", "$DIMALTZ", "$DIMAPOST", "$DIMASO", "$DIMASZ",
    "$DIMAUNIT", "$DIMBLK", "$DIMBLK1", "$DIMBLK2", "$DIMCEN", "$DIMCLRD", "$DIMCLRE", "$DIMCLRT", "$DIMDEC",
    "$DIMDLE", "$DIMDLI", "$DIMEXE", "$DIMEXO", "$DIMFIT", "$DIMGAP", "$DIMJUST", "$DIMLFAC", "$DIMLIM", "$DIMPOST",
    "$DIMRND", "$DIMSAH", "$DIMSCALE", "$DIMSD1", "$DIMSD2", "$DIMSE1", "$DIMSE2", "$DIMSHO", "$DIMSOXD",
    "$DIMSTYLE", "$DIMTAD", "$DIMTDEC", "$DIMTFAC", "$DIMTIH", "$DIMTIX", "$DIMTM", "$DIMTOFL", "$DIMTOH",
    "$DIMTOL", "$DIMTOLJ", "$DIMTP", "$DIMTSZ", "$DIMTVP", "$DIMTXSTY", "$DIMTXT", "$DIMTZIN", "$DIMUNIT",
    "$DIMUPT", "$DIMZIN", "$DISPSILH", "$DRAGMODE", "$DWGCODEPAGE", "$ELEVATION", "$EXTMIN", "$FILLETRAD",
    "$FILLMODE", "$FLATLAND", "$HANDLING", "$HANDSEED", "$INSBASE", "$LIMCHECK", "$LIMMAX", "$LIMMIN", "$LTSCALE",
    "$LUNITS", "$LUPREC", "$MAXACTVP", "$MEASUREMENT", "$MENU", "$MIRRTEXT", "$ORTHOMODE", "$OSMODE", "$PDMODE",
    "$PDSIZE", "$PELEVATION", "$PEXTMAX", "$PEXTMIN", "$PICKSTYLE", "$PINSBASE", "$PLIMCHECK", "$PLIMMAX",
    "$PLIMMIN", "$PLINEGEN", "$PLINEWID", "$PROXYGRAPHICS", "$PSLTSCALE", "$PUCSNAME", "$PUCSORG", "$PUCSXDIR",
    "$PUCSYDIR", "$QTEXTMODE", "$REGENMODE", "$SAVEIMAGES", "$SHADEDGE", "$SHADEDIF", "$SKETCHINC", "$SKPOLY",
    "$SPLFRAME", "$SPLINESEGS", "$SPLINETYPE", "$SURFTAB1", "$SURFTAB2", "$SURFTYPE", "$SURFU", "$SURFV",
    "$TDCREATE", "$TDINDWG", "$TDUPDATE", "$TDUSRTIMER", "$TEXTSIZE", "$TEXTSTYLE", "$THICKNESS", "$TILEMODE",
    "$TRACEWID", "$TREEDEPTH", "$UCSNAME", "$UCSORG", "$UCSXDIR", "$UCSYDIR", "$UNITMODE", "$USERI1", "$USERI2",
    "$USERI3", "$USERI4", "$USERI5", "$USERR1", "$USERR2", "$USERR3", "$USERR4", "$USERR5", "$USRTIMER",
    "$VISRETAIN", "$WORLDVIEW",
};
const int kHeaderVariableCount = static_cast<int>(sizeof kHeaderVariables / sizeof kHeaderVariables[0]);
static_assert(sizeof kHeaderVariables / sizeof kHeaderVariables[0] == 167, "167 header variables");

struct Named {
    int id;
    const char* text;
};

const Named kNamed[] = {
    {dxf_keyword::kSection, "SECTION"},   {dxf_keyword::kEndSection, "ENDSEC"}, {dxf_keyword::kEof, "EOF"},
    {dxf_keyword::kHeader, "HEADER"},     {dxf_keyword::kClasses, "CLASSES"},   {dxf_keyword::kTables, "TABLES"},
    {dxf_keyword::kBlocks, "BLOCKS"},     {dxf_keyword::kEntities, "ENTITIES"}, {dxf_keyword::kObjects, "OBJECTS"},
    {177, "APPID"},                       {178, "DIMSTYLE"},                    {179, "LAYER"},
    {180, "LTYPE"},                       {181, "STANDARD"},                    {182, "STYLE"},
    {183, "TABLE"},                       {184, "UCS"},                         {185, "VIEW"},
    {186, "VPORT"},                       {dxf_keyword::kBlock, "BLOCK"},       {dxf_keyword::kEndBlock, "ENDBLK"},
    {dxf_keyword::kArc, "ARC"},           {dxf_keyword::kInsert, "INSERT"},     {dxf_keyword::kLine, "LINE"},
    {dxf_keyword::kPolyline, "POLYLINE"}, {dxf_keyword::kText, "TEXT"},         {dxf_keyword::kVertex, "VERTEX"},
    {dxf_keyword::kSeqend, "SEQEND"},
};

const int kHighestId = 198;

// Texts by id, and an open-addressing index from text to id; built once, read-only afterwards.
struct Table {
    static constexpr int kSlots = 1024; // a power of two well above the 195 keywords

    Table()
    {
        std::memset(slots, 0xff, sizeof slots); // every slot -1: empty
        for (const Named& n : kNamed)
            add(n.id, n.text);
        int id = dxf_keyword::kFirstHeaderVariable;
        for (int i = 0; i < kHeaderVariableCount; ++i, ++id) {
            if (id == dxf_keyword::kUnassignedHeaderId)
                ++id;
            add(id, kHeaderVariables[i]);
        }
    }

    static uint32_t hash(const char* text, int length)
    {
        uint32_t h = 2166136261u;
        for (int i = 0; i < length; ++i)
            h = (h ^ static_cast<unsigned char>(text[i])) * 16777619u;
        return h;
    }

    void add(int id, const char* text)
    {
        byId[id] = text;
        const int length = static_cast<int>(std::strlen(text));
        uint32_t slot = hash(text, length) & (kSlots - 1);
        while (slots[slot] >= 0)
            slot = (slot + 1) & (kSlots - 1);
        slots[slot] = static_cast<int16_t>(id);
    }

    int find(const char* text, int length) const
    {
        uint32_t slot = hash(text, length) & (kSlots - 1);
        for (int id = slots[slot]; id >= 0; slot = (slot + 1) & (kSlots - 1), id = slots[slot]) {
            const char* candidate = byId[id];
            if (std::strncmp(candidate, text, static_cast<size_t>(length)) == 0 && candidate[length] == 0)
                return id;
        }
        return -1;
    }

    const char* byId[kHighestId + 1] = {};
    int16_t slots[kSlots];
};

const Table& table()
{
    static const Table* const built = [] {
        static Table t;
        return &t;
    }();
    return *built;
}

} // namespace

namespace dxf_keyword {

int idOf(const char* text, int length)
{
    if (!text || length < 1 || length > kLongestKeyword)
        return -1;
    return table().find(text, length);
}

int idOf(const char* text) { return text ? idOf(text, static_cast<int>(std::strlen(text))) : -1; }

const char* textOf(int id) { return id >= 0 && id <= kHighestId ? table().byId[id] : nullptr; }

} // namespace dxf_keyword
