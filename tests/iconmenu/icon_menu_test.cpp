// The icon menu model: scanning a window's menu tree into records, the
// questions the drawing asks of it, and attaching and removing the hook.
#include "iconmenu/icon_menu.h"

#include <gtest/gtest.h>

#include "fake_menu_host.h"
#include "fake_picture.h"

namespace pelin::iconmenu {
namespace {

using namespace std::string_literals;
using testing::FakeMenuHost;
using testing::FakeMenuItem;
using testing::makeImageList;

class IconMenuTest : public ::testing::Test {
protected:
    FakeMenuHost host;
    MenuHandle bar = host.createMenu();
    WindowHandle window = host.createWindow(bar);
    cIconMenu menu;

    void SetUp() override { menu.setMenuHost(&host); }

    // Attaches the window and scans its menus.
    void attach() {
        menu.hTargetWnd(window);
        menu.SetIconMenu();
    }
    std::vector<const cIconMenuItem*> recorded() const {
        std::vector<const cIconMenuItem*> items;
        for (const cIconMenuItem& item : menu.IconMenuItems()) items.push_back(&item);
        return items;
    }
    std::vector<Text> recordedCaptions() const {
        std::vector<Text> captions;
        for (const cIconMenuItem& item : menu.IconMenuItems()) captions.push_back(item.Caption);
        return captions;
    }
};

TEST_F(IconMenuTest, RecordsBarEntryAndCommandsButLeavesSeparatorsToTheSystem) {
    const MenuHandle file = host.appendPopup(bar, u"ファイル(&F)");
    host.appendCommand(file, u"開く(&O)", 10);
    host.appendSeparator(file);
    host.appendCommand(file, u"終了(&X)", 11);
    attach();

    ASSERT_EQ(recordedCaptions(), (std::vector<Text>{u"ファイル(&F)", u"開く(&O)", u"終了(&X)"}));
    const auto items = recorded();
    for (std::int32_t i = 0; i < 3; ++i) {
        EXPECT_EQ(items[i]->Index, i);
        EXPECT_EQ(items[i]->Key, items[i]->Caption);
    }
    // Each recorded item is owner-drawn and carries its Index; its other
    // fields stay as they were.
    const FakeMenuItem* drawn[] = {&host.itemAt(bar, 0), &host.itemAt(file, 0), &host.itemAt(file, 2)};
    for (std::int32_t i = 0; i < 3; ++i) {
        EXPECT_EQ(drawn[i]->type, MFT_OWNERDRAW) << i;
        EXPECT_EQ(drawn[i]->data, i) << i;
    }
    EXPECT_EQ(host.itemAt(bar, 0).text, u"ファイル(&F)");
    EXPECT_EQ(host.itemAt(bar, 0).subMenu, file);
    EXPECT_EQ(host.itemAt(file, 2).text, u"終了(&X)");
    EXPECT_EQ(host.itemAt(file, 2).id, 11);
    const FakeMenuItem& separator = host.itemAt(file, 1);
    EXPECT_EQ(separator.type, MFT_SEPARATOR);
    EXPECT_EQ(separator.data, 0);

    EXPECT_EQ(host.drawMenuBarCount(window), 1);
    EXPECT_TRUE(menu.hooked());
}

TEST_F(IconMenuTest, ScansDepthFirstParentsBeforeChildren) {
    const MenuHandle file = host.appendPopup(bar, u"ファイル(&F)");
    host.appendCommand(file, u"新規(&N)", 1);
    const MenuHandle recent = host.appendPopup(file, u"最近のファイル(&R)");
    host.appendCommand(recent, u"a.txt", 3);
    host.appendCommand(recent, u"b.txt", 4);
    host.appendCommand(file, u"終了(&X)", 2);
    const MenuHandle help = host.appendPopup(bar, u"ヘルプ(&H)");
    host.appendCommand(help, u"バージョン情報...(&V)", 5);
    attach();

    EXPECT_EQ(recordedCaptions(), (std::vector<Text>{u"ファイル(&F)", u"新規(&N)", u"最近のファイル(&R)", u"a.txt",
                                                     u"b.txt", u"終了(&X)", u"ヘルプ(&H)", u"バージョン情報...(&V)"}));
    std::int32_t expectedIndex = 0;
    for (const cIconMenuItem* item : recorded()) {
        EXPECT_EQ(item->Index, expectedIndex);
        const FakeMenuItem& inMenu = host.itemAt(item->hMenu, item->Position);
        EXPECT_EQ(inMenu.data, item->Index) << text::toUtf8(item->Caption);
        EXPECT_EQ(inMenu.subMenu, item->hSubMenu) << text::toUtf8(item->Caption);
        ++expectedIndex;
    }

    const cIconMenuItem* nested = menu.item(u"最近のファイル(&R)");
    ASSERT_NE(nested, nullptr);
    EXPECT_EQ(nested->hMenu, file);
    EXPECT_EQ(nested->hSubMenu, recent);
    EXPECT_EQ(nested->Position, 1);
    const cIconMenuItem* last = menu.item(u"b.txt");
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(last->hMenu, recent);
    EXPECT_EQ(last->hSubMenu, 0u);
    EXPECT_EQ(last->Position, 1);
    EXPECT_EQ(last->ID, 4);
    const cIconMenuItem* helpEntry = menu.item(u"ヘルプ(&H)");
    ASSERT_NE(helpEntry, nullptr);
    EXPECT_EQ(helpEntry->hMenu, bar);
    EXPECT_EQ(helpEntry->hSubMenu, help);
    EXPECT_EQ(helpEntry->Position, 1);
}

TEST_F(IconMenuTest, IdComesFromTheItemOrElseFromHowItWasAddressed) {
    host.appendPopup(bar, u"ファイル(&F)");    // no ID: addressed by position 0
    host.appendPopup(bar, u"編集(&E)");        // no ID: addressed by position 1
    host.appendPopup(bar, u"表示(&V)", 77);    // a submenu item with an ID of its own
    host.appendCommand(bar, u"実行(&G)", 42);  // a command on the bar
    attach();

    const auto items = recorded();
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items[0]->ID, 0);
    EXPECT_EQ(items[1]->ID, 1);
    EXPECT_EQ(items[2]->ID, 77);
    EXPECT_EQ(items[3]->ID, 42);
    EXPECT_EQ(items[3]->Position, 3);
    EXPECT_EQ(items[3]->hSubMenu, 0u);
}

TEST_F(IconMenuTest, SplitsItemTextIntoCaptionShortcutAndAccessKey) {
    const MenuHandle edit = host.appendPopup(bar, u"編集(&E)");
    host.appendCommand(edit, u"コピー(&C)\tCtrl+C", 1);
    host.appendCommand(edit, u"貼り付け(&P)\tCtrl+V\0残り\tF9"s, 2);
    host.appendCommand(edit, u"切り取り(&T)\0\tCtrl+X"s, 3);
    host.appendCommand(edit, u"バージョン情報", 4);
    host.appendCommand(edit, u"e&xit && &quit", 5);
    host.appendCommand(edit, u"A\tB\tC", 6);
    host.appendCommand(edit, u"末尾&", 8);
    attach();

    struct Expected {
        const char16_t* caption;
        const char16_t* shortcut;
        const char16_t* accKey;
    };
    const Expected expected[] = {
        {u"コピー(&C)", u"Ctrl+C", u"C"},
        {u"貼り付け(&P)", u"Ctrl+V", u"P"},  // everything from the NUL on is gone
        {u"切り取り(&T)", u"", u"T"},        // so is a tab after the NUL
        {u"バージョン情報", u"", u""},
        {u"e&xit && &quit", u"", u"x"},  // the first "&" counts, case kept
        {u"A", u"B\tC", u""},            // the first tab splits
        {u"末尾&", u"", u""},            // nothing after the "&"
    };
    const auto items = recorded();
    ASSERT_EQ(items.size(), std::size(expected) + 1);
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const cIconMenuItem& item = *items[i + 1];
        EXPECT_EQ(item.Caption, expected[i].caption) << i;
        EXPECT_EQ(item.Key, expected[i].caption) << i;
        EXPECT_EQ(item.ShortCut, expected[i].shortcut) << i;
        EXPECT_EQ(item.AccKey, expected[i].accKey) << i;
    }
    // The menu keeps its own text whole.
    EXPECT_EQ(host.itemAt(edit, 0).text, u"コピー(&C)\tCtrl+C");
}

