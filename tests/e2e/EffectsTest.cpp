#include "DialogControls.h"
#include "OrvaneProcess.h"
#include "OverlayChecks.h"
#include "RemoteControls.h"

#include "resources/ids_app.h"
#include "resources/ids_effectpages.h"

#include <gtest/gtest.h>

#include <map>

namespace orvane::test {
namespace {

TEST(Effects, LeafFallSetInTheSettingsRunsFromStartUpOnTheDesktop) {
    OrvaneProcess orvane;
    orvane.WriteSettings(L"[Settings]\r\nfEffectsLeafFall=1\r\n");
    ASSERT_TRUE(orvane.Start(L"-auto"));
    ASSERT_NE(nullptr, orvane.MainWindow());
    HWND overlay = nullptr;
    ASSERT_TRUE(WaitFor([&] {
        const std::vector<HWND> overlays = orvane.Overlays();
        overlay = overlays.size() == 1 ? overlays.front() : nullptr;
        return overlay != nullptr;
    }));
    test::ExpectDefaultOverlayPlacement(overlay);
    orvane.Exit();
    EXPECT_TRUE(orvane.WaitForExit());
}

TEST(Effects, EveryEnabledEffectStartsWithItsOwnPlacement) {
    OrvaneProcess orvane;
    orvane.WriteSettings(L"[Settings]\r\nfEffectsBalloons=1\r\nfEffectHearts=1\r\n"
                         L"fEffectHeartsTop=1\r\nfEffectRain=1\r\nfEffectSweets=0\r\n");
    ASSERT_TRUE(orvane.Start(L"-auto"));
    ASSERT_NE(nullptr, orvane.MainWindow());
    ASSERT_TRUE(WaitFor([&] { return orvane.Overlays().size() >= 3; }));
    Sleep(500);
    const auto overlays = orvane.Overlays();
    ASSERT_EQ(3u, overlays.size());
    int topmost = 0;
    for (HWND overlay : overlays)
        topmost += (GetWindowLongPtrW(overlay, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    EXPECT_EQ(1, topmost) << "hearts on top, balloons and rain on the desktop";
    orvane.Exit();
    EXPECT_TRUE(orvane.WaitForExit());
}

TEST(Effects, NoEffectKeyNoOverlay) {
    OrvaneProcess orvane;
    ASSERT_TRUE(orvane.Start(L"-auto"));
    ASSERT_NE(nullptr, orvane.MainWindow());
    Sleep(1000);
    EXPECT_TRUE(orvane.Overlays().empty());
    orvane.Exit();
    EXPECT_TRUE(orvane.WaitForExit());
}

// The Effects tab of a running Orvane, driven as a user would: the tab, then an entry of
// the tree, then the controls of its page.
class EffectsTab {
public:
    explicit EffectsTab(const OrvaneProcess& orvane)
        : m_main(orvane.MainWindow()), m_process(orvane.Id()) {
        HWND tabs = GetDlgItem(m_main, IDC_MAIN_TABS);
        // The window is found as soon as it exists; its pages and the tree come after.
        WaitFor([&] {
            HWND page = FindWindowHolding(tabs, IDC_EFFECTS_TREE);
            m_tree = page ? GetDlgItem(page, IDC_EFFECTS_TREE) : nullptr;
            return m_tree && TreeItems(m_tree).size() == 17;
        });
        ShowTab(tabs, FindTab(m_process.get(), tabs, L"Effects"));
    }
    bool Ok() const { return m_tree != nullptr; }
    std::vector<HTREEITEM> Items() const { return TreeItems(m_tree); }
    // Selects the entry and returns its page.
    HWND Open(const std::wstring& name) {
        for (HTREEITEM item : Items())
            if (TreeItemText(m_process.get(), m_tree, item) == name) {
                SelectTreeItem(m_tree, item);
                return FindPageTitled(m_main, IDC_PAGE_TITLE, name);
            }
        return nullptr;
    }

private:
    HWND m_main;
    RemoteProcess m_process;
    HWND m_tree = nullptr;
};

std::map<std::wstring, std::wstring> Stored(const OrvaneProcess& orvane) {
    std::map<std::wstring, std::wstring> values;
    for (const auto& [key, value] : orvane.StoredSettings())
        values[key] = value;
    return values;
}

TEST(EffectsTab, TickingAnEffectSwitchesTheRunningOneOffThroughItsPage) {
    OrvaneProcess orvane;
    orvane.WriteSettings(L"[Settings]\r\nfEffectsLeafFall=1\r\niEffectsBalloonsDensity=3\r\n");
    ASSERT_TRUE(orvane.Start());
    HWND leafOverlay = nullptr;
    ASSERT_TRUE(WaitFor([&] {
        const std::vector<HWND> overlays = orvane.Overlays();
        leafOverlay = overlays.size() == 1 ? overlays.front() : nullptr;
        return leafOverlay != nullptr;
    }));
    EffectsTab tab(orvane);
    ASSERT_TRUE(tab.Ok());
    HWND leaf = tab.Open(L"Leaf Fall");
    ASSERT_TRUE(leaf);
    EXPECT_TRUE(Checked(leaf, IDC_PAGE_ENABLE)) << "the page shows the running effect";
    HWND balloons = tab.Open(L"Balloons");
    ASSERT_TRUE(balloons);
    EXPECT_FALSE(Enabled(balloons, IDC_DENSITY_SLIDER));

    Click(balloons, IDC_PAGE_ENABLE);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(leafOverlay); })) << "Leaf fall stopped";
    EXPECT_FALSE(Checked(leaf, IDC_PAGE_ENABLE));
    EXPECT_FALSE(Enabled(leaf, IDC_DENSITY_SLIDER));
    EXPECT_FALSE(Enabled(leaf, IDC_ON_TOP));
    ASSERT_TRUE(WaitFor([&] { return orvane.Overlays().size() == 1; }));
    Sleep(300);
    EXPECT_EQ(1u, orvane.Overlays().size()) << "only Balloons runs";

