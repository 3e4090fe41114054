// The toolbars' texts in the string table, and how their fields are read.
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "shell/panes/CommandDefinition.h"
#include "shell/panes/ToolbarText.h"
#include "tests/shell/panes/PaneFixture.h"
#include "tests/support/TestResources.h"

namespace {

struct CommandRow {
    int id;
    const char* name;
    int command;
    int column;
    int row;
    const char* type;
    const char* label;
    const char* hint;
};

// Every command definition as the toolbars must show it (literals are Shift-JIS at run time).
const CommandRow kCommands[] = {
    {101, "線画設定", 1010, 0, 1, "BTN", "線画設定", "線画パラメーターの設定"},
    {102, "LINE", 1012, 2, 1, "BTN", "線分", "線を引く (SHIFT=垂直,水平)"},
    {103, "SELECT", 2001, 1, 0, "BTN", "セレクト", "要素の選択(SHIFT=全体<->部分,'+'=追加,'-'=削除,数字=移動量,矢印[+shift]=移動,CTRL=複写,ESC=次要素)"},
    {104, "UNDO", 8011, 2, 0, "BTN", "元に戻す", "直前の作業をキャンセルする"},
    {105, "RIDO", 8013, 3, 0, "BTN", "やり直す", "キャンセルした作業をやり直す"},
    {106, "CUT", 8021, 4, 0, "BTN", "切り取り", "切り取ってクリップボードに入れる"},
    {107, "COPY", 8023, 5, 0, "BTN", "コピー", "クリップボードに入れる"},
    {108, "PASTE", 8025, 6, 0, "BTN", "張り付け", "クリップボードの内容を張り付ける"},
    {109, "TEXT", 1022, 2, 3, "BTN", "テキスト", "文章を書く"},
    {110, "BEZIERLINE", 1032, 2, 2, "BTN", "ベジェ曲線", "ベジェ曲線を引く"},
    {111, "BEZIERAREA", 1033, 3, 2, "BTN", "ベジェ曲線領域", "ベジェ曲線で領域を作成する"},
    {112, "PNTMOVE", 2011, 1, 8, "BTN", "端点移動", "端点を移動する('+'=点追加,'-'=点削除,SHIFT=直線化)"},
    {113, "LOUPE", 1501, 2, 9, "BTN", "画面ズーム", "画面のズーム('+'=拡大,'-'=縮小,0=全体,1～9=倍)"},
    {114, "TRAN", 1503, 3, 9, "BTN", "画面移動", "画面を移動する"},
    {115, "YOUSI", 1511, 0, 9, "BTN", "用紙設定", "用紙のサイズを設定する"},
    {116, "GRID", 1513, 1, 9, "BTN", "グリッド", "グリッド又はメッシュを設定する"},
    {117, "DSPCTRL", 2003, 0, 8, "BTN", "表示制御", "表示するレイヤーや要素を指定する"},
    {118, "NAVIGATOR", 8801, 2, 6, "NAVI", "ナビゲーター", "画面全体の位置を示す"},
    {119, "テキスト設定", 1020, 0, 3, "BTN", "テキスト設定", "テキストパラメーターの設定"},
    {120, "曲線設定", 1030, 0, 2, "BTN", "曲線設定", "曲線パラメーターの設定"},
    {121, "寸法設定", 1040, 0, 4, "BTN", "寸法設定", "寸法パラメーターの設定"},
    {122, "2点寸法", 1044, 4, 4, "BTN", "2点間寸法", "2点間の寸法線を引く('/'=斜め,'*'=直角,'+'=垂直,'-'=水平)"},
    {123, "多点寸法", 1045, 5, 4, "BTN", "多点間寸法", "多点間の寸法線を引く ('/'=斜め,'*'=直角,'+'=垂直,'-'=水平)"},
    {124, "自由２寸法", 1042, 2, 4, "BTN", "自由2点間寸法", "自由位置2点間の寸法線を引く('/'=斜め,'*'=直角,'+'=垂直,'-'=水平)"},
    {125, "自由多寸法", 1043, 3, 4, "BTN", "自由多点間寸法", "自由位置多点間の寸法線を引く('/'=斜め、'*'=直角、'+'=垂直、'-'=水平)"},
    {126, "線画一括", 1011, 1, 1, "BTN", "線画一括編集", "線画パラメーターの一括編集"},
    {127, "テキスト一括", 1021, 1, 3, "BTN", "テキスト一括編集", "テキストパラメーターの一括編集"},
    {128, "曲線一括", 1031, 1, 2, "BTN", "曲線一括編集", "曲線パラメーターの一括編集"},
    {129, "寸法一括", 1041, 1, 4, "BTN", "寸法一括編集", "寸法パラメーターの一括編集"},
    {130, "BREAKLINE", 1013, 3, 1, "BTN", "折れ線", "折れ線を引く (SHIFT=垂直,水平)"},
    {131, "POLYGON", 1015, 5, 1, "BTN", "ポリゴン", "ポリゴンを作成する(SHIFT=垂直,水平)"},
    {132, "ARC3P", 1016, 6, 1, "BTN", "３点円弧", "３点円弧を描く"},
    {133, "OVAL", 1017, 7, 1, "BTN", "楕円", "楕円を描く (SHIFT=真円,0=円,2=1/2円,4=1/4円)"},
    {134, "BOX", 1014, 4, 1, "BTN", "ボックス", "ボックスを描く (SHIFT=正方形)"},
    {135, "CIRCLE", 1018, 8, 1, "BTN", "円", "円を描く (SHIFT=XY,0=円,2=1/2円,4=1/4円)"},
    {136, "BEZIERRECT", 1034, 4, 2, "BTN", "ベジェ曲線四角", "ベジェ曲線で四角を作成する(SHIFT=正方形)"},
    {137, "BEZIEROVAL", 1035, 5, 2, "BTN", "ベジェ曲線楕円", "ベジェ曲線で楕円を作成する(SHIFT=真円,0=円,2=1/2円,4=1/4円)"},
    {138, "BEZIER三角", 1036, 6, 2, "BTN", "ベジェ曲線三角", "ベジェ曲線で三角を作成する(SHIFT=正３角形)"},
    {139, "BEZIER四辺形", 1037, 7, 2, "BTN", "ベジェ曲線四辺形", "ベジェ曲線で四辺形を作成する(SHIFT=正方形)"},
    {140, "ANGLEFREE", 1046, 6, 4, "BTN", "自由角度", "自由位置の角度を計る('/'=斜め、'*'=直角、'+'=垂直、'-'=水平)"},
    {141, "ANGLEITEM", 1047, 7, 4, "BTN", "角度", "角度を計る('/'=斜め、'*'=直角、'+'=垂直、'-'=水平)"},
    {142, "ROTATE", 2013, 2, 8, "BTN", "回転", "回転する(クリック=中心指定、矢印=現在中心、数字=角度)"},
    {143, "TEXTLINE", 1023, 3, 3, "BTN", "引出しテキスト", "引出線つきの文章を書く (SHIFT=垂直、水平)"},
    {144, "GROUP", 2015, 3, 8, "BTN", "グループ", "グループ化の処理をする"},
    {145, "IMAGE設定", 1060, 0, 5, "BTN", "ピクチャー設定", "ピクチャーの設定をする"},
    {146, "IMAGE一括", 1061, 1, 5, "BTN", "ピクチャー一括編集", "ピクチャーパラメーターの一括編集"},
    {147, "BEZIERPOLY", 1038, 8, 2, "BTN", "ベジェ曲線ポリゴン", "ベジェ曲線でポリゴンを作成する(SHIFT=垂直,水平)"},
    {148, "TURN", 2017, 4, 8, "BTN", "順番変更", "要素の順番を変更する"},
    {149, "PARTSLIST", 8820, 2, 6, "PARTS", "部品リスト", "部品リストを表示する"},
    {150, "PARTSCROLL", 0, 2, 6, "SCRL", "スクロール", "スクロールする"},
    {151, "PARTSLIST2", 8821, 2, 6, "PARTS", "部品リスト", "部品リストを表示する"},
    {152, "PARTSCROLL2", 0, 2, 6, "SCRL", "スクロール", "スクロールする"},
    {153, "ITEMZOOM", 2019, 5, 8, "BTN", "要素の拡大、縮小", "要素の拡大、縮小を変更する"},
    {154, "RADIUSITEM", 1048, 8, 4, "BTN", "半径", "半径を表示する('/'=斜め、'*'=直角、'+'=垂直、'-'=水平)"},
    {155, "DIAMETERITEM", 1049, 9, 4, "BTN", "直径", "直径を表示する('/'=斜め、'*'=直角、'+'=垂直、'-'=水平)"},
    {156, "PARTSLIST3", 8822, 2, 6, "PARTS", "部品リスト", "部品リストを表示する"},
    {157, "BITMAP", 1062, 2, 5, "BTN", "BITMAP", "BITMAPファイルの配置"},
    {158, "EPS", 1063, 3, 5, "BTN", "EPS", "EPSファイルの配置"},
    {159, "GIF", 1064, 4, 5, "BTN", "GIF", "GIFファイルの配置"},
    {160, "JPEG", 1065, 5, 5, "BTN", "JPEG", "JPEGファイルの配置"},
    {161, "TIFF", 1066, 6, 5, "BTN", "TIFF", "TIFFファイルの配置"},
    {162, "SPLINE", 1019, 9, 1, "BTN", "スプライン曲線", "スプライン曲線を作成する"},
    {163, "PAGING", 8810, 2, 6, "PAGE", "ページング", "各ページの状態を表示する"},
    {164, "SCROLL", 0, 2, 6, "SCRL", "スクロール", "スクロールする"},
};

struct PaneRow {
    int id;
    const char* name;
    const char* kind;
    int rows;
    const char* position;
    int list;
};

const PaneRow kPanes[] = {
    {1, "線画", "DFLT", 1, "TOP", 51},
    {2, "編集", "DFLT", 1, "LEFT", 52},
    {3, "作業", "DFLT", 1, "LEFT", 53},
    {4, "設定", "DFLT", 1, "LEFT", 54},
    {5, "ナビゲ－タ－", "NAVI", 1, "LEFT", 55},
    {6, "テキスト", "DFLT", 1, "TOP", 56},
    {7, "ベジェ曲線", "DFLT", 1, "TOP", 57},
    {8, "寸法線", "DFLT", 1, "TOP", 58},
    {9, "イメージ", "DFLT", 1, "TOP", 59},
    {10, "部品１", "PARTS", -1, "FLOAT", 60},
    {11, "部品2", "PARTS", -1, "FLOAT", 61},
    {12, "部品3", "PARTS", -1, "FLOAT", 62},
    {13, "ページ", "PAGE", 1, "RIGHT", 63},
};

struct ListRow {
    int id;
    std::vector<int> values;
};

const ListRow kLists[] = {
    {51, {101,0,102,130,162,134,131,0,135,132,133,0,126}},
    {52, {104,105,0,106,107,108}},
    {53, {103,0,144,0,117,0,112,0,142,148,153}},
    {54, {115,116,0,113,114}},
    {55, {118}},
    {56, {119,0,109,143,0,127}},
    {57, {120,0,110,111,0,136,137,138,139,147,0,128}},
    {58, {121,0,124,125,0,122,123,0,140,141,154,155,0,129}},
    {59, {145,0,157,159,160,161,0,146}},
    {60, {149,150}},
    {61, {151,150}},
    {62, {156,150}},
    {63, {163,164}},
};

std::string loaded(UINT id)
{
    char text[256] = {};
    const int length = LoadStringA(GetModuleHandleA(nullptr), id, text, sizeof text);
    return std::string(text, length > 0 ? static_cast<size_t>(length) : 0);
}

} // namespace

