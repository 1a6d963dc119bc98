// Measuring and drawing the owner-drawn menu items, through the window
// procedure that the icon menu puts in front of the window's own.
#include "iconmenu/menu_drawing.h"

#include <gtest/gtest.h>

#include "fake_menu_host.h"
#include "fake_picture.h"

namespace pelin::iconmenu {
namespace {

using testing::FakeMenuHost;
using testing::makeImageList;
using testing::PaintCall;
using testing::RecordingPainter;
using Calls = std::vector<PaintCall>;

constexpr unsigned kCaption = DT_SINGLELINE | DT_VCENTER;
constexpr unsigned kShortcut = DT_SINGLELINE | DT_VCENTER | DT_RIGHT;

Rect moved(Rect r, int dx, int dy) { return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy}; }
Rect indented(Rect r, int by) {
    r.left += by;
    return r;
}
// Where the shortcut label of a text rectangle goes: 12 pixels in from its right.
Rect shortcutOf(Rect r) {
    r.right -= 12;
    return r;
}
// The icon cell of an item: its top-left corner and one cell (plus 2) in size.
Rect cellOf(Rect r, int iconWidth = 16, int iconHeight = 16) {
    return {r.left, r.top, r.left + iconWidth + 2, r.top + iconHeight + 2};
}

// The main window's menus with a 16 × 16 picture list and Style 1, attached
// and hooked. Pictures: the first command of ファイル, both of ヘルプ, the one of
// ツール and the bar entry ツール itself.
class MenuDrawingTest : public ::testing::Test {
protected:
    FakeMenuHost host;
    MenuHandle bar = host.createMenu();
    WindowHandle window = host.createWindow(bar);
    ImageList list = makeImageList(16, 16,
                                   {u"HTML変換するファイルを選択...(&O)", u"Readmeを見る(&R)",
                                    u"キャラクター変更...(&C)", u"バージョン情報...(&V)", u"ツール(&T)"});
    MenuHandle file = host.appendPopup(bar, u"ファイル(&F)");
    MenuHandle help = host.appendPopup(bar, u"ヘルプ(&H)");
    MenuHandle tools = host.appendPopup(bar, u"ツール(&T)");
    cIconMenu menu;
    RecordingPainter painter;  // the surface of the draw requests

    // A drop-down item and a menu-bar entry, away from the origin.
    const Rect item{3, 40, 183, 58};
    const Rect barItem{50, 0, 110, 19};

    MenuDrawingTest() {
        host.appendCommand(file, u"HTML変換するファイルを選択...(&O)\tCtrl+O", 101);
        host.appendSeparator(file);
        host.appendCommand(file, u"自動保存(&A)", 102);
        host.appendCommand(file, u"終了(&X)", 103);
        host.appendCommand(help, u"Readmeを見る(&R)\tF1", 201);
        host.appendCommand(help, u"バージョン情報...(&V)", 202);
        host.appendCommand(tools, u"キャラクター変更...(&C)", 301);
        host.appendCommand(bar, u"実行(&G)\tF5", 401);
        menu.setMenuHost(&host);
        menu.hTargetWnd(window);
        menu.MenuDefaultImage(&list);
        menu.Style(1);
        menu.SetIconMenu();
    }