TEST_F(IconMenuTest, TextLongerThanTheBufferArrivesCutOnACharacterBoundary) {
    const MenuHandle edit = host.appendPopup(bar, u"編集(&E)");
    // 2 bytes a character in code page 932; the buffer holds 254 bytes of text.
    const Text fits(127, u'う');
    const Text tooLong = Text(130, u'あ') + u"\tCtrl+A";
    const Text odd = u"a" + Text(130, u'あ');
    host.appendCommand(edit, fits, 1);
    host.appendCommand(edit, tooLong, 2);
    host.appendCommand(edit, odd, 3);
    host.appendCommand(edit, Text(120, u'い') + u"\tCtrl+B", 4);  // 240 + 1 + 6 bytes: whole
    attach();

    const auto items = recorded();
    ASSERT_EQ(items.size(), 5u);
    EXPECT_EQ(items[1]->Caption, fits);
    EXPECT_EQ(items[2]->Caption, Text(127, u'あ'));  // the shortcut was past the cut
    EXPECT_EQ(items[2]->ShortCut, u"");
    EXPECT_EQ(items[3]->Caption, u"a" + Text(126, u'あ'));  // no half character at 254
    EXPECT_EQ(items[4]->Caption, Text(120, u'い'));
    EXPECT_EQ(items[4]->ShortCut, u"Ctrl+B");
    // Every item is still found from its item data, and the menu's text is whole.
    for (const cIconMenuItem* item : items) EXPECT_EQ(menu.GetIDtoKey(item->Index), item->Key);
    EXPECT_EQ(host.itemAt(edit, 1).text, tooLong);
}