TEST_F(PaneTest, ToolbarTextsAreTheShiftJisBytesOfTheTable)
{
    EXPECT_EQ(hexBytes(loaded(1).c_str()), hexBytes("#,線画,DFLT,1,1,1,1,1,100,0,TOP,51#"));
    // The full-width characters as written: U+FF0D in the navigator's name, U+FF5E in the zoom
    // hint, a full-width 1 in the first parts pane's name only.
    EXPECT_NE(loaded(5).find("\x83\x69\x83\x72\x83\x51\x81\x7C\x83\x5E\x81\x7C,NAVI"), std::string::npos);
    EXPECT_NE(loaded(113).find("\x31\x81\x60\x39=\x94\x7B"), std::string::npos);
    EXPECT_NE(loaded(10).find("\x95\x94\x95\x69\x82\x50,PARTS"), std::string::npos);
    EXPECT_NE(loaded(11).find("\x95\x94\x95\x69" "2,PARTS"), std::string::npos);

    std::set<int> listed;
    for (const ListRow& row : kLists) {
        ButtonList list;
        ASSERT_TRUE(list.load(row.id)) << row.id;
        EXPECT_EQ(std::vector<int>(list.values, list.values + list.count), row.values) << row.id;
        listed.insert(list.values, list.values + list.count);
    }
    for (const CommandRow& row : kCommands) {
        SCOPED_TRACE(row.id);
        EXPECT_LT(loaded(static_cast<UINT>(row.id)).size(), 256u);
        CommandDefinition d;
        ASSERT_TRUE(d.load(row.id));
        EXPECT_STREQ(d.name, row.name);
        EXPECT_EQ(d.commandId, row.command);
        EXPECT_EQ(d.faceBitmapId, 103);
        EXPECT_EQ(d.faceColumn, row.column);
        EXPECT_EQ(d.faceRow, row.row);
        EXPECT_EQ(d.type, buttonTypeOfKeyword(row.type));
        EXPECT_NE(d.type, ButtonType::Separator);
        EXPECT_EQ(d.gap, 0);
        EXPECT_EQ(d.value, 1000);
        EXPECT_STREQ(d.unitText, "%");
        EXPECT_STREQ(d.codeText, "E");
        EXPECT_EQ(hexBytes(d.label), hexBytes(row.label));
        EXPECT_EQ(hexBytes(d.hint), hexBytes(row.hint));
        // Two definitions stand in no list: EPS placement and a second parts scroll bar.
        EXPECT_EQ(listed.count(row.id) == 0, row.id == 152 || row.id == 158);
    }
    for (const PaneRow& row : kPanes) {
        SCOPED_TRACE(row.id);
        std::unique_ptr<DockPane> pane = manager.load(row.id);
        ASSERT_TRUE(pane);
        EXPECT_EQ(hexBytes(pane->name), hexBytes(row.name));
        EXPECT_EQ(pane->kind, paneKindOfKeyword(row.kind));
        const int hidden = row.rows < 1;
        EXPECT_EQ(pane->position, hidden ? int(DockPane::kHidden) : positionOfKeyword(row.position));
        EXPECT_EQ(hidden ? pane->savedPosition : pane->position, positionOfKeyword(row.position));
        const ListRow* list = nullptr;
        for (const ListRow& l : kLists)
            if (l.id == row.list)
                list = &l;
        ASSERT_TRUE(list);
        ASSERT_EQ(pane->buttonCount(), static_cast<int>(list->values.size()));
        for (int i = 0; i < pane->buttonCount(); ++i)
            EXPECT_EQ(pane->buttonAt(i)->definitionId, std::max(0, list->values[static_cast<size_t>(i)]));
    }
}