    std::int32_t dataOf(TextView caption) const {
        const cIconMenuItem* found = menu.item(caption);
        if (!found) ADD_FAILURE() << "no item " << text::toUtf8(caption);
        return found ? found->Index : -1;
    }
    void draw(TextView caption, std::uint32_t state, const Rect& rect) {
        host.sendDrawItem(window, DrawItemRecord{ODT_MENU, state, &painter, rect, dataOf(caption)});
    }
    MeasureItemRecord measure(TextView caption) {
        return host.sendMeasureItem(window, MeasureItemRecord{.itemData = dataOf(caption)});
    }
    ColorRef sys(int index) const { return painter.settings().color(index); }
};

TEST_F(MenuDrawingTest, Style1HighlightsASelectedItemBesideItsRaisedPicture) {
    draw(u"Readmeを見る(&R)", ODS_SELECTED, item);

    const Rect text = indented(item, 22);
    EXPECT_EQ(painter.calls(), (Calls{
                                   PaintCall::frame(cellOf(item), BDR_RAISEDINNER),
                                   PaintCall::fill(indented(item, 20), sys(COLOR_HIGHLIGHT)),
                                   PaintCall::label(u"Readmeを見る(&R)", text, kCaption, sys(COLOR_HIGHLIGHTTEXT)),
                                   PaintCall::label(u"F1", shortcutOf(text), kShortcut, sys(COLOR_HIGHLIGHTTEXT)),
                                   PaintCall::image(&list, 1, item.left + 1, item.top + 1, true),
                               }));
    EXPECT_EQ(cellOf(item).width(), 18);
    EXPECT_EQ(cellOf(item).height(), 18);
    EXPECT_TRUE(painter.transparent());
    EXPECT_EQ(painter.bkColor(), sys(COLOR_MENU));
    EXPECT_EQ(painter.font(), MenuFont{});
}

TEST_F(MenuDrawingTest, SelectedItemWithoutPictureIsHighlightedAcrossItsWidth) {
    draw(u"自動保存(&A)", ODS_SELECTED, item);
    EXPECT_EQ(painter.calls(),
              (Calls{
                  PaintCall::fill(item, sys(COLOR_HIGHLIGHT)),
                  PaintCall::label(u"自動保存(&A)", indented(item, 22), kCaption, sys(COLOR_HIGHLIGHTTEXT)),
              }));
}

TEST_F(MenuDrawingTest, UnselectedItemsShowCaptionAndPictureInBlackOnTheMenu) {
    painter.settings().sysColors[COLOR_MENUTEXT] = 0xFF0000;  // blue menu text
    draw(u"HTML変換するファイルを選択...(&O)", 0, item);
    const Rect text = indented(item, 22);
    EXPECT_EQ(painter.calls(), (Calls{
                                   PaintCall::fill(item, sys(COLOR_MENU)),
                                   PaintCall::label(u"HTML変換するファイルを選択...(&O)", text, kCaption, 0),
                                   PaintCall::label(u"Ctrl+O", shortcutOf(text), kShortcut, 0),
                                   PaintCall::image(&list, 0, item.left + 1, item.top + 1, true),
                               }));

    // The background is whatever the surface has.
    painter.clear();
    painter.SetBkColor(0x00FFFF);
    draw(u"終了(&X)", 0, item);
    EXPECT_EQ(painter.calls(), (Calls{
                                   PaintCall::fill(item, 0x00FFFF),
                                   PaintCall::label(u"終了(&X)", indented(item, 22), kCaption, 0),
                               }));
    EXPECT_EQ(painter.bkColor(), sys(COLOR_MENU));
}

TEST_F(MenuDrawingTest, SelectionLooksOfTheOtherStyles) {
    const Rect text = indented(item, 22);

    menu.Style(2);  // menu colours in a thin raised frame
    draw(u"Readmeを見る(&R)", ODS_SELECTED, item);
    EXPECT_EQ(painter.calls(), (Calls{
                                   PaintCall::fill(item, sys(COLOR_MENU)),
                                   PaintCall::frame(item, BDR_RAISEDINNER),
                                   PaintCall::label(u"Readmeを見る(&R)", text, kCaption, sys(COLOR_MENUTEXT)),
                                   PaintCall::label(u"F1", shortcutOf(text), kShortcut, sys(COLOR_MENUTEXT)),
                                   PaintCall::image(&list, 1, item.left + 1, item.top + 1, true),
                               }));
    painter.clear();
    draw(u"終了(&X)", ODS_SELECTED, item);
    EXPECT_EQ(painter.calls(), (Calls{
                                   PaintCall::fill(item, sys(COLOR_MENU)),
                                   PaintCall::frame(item, BDR_RAISEDINNER),
                                   PaintCall::label(u"終了(&X)", text, kCaption, sys(COLOR_MENUTEXT)),
                               }));

    menu.Style(0);  // plain highlight, under the picture too
    painter.clear();
    draw(u"Readmeを見る(&R)", ODS_SELECTED, item);
    EXPECT_EQ(painter.calls(), (Calls{
                                   PaintCall::fill(item, sys(COLOR_HIGHLIGHT)),
                                   PaintCall::label(u"Readmeを見る(&R)", text, kCaption, sys(COLOR_HIGHLIGHTTEXT)),
                                   PaintCall::label(u"F1", shortcutOf(text), kShortcut, sys(COLOR_HIGHLIGHTTEXT)),
                                   PaintCall::image(&list, 1, item.left + 1, item.top + 1, true),
                               }));
}

TEST_F(MenuDrawingTest, BarEntriesKeepTheMenuColoursWhenSelected) {
    // Without a picture the caption starts 4 pixels in.
    draw(u"ファイル(&F)", ODS_SELECTED, barItem);
    EXPECT_EQ(painter.calls(),
              (Calls{
                  PaintCall::fill(barItem, sys(COLOR_MENU)),
                  PaintCall::label(u"ファイル(&F)", indented(barItem, 4), kCaption, sys(COLOR_MENUTEXT)),
                  PaintCall::frame(barItem, BDR_RAISEDINNER),
              }));
    painter.clear();
    draw(u"ファイル(&F)", 0, barItem);
    EXPECT_EQ(painter.calls(), (Calls{
                                   PaintCall::fill(barItem, sys(COLOR_MENU)),
                                   PaintCall::label(u"ファイル(&F)", indented(barItem, 4), kCaption, 0),
                               }));

    // With a picture it is laid out like a drop-down item.
    painter.clear();
    draw(u"ツール(&T)", ODS_SELECTED, barItem);
    EXPECT_EQ(painter.calls(),
              (Calls{
                  PaintCall::frame(cellOf(barItem), BDR_RAISEDINNER),
                  PaintCall::fill(indented(barItem, 20), sys(COLOR_MENU)),
                  PaintCall::label(u"ツール(&T)", indented(barItem, 22), kCaption, sys(COLOR_MENUTEXT)),
                  PaintCall::image(&list, 4, barItem.left + 1, barItem.top + 1, true),
                  PaintCall::frame(indented(barItem, 20), BDR_RAISEDINNER),
              }));
}

TEST_F(MenuDrawingTest, DisabledItemIsEmbossedAndNeverHighlighted) {
    const Rect text = indented(item, 22);
    const Rect raised = moved(text, -1, -1);
    for (std::uint32_t state : {ODS_GRAYED, ODS_DISABLED, ODS_GRAYED | ODS_SELECTED}) {
        painter.clear();
        draw(u"Readmeを見る(&R)", state, item);
        EXPECT_EQ(painter.calls(), (Calls{
                                       PaintCall::label(u"Readmeを見る(&R)", text, kCaption, sys(COLOR_BTNHIGHLIGHT)),
                                       PaintCall::label(u"F1", shortcutOf(text), kShortcut, sys(COLOR_BTNHIGHLIGHT)),
                                       PaintCall::label(u"Readmeを見る(&R)", raised, kCaption, sys(COLOR_BTNSHADOW)),
                                       PaintCall::label(u"F1", shortcutOf(raised), kShortcut, sys(COLOR_BTNSHADOW)),
                                       PaintCall::image(&list, 1, item.left + 1, item.top + 1, false),
                                   }))
            << "state " << state;
        EXPECT_EQ(painter.textColor(), sys(COLOR_MENUTEXT));
    }

    painter.clear();
    draw(u"終了(&X)", ODS_DISABLED | ODS_SELECTED, item);
    EXPECT_EQ(painter.calls(), (Calls{
                                   PaintCall::label(u"終了(&X)", text, kCaption, sys(COLOR_BTNHIGHLIGHT)),
                                   PaintCall::label(u"終了(&X)", raised, kCaption, sys(COLOR_BTNSHADOW)),
                               }));
}

TEST_F(MenuDrawingTest, CheckedItemShowsTheCheckMarkInAFramedIconCell) {
    const Rect cell = cellOf(item);
    const Rect text = indented(item, 22);

    draw(u"自動保存(&A)", ODS_CHECKED, item);
    EXPECT_EQ(painter.calls(), (Calls{
                                   PaintCall::fill(item, sys(COLOR_MENU)),
                                   PaintCall::label(u"自動保存(&A)", text, kCaption, 0),
                                   PaintCall::check(cell, 0, sys(COLOR_MENU)),
                                   PaintCall::frame(cell, EDGE_SUNKEN),
                               }));

    painter.clear();
    draw(u"自動保存(&A)", ODS_CHECKED | ODS_SELECTED, item);
    EXPECT_EQ(painter.calls(), (Calls{
                                   PaintCall::fill(item, sys(COLOR_HIGHLIGHT)),
                                   PaintCall::label(u"自動保存(&A)", text, kCaption, sys(COLOR_HIGHLIGHTTEXT)),
                                   PaintCall::check(cell, sys(COLOR_HIGHLIGHTTEXT), sys(COLOR_MENU)),
                                   PaintCall::frame(cell, EDGE_SUNKEN),
                               }));

    // A picture takes the check mark's place; the frame stays.
    painter.clear();
    draw(u"バージョン情報...(&V)", ODS_CHECKED, item);
    EXPECT_EQ(painter.calls(), (Calls{
                                   PaintCall::fill(item, sys(COLOR_MENU)),
                                   PaintCall::label(u"バージョン情報...(&V)", text, kCaption, 0),
                                   PaintCall::image(&list, 3, item.left + 1, item.top + 1, true),
                                   PaintCall::frame(cell, EDGE_SUNKEN),
                               }));

    // Disabled: embossed text, then the mark in the menu text colour.
    painter.clear();
    draw(u"自動保存(&A)", ODS_CHECKED | ODS_GRAYED, item);
    const Calls checks = painter.callsOf(PaintCall::Kind::Check);
    ASSERT_EQ(checks.size(), 1u);
    EXPECT_EQ(checks[0], PaintCall::check(cell, sys(COLOR_MENUTEXT), sys(COLOR_MENU)));
    EXPECT_EQ(painter.calls().back(), PaintCall::frame(cell, EDGE_SUNKEN));

    menu.Style(2);
    painter.clear();
    draw(u"自動保存(&A)", ODS_CHECKED | ODS_SELECTED, item);
    EXPECT_EQ(painter.calls(), (Calls{
                                   PaintCall::fill(item, sys(COLOR_MENU)),
                                   PaintCall::frame(item, BDR_RAISEDINNER),
                                   PaintCall::label(u"自動保存(&A)", text, kCaption, sys(COLOR_MENUTEXT)),
                                   PaintCall::check(cell, sys(COLOR_MENUTEXT), sys(COLOR_MENU)),
                                   PaintCall::frame(cell, EDGE_RAISED),
                               }));
    painter.clear();
    draw(u"自動保存(&A)", ODS_CHECKED, item);
    EXPECT_EQ(painter.calls().back(), PaintCall::frame(cell, EDGE_SUNKEN));
}

TEST_F(MenuDrawingTest, LargerIconCellCentresThePictures) {
    menu.IconWidth(20);
    menu.IconHeight(23);
    const Rect tall{3, 40, 183, 65};

    EXPECT_EQ(measure(u"終了(&X)").itemHeight, 25);
    draw(u"Readmeを見る(&R)", ODS_SELECTED, tall);
    const Rect text = indented(tall, 26);
    EXPECT_EQ(painter.calls(), (Calls{
                                   PaintCall::frame(cellOf(tall, 20, 23), BDR_RAISEDINNER),
                                   PaintCall::fill(indented(tall, 24), sys(COLOR_HIGHLIGHT)),
                                   PaintCall::label(u"Readmeを見る(&R)", text, kCaption, sys(COLOR_HIGHLIGHTTEXT)),
                                   PaintCall::label(u"F1", shortcutOf(text), kShortcut, sys(COLOR_HIGHLIGHTTEXT)),
                                   // (20 - 16) / 2 and (23 - 16) / 2 rounded down
                                   PaintCall::image(&list, 1, tall.left + 1 + 2, tall.top + 1 + 3, true),
                               }));
}

TEST_F(MenuDrawingTest, DropDownItemsAreEquallyWideAndOneIconCellHigh) {
    const Text longest = u"HTML変換するファイルを選択...(&O)　Ctrl+O";
    for (const char16_t* caption : {u"HTML変換するファイルを選択...(&O)", u"自動保存(&A)", u"終了(&X)"}) {
        const MeasureItemRecord measured = measure(caption);
        EXPECT_EQ(measured.itemHeight, 18) << text::toUtf8(caption);
        EXPECT_EQ(measured.itemWidth, RecordingPainter::textWidth(longest) + 16 + 2) << text::toUtf8(caption);
    }
    ASSERT_EQ(host.releasedDCs().size(), 3u);  // one surface per request, given back
    for (const FakeMenuHost::ReleasedDC& dc : host.releasedDCs()) {
        EXPECT_EQ(dc.calls, (Calls{PaintCall::measure(longest, Rect{}, DT_CALCRECT)}));
        EXPECT_EQ(dc.finalFont, MenuFont{});
    }

    // The longest text is the one with the most code page 932 bytes: the
    // version caption, although the Readme text with its shortcut has more
    // characters.
    const Text version = u"バージョン情報...(&V)";
    const Text readme = u"Readmeを見る(&R)　F1";
    ASSERT_GT(text::toCp932(version).size(), text::toCp932(readme).size());
    ASSERT_LT(version.size(), readme.size());
    const MeasureItemRecord measured = measure(u"Readmeを見る(&R)");
    EXPECT_EQ(measured.itemWidth, RecordingPainter::textWidth(version) + 18);
    EXPECT_EQ(host.releasedDCs().back().calls, (Calls{PaintCall::measure(version, Rect{}, DT_CALCRECT)}));
}

TEST_F(MenuDrawingTest, BarEntriesAreAsHighAsTheMenuBarAndAsWideAsTheirText) {
    host.dcSettings.menuBarHeight = 23;
    EXPECT_EQ(measure(u"ファイル(&F)").itemHeight, 23);
    EXPECT_EQ(measure(u"ファイル(&F)").itemWidth, RecordingPainter::textWidth(u"ファイル(&F)"));
    // A picture adds its cell.
    EXPECT_EQ(measure(u"ツール(&T)").itemWidth, RecordingPainter::textWidth(u"ツール(&T)") + 18);
    EXPECT_EQ(measure(u"ツール(&T)").itemHeight, 23);
    // A shortcut follows the caption after a full-width space.
    const MeasureItemRecord run = measure(u"実行(&G)");
    EXPECT_EQ(host.releasedDCs().back().calls, (Calls{PaintCall::measure(u"実行(&G)　F5", Rect{}, DT_CALCRECT)}));
    EXPECT_EQ(run.itemWidth, RecordingPainter::textWidth(u"実行(&G)　F5"));
}

TEST_F(MenuDrawingTest, RequestsArePassedOnAfterBeingAnswered) {
    testing::RecordingProcedure& own = host.ownProcedure(window);

    const MeasureItemRecord measured = measure(u"終了(&X)");
    ASSERT_EQ(own.measures.size(), 1u);
    EXPECT_EQ(own.measures[0].window, window);
    EXPECT_EQ(own.measures[0].record.itemWidth, measured.itemWidth);
    EXPECT_EQ(own.measures[0].record.itemHeight, 18);
    EXPECT_EQ(own.measures[0].record.itemData, dataOf(u"終了(&X)"));

    draw(u"終了(&X)", ODS_SELECTED, item);
    ASSERT_EQ(own.draws.size(), 1u);
    EXPECT_FALSE(painter.calls().empty());
    EXPECT_EQ(own.draws[0].callsDrawnBefore, painter.calls().size());
    EXPECT_EQ(own.draws[0].record.rcItem, item);
    EXPECT_EQ(own.draws[0].record.itemState, ODS_SELECTED);
    EXPECT_EQ(own.draws[0].record.hDC, &painter);

    EXPECT_EQ(host.sendMenuChar(window, 'x', file), 3 | MNC_EXECUTE_HIGH);
    EXPECT_EQ(host.sendMenuChar(window, 'q', file), 0);
    EXPECT_TRUE(own.menuChars.empty());

    // Once unhooked, the window's own procedure answers alone.
    menu.UnSetIconMenu();
    painter.clear();
    draw(u"終了(&X)", ODS_SELECTED, item);
    host.sendMenuChar(window, 'x', file);
    EXPECT_TRUE(painter.calls().empty());
    EXPECT_EQ(own.draws.size(), 2u);
    EXPECT_EQ(own.menuChars.size(), 1u);
}

TEST_F(MenuDrawingTest, OnlyMenuItemsAreDrawn) {
    host.sendDrawItem(window, DrawItemRecord{4, ODS_SELECTED, &painter, item, dataOf(u"終了(&X)")});
    EXPECT_TRUE(painter.calls().empty());
    EXPECT_EQ(host.ownProcedure(window).draws.size(), 1u);
}

TEST_F(MenuDrawingTest, ItemDataThatNoRecordHasGivesAnEmptyItem) {
    host.sendDrawItem(window, DrawItemRecord{ODT_MENU, ODS_SELECTED, &painter, item, 999});
    EXPECT_EQ(painter.calls(), (Calls{PaintCall::fill(item, sys(COLOR_HIGHLIGHT))}));
    const MeasureItemRecord measured = host.sendMeasureItem(window, MeasureItemRecord{.itemData = 999});
    EXPECT_EQ(measured.itemHeight, 18);
    EXPECT_EQ(measured.itemWidth, 18);  // no text, one icon cell
}

TEST_F(MenuDrawingTest, MenuCharacterExecutesTheItemWithThatAccessKeyInTheOpenMenu) {
    EXPECT_EQ(host.sendMenuChar(window, 'v', help), 1 | MNC_EXECUTE_HIGH);
    EXPECT_EQ(host.sendMenuChar(window, 'V', help), 1 | MNC_EXECUTE_HIGH);
    EXPECT_EQ(host.sendMenuChar(window, 'r', help), 0 | MNC_EXECUTE_HIGH);
    // The high word of the request carries the menu's flags, not the character.
    EXPECT_EQ(host.sendMenuChar(window, 0x00100000 | 'v', help), 1 | MNC_EXECUTE_HIGH);
    // Positions count the separator.
    EXPECT_EQ(host.sendMenuChar(window, 'X', file), 3 | MNC_EXECUTE_HIGH);
    EXPECT_EQ(host.sendMenuChar(window, 'g', bar), 3 | MNC_EXECUTE_HIGH);
    EXPECT_EQ(host.sendMenuChar(window, 'h', bar), 1 | MNC_EXECUTE_HIGH);
    // The key of an item in another menu, of no item, or a character that only
    // appears in a caption.
    EXPECT_EQ(host.sendMenuChar(window, 'r', file), 0);
    EXPECT_EQ(host.sendMenuChar(window, 'h', help), 0);
    EXPECT_EQ(host.sendMenuChar(window, 'z', file), 0);
    EXPECT_EQ(host.sendMenuChar(window, 'M', file), 0);
    EXPECT_EQ(host.sendMenuChar(window, '&', file), 0);
}

TEST_F(MenuDrawingTest, RepeatedCaptionIsDrawnWithItsOwnTextAndTheCaptionsPicture) {
    const MenuHandle otherBar = host.createMenu();
    const WindowHandle other = host.createWindow(otherBar);
    const MenuHandle sub = host.appendPopup(otherBar, u"ヘルプ(&H)");
    host.appendCommand(sub, u"Readmeを見る(&R)", 1);
    host.appendCommand(sub, u"readmeを見る(&r)", 2);
    cIconMenu second;
    second.setMenuHost(&host);
    second.hTargetWnd(other);
    second.MenuDefaultImage(&list);
    second.SetIconMenu();

    const std::int32_t data = host.itemAt(sub, 1).data;
    host.sendDrawItem(other, DrawItemRecord{ODT_MENU, 0, &painter, item, data});
    EXPECT_EQ(painter.calls(), (Calls{
                                   PaintCall::fill(item, sys(COLOR_MENU)),
                                   PaintCall::label(u"readmeを見る(&r)", indented(item, 22), kCaption, 0),
                                   PaintCall::image(&list, 1, item.left + 1, item.top + 1, true),
                               }));
    EXPECT_EQ(host.sendMenuChar(other, 'R', sub), 1 | MNC_EXECUTE_HIGH);  // the later one wins
    second.UnSetIconMenu();
}

// Items whose records ask for another font, and several items sharing one
// access key, through the drawing functions themselves.
class MenuDrawingRecordsTest : public ::testing::Test {
protected:
    static constexpr MenuHandle kDropDown = 0x77;
    ImageList list = makeImageList(16, 16, {u"保存(&S)"});
    cIconMenu menu;
    RecordingPainter painter;

