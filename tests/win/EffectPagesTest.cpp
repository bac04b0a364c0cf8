#include "core/Options.h"
#include "core/SettingsFile.h"
#include "core/Translate.h"
#include "effectpages/DlgTabEffects.h"
#include "effects/CustomObjects.h"
#include "effects/DlgEffectCustomObjects.h"
#include "effects/DlgEffectFireflies.h"
#include "effects/DlgLights.h"
#include "effects/EffectFactory.h"
#include "effects/EffectGroup.h"
#include "effects/CursorEffectWindow.h"
#include "effects/SpriteResource.h"
#include "effects/SpriteEffectWindows.h"
#include "framework/Gdiplus.h"
#include "framework/Monitors.h"
#include "resources/ids_effectpages.h"
#include "DialogControls.h"
#include "ProcessCounters.h"
#include "TempFolder.h"
#include "TestPictures.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace orvane {
namespace {

using test::Checked;
using test::Click;
using test::Enabled;

std::wstring TextOf(HWND window) {
    wchar_t text[256] = L"";
    GetWindowTextW(window, text, 256);
    return text;
}

// Balloons that report the moment they start, before their window exists.
class WatchedBalloons : public CDlgEffectBalloons {
public:
    using CDlgEffectBalloons::CDlgEffectBalloons;
    std::function<void()> onStart;

protected:
    BOOL CreateOverlay() override {
        if (onStart)
            onStart();
        return CDlgEffectBalloons::CreateOverlay();
    }
};

// The program's services for the pages, with real effect objects and the built-in texts.
class TestHost : public IEffectPageHost {
public:
    TestHost() {
        texts.SetFolder(noLanguages.Path());
        texts.LoadLanguage(L"English");
        for (const EffectKeys& keys : kEffectKeys) {
            const EffectId id = keys.id;
            effects[static_cast<std::size_t>(id)] = std::make_unique<CEffectGroup>(
                options,
                [this, id]() -> std::unique_ptr<CDlgEffectOverlay> {
                    if (id == EffectId::Balloons)
                        return std::make_unique<WatchedBalloons>(options);
                    return CreateEffect(id, options);
                },
                SystemMonitors);
        }
        objectSettings.SetPath(objectFolder / L"settings.ini");
        customObjects.SetSettingsFile(objectSettings);
    }
    ~TestHost() override {
        for (auto& effect : effects)
            effect->StopEffect();
        customObjects.StopCustomObjects();
    }

    COptions& Options() override { return options; }
    const CTranslate& Texts() override { return texts; }
    CEffectGroup* Effect(EffectId id) override {
        asked.push_back(id);
        return effects[static_cast<std::size_t>(id)].get();
    }
    void OpenHelp(const wchar_t* pageKey) override { helpKeys.push_back(pageKey); }
    CCustomObjects* CustomObjects() override {
        asked.push_back(std::nullopt);
        return &customObjects;
    }