TEST_F(IconMenuTest, ImageIndexIsThePositionOfTheCaptionsPicture) {
    const auto list = makeImageList(16, 16,
                                    {u"HTML変換するファイルを選択...(&O)", u"Readmeを見る(&R)",
                                     u"キャラクター変更...(&C)", u"バージョン情報...(&V)"});
    EXPECT_EQ(menu.GetImageIndex(u"Readmeを見る(&R)"), -1);  // no list yet
    menu.MenuDefaultImage(&list);

    EXPECT_EQ(menu.GetImageIndex(u"Readmeを見る(&R)"), 1);
    EXPECT_EQ(menu.GetImageIndex(u"HTML変換するファイルを選択...(&O)"), 0);
    EXPECT_EQ(menu.GetImageIndex(u"バージョン情報...(&V)"), 3);
    EXPECT_EQ(menu.GetImageIndex(u"終了(&X)"), -1);
    EXPECT_EQ(menu.GetImageIndex(u"Readmeを見る"), -1);
    EXPECT_EQ(menu.GetImageIndex(u""), -1);
}

TEST_F(IconMenuTest, IconCellGrowsBeyondThePicturesButNeverShrinks) {
    EXPECT_EQ(menu.IconWidth(), 0);
    menu.IconWidth(20);  // no list: ignored
    menu.IconHeight(20);
    EXPECT_EQ(menu.IconWidth(), 0);
    EXPECT_EQ(menu.IconHeight(), 0);

    const auto list = makeImageList(16, 16, {u"a"});
    menu.MenuDefaultImage(&list);
    EXPECT_EQ(menu.IconWidth(), 16);
    EXPECT_EQ(menu.IconHeight(), 16);
    menu.IconWidth(12);
    menu.IconHeight(12);
    EXPECT_EQ(menu.IconWidth(), 16);
    EXPECT_EQ(menu.IconHeight(), 16);
    menu.IconWidth(16);
    EXPECT_EQ(menu.IconWidth(), 16);
    menu.IconWidth(20);
    menu.IconHeight(24);
    EXPECT_EQ(menu.IconWidth(), 20);
    EXPECT_EQ(menu.IconHeight(), 24);
    menu.IconWidth(18);  // still larger than the pictures
    EXPECT_EQ(menu.IconWidth(), 18);

    // A new list sets the cell to its own picture size.
    const auto wide = makeImageList(32, 24, {u"a"});
    menu.MenuDefaultImage(&wide);
    EXPECT_EQ(menu.IconWidth(), 32);
    EXPECT_EQ(menu.IconHeight(), 24);
}