    // The keyboard moves the density thumb but changes nothing until a mouse release.
    HWND density = GetDlgItem(balloons, IDC_DENSITY_SLIDER);
    ASSERT_TRUE(IsWindowEnabled(density));
    SendMessageW(density, WM_KEYDOWN, VK_RIGHT, 0);
    SendMessageW(density, WM_KEYUP, VK_RIGHT, 0);
    EXPECT_EQ(4, SendMessageW(density, TBM_GETPOS, 0, 0));

    orvane.Exit();
    ASSERT_TRUE(orvane.WaitForExit());
    auto stored = Stored(orvane);
    EXPECT_EQ(L"0", stored[L"fEffectsLeafFall"]);
    EXPECT_EQ(L"1", stored[L"fEffectsBalloons"]);
    EXPECT_EQ(L"3", stored[L"iEffectsBalloonsDensity"]);
}

TEST(EffectsTab, WithSeveralEffectsAllowedTickingOneLeavesTheOthersRunning) {
    OrvaneProcess orvane;
    orvane.WriteSettings(L"[Settings]\r\nfAllowMultipleEffects=1\r\nfEffectsLeafFall=1\r\n");
    ASSERT_TRUE(orvane.Start());
    ASSERT_TRUE(WaitFor([&] { return orvane.Overlays().size() == 1; }));
    EffectsTab tab(orvane);
    HWND hearts = tab.Open(L"Hearts");
    ASSERT_TRUE(hearts);
    Click(hearts, IDC_PAGE_ENABLE);
    EXPECT_TRUE(WaitFor([&] { return orvane.Overlays().size() == 2; }));
    orvane.Exit();
    ASSERT_TRUE(orvane.WaitForExit());
    auto stored = Stored(orvane);
    EXPECT_EQ(L"1", stored[L"fEffectsLeafFall"]);
    EXPECT_EQ(L"1", stored[L"fEffectHearts"]);
}

TEST(EffectsTab, EachParticleEffectTickedOnItsPageOpensItsOverlayAndTheNextStopsIt) {
    OrvaneProcess orvane;
    orvane.WriteSettings(L"[Settings]\r\niEffectSpaceFlightDensity=9\r\n"
                         L"strEffectCursorEffect=TRAIL\r\n");
    ASSERT_TRUE(orvane.Start());
    EffectsTab tab(orvane);
    ASSERT_TRUE(tab.Ok());
    HWND previous = nullptr;
    for (const wchar_t* name : {L"Space Flight", L"Confetti", L"Rain", L"Smoke", L"Cursor"}) {
        HWND page = tab.Open(name);
        ASSERT_TRUE(page) << name;
        Click(page, IDC_PAGE_ENABLE);
        ASSERT_TRUE(WaitFor([&] {
            const auto overlays = orvane.Overlays();
            return overlays.size() == 1 && overlays.front() != previous;
        })) << name;
        previous = orvane.Overlays().front();
        Sleep(300); // a few frames drawn
        EXPECT_TRUE(IsWindow(previous)) << name << " still runs";
    }
    orvane.Exit();
    ASSERT_TRUE(orvane.WaitForExit());
    EXPECT_EQ(0u, orvane.ExitCode());
    auto stored = Stored(orvane);
    EXPECT_EQ(L"0", stored[L"fEffectSpaceFlight"]);
    EXPECT_EQ(L"1", stored[L"fEffectCursor"]);
}

// Orvane started from here plays a processor without SSE2, which its effects need.
class ProcessorWithoutSse2 {
public:
    ProcessorWithoutSse2() { SetEnvironmentVariableW(L"ORVANE_PROCESSOR_WITHOUT_SSE2", L"1"); }
    ~ProcessorWithoutSse2() { SetEnvironmentVariableW(L"ORVANE_PROCESSOR_WITHOUT_SSE2", nullptr); }
};

constexpr wchar_t kNeedsSse2[] =
    L"The desktop effects need a processor with SSE2, which this computer lacks, so they stay "
    L"off. Everything else in Orvane works as usual.";

TEST(EffectsTab, WithoutSse2TheEffectsStayOffWithAMessageAndTheRestWorks) {
    ProcessorWithoutSse2 processor;
    OrvaneProcess orvane;
    orvane.WriteSettings(L"[Settings]\r\nfEffectsLeafFall=1\r\nfEffectHearts=1\r\n");
    ASSERT_TRUE(orvane.Start());
    HWND box = orvane.WaitForMessageBox(kNeedsSse2);
    ASSERT_NE(nullptr, box) << "said once at the start";
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    ASSERT_NE(nullptr, orvane.MainWindow());
    EXPECT_TRUE(orvane.Overlays().empty());

    // Ticking an effect says it again and leaves the box clear; the next page still opens.
    EffectsTab tab(orvane);
    ASSERT_TRUE(tab.Ok());
    HWND balloons = tab.Open(L"Balloons");
    ASSERT_TRUE(balloons);
    SendDlgItemMessageW(balloons, IDC_PAGE_ENABLE, BM_SETCHECK, BST_CHECKED, 0);
    PostMessageW(balloons, WM_COMMAND, MAKEWPARAM(IDC_PAGE_ENABLE, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(balloons, IDC_PAGE_ENABLE)));
    box = orvane.WaitForMessageBox(kNeedsSse2);
    ASSERT_NE(nullptr, box);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(box); }));
    EXPECT_FALSE(Checked(balloons, IDC_PAGE_ENABLE));
    EXPECT_TRUE(orvane.Overlays().empty());
    EXPECT_TRUE(tab.Open(L"Hearts"));

    orvane.Exit();
    ASSERT_TRUE(orvane.WaitForExit());
    EXPECT_EQ(0u, orvane.ExitCode());
    auto stored = Stored(orvane);
    EXPECT_EQ(L"1", stored[L"fEffectsLeafFall"]) << "kept for a processor that has SSE2";
    EXPECT_EQ(L"1", stored[L"fEffectHearts"]);
    EXPECT_NE(L"1", stored[L"fEffectsBalloons"]);
}