    void SetUp() override {
        menu.MenuDefaultImage(&list);
        auto items = std::make_shared<IconMenuItemCollection>();
        const auto add = [&](Text caption, Text shortcut, std::int32_t position, MenuFont font) {
            cIconMenuItem item;
            item.Key = caption;
            item.Index = static_cast<std::int32_t>(items->Count());
            item.Caption = caption;
            item.ShortCut = std::move(shortcut);
            item.AccKey = accessKeyOf(caption);
            item.Position = position;
            item.hMenu = kDropDown;
            item.FontBold = font.bold;
            item.FontItalic = font.italic;
            item.FontUnderline = font.underline;
            ASSERT_TRUE(items->Add(item, caption));
        };
        add(u"保存(&S)", u"Ctrl+S", 0, {.bold = true, .italic = true});
        add(u"検索(&S)", u"", 1, {});
        add(u"印刷(&P)", u"", 2, {.underline = true});
        menu.IconMenuItems(items);
    }
};

TEST_F(MenuDrawingRecordsTest, ItemsAreDrawnAndMeasuredInTheirOwnFontWhichIsThenPutBack) {
    const MenuFont boldItalic{.bold = true, .italic = true};
    const MenuFont before{.underline = true};
    painter.SelectFont(before);

    const Rect item{0, 0, 150, 18};
    DrawMenuItem(menu, DrawItemRecord{ODT_MENU, 0, &painter, item, 0});
    const Rect text = indented(item, 22);
    EXPECT_EQ(painter.callsOf(PaintCall::Kind::Text),
              (Calls{PaintCall::label(u"保存(&S)", text, kCaption, 0, boldItalic),
                     PaintCall::label(u"Ctrl+S", shortcutOf(text), kShortcut, 0, boldItalic)}));
    EXPECT_EQ(painter.font(), before);

    // Disabled text is drawn twice, in the item's font both times.
    painter.clear();
    DrawMenuItem(menu, DrawItemRecord{ODT_MENU, ODS_GRAYED, &painter, item, 2});
    const Calls embossed = painter.callsOf(PaintCall::Kind::Text);
    ASSERT_EQ(embossed.size(), 2u);
    for (const PaintCall& c : embossed) EXPECT_EQ(c.font, MenuFont{.underline = true});
    EXPECT_EQ(painter.font(), before);

    // The longest text of the menu, measured in the font of the item asked about.
    const Text longest = u"保存(&S)　Ctrl+S";
    for (std::int32_t data : {0, 1}) {
        painter.clear();
        MeasureItemRecord record{.itemData = data};
        MeasureMenuItem(menu, painter, record);
        const MenuFont font = data == 0 ? boldItalic : MenuFont{};
        EXPECT_EQ(painter.calls(), (Calls{PaintCall::measure(longest, Rect{}, DT_CALCRECT, font)})) << data;
        EXPECT_EQ(record.itemWidth, RecordingPainter::textWidth(longest, font) + 18) << data;
        EXPECT_EQ(record.itemHeight, 18);
        EXPECT_EQ(painter.font(), before);
    }
}

TEST_F(MenuDrawingRecordsTest, OfSeveralItemsWithTheKeyTheLastOneIsExecuted) {
    EXPECT_EQ(FindMenuAccessKey(menu, 's', kDropDown), 1 | MNC_EXECUTE_HIGH);
    EXPECT_EQ(FindMenuAccessKey(menu, 'P', kDropDown), 2 | MNC_EXECUTE_HIGH);
    EXPECT_EQ(FindMenuAccessKey(menu, 's', kDropDown + 1), 0);
}

TEST(MenuDrawingMeasure, LongestTextIsCountedInBytesAmpersandsIncludedAndTheFirstOfEqualLengthsWins) {
    const auto list = makeImageList(16, 16, {u"x"});
    cIconMenu menu;
    menu.MenuDefaultImage(&list);
    auto items = std::make_shared<IconMenuItemCollection>();
    const Text texts[] = {u"A&&&&&&B", u"CDEFGHI", u"JKLMNOPQ"};
    for (const Text& caption : texts) {
        cIconMenuItem item;
        item.Key = item.Caption = caption;
        item.Index = static_cast<std::int32_t>(items->Count());
        item.hMenu = 0x55;
        ASSERT_TRUE(items->Add(item, caption));
    }
    menu.IconMenuItems(items);
    // Eight bytes as written, five as shown; the second shows more but is shorter.
    ASSERT_LT(RecordingPainter::textWidth(texts[0]), RecordingPainter::textWidth(texts[1]));

    RecordingPainter painter;
    MeasureItemRecord record{.itemData = 1};
    MeasureMenuItem(menu, painter, record);
    EXPECT_EQ(painter.calls(), (Calls{PaintCall::measure(texts[0], Rect{}, DT_CALCRECT)}));
    EXPECT_EQ(record.itemWidth, RecordingPainter::textWidth(texts[0]) + 18);
}

}  // namespace
}  // namespace pelin::iconmenu