TEST(ToolbarTextFields, LimitsEarlyEndsAndNumbers)
{
    const char* good = "#,X,1012,103,2,1,BTN,0,1000,0,100,%,E,線分,線を引く#";
    struct Case {
        const char* text;
        int read;
        ButtonType type;
        const char* label;   // the fields read stay
    } commands[] = {
        {good, 1, ButtonType::Button, "線分"},
        // The hint may end with the delimiter too; the name has 15 bytes at most.
        {"#,X,1012,103,2,1,BTN,0,1000,0,100,%,E,線分,線を引く,#", 1, ButtonType::Button, "線分"},
        {"#,ABCDEFGHIJKLMNOP,1012,103,2,1,BTN,0,1000,0,100,%,E,線分,線を引く#", 0, ButtonType::Separator, ""},
        // An unknown keyword is type 0; a number with a letter fails the definition.
        {"#,X,1,103,0,0,WHAT,0,1000,0,100,%,E,ラベル,ヒント#", 1, ButtonType::Separator, "ラベル"},
        {"#,X,1O12,103,2,1,BTN,0,1000,0,100,%,E,線分,線を引く#", 0, ButtonType::Separator, ""},
        {"#,X,1012,103,2,1,BTN,0,1000,0,100,%,E,線分#", 0, ButtonType::Button, "線分"},
        {"#,X,1012,103,2,1,BTN,,1000,0,100,%,E,線分,線を引く#", 0, ButtonType::Button, ""},
    };
    for (const Case& c : commands) {
        SCOPED_TRACE(c.text);
        ToolbarText text;
        text.setText(c.text);
        CommandDefinition d;
        EXPECT_EQ(d.read(text), c.read);
        EXPECT_EQ(d.type, c.type);
        EXPECT_STREQ(d.label, c.label);
    }
    // Every truncation of a good definition fails without reading past its end.
    std::string whole(good);
    for (size_t n = 0; n + 1 < whole.size(); ++n) {
        std::string cut = whole.substr(0, n);
        ToolbarText text;
        text.setText(cut.c_str());
        CommandDefinition d;
        EXPECT_EQ(d.read(text), 0) << n;
        EXPECT_LE(text.reader.position(), static_cast<int>(n));
    }

    struct ListCase {
        const char* text;
        int read;
        std::vector<int> values;
    } lists[] = {
        {"#,-5,0,101#", 1, {-5, 0, 101}},
        {"#,101,1O2#", 0, {101}},
        {"#,101,102", 0, {101}},
        {"#,101,,102#", 0, {101}},
    };
    for (const ListCase& c : lists) {
        ToolbarText text;
        text.setText(c.text);
        ButtonList list;
        EXPECT_EQ(list.read(text), c.read) << c.text;
        EXPECT_EQ(std::vector<int>(list.values, list.values + list.count), c.values) << c.text;
    }

    struct PaneCase {
        const char* text;
        int read;
        int fieldsRead;
        const char* kind;
    } panes[] = {
        {"#,線画,DFLT,1,1,1,1,1,100,0,TOP,51#", 1, 11, "DFLT"},
        // Meeting the end mark early keeps what was read.
        {"#,早い,NAVI,1,0#", 1, 4, "NAVI"},
        {"#,ABCDEFGHIJKLMNOPQRSTUVWXYZ012345,DFLT,1,1,1,1,1,0,0,TOP,51#", 0, 0, ""},
        {"#,数字,DFLT,1,1,1,1,1x,0,0,TOP,51#", 0, 6, "DFLT"},
        {"#,長い,DFLT,1,1,1,1,1,0,0,TOPLEFTRIGHT,51#", 0, 9, "DFLT"},
    };
    for (const PaneCase& c : panes) {
        ToolbarText text;
        text.setText(c.text);
        DockPaneLayout layout;
        EXPECT_EQ(layout.read(text, 1), c.read) << c.text;
        EXPECT_EQ(layout.fieldsRead, c.fieldsRead) << c.text;
        EXPECT_STREQ(layout.kindKeyword, c.kind) << c.text;
    }

    // List values below 1 are separators: -n of n pixels, 0 of 3; an unknown type lays out as a
    // separator of no width.
    struct SeparatorCase {
        int value;
        int type;
        int width;
    } separators[] = {{-5, 0, 5}, {0, 0, 3}, {102, 1, 20}};
    for (const SeparatorCase& c : separators) {
        ToolButton b;
        ASSERT_TRUE(b.readDefinition(c.value));
        EXPECT_EQ(b.type, c.type) << c.value;
        EXPECT_EQ(b.width(), c.width) << c.value;
    }
}