TEST_F(IconMenuTest, KeyOfAnIndexThatNoItemHasIsEmpty) {
    EXPECT_EQ(menu.GetIDtoKey(0), u"");  // nothing recorded yet
    const MenuHandle file = host.appendPopup(bar, u"ファイル(&F)");
    host.appendCommand(file, u"開く(&O)", 10);
    attach();

    EXPECT_EQ(menu.GetIDtoKey(0), u"ファイル(&F)");
    EXPECT_EQ(menu.GetIDtoKey(1), u"開く(&O)");
    EXPECT_EQ(menu.GetIDtoKey(2), u"");
    EXPECT_EQ(menu.GetIDtoKey(-1), u"");
    EXPECT_EQ(menu.GetIDtoKey(10), u"");  // a command ID is no index
}

TEST_F(IconMenuTest, WindowWithoutMenuIsLeftAlone) {
    const WindowHandle plain = host.createWindow();
    menu.hTargetWnd(plain);
    EXPECT_EQ(menu.hMenu(), 0u);
    menu.SetIconMenu();
    menu.UnSetIconMenu();

    EXPECT_EQ(host.setWindowProcCount(), 0);
    EXPECT_EQ(host.drawMenuBarCount(plain), 0);
    EXPECT_EQ(host.procedure(plain), &host.ownProcedure(plain));
    EXPECT_EQ(menu.IconMenuItems().Count(), 0u);
    EXPECT_FALSE(menu.hooked());
}

TEST_F(IconMenuTest, AMenuThatGoesAwayTakesItsHookWithIt) {
    host.appendPopup(bar, u"ファイル(&F)");
    {
        cIconMenu shortLived;
        shortLived.setMenuHost(&host);
        shortLived.hTargetWnd(window);
        shortLived.SetIconMenu();
        EXPECT_NE(host.procedure(window), &host.ownProcedure(window));
    }
    EXPECT_EQ(host.procedure(window), &host.ownProcedure(window));
}

TEST_F(IconMenuTest, HookGoesInFrontOfTheWindowsProcedureAndComesOffAgain) {
    host.appendPopup(bar, u"ファイル(&F)");
    menu.hTargetWnd(window);
    EXPECT_EQ(menu.hMenu(), bar);
    menu.UnSetIconMenu();  // not hooked yet: harmless
    EXPECT_EQ(host.setWindowProcCount(), 0);

    menu.SetIconMenu();
    EXPECT_EQ(host.setWindowProcCount(), 1);
    EXPECT_NE(dynamic_cast<MenuWindowProc*>(host.procedure(window)), nullptr);
    EXPECT_TRUE(menu.hooked());

    menu.UnSetIconMenu();
    EXPECT_EQ(host.procedure(window), &host.ownProcedure(window));
    EXPECT_FALSE(menu.hooked());
    menu.UnSetIconMenu();
    EXPECT_EQ(host.setWindowProcCount(), 2);
    EXPECT_EQ(host.procedure(window), &host.ownProcedure(window));
    // The items stay recorded and owner-drawn.
    EXPECT_EQ(menu.IconMenuItems().Count(), 1u);
    EXPECT_EQ(host.itemAt(bar, 0).type, MFT_OWNERDRAW);
}

