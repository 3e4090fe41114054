#include "shell/settings/DefaultSettingsFile.h"

namespace {

constexpr int S = SettingsKeyTable::kSection;
constexpr int K = SettingsKeyTable::kKey;

struct Name {
    int id;
    int kind;
    const char* name;
};

// Each section before its keys, in the order the names have always been bound: a name bound
// twice is found by its first binding.
const Name kNames[] = {
    {15010, S, "YOUSI"},
    {15011, K, "YOUSITATE"}, {15012, K, "YOUSIYOKO"}, {15013, K, "SCALEBSI"}, {15014, K, "SCALEBBO"},
    {15020, K, "TONBOEGDECOLOR"}, {15021, K, "TONBOAREACOLOR"}, {15022, K, "TONBOEGDEDISP"},
    {15023, K, "TONBOAREADISP"}, {15024, K, "TONBOTOP"}, {15025, K, "TONBOLEFT"}, {15026, K, "TONBORIGHT"},
    {15027, K, "TONBOBOTTOM"}, {15030, K, "YOHAKUEGDECOLOR"}, {15031, K, "YOHAKUAREACOLOR"},
    {15032, K, "YOHAKUEGDEDISP"}, {15033, K, "YOHAKUAREADISP"}, {15034, K, "YOHAKUTOP"}, {15035, K, "YOHAKULEFT"},
    {15036, K, "YOHAKURIGHT"}, {15037, K, "YOHAKUBOTTOM"}, {15039, K, "ZAHYOTYPE"},

    {15040, S, "GRID"},
    {15041, K, "GRIDTYPE"}, {15042, K, "GRIDYOKOUNIT"}, {15043, K, "GRIDYOKOBSI"}, {15044, K, "GRIDYOKOBBO"},
    {15045, K, "GRIDTATEUNIT"}, {15046, K, "GRIDTATEBSI"}, {15047, K, "GRIDTATEBBO"}, {15048, K, "GRIDOROGINX"},
    {15049, K, "GRIDOROGINY"}, {15050, K, "GRIDORIGINZUKEI"}, {15051, K, "GRIDPLUSCOLOR"},
    {15052, K, "GRIDMINUSCOLOR"}, {15053, K, "GRIDORIGINCOLOR"}, {15054, K, "GRIDPOS"},

    {15060, S, "LAYERNAME"},
    {15061, K, "LAYERITEM"},

    {15070, S, "FILEINFO"},
    {15071, K, "FILEDIR"}, {15072, K, "PDFDIR"},

    {15080, S, "INKINFO"},
    {15081, K, "MAKER"}, {15082, K, "1"}, {15083, K, "2"}, {15084, K, "3"}, {15085, K, "4"}, {15086, K, "5"},

    {15110, S, "SETSENGA"},
    {15111, K, "LAYERNO"}, {15114, K, "LINESIZE"}, {15115, K, "LINESTYLE"}, {15116, K, "LINEORIGIN"},
    {15117, K, "LINECAP"},

    {15210, S, "SETTEXT"},
    {15211, K, "TEXTCOLOR"}, {15212, K, "TEXTCMYK"}, {15213, K, "TEXTNOSE"}, {15214, K, "TEXTUSEINK"},
    {15215, K, "FONTNAME"}, {15216, K, "FONTSTYLE"}, {15217, K, "FONTSIZE"}, {15221, K, "JITAI"},
    {15222, K, "JITAIPSNT"}, {15223, K, "SHATAI"}, {15224, K, "SHATAIPSNT"}, {15231, K, "KANANAME"},
    {15232, K, "ZSUJINAME"}, {15233, K, "OUBUNNAME"}, {15234, K, "HSUJINAME"}, {15241, K, "KANASTYLE"},
    {15242, K, "ZSUJISTYLE"}, {15243, K, "OUBUNSTYLE"}, {15244, K, "HSUJISTYLE"},

    {15310, S, "SETBEZIER"},
    {15311, K, "EDGECOLOR"}, {15312, K, "PAINTCOLOR"}, {15313, K, "PATTERNCOLOR"}, {15314, K, "EDGEDRAWSW"},
    {15315, K, "PAINTDRAWSW"}, {15316, K, "AREAPATTERN"}, {15317, K, "PATTERNSPACEX"}, {15318, K, "PATTERNSPACEY"},
    {15321, K, "EDGECMYK"}, {15322, K, "PAINTCMYK"}, {15323, K, "PATERNCMYK"}, {15324, K, "EDGENOSE"},
    {15325, K, "PAINTNOSE"}, {15326, K, "PATERNNOSE"}, {15327, K, "EDGEUSEINK"}, {15328, K, "PAINTUSEINK"},
    {15329, K, "PATERNUSEINK"},

    {15410, S, "SETMEASURE"},
    {15411, K, "ULINECOLOR"}, {15412, K, "DRAWCOLOR"}, {15413, K, "ARROWCOLOR"}, {15414, K, "ULINECMYK"},
    {15415, K, "DRAWCMYK"}, {15416, K, "ARROWCMYK"}, {15417, K, "ULINENOSE"}, {15418, K, "DRAWNOSE"},
    {15419, K, "ARROWNOSE"}, {15420, K, "ULINEUSEINK"}, {15421, K, "DRAWUSEINK"}, {15422, K, "ARROWUSEINK"},
    {15423, K, "DECIMALNUM"}, {15424, K, "NUMERALPOS"}, {15425, K, "MSRUNIT"}, {15426, K, "KDOUNIT"},
    {15427, K, "UNITDISP"}, {15428, K, "ANGLETYPE"}, {15429, K, "NUMERALSPACE"}, {15431, K, "MIRITEXT"},
    {15432, K, "INCHITEXT"}, {15433, K, "KYUTEXT"}, {15434, K, "POINTTEXT"}, {15435, K, "MICRONTEXT"},
    {15436, K, "CENTITEXT"}, {15437, K, "METRETEXT"}, {15438, K, "DEGREETEXT"}, {15441, K, "ULINELSIZE"},
    {15451, K, "DRAWLSTYLE"}, {15452, K, "DRAWLSIZE"}, {15453, K, "DRAWSPACE"}, {15454, K, "DRAWOVER"},
    {15461, K, "ARROWSTYLE"}, {15462, K, "ARROWLSIZE"}, {15463, K, "ARROWLENGTH"}, {15464, K, "ARROWLEAN"},

    // Layout sections that nothing reads or writes: their names are known so that they are skipped.
    {15610, S, "SETHONBUN"},
    {15611, K, "LAYOUTCOLOR"}, {15612, K, "KUMITYPE"}, {15613, K, "GYOSOROE"}, {15614, K, "DANSUU"},
    {15615, K, "DANKAN"}, {15616, K, "MARGINT"}, {15617, K, "MARGINL"}, {15618, K, "MARGINR"}, {15619, K, "MARGINB"},
    {15620, S, "SETCOLUMN"},
    {15621, K, "JIZUME"}, {15622, K, "GYOSUU"}, {15623, K, "JIKAN"}, {15624, K, "GYOKAN"}, {15625, K, "WAKUDISP"},
    {15630, S, "SETNONBURU"},
    {15640, S, "SETHASIRA"},
    {15650, S, "SETMOKUJI"},
    {15651, K, "BUNTXTCOLOR"}, {15652, K, "BUNULNCOLOR"}, {15653, K, "TEXTCHECK"}, {15654, K, "BUNTXTCHECK"},
    {15655, K, "BUNULNCHECK"},
    {15660, S, "SETSAKUIN"},
    {15710, S, "SETSTRING"},
    {15720, S, "SETCELL"},
    {15721, K, "HAKOSOROE"}, {15722, K, "NAGASIKOMI"}, {15723, K, "TTCYUYOKO"}, {15724, K, "KINSOKU"},
    {15725, K, "HANYAKU"},
    {15750, S, "SETWAKUAKE"},

    {15801, S, "PARTS01"}, {15802, S, "PARTS02"}, {15803, S, "PARTS03"}, {15804, S, "PARTS04"}, {15805, S, "PARTS05"},
    {15811, K, "PARTSNAME"},
};

} // namespace

DefaultSettingsFile::DefaultSettingsFile()
{
    for (const Name& entry : kNames) {
        if (entry.kind == S)
            registerSection(entry.id, entry.name);
        else
            registerKey(entry.id, entry.name);
    }
}