TEST_F(PaneTest, AFailedPaneFreesItsButtonsAndRowsBelowOneHideIt)
{
    struct Case {
        int id;
        int loads;
        int buttons;
        int position;
        int rows;
    } cases[] = {
        {IDS_TEST_PANE_MISSING_COMMAND, 0, 0, DockPane::kTop, 1},
        {IDS_TEST_PANE_SHORT_COMMAND, 0, 0, DockPane::kTop, 1},
        {IDS_TEST_PANE_NOT_A_NUMBER, 0, 0, DockPane::kTop, 1},
        {IDS_TEST_COMMAND_MISSING, 0, 0, DockPane::kTop, 1},
        {IDS_TEST_PANE_WITHOUT_LIST, 1, 0, DockPane::kTop, 1},
        {1, 1, 13, DockPane::kTop, 1},
        {10, 1, 2, DockPane::kHidden, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        DockPane pane;
        pane.manager = &manager;
        EXPECT_EQ(pane.loadDefinition(c.id), c.loads);
        EXPECT_EQ(pane.buttonCount(), c.buttons);
        EXPECT_EQ(pane.position, c.position);
        EXPECT_EQ(pane.rows, c.rows);
    }
    // The hidden parts pane shows where it was defined, with its list and scroll bar linked.
    std::unique_ptr<DockPane> parts = manager.load(10);
    ASSERT_TRUE(parts);
    parts->restore();
    EXPECT_EQ(parts->position, DockPane::kFloat);
    ToolButton* list = parts->buttonOfType(static_cast<int>(ButtonType::Parts));
    ToolButton* bar = parts->buttonOfType(static_cast<int>(ButtonType::Scroll));
    ASSERT_TRUE(list && bar);
    EXPECT_EQ(list->linkedButton, bar);
    EXPECT_EQ(bar->linkedButton, list);
    char visibility[10], where[10];
    parts->hide();
    parts->positionKeywords(visibility, sizeof visibility, where, sizeof where);
    EXPECT_STREQ(visibility, "OFF");
    EXPECT_STREQ(where, "FLOAT");
}
