#include "personalize/ScreensaverRules.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <vector>

namespace orvane {
namespace {

const std::wstring kRoot = L"C:\\Windows";
const std::wstring kSystem32 = kRoot + L"\\System32";
const std::wstring kSysWow64 = kRoot + L"\\SysWOW64";

// Names as string 1 of each file gives them; files not listed have none.
std::function<std::wstring(const std::wstring&)>
NamesOf(const std::map<std::wstring, std::wstring>& names) {
    return [names](const std::wstring& path) {
        const auto found = names.find(path);
        return found == names.end() ? std::wstring() : found->second;
    };
}

std::vector<std::wstring> Paths(const std::vector<ScreensaverEntry>& entries) {
    std::vector<std::wstring> paths;
    for (const ScreensaverEntry& entry : entries)
        paths.push_back(entry.path);
    return paths;
}

TEST(ScreensaverCatalogue, ATwinInSysWow64IsListedOnceWithItsSystem32PathALoneOneKeepsItsOwn) {
    const std::vector<ScreensaverFolder> folders = {
        {kRoot, {L"Aurora.scr"}},
        {kSystem32, {L"Mystify.scr", L"Ribbons.scr"}},
        {kSysWow64, {L"Ribbons.scr", L"OnlyHere.scr"}},
    };
    const auto entries = BuildScreensaverEntries(
        folders, NamesOf({{kSystem32 + L"\\Mystify.scr", L"Mystify"}}), L"Blank");
    EXPECT_EQ(std::vector<std::wstring>({kRoot + L"\\Aurora.scr", kSystem32 + L"\\Mystify.scr",
                                         kSysWow64 + L"\\OnlyHere.scr",
                                         kSystem32 + L"\\Ribbons.scr"}),
              Paths(entries));
    // Without a name of its own a file is listed under its file name.
    EXPECT_EQ(L"Ribbons", entries[3].name);

    // The twin test compares exactly: a folder spelt in other letters is another path.
    const auto spelt = BuildScreensaverEntries(
        {{kSystem32, {L"Ribbons.scr"}}, {kRoot + L"\\syswow64", {L"Ribbons.scr"}}},
        NamesOf({}), L"Blank");
    EXPECT_EQ(2u, spelt.size());
}

TEST(ScreensaverCatalogue, NamesComeFromTheFileOrItsNameAndSortOrdinally) {
    const std::vector<ScreensaverFolder> folders = {
        {kSystem32,
         {L"scrnsave.scr", L"Scrnsave2.scr", L"my.photos.scr", L"zeta.scr", L"bubbles.scr",
          L"noext"}},
    };
    const auto entries = BuildScreensaverEntries(
        folders, NamesOf({{kSystem32 + L"\\bubbles.scr", L"Bubbles"}}), L"Blank");
    std::vector<std::wstring> names;
    for (const ScreensaverEntry& entry : entries)
        names.push_back(entry.name);
    // Ordinal: upper case sorts before lower case.
    EXPECT_EQ(std::vector<std::wstring>(
                  {L"Blank", L"Bubbles", L"Scrnsave2", L"my.photos", L"noext", L"zeta"}),
              names);

    EXPECT_EQ(L"Blank", FallbackScreensaverName(L"scrnsave.scr", L"Blank"));
    EXPECT_EQ(L"SCRNSAVE", FallbackScreensaverName(L"SCRNSAVE.SCR", L"Blank"))
        << "only the exact lower-case name is the blank screen saver";
}

TEST(ScreensaverCatalogue, EqualNamesKeepTheSearchOrder) {
    const auto entries = BuildScreensaverEntries(
        {{kRoot, {L"same.scr"}}, {kSystem32, {L"same.scr"}}}, NamesOf({}), L"Blank");
    EXPECT_EQ(std::vector<std::wstring>({kRoot + L"\\same.scr", kSystem32 + L"\\same.scr"}),
              Paths(entries));
}

TEST(ScreensaverCatalogue, TheCurrentScreenSaverIsFoundWithoutRegardToCaseOrWowFolder) {
    const std::vector<ScreensaverEntry> entries = {{kRoot + L"\\A.scr", L"A"},
                                                   {kSystem32 + L"\\B.scr", L"B"},
                                                   {kSysWow64 + L"\\C.scr", L"C"}};
    EXPECT_EQ(1, IndexOfScreensaver(entries, L"c:\\windows\\system32\\b.SCR"));
    EXPECT_EQ(1, IndexOfScreensaver(entries, kSysWow64 + L"\\B.scr"));
    EXPECT_EQ(2, IndexOfScreensaver(entries, kSystem32 + L"\\C.scr"));
    EXPECT_EQ(-1, IndexOfScreensaver(entries, L"C:\\Other\\A.scr"));
    EXPECT_EQ(-1, IndexOfScreensaver(entries, L""));
    EXPECT_EQ(-1, IndexOfScreensaver({}, kRoot + L"\\A.scr"));

    // Only the exact spelling "SysWOW64" is the 32-bit folder.
    EXPECT_EQ(L"C:\\System32\\x\\System32", ComparisonForm(L"C:\\SysWOW64\\x\\SysWOW64"));
    EXPECT_EQ(L"C:\\syswow64\\x.scr", ComparisonForm(L"C:\\syswow64\\x.scr"));

    EXPECT_TRUE(IsBlankScreensaver(L"C:\\WINDOWS\\system32\\SCRNSAVE.SCR", kRoot));
    EXPECT_TRUE(IsBlankScreensaver(kSysWow64 + L"\\scrnsave.scr", kRoot));
    EXPECT_FALSE(IsBlankScreensaver(kRoot + L"\\scrnsave.scr", kRoot));
    EXPECT_FALSE(IsBlankScreensaver(L"", kRoot));
}

TEST(ScreensaverChange, InOrderEachRunMovesToTheNextAndWraps) {
    const auto never = [] {
        ADD_FAILURE() << "in order draws nothing";
        return 0;
    };
    EXPECT_EQ(1, NextScreensaverIndex(3, 0, false, never));
    EXPECT_EQ(2, NextScreensaverIndex(3, 1, false, never));
    EXPECT_EQ(0, NextScreensaverIndex(3, 2, false, never));
    EXPECT_EQ(0, NextScreensaverIndex(3, -1, false, never)) << "not listed: the first";
    // A single entry stays; a catalogue that cannot name one changes nothing.
    EXPECT_EQ(0, NextScreensaverIndex(1, 0, false, never));
    EXPECT_EQ(0, NextScreensaverIndex(1, 0, true, never));
    EXPECT_EQ(-1, NextScreensaverIndex(1, -1, false, never));
    EXPECT_EQ(-1, NextScreensaverIndex(0, -1, true, never));
    EXPECT_EQ(-1, NextScreensaverIndex(0, 0, false, never));
}

TEST(ScreensaverChange, ShuffledDrawsUntilItFindsAnotherOne) {
    // The generator repeats the current entry (1, 4 and 7 are 1 modulo 3) before it
    // gives another.
    std::vector<int> draws = {1, 4, 7, 32765};
    std::size_t next = 0;
    const auto draw = [&] { return draws.at(next++); };
    EXPECT_EQ(2, NextScreensaverIndex(3, 1, true, draw)); // 32765 % 3
    EXPECT_EQ(4u, next);

    // Over many runs with a real sequence: never the same twice in a row, and every
    // entry comes up.
    unsigned state = 12345;
    const auto lcg = [&] {
        state = state * 214013u + 2531011u;
        return static_cast<int>((state >> 16) & 0x7FFF);
    };
    int current = 0;
    std::set<int> seen;
    for (int run = 0; run < 300; ++run) {
        const int chosen = NextScreensaverIndex(4, current, true, lcg);
        ASSERT_NE(current, chosen);
        ASSERT_GE(chosen, 0);
        ASSERT_LT(chosen, 4);
        seen.insert(chosen);
        current = chosen;
    }
    EXPECT_EQ(4u, seen.size());
}

TEST(ScreensaverChange, OnlyTheEndOfARunCounts) {
    ScreensaverRunWatch watch;
    // Never ran: nothing ends.
    EXPECT_FALSE(watch.RunEnded(false));
    EXPECT_FALSE(watch.RunEnded(false));
    // While it runs nothing happens; the first poll after it ends says so, once.
    EXPECT_FALSE(watch.RunEnded(true));
    EXPECT_TRUE(watch.WasRunning());
    EXPECT_FALSE(watch.RunEnded(true));
    EXPECT_TRUE(watch.RunEnded(false));
    EXPECT_FALSE(watch.WasRunning());
    EXPECT_FALSE(watch.RunEnded(false));
    EXPECT_FALSE(watch.RunEnded(true));
    EXPECT_TRUE(watch.RunEnded(false));
}

TEST(ScreensaverPage, TheWaitIsHeldBetweenOneAndNineThousandNineHundredNinetyNineMinutes) {
    EXPECT_EQ(1, ClampWaitMinutes(L"0"));
    EXPECT_EQ(9999, ClampWaitMinutes(L"12000"));
    EXPECT_EQ(9999, ClampWaitMinutes(L"99999999999999999999"));
    EXPECT_EQ(15, ClampWaitMinutes(L"15"));
    EXPECT_EQ(9999, ClampWaitMinutes(L"9999"));
    EXPECT_EQ(1, ClampWaitMinutes(L"")) << "not a number reads as 0";
    EXPECT_EQ(1, ClampWaitMinutes(L"abc"));
    EXPECT_EQ(1, ClampWaitMinutes(L"-5"));
    EXPECT_EQ(12, ClampWaitMinutes(L"12min"));
}

TEST(ScreensaverPage, CommandLinesFollowTheConventionAndQuoteAPathWithBlanks) {
    EXPECT_EQ(L"C:\\Windows\\System32\\Ribbons.scr /p 4660",
              PreviewCommandLine(L"C:\\Windows\\System32\\Ribbons.scr", 0x1234));
    EXPECT_EQ(L"a.scr /p -2", PreviewCommandLine(L"a.scr", -2));
    EXPECT_EQ(L"\"C:\\Program Files\\Savers\\Sea.scr\" /p 77",
              PreviewCommandLine(L"C:\\Program Files\\Savers\\Sea.scr", 77));
    EXPECT_EQ(L"C:\\Windows\\System32\\Ribbons.scr  /c",
              SettingsCommandLine(L"C:\\Windows\\System32\\Ribbons.scr"));
    EXPECT_EQ(L"\"C:\\Program Files\\Sea.scr\"  /c", SettingsCommandLine(L"C:\\Program Files\\Sea.scr"));

    EXPECT_EQ(L"https://orvane.teskan.com/screensavers/", ScreensaversAddress(L"English"));
    EXPECT_EQ(L"https://orvane.teskan.com/screensavers/?lng=ru", ScreensaversAddress(L"Russian"));
}

} // namespace
} // namespace orvane