    test::TempFolder noLanguages;
    test::TempFolder objectFolder;
    CSettingsFile objectSettings;
    CCustomObjects customObjects;
    COptions options;
    CTranslate texts;
    std::array<std::unique_ptr<CEffectGroup>, kEffectCount> effects;
    std::vector<std::wstring> helpKeys;
    // The effects asked for, in order; none for the custom objects.
    std::vector<std::optional<EffectId>> asked;
};

class EffectPages : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(gdiplus.Ok());
        parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 720, 420, nullptr,
                                 nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_TRUE(parent);
    }
    void TearDown() override {
        tab.reset();
        DestroyWindow(parent);
    }

    void Build() {
        tab = std::make_unique<CDlgTabEffects>(host);
        ASSERT_TRUE(tab->Create(parent));
        ShowWindow(tab->GetSafeHwnd(), SW_SHOW);
        tab->BuildEffectsTree();
    }

    template <class Effect = CDlgEffectOverlay> Effect& EffectOf(EffectId id) {
        return static_cast<Effect&>(host.Effect(id)->Primary());
    }
    HWND Tree() const { return GetDlgItem(tab->GetSafeHwnd(), IDC_EFFECTS_TREE); }
    std::vector<HTREEITEM> Items() const {
        std::vector<HTREEITEM> items;
        for (HTREEITEM item = TreeView_GetRoot(Tree()); item;
             item = TreeView_GetNextSibling(Tree(), item))
            items.push_back(item);
        return items;
    }
    std::wstring ItemText(HTREEITEM item) const {
        wchar_t text[128] = L"";
        TVITEMW data = {};
        data.mask = TVIF_TEXT;
        data.hItem = item;
        data.pszText = text;
        data.cchTextMax = 128;
        SendMessageW(Tree(), TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&data));
        return text;
    }
    // The page of a tree entry: an effect's, or without one the custom objects'.
    HWND Page(std::optional<EffectId> entry) const {
        return (entry ? tab->PageOf(*entry) : tab->CustomObjectsPage())->GetSafeHwnd();
    }
    HWND Control(std::optional<EffectId> entry, int id) const {
        return GetDlgItem(Page(entry), id);
    }
    // Selects the entry in the tree, so its page is shown as the user would see it.
    void Show(std::optional<EffectId> entry) {
        for (std::size_t i = 0; i < kEffectTreeSize; ++i)
            if (kEffectTree[i].effect == entry)
                TreeView_SelectItem(Tree(), Items()[i]);
    }

    // The mouse presses and lets go of a slider's thumb where it is.
    void ReleaseThumb(HWND slider) {
        RECT thumb;
        SendMessageW(slider, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
        const LPARAM at =
            MAKELPARAM((thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2);
        SendMessageW(slider, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(slider, WM_LBUTTONUP, 0, at);
    }
    static void Tick(CDlgEffectOverlay& effect) {
        SendMessageW(effect.GetSafeHwnd(), WM_TIMER, CDlgEffectOverlay::kFrameTimer, 0);
    }
    static std::wstring ListText(HWND combo, LRESULT index) {
        wchar_t text[128] = L"";
        SendMessageW(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
        return text;
    }
    static void Choose(HWND combo, LRESULT index) {
        SendMessageW(combo, CB_SETCURSEL, index, 0);
        SendMessageW(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(combo));
    }

    GdiplusSession gdiplus;
    TestHost host;
    HWND parent = nullptr;
    std::unique_ptr<CDlgTabEffects> tab;
};

TEST_F(EffectPages, TheTreeListsEveryEffectAndShowsOnePageAtATime) {
    Build();
    const std::vector<HTREEITEM> items = Items();
    ASSERT_EQ(kEffectTreeSize, items.size());
    const wchar_t* names[] = {
        L"Balloons",   L"Confetti",           L"Cursor",    L"Custom Objects",
        L"Dandelions", L"Falling Petals",     L"Fireflies", L"Hearts",
        L"Leaf Fall",  L"Leaves in the wind", L"Lightning", L"Lights and Garlands",
        L"Rain",       L"Rain of Flowers",    L"Smoke",     L"Space Flight",
        L"Sweets"};
    for (std::size_t i = 0; i < items.size(); ++i)
        EXPECT_EQ(names[i], ItemText(items[i]));
    EXPECT_EQ(nullptr, TreeView_GetSelection(Tree()));
    EXPECT_FALSE(tab->PageShown()) << "the introduction shows until the first selection";

    for (const EffectTreeEntry& entry : kEffectTree) {
        HWND page = Page(entry.effect);
        ASSERT_TRUE(page);
        EXPECT_FALSE(IsWindowVisible(page));
        RECT rect;
        GetWindowRect(page, &rect);
        MapWindowPoints(nullptr, tab->GetSafeHwnd(), reinterpret_cast<POINT*>(&rect), 2);
        EXPECT_EQ(202, rect.left);
        EXPECT_EQ(11, rect.top);
    }

    Show(EffectId::LeafFall);
    EXPECT_TRUE(tab->PageShown());
    EXPECT_TRUE(IsWindowVisible(Page(EffectId::LeafFall)));
    Show(EffectId::Garland);
    EXPECT_FALSE(IsWindowVisible(Page(EffectId::LeafFall)));
    EXPECT_TRUE(IsWindowVisible(Page(EffectId::Garland)));
    EXPECT_TRUE(tab->PageShown());
}

TEST_F(EffectPages, APageShowsTheStoredStateAndItsBoldGreenTitleAndHelp) {
    host.options.SetInt(L"iEffectsLeafFallDensity", 4);
    host.options.SetInt(L"iEffectsLeafFallWind", 8);
    host.options.SetBool(L"fEffectsLeafFallWindRandom", true);
    host.options.SetBool(L"fEffectsLeafFallTop", true);
    Build();
    const EffectId leaf = EffectId::LeafFall;
    EXPECT_EQ(L"Leaf Fall", TextOf(Control(leaf, IDC_PAGE_TITLE)));
    EXPECT_EQ(4, SendMessageW(Control(leaf, IDC_DENSITY_SLIDER), TBM_GETPOS, 0, 0));
    EXPECT_EQ(1, SendMessageW(Control(leaf, IDC_DENSITY_SLIDER), TBM_GETRANGEMIN, 0, 0));
    EXPECT_EQ(9, SendMessageW(Control(leaf, IDC_DENSITY_SLIDER), TBM_GETRANGEMAX, 0, 0));
    EXPECT_EQ(8, SendMessageW(Control(leaf, IDC_WIND_SLIDER), TBM_GETPOS, 0, 0));
    EXPECT_TRUE(Checked(Page(leaf), IDC_WIND_RANDOM));
    EXPECT_FALSE(Checked(Page(leaf), IDC_DENSITY_RANDOM));
    // Off: the placement reflects the key, but nothing can be changed.
    EXPECT_TRUE(Checked(Page(leaf), IDC_ON_TOP));
    EXPECT_FALSE(Checked(Page(leaf), IDC_ON_DESKTOP));
    EXPECT_FALSE(Checked(Page(leaf), IDC_PAGE_ENABLE));
    for (int id : {IDC_ON_DESKTOP, IDC_ON_TOP, IDC_WIND_SLIDER, IDC_WIND_RANDOM, IDC_DENSITY_SLIDER,
                   IDC_DENSITY_RANDOM})
        EXPECT_FALSE(Enabled(Page(leaf), id)) << id;
    EXPECT_TRUE(Enabled(Page(leaf), IDC_PAGE_ENABLE));

    LOGFONTW font = {};
    GetObjectW(
        reinterpret_cast<HFONT>(SendMessageW(Control(leaf, IDC_PAGE_TITLE), WM_GETFONT, 0, 0)),
        sizeof font, &font);
    EXPECT_EQ(14, font.lfHeight);
    EXPECT_EQ(FW_BOLD, font.lfWeight);
    HDC dc = GetDC(Page(leaf));
    SendMessageW(Page(leaf), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(Control(leaf, IDC_PAGE_TITLE)));
    EXPECT_EQ(RGB(0, 210, 0), GetTextColor(dc));
    ReleaseDC(Page(leaf), dc);

    HWND help = Control(leaf, IDC_PAGE_HELP);
    EXPECT_EQ(L"Help", TextOf(help));
    auto icon = reinterpret_cast<HICON>(SendMessageW(help, BM_GETIMAGE, IMAGE_ICON, 0));
    ASSERT_TRUE(icon);
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP mask = {};
    GetObjectW(info.hbmMask, sizeof mask, &mask);
    EXPECT_EQ(14, mask.bmWidth);
    DeleteObject(info.hbmMask);
    DeleteObject(info.hbmColor);
    Show(leaf);
    Click(Page(leaf), IDC_PAGE_HELP);
    EXPECT_EQ(std::vector<std::wstring>{L"effects"}, host.helpKeys);

    // Pages without wind or without a density random box have no such controls.
    EXPECT_EQ(nullptr, Control(EffectId::Balloons, IDC_WIND_SLIDER));
    EXPECT_EQ(nullptr, Control(EffectId::SpaceFlight, IDC_DENSITY_RANDOM));
    EXPECT_TRUE(Control(EffectId::SpaceFlight, IDC_DENSITY_SLIDER));
    EXPECT_EQ(nullptr, Control(EffectId::Lightning, IDC_DENSITY_SLIDER));
    EXPECT_EQ(L"Multicolored", TextOf(Control(EffectId::Fireflies, IDC_MULTICOLORED)));
}

TEST_F(EffectPages, TickingAnEffectSwitchesTheOthersOffFirstUnlessSeveralAreAllowed) {
    host.options.SetBool(L"fEffectsLeafFall", true);
    host.options.SetBool(L"fEffectRain", true); // switched on, though not started
    host.options.SetBool(L"fGarland", true);    // its page is still an empty one
    EffectOf(EffectId::LeafFall).StartEffect();
    Build();
    const EffectId leaf = EffectId::LeafFall;
    ASSERT_TRUE(Checked(Page(leaf), IDC_PAGE_ENABLE));
    ASSERT_TRUE(Enabled(Page(leaf), IDC_DENSITY_SLIDER));

    struct AtStart {
        bool seen = false, leafRunning = true, leafKey = true, leafBox = true, leafControls = true;
        bool balloonsKey = true;
    } atStart;
    EffectOf<WatchedBalloons>(EffectId::Balloons).onStart = [&] {
        atStart = {true,
                   EffectOf(EffectId::LeafFall).Running(),
                   host.options.GetBool(L"fEffectsLeafFall"),
                   Checked(Page(leaf), IDC_PAGE_ENABLE),
                   Enabled(Page(leaf), IDC_DENSITY_SLIDER) || Enabled(Page(leaf), IDC_ON_TOP),
                   host.options.GetBool(L"fEffectsBalloons")};
    };
    Show(EffectId::Balloons);
    Click(Page(EffectId::Balloons), IDC_PAGE_ENABLE);

    ASSERT_TRUE(atStart.seen);
    EXPECT_FALSE(atStart.leafRunning) << "Leaf fall stops before Balloons starts";
    EXPECT_FALSE(atStart.leafKey);
    EXPECT_FALSE(atStart.leafBox);
    EXPECT_FALSE(atStart.leafControls);
    EXPECT_FALSE(atStart.balloonsKey) << "the key is written after the start";
    EXPECT_FALSE(host.options.GetBool(L"fEffectRain"));
    EXPECT_FALSE(Checked(Page(EffectId::Rain), IDC_PAGE_ENABLE));
    EXPECT_FALSE(host.options.GetBool(L"fGarland"));

    EXPECT_TRUE(EffectOf(EffectId::Balloons).Running());
    EXPECT_TRUE(host.options.GetBool(L"fEffectsBalloons"));
    EXPECT_TRUE(Enabled(Page(EffectId::Balloons), IDC_DENSITY_SLIDER));
    EXPECT_TRUE(Enabled(Page(EffectId::Balloons), IDC_ON_DESKTOP));

    // Several allowed: the next one joins.
    host.options.SetBool(L"fAllowMultipleEffects", true);
    Show(EffectId::Hearts);
    Click(Page(EffectId::Hearts), IDC_PAGE_ENABLE);
    EXPECT_TRUE(EffectOf(EffectId::Balloons).Running());
    EXPECT_TRUE(EffectOf(EffectId::Hearts).Running());

    // Forbidding several again stops nothing by itself...
    host.options.SetBool(L"fAllowMultipleEffects", false);
    EXPECT_TRUE(EffectOf(EffectId::Balloons).Running());
    EXPECT_TRUE(EffectOf(EffectId::Hearts).Running());
    // ...until one more is ticked.
    Show(EffectId::Sweets);
    Click(Page(EffectId::Sweets), IDC_PAGE_ENABLE);
    EXPECT_FALSE(EffectOf(EffectId::Balloons).Running());
    EXPECT_FALSE(EffectOf(EffectId::Hearts).Running());
    EXPECT_TRUE(EffectOf(EffectId::Sweets).Running());

    // Clearing the box stops the effect and disables the page's settings.
    Click(Page(EffectId::Sweets), IDC_PAGE_ENABLE);
    EXPECT_FALSE(EffectOf(EffectId::Sweets).Running());
    EXPECT_FALSE(host.options.GetBool(L"fEffectSweets"));
    EXPECT_FALSE(Enabled(Page(EffectId::Sweets), IDC_DENSITY_RANDOM));
}

TEST_F(EffectPages, TheRuleVisitsTheEffectsInTheirOwnOrderWithTheCustomObjectsAfterTheCursor) {
    // Switched on, though not started; listed out of order.
    for (const wchar_t* key :
         {L"fEffectSweets", L"fEffectDandelions", L"fEffectCursor", L"fEffectsBalloons"})
        host.options.SetBool(key, true);
    Build();
    Show(EffectId::LeafFall);
    host.asked.clear();
    Click(Page(EffectId::LeafFall), IDC_PAGE_ENABLE);

    // The ticked page takes its effect first; then the rule asks the custom objects
    // whether any is on and switches each effect that is on off through its page.
    const std::vector<std::optional<EffectId>> expected = {EffectId::LeafFall,   EffectId::Balloons,
                                                           EffectId::Cursor,     std::nullopt,
                                                           EffectId::Dandelions, EffectId::Sweets};
    EXPECT_EQ(expected, host.asked);
    for (EffectId effect :
         {EffectId::Balloons, EffectId::Cursor, EffectId::Dandelions, EffectId::Sweets})
        EXPECT_FALSE(host.options.GetBool(KeysOf(effect).enableKey));
}

TEST_F(EffectPages, SlidersActWhenTheMouseLetsGoNotWhenTheKeyboardMovesThem) {
    host.options.SetBool(L"fEffectsLeafFall", true);
    host.options.SetInt(L"iEffectsLeafFallDensity", 5);
    auto& leaf = EffectOf<CDlgEffectsLeafFall>(EffectId::LeafFall);
    leaf.StartEffect();
    Tick(leaf);
    ASSERT_EQ(50u, leaf.Simulation().Records().size());
    Build();
    Show(EffectId::LeafFall);
    HWND density = Control(EffectId::LeafFall, IDC_DENSITY_SLIDER);

    SendMessageW(density, TBM_SETPOS, TRUE, 6);
    ReleaseThumb(density);
    EXPECT_EQ(180, leaf.targetCount);
    EXPECT_EQ(6, host.options.GetInt(L"iEffectsLeafFallDensity"));
    Tick(leaf);
    EXPECT_EQ(180u, leaf.Simulation().Records().size()) << "the next frame tops up";

    SetFocus(density);
    SendMessageW(density, WM_KEYDOWN, VK_RIGHT, 0);
    SendMessageW(density, WM_KEYUP, VK_RIGHT, 0);
    EXPECT_EQ(7, SendMessageW(density, TBM_GETPOS, 0, 0)) << "the thumb moves";
    EXPECT_EQ(180, leaf.targetCount);
    EXPECT_EQ(6, host.options.GetInt(L"iEffectsLeafFallDensity"));

    // The wind slider applies the start rule: level 9 blows at once.
    HWND wind = Control(EffectId::LeafFall, IDC_WIND_SLIDER);
    SendMessageW(wind, TBM_SETPOS, TRUE, 9);
    ReleaseThumb(wind);
    EXPECT_EQ(9, leaf.Simulation().Wind().level);
    EXPECT_TRUE(leaf.Simulation().Wind().active);
    EXPECT_EQ(9, host.options.GetInt(L"iEffectsLeafFallWind"));

    // Each effect has its own count for a density.
    host.options.SetBool(L"fEffectConfetti", true);
    host.options.SetInt(L"iEffectConfettiDensity", 2);
    tab->BuildEffectsTree();
    Show(EffectId::Confetti);
    HWND confetti = Control(EffectId::Confetti, IDC_DENSITY_SLIDER);
    SendMessageW(confetti, TBM_SETPOS, TRUE, 7);
    ReleaseThumb(confetti);
    EXPECT_EQ(700, EffectOf(EffectId::Confetti).targetCount);
    EXPECT_EQ(7, host.options.GetInt(L"iEffectConfettiDensity"));
}

TEST_F(EffectPages, PlacementAndRandomBoxesWriteTheirKeys) {
    host.options.SetBool(L"fEffectsLeafFall", true);
    auto& leaf = EffectOf(EffectId::LeafFall);
    leaf.StartEffect();
    Build();
    Show(EffectId::LeafFall);
    Click(Page(EffectId::LeafFall), IDC_ON_TOP);
    EXPECT_TRUE(host.options.GetBool(L"fEffectsLeafFallTop"));
    EXPECT_TRUE(GetWindowLongPtrW(leaf.GetSafeHwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    Click(Page(EffectId::LeafFall), IDC_ON_DESKTOP);
    EXPECT_FALSE(host.options.GetBool(L"fEffectsLeafFallTop"));
    EXPECT_FALSE(GetWindowLongPtrW(leaf.GetSafeHwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);

    const int targetBefore = leaf.targetCount;
    Click(Page(EffectId::LeafFall), IDC_DENSITY_RANDOM);
    Click(Page(EffectId::LeafFall), IDC_WIND_RANDOM);
    EXPECT_TRUE(host.options.GetBool(L"fEffectsLeafFallDensityRandom"));
    EXPECT_TRUE(host.options.GetBool(L"fEffectsLeafFallWindRandom"));
    EXPECT_EQ(targetBefore, leaf.targetCount) << "a random box changes nothing now";

    // A stopped effect: the key is written all the same, for the next start.
    host.options.SetBool(L"fEffectFireflies", true);
    tab->BuildEffectsTree();
    Show(EffectId::Fireflies);
    Click(Page(EffectId::Fireflies), IDC_ON_TOP);
    EXPECT_TRUE(host.options.GetBool(L"fEffectFirefliesTop"));
    Click(Page(EffectId::Fireflies), IDC_MULTICOLORED);
    EXPECT_TRUE(host.options.GetBool(L"fEffectFirefliesColorful"));
    EXPECT_TRUE(EffectOf<CDlgEffectFireflies>(EffectId::Fireflies).Simulation().Colourful());
}

TEST_F(EffectPages, ListsSelectTheStoredValueOrNothingAndPassTheChoiceOn) {
    host.options.SetBool(L"fEffectFallingPetals", true);
    host.options.SetString(L"strEffectFallingPetalsColor", L"purple");
    host.options.SetBool(L"fEffectCursor", true);
    host.options.SetString(L"strEffectCursorEffect", L"DOTS");
    auto& petals = EffectOf<CDlgEffectFallingPetals>(EffectId::FallingPetals);
    petals.StartEffect();
    Build();

    HWND colours = Control(EffectId::FallingPetals, IDC_PETAL_COLOR);
    ASSERT_EQ(3, SendMessageW(colours, CB_GETCOUNT, 0, 0));
    EXPECT_EQ(L"Pink", ListText(colours, 0));
    EXPECT_EQ(L"Red", ListText(colours, 1));
    EXPECT_EQ(L"White", ListText(colours, 2));
    EXPECT_EQ(CB_ERR, SendMessageW(colours, CB_GETCURSEL, 0, 0)) << "no colour is \"purple\"";
    EXPECT_EQ(L"Color:", TextOf(Control(EffectId::FallingPetals, IDC_PETAL_COLOR_LABEL)));
    // The effect took the stored value itself: any colour but pink and white is red.
    const std::optional<Sprite> red = LoadSprite(448);
    ASSERT_TRUE(red);
    EXPECT_EQ(red->Width(), petals.Simulation().Sprites().front().Width());
    EXPECT_EQ(L"purple", host.options.GetString(L"strEffectFallingPetalsColor"));

    Show(EffectId::FallingPetals);
    Choose(colours, 0);
    EXPECT_EQ(L"pink", host.options.GetString(L"strEffectFallingPetalsColor"));
    const std::optional<Sprite> pink = LoadSprite(459);
    ASSERT_TRUE(pink);
    EXPECT_EQ(pink->Pixel(pink->Width() / 2, pink->Height() / 2),
              petals.Simulation().Sprites().front().Pixel(pink->Width() / 2, pink->Height() / 2));

    HWND modes = Control(EffectId::Cursor, IDC_CURSOR_EFFECT);
    ASSERT_EQ(10, SendMessageW(modes, CB_GETCOUNT, 0, 0));
    for (LRESULT i = 1; i < 10; ++i)
        EXPECT_LT(ListText(modes, i - 1), ListText(modes, i)) << "sorted by text";
    EXPECT_EQ(L"Dots", ListText(modes, SendMessageW(modes, CB_GETCURSEL, 0, 0)));
    Show(EffectId::Cursor);
    const LRESULT trail =
        SendMessageW(modes, CB_FINDSTRINGEXACT, -1, reinterpret_cast<LPARAM>(L"Trail"));
    ASSERT_NE(CB_ERR, trail);
    Choose(modes, trail);
    EXPECT_EQ(L"TRAIL", host.options.GetString(L"strEffectCursorEffect"));
    EXPECT_EQ(CursorMode::Trail, EffectOf<CDlgEffectCursor>(EffectId::Cursor).Effect().Mode());

    // Matching is exact: a value in other letter case selects nothing.
    host.options.SetString(L"strEffectCursorEffect", L"trail");
    tab->BuildEffectsTree();
    EXPECT_EQ(CB_ERR,
              SendMessageW(Control(EffectId::Cursor, IDC_CURSOR_EFFECT), CB_GETCURSEL, 0, 0));
}

TEST_F(EffectPages, AChangeOfLanguageRebuildsThePagesAndLeavesTheEffectsRunning) {
    host.options.SetBool(L"fEffectsLeafFall", true);
    auto& leaf = EffectOf(EffectId::LeafFall);
    leaf.StartEffect();
    HWND leafWindow = leaf.GetSafeHwnd();
    Build();
    Show(EffectId::Hearts);

    const wchar_t* dist = _wgetenv(L"ORVANE_DIST");
    ASSERT_NE(nullptr, dist);
    host.texts.SetFolder(dist);
    host.texts.LoadLanguage(L"Russian");
    tab->ApplyTexts(); // what the main window's RetranslateWindow does for this page

    const std::vector<HTREEITEM> items = Items();
    ASSERT_EQ(kEffectTreeSize, items.size());
    for (std::size_t i = 0; i < items.size(); ++i)
        EXPECT_EQ(host.texts.Text(kEffectTree[i].nameTextId), ItemText(items[i]));
    EXPECT_EQ(L"\u041B\u0438\u0441\u0442\u043E\u043F\u0430\u0434", ItemText(items[8]))
        << "Leaf fall";
    EXPECT_EQ(nullptr, TreeView_GetSelection(Tree()));
    for (const EffectTreeEntry& entry : kEffectTree)
        EXPECT_FALSE(IsWindowVisible(Page(entry.effect)));
    EXPECT_TRUE(tab->PageShown()) << "the introduction does not come back";

    EXPECT_EQ(leafWindow, leaf.GetSafeHwnd()) << "neither stopped nor started again";
    EXPECT_TRUE(Checked(Page(EffectId::LeafFall), IDC_PAGE_ENABLE));
    EXPECT_EQ(host.texts.Text(95), TextOf(Control(EffectId::LeafFall, IDC_PAGE_TITLE)));
}

TEST_F(EffectPages, BuildingAndClosingTheTabOverAndOverLeaksNothing) {
    auto cycle = [&] {
        Build();
        for (const EffectTreeEntry& entry : kEffectTree)
            Show(entry.effect);
        tab->BuildEffectsTree();
        tab.reset();
    };
    for (int i = 0; i < 2; ++i)
        cycle();
    const unsigned long gdiBefore = test::GdiObjectCount();
    const std::size_t heapBefore = test::HeapBytesInUse();
    for (int i = 0; i < 8; ++i)
        cycle();
    ASSERT_GT(gdiBefore, 0u);
    EXPECT_EQ(gdiBefore, test::GdiObjectCount());
    // Each cycle decodes the introduction and 2 × 16 previews, 2.4 MB of pixels: one
    // picture kept would show many times over. (Wine keeps a few bytes per dialog.)
    EXPECT_LT(test::HeapBytesInUse(), heapBefore + 64 * 1024);
}

TEST_F(EffectPages, TheGarlandPageDrivesTheGarlandLive) {
    host.options.SetInt(L"iGarland", 3);
    host.options.SetInt(L"iFlash", 2);
    host.options.SetInt(L"iFlashSpeed", 7);
    host.options.SetBool(L"fFlashRandom", true);
    Build();
    Show(EffectId::Garland);
    const EffectId page = EffectId::Garland;
    HWND kinds = Control(page, IDC_GARLAND_KIND), modes = Control(page, IDC_FLASH_MODE);
    HWND speed = Control(page, IDC_FLASH_SPEED);
    EXPECT_EQ(L"Lights and Garlands", TextOf(Control(page, IDC_PAGE_TITLE)));
    ASSERT_EQ(6, SendMessageW(kinds, CB_GETCOUNT, 0, 0));
    EXPECT_EQ(L"Icicle Lights", ListText(kinds, 5));
    EXPECT_EQ(3, SendMessageW(kinds, CB_GETCURSEL, 0, 0));
    ASSERT_EQ(5, SendMessageW(modes, CB_GETCOUNT, 0, 0));
    EXPECT_EQ(L"Chasing", ListText(modes, 2));
    EXPECT_EQ(2, SendMessageW(modes, CB_GETCURSEL, 0, 0));
    EXPECT_EQ(7, SendMessageW(speed, TBM_GETPOS, 0, 0));
    EXPECT_TRUE(Checked(Page(page), IDC_FLASH_RANDOM));
    EXPECT_FALSE(Checked(Page(page), IDC_GARLAND_RANDOM));
    EXPECT_TRUE(Checked(Page(page), IDC_GARLAND_ON_DESKTOP));
    for (int id : {IDC_GARLAND_KIND, IDC_FLASH_MODE, IDC_FLASH_SPEED, IDC_FLASH_RANDOM,
                   IDC_GARLAND_RANDOM, IDC_GARLAND_ON_DESKTOP, IDC_GARLAND_ON_TOP})
        EXPECT_FALSE(Enabled(Page(page), id)) << "usable only while the garland is on: " << id;

    auto& garland = EffectOf<CDlgLights>(EffectId::Garland);
    Click(Page(page), IDC_PAGE_ENABLE);
    ASSERT_TRUE(garland.Running());
    EXPECT_TRUE(host.options.GetBool(L"fGarland"));
    EXPECT_TRUE(Enabled(Page(page), IDC_FLASH_SPEED));

    Choose(kinds, 5);
    EXPECT_EQ(kIcicleLights, garland.Lights().Kind());
    EXPECT_EQ(5, host.options.GetInt(L"iGarland"));
    Choose(modes, 3);
    EXPECT_EQ(kSections, garland.Lights().Mode());
    EXPECT_EQ(3, host.options.GetInt(L"iFlash"));
    const int phase = garland.Lights().Phase();
    Tick(garland);
    EXPECT_EQ((phase + 1) % 4, garland.Lights().Phase());

    SendMessageW(speed, TBM_SETPOS, TRUE, 9);
    EXPECT_EQ(7, host.options.GetInt(L"iFlashSpeed")) << "not before the thumb is let go";
    ReleaseThumb(speed);
    EXPECT_EQ(9, host.options.GetInt(L"iFlashSpeed"));

    Click(Page(page), IDC_GARLAND_ON_TOP);
    EXPECT_TRUE(host.options.GetBool(L"fGarlandTop"));
    EXPECT_TRUE(GetWindowLongPtrW(garland.GetSafeHwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    Click(Page(page), IDC_GARLAND_RANDOM);
    EXPECT_TRUE(host.options.GetBool(L"fGarlandRandom"));

    Click(Page(page), IDC_PAGE_HELP);
    ASSERT_EQ(1u, host.helpKeys.size());
    EXPECT_EQ(L"effects", host.helpKeys[0]);

    Click(Page(page), IDC_PAGE_ENABLE);
    EXPECT_FALSE(garland.Running());
    EXPECT_FALSE(host.options.GetBool(L"fGarland"));
    EXPECT_FALSE(Enabled(Page(page), IDC_GARLAND_KIND));
}

TEST_F(EffectPages, TheCustomObjectsPageActsOnTheSelectedObjectAndKeepsTheOthersRunning) {
    CCustomObjects& objects = host.customObjects;
    std::vector<std::wstring> paths;
    for (const wchar_t* name : {L"b.png", L"a.png"}) {
        paths.push_back(host.objectFolder / name);
        ASSERT_TRUE(test::WritePicture(paths.back(), 20, 20, [](Gdiplus::Graphics& g) {
            g.Clear(Gdiplus::Color(255, 30, 120, 200));
        }));
        objects.Add(paths.back());
    }
    objects.Add(paths[0]);                   // entry 2: a second object of b.png
    objects.SetCustomObjectEnabled(2, true); // already on before the page
    EffectOf(EffectId::LeafFall).StartEffect();
    host.options.SetBool(L"fEffectsLeafFall", true);
    Build();
    const std::optional<EffectId> page; // the custom objects
    Show(page);
    HWND list = Control(page, IDC_OBJECT_LIST);
    ASSERT_EQ(3, ListView_GetItemCount(list));
    wchar_t text[MAX_PATH] = L"";
    ListView_GetItemText(list, 0, 0, text, MAX_PATH);
    EXPECT_EQ(paths[1], text) << "sorted by path";
    EXPECT_FALSE(IsWindowVisible(Control(page, IDC_PAGE_ENABLE))) << "nothing selected";
    EXPECT_FALSE(Enabled(Page(page), IDC_OBJECT_DUPLICATE));
    EXPECT_FALSE(Enabled(Page(page), IDC_OBJECT_REMOVE));
    EXPECT_TRUE(Enabled(Page(page), IDC_OBJECT_ADD));

    // The first item is entry 1, a.png.
    ListView_SetItemState(list, 0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    EXPECT_TRUE(IsWindowVisible(Control(page, IDC_PAGE_ENABLE)));
    EXPECT_TRUE(Enabled(Page(page), IDC_OBJECT_REMOVE));
    EXPECT_FALSE(Checked(Page(page), IDC_PAGE_ENABLE));
    EXPECT_FALSE(Enabled(Page(page), IDC_ON_TOP));
    Click(Page(page), IDC_PAGE_ENABLE);
    EXPECT_TRUE(objects.Entry(1).enabled);
    EXPECT_TRUE(objects.Window(1).Running());
    EXPECT_TRUE(objects.Window(2).Running()) << "the other object keeps running";
    EXPECT_FALSE(EffectOf(EffectId::LeafFall).Running()) << "every other effect stops";
    EXPECT_FALSE(host.options.GetBool(L"fEffectsLeafFall"));
    EXPECT_TRUE(Enabled(Page(page), IDC_ON_TOP));
    Click(Page(page), IDC_ON_TOP);
    EXPECT_TRUE(objects.Entry(1).top);
    EXPECT_TRUE(GetWindowLongPtrW(objects.Window(1).GetSafeHwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_FALSE(objects.Entry(2).top);

    // Another effect switches every object off, and the page shows it.
    Show(EffectId::Balloons);
    Click(Page(EffectId::Balloons), IDC_PAGE_ENABLE);
    EXPECT_TRUE(EffectOf(EffectId::Balloons).Running());
    for (std::size_t i = 0; i < objects.Count(); ++i) {
        EXPECT_FALSE(objects.Entry(i).enabled) << i;
        EXPECT_FALSE(objects.Window(i).Running()) << i;
    }
    EXPECT_FALSE(Checked(Page(page), IDC_PAGE_ENABLE));
    EXPECT_FALSE(Enabled(Page(page), IDC_ON_TOP));

    // Duplicate and Remove act on the selected object and leave nothing selected.
    Show(page);
    Click(Page(page), IDC_OBJECT_DUPLICATE);
    ASSERT_EQ(4u, objects.Count());
    EXPECT_EQ(paths[1], objects.Entry(3).path);
    EXPECT_FALSE(objects.Entry(3).top) << "a copy starts on the desktop, not placed";
    EXPECT_EQ(kNotPlaced, objects.Entry(3).x);
    EXPECT_EQ(4, ListView_GetItemCount(list));
    EXPECT_FALSE(IsWindowVisible(Control(page, IDC_PAGE_ENABLE)));
    ListView_SetItemState(list, 3, LVIS_SELECTED, LVIS_SELECTED); // the last by path: b.png
    Click(Page(page), IDC_OBJECT_REMOVE);
    ASSERT_EQ(3u, objects.Count());
    EXPECT_EQ(3, ListView_GetItemCount(list));
    EXPECT_FALSE(Enabled(Page(page), IDC_OBJECT_REMOVE));
}

} // namespace
} // namespace orvane