TEST(EffectsTab, ExitAfterOpeningEveryPageIsClean) {
    OrvaneProcess orvane;
    // Values no list holds: the lists show no choice, and the values stay.
    orvane.WriteSettings(L"[Settings]\r\nstrEffectCursorEffect=SPARKLES\r\n"
                         L"strEffectFallingPetalsColor=purple\r\n");
    ASSERT_TRUE(orvane.Start());
    EffectsTab tab(orvane);
    ASSERT_TRUE(tab.Ok());
    const auto items = tab.Items();
    ASSERT_EQ(17u, items.size());
    HWND main = orvane.MainWindow();
    for (const wchar_t* name :
         {L"Balloons", L"Confetti", L"Cursor", L"Custom Objects", L"Dandelions", L"Falling Petals",
          L"Fireflies", L"Hearts", L"Leaf Fall", L"Leaves in the wind", L"Lightning",
          L"Lights and Garlands", L"Rain", L"Rain of Flowers", L"Smoke", L"Space Flight",
          L"Sweets"})
        tab.Open(name);
    HWND cursor = FindPageTitled(main, IDC_PAGE_TITLE, L"Cursor");
    HWND petals = FindPageTitled(main, IDC_PAGE_TITLE, L"Falling Petals");
    ASSERT_TRUE(cursor && petals);
    EXPECT_TRUE(IsWindowVisible(FindPageTitled(main, IDC_PAGE_TITLE, L"Sweets")));
    EXPECT_EQ(CB_ERR, SendMessageW(GetDlgItem(cursor, IDC_CURSOR_EFFECT), CB_GETCURSEL, 0, 0));
    EXPECT_EQ(10, SendMessageW(GetDlgItem(cursor, IDC_CURSOR_EFFECT), CB_GETCOUNT, 0, 0));
    EXPECT_EQ(CB_ERR, SendMessageW(GetDlgItem(petals, IDC_PETAL_COLOR), CB_GETCURSEL, 0, 0));

    orvane.Exit();
    ASSERT_TRUE(orvane.WaitForExit());
    EXPECT_EQ(0u, orvane.ExitCode()) << "no crash on the way out";
    auto stored = Stored(orvane);
    EXPECT_EQ(L"SPARKLES", stored[L"strEffectCursorEffect"]);
    EXPECT_EQ(L"purple", stored[L"strEffectFallingPetalsColor"]);
}

} // namespace
} // namespace orvane::test