TEST_F(IconMenuTest, HookingTwiceKeepsOneHookAndUnhookingRestoresTheProcedureBefore) {
    host.appendPopup(bar, u"ファイル(&F)");
    // Something else already sits in front of the window's own procedure.
    testing::RecordingProcedure earlier;
    host.SetWindowProc(window, &earlier);
    const int before = host.setWindowProcCount();

    menu.hTargetWnd(window);
    menu.SetIconMenu();
    WindowProcedure* hook = host.procedure(window);
    menu.SetIconMenu();
    EXPECT_EQ(host.setWindowProcCount(), before + 1);
    EXPECT_EQ(host.procedure(window), hook);

    // A request goes through the hook to the procedure it replaced, once.
    host.sendMenuChar(window, 'z', bar);
    host.sendMeasureItem(window, MeasureItemRecord{.itemData = 0});
    EXPECT_TRUE(earlier.menuChars.empty());
    EXPECT_EQ(earlier.measures.size(), 1u);
    EXPECT_TRUE(host.ownProcedure(window).measures.empty());

    menu.UnSetIconMenu();
    EXPECT_EQ(host.procedure(window), &earlier);
}

TEST_F(IconMenuTest, RepeatedCaptionsAreKeptUnderKeysOfTheirOwn) {
    const MenuHandle file = host.appendPopup(bar, u"ファイル(&F)");
    host.appendCommand(file, u"Open(&O)", 1);
    host.appendCommand(file, u"open(&o)", 2);  // the same caption but for case
    host.appendCommand(file, u"Open(&O)", 3);  // the very same caption
    host.appendCommand(file, u"ｏｐｅｎ", 4);
    host.appendCommand(file, u"ＯＰＥＮ", 5);  // full-width, case aside
    host.appendCommand(file, u"閉じる(&C)", 6);
    attach();

    const auto items = recorded();
    ASSERT_EQ(items.size(), 7u);  // the scan went on past every repeat
    EXPECT_EQ(items[6]->Caption, u"閉じる(&C)");
    std::vector<Text> keys;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const cIconMenuItem& item = *items[i];
        EXPECT_EQ(item.Index, static_cast<std::int32_t>(i));
        EXPECT_EQ(host.itemAt(item.hMenu, item.Position).data, item.Index);
        // Found from its item data: its own record, not the first of its caption.
        const cIconMenuItem* found = menu.item(menu.GetIDtoKey(item.Index));
        ASSERT_NE(found, nullptr) << i;
        EXPECT_EQ(found, &item) << i;
        for (const Text& earlier : keys) EXPECT_FALSE(sameKey(earlier, item.Key)) << i;
        keys.push_back(item.Key);
    }
    EXPECT_EQ(items[1]->Key, u"Open(&O)");
    EXPECT_EQ(items[4]->Key, u"ｏｐｅｎ");
    EXPECT_EQ(items[2]->Caption, u"open(&o)");
    EXPECT_EQ(items[3]->ID, 3);
    EXPECT_TRUE(menu.hooked());
    EXPECT_EQ(host.drawMenuBarCount(window), 1);
}

TEST_F(IconMenuTest, ItemsThatCannotBeReadOrCountedAreSkipped) {
    const MenuHandle file = host.appendPopup(bar, u"ファイル(&F)");
    host.appendCommand(file, u"開く(&O)", 1);
    host.append(file, {.text = u"消えた項目", .id = 2, .unreadable = true});
    host.appendCommand(file, u"終了(&X)", 3);
    // A submenu item whose submenu does not exist.
    host.append(bar, {.text = u"壊れた(&B)", .subMenu = 0xDEAD});
    host.appendPopup(bar, u"ヘルプ(&H)");
    attach();

    EXPECT_EQ(recordedCaptions(),
              (std::vector<Text>{u"ファイル(&F)", u"開く(&O)", u"終了(&X)", u"壊れた(&B)", u"ヘルプ(&H)"}));
    EXPECT_EQ(menu.item(u"終了(&X)")->Index, 2);  // the skipped item took no index
    EXPECT_EQ(menu.item(u"終了(&X)")->Position, 2);
    EXPECT_EQ(host.itemAt(file, 1).type, 0u);
    EXPECT_EQ(host.itemAt(file, 1).data, 0);
    EXPECT_EQ(menu.item(u"ヘルプ(&H)")->Index, 4);
    EXPECT_TRUE(menu.hooked());
}

}  // namespace
}  // namespace pelin::iconmenu
