#include "core/HelpLinks.h"
#include "core/Options.h"
#include "background/WallpaperSlideshow.h"
#include "framework/Random.h"
#include "MemoryProfile.h"
#include "tests/support/MemorySlideshowSystem.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace orvane {
namespace {

using test::MemoryProfile;

constexpr std::uint32_t kHidden = 0x2, kSystem = 0x4, kDirectory = 0x10, kTemporary = 0x100,
                        kArchive = 0x20, kReadOnly = 0x1;

// A slideshow over a fake system and an in-memory settings file.
struct Slideshow {
    test::MemorySlideshowSystem system;
    MemoryProfile file;
    COptions options;
    CWallpaperSlideshow show{system, options};

    void Load() { show.Load(file); }
    std::wstring Value(const std::wstring& section, const std::wstring& key) {
        return file.ReadString(section, key, L"<missing>", 260);
    }
    int Row(const std::wstring& path) const {
        const auto& list = show.Playlist();
        for (std::size_t i = 0; i < list.size(); ++i)
            if (list[i] == path)
                return static_cast<int>(i);
        return -1;
    }
};

TEST(WallpaperSlideshow, TakesOnlyVisiblePicturesOfTheKnownTypesFromAFolder) {
    Slideshow s;
    s.system.folders[L"C:\\Pics"] = {{L"a.JPG", kArchive},
                                     {L"b.jpe", kArchive},
                                     {L"c.tiff", kArchive},
                                     {L"d.png", kReadOnly},
                                     {L"e.jpg", kHidden | kArchive}};
    s.system.folders[L"C:\\More"] = {
        {L"f.bmp", kSystem},   {L"g.gif", kTemporary},  {L"h.jpg", kDirectory},
        {L"README", kArchive}, {L"archive.tar.Tif", 0}, {L"photo.jpeg.txt", 0},
        {L".jpeg", 0},         {L"i.Gif", 0},           {L"j.BMP", kReadOnly}};
    s.file.WriteString(L"WallpapersFolders", L"0", L"C:\\Pics");
    s.Load();
    EXPECT_EQ((std::vector<std::wstring>{L"C:\\Pics\\a.JPG", L"C:\\Pics\\d.png"}),
              s.show.Playlist());

    s.show.AddFolder(L"C:\\More");
    EXPECT_EQ((std::vector<std::wstring>{L"C:\\More\\.jpeg", L"C:\\More\\archive.tar.Tif",
                                         L"C:\\More\\i.Gif", L"C:\\More\\j.BMP", L"C:\\Pics\\a.JPG",
                                         L"C:\\Pics\\d.png"}),
              s.show.Playlist());
}

TEST(WallpaperSlideshow, SortsFoldersAndPlaylistOrdinallyAndKeepsFilesInTheOrderAdded) {
    Slideshow s;
    s.system.folders[L"D:\\b"] = {{L"Zebra.png", 0}, {L"apple.png", 0}};
    s.system.folders[L"D:\\B"] = {{L"x.png", 0}};
    s.system.files = {L"E:\\z.jpg", L"E:\\A.jpg"};
    s.file.WriteString(L"WallpapersFolders", L"0", L"D:\\b");
    s.file.WriteString(L"WallpapersFolders", L"1", L"D:\\B");
    s.file.WriteString(L"WallpapersFiles", L"0", L"E:\\z.jpg");
    s.file.WriteString(L"WallpapersFiles", L"1", L"E:\\A.jpg");
    s.Load();
    EXPECT_EQ((std::vector<std::wstring>{L"D:\\B", L"D:\\b"}), s.show.Folders());
    EXPECT_EQ((std::vector<std::wstring>{L"E:\\z.jpg", L"E:\\A.jpg"}), s.show.Files());
    // Upper case before lower case: code units, not letters.
    EXPECT_EQ((std::vector<std::wstring>{L"D:\\B\\x.png", L"D:\\b\\Zebra.png", L"D:\\b\\apple.png",
                                         L"E:\\A.jpg", L"E:\\z.jpg"}),
              s.show.Playlist());
}

TEST(WallpaperSlideshow, RemovedFolderPicturesBecomeExceptionsUntilTheFolderIsAddedAgain) {
    Slideshow s;
    s.system.folders[L"C:\\Pics"] = {{L"one.jpg", 0}, {L"two.jpg", 0}};
    s.system.files = {L"C:\\Single\\three.png"};
    s.file.WriteString(L"WallpapersFolders", L"0", L"C:\\Pics");
    s.file.WriteString(L"WallpapersFiles", L"0", L"C:\\Single\\three.png");
    s.Load();
    ASSERT_EQ(3u, s.show.Playlist().size());

    s.show.RemovePictures({s.Row(L"C:\\Pics\\two.jpg"), s.Row(L"C:\\Single\\three.png")});
    s.show.BuildPlaylist(false);
    EXPECT_EQ(std::vector<std::wstring>{L"C:\\Pics\\one.jpg"}, s.show.Playlist());
    EXPECT_EQ(L"C:\\Pics\\two.jpg", s.Value(L"WallpapersFoldersExceptions", L"0"));
    EXPECT_EQ(L"", s.Value(L"WallpapersFiles", L"0")) << "a single file is simply dropped";
    EXPECT_TRUE(s.show.Exceptions().size() == 1 && s.show.Files().empty());

    s.show.AddFolder(L"C:\\Pics");
    EXPECT_TRUE(s.show.Exceptions().empty());
    EXPECT_EQ(L"", s.Value(L"WallpapersFoldersExceptions", L"0")) << "the section was saved";
    EXPECT_EQ(std::vector<std::wstring>{L"C:\\Pics"}, s.show.Folders()) << "not added twice";
    EXPECT_EQ((std::vector<std::wstring>{L"C:\\Pics\\one.jpg", L"C:\\Pics\\two.jpg"}),
              s.show.Playlist());

    // Removing the folder takes its exceptions with it.
    s.show.RemovePictures({0});
    ASSERT_EQ(1u, s.show.Exceptions().size());
    s.show.RemoveFolders({0});
    s.show.BuildPlaylist(false);
    EXPECT_TRUE(s.show.Folders().empty() && s.show.Exceptions().empty() &&
                s.show.Playlist().empty());
    EXPECT_EQ(L"", s.Value(L"WallpapersFolders", L"0"));
    EXPECT_EQ(L"", s.Value(L"WallpapersFoldersExceptions", L"0"));
}

TEST(WallpaperSlideshow, AHandEditedFileNamingAPathTwiceHoldsItOnceSoOneRemovalTakesIt) {
    Slideshow s;
    s.system.folders[L"C:\\Pics"] = {{L"a.jpg", 0}, {L"b.jpg", 0}};
    s.system.files = {L"D:\\c.png"};
    for (const wchar_t* key : {L"0", L"1"}) {
        s.file.WriteString(L"WallpapersFolders", key, L"C:\\Pics");
        s.file.WriteString(L"WallpapersFiles", key, L"D:\\c.png");
    }
    s.Load();
    EXPECT_EQ(std::vector<std::wstring>{L"C:\\Pics"}, s.show.Folders());
    EXPECT_EQ(std::vector<std::wstring>{L"D:\\c.png"}, s.show.Files());

    s.show.RemovePictures({s.Row(L"D:\\c.png"), s.Row(L"C:\\Pics\\a.jpg")});
    s.show.BuildPlaylist(false);
    EXPECT_EQ(std::vector<std::wstring>{L"C:\\Pics\\b.jpg"}, s.show.Playlist());
    s.show.RemoveFolders({0});
    s.show.BuildPlaylist(false);
    EXPECT_TRUE(s.show.Playlist().empty());
    EXPECT_EQ(L"", s.Value(L"WallpapersFolders", L"0"));
}

TEST(WallpaperSlideshow, RemovesExceptionsOnlyOfThatExactFolder) {
    Slideshow s;
    s.system.folders[L"C:\\Pics"] = {{L"a.jpg", 0}};
    s.system.folders[L"C:\\Pics\\Sub"] = {{L"b.jpg", 0}};
    s.system.folders[L"C:\\pics"] = {{L"c.jpg", 0}};
    for (const wchar_t* folder : {L"C:\\Pics", L"C:\\Pics\\Sub", L"C:\\pics"})
        s.show.AddFolder(folder);
    s.show.RemovePictures({0, 1, 2});
    ASSERT_EQ(3u, s.show.Exceptions().size());
    s.show.RemoveExceptionsIn(L"C:\\Pics");
    // Taken out highest row first: c.jpg, a.jpg, Sub\b.jpg.
    EXPECT_EQ((std::vector<std::wstring>{L"C:\\pics\\c.jpg", L"C:\\Pics\\Sub\\b.jpg"}),
              s.show.Exceptions());
}

TEST(WallpaperSlideshow, ShowsTheNextPictureInOrderAndStartsOverAfterTheLast) {
    Slideshow s;
    s.system.folders[L"C:\\P"] = {{L"1.jpg", 0}, {L"2.jpg", 0}, {L"3.jpg", 0}};
    s.system.desktop.values[L"Wallpaper"] = L"C:\\P\\3.jpg";
    s.file.WriteString(L"WallpapersFolders", L"0", L"C:\\P");
    s.Load();
    ASSERT_EQ(L"C:\\P\\3.jpg", s.show.Current());
    s.show.ShowNext();
    EXPECT_EQ(L"C:\\P\\1.jpg", s.system.desktop.values[L"Wallpaper"]);
    s.show.ShowNext();
    EXPECT_EQ(L"C:\\P\\2.jpg", s.system.desktop.values[L"Wallpaper"]);

    // A current picture the playlist does not hold counts as the last one.
    s.system.desktop.values[L"Wallpaper"] = L"C:\\Elsewhere\\x.jpg";
    s.show.BuildPlaylist(true);
    ASSERT_EQ(L"C:\\Elsewhere\\x.jpg", s.show.Current());
    s.show.ShowNext();
    EXPECT_EQ(L"C:\\P\\1.jpg", s.show.Current());
}

TEST(WallpaperSlideshow, ShowsTheOnlyPictureAgainAndNothingWithoutPictures) {
    Slideshow s;
    s.Load();
    s.show.ShowNext();
    EXPECT_TRUE(s.system.desktop.applied.empty());

    s.system.files = {L"C:\\only.png"};
    s.show.AddFile(L"C:\\only.png");
    s.show.ShowNext();
    s.show.ShowNext();
    EXPECT_EQ(std::vector<std::wstring>(3, L"C:\\only.png"), s.system.desktop.applied);
}

TEST(WallpaperSlideshow, ShuffleNeverShowsTheSamePictureTwiceInARow) {
    Slideshow s;
    s.options.SetBool(L"fWallaperAutoChangeShuffle", true);
    s.system.folders[L"C:\\P"] = {{L"1.jpg", 0}, {L"2.jpg", 0}};
    s.file.WriteString(L"WallpapersFolders", L"0", L"C:\\P");
    s.Load();
    SeedRandom(12345);
    s.show.SelectPicture(0);
    for (int i = 0; i < 20; ++i)
        s.show.ShowNext();
    for (std::size_t i = 0; i < s.system.desktop.applied.size(); ++i)
        EXPECT_EQ(i % 2 ? L"C:\\P\\2.jpg" : L"C:\\P\\1.jpg", s.system.desktop.applied[i]) << i;

    s.system.folders[L"C:\\P"].push_back({L"3.jpg", 0});
    s.show.BuildPlaylist(false);
    s.system.desktop.applied.clear();
    std::set<std::wstring> seen;
    for (int i = 0; i < 60; ++i)
        s.show.ShowNext();
    for (std::size_t i = 1; i < s.system.desktop.applied.size(); ++i)
        EXPECT_NE(s.system.desktop.applied[i - 1], s.system.desktop.applied[i]) << i;
    seen.insert(s.system.desktop.applied.begin(), s.system.desktop.applied.end());
    EXPECT_EQ(3u, seen.size());
}

TEST(WallpaperSlideshow, SavingAShorterListEmptiesTheOldTailSoItReadsBackShort) {
    Slideshow s;
    s.Load();
    for (const wchar_t* path : {L"C:\\1.jpg", L"C:\\2.jpg", L"C:\\3.jpg", L"C:\\4.jpg"}) {
        s.system.files.insert(path);
        s.show.AddFile(path);
    }
    ASSERT_EQ(L"C:\\4.jpg", s.Value(L"WallpapersFiles", L"3"));
    s.show.RemovePictures({2, 3});
    EXPECT_EQ(L"C:\\1.jpg", s.Value(L"WallpapersFiles", L"0"));
    EXPECT_EQ(L"C:\\2.jpg", s.Value(L"WallpapersFiles", L"1"));
    EXPECT_EQ(L"", s.Value(L"WallpapersFiles", L"2"));
    EXPECT_EQ(L"", s.Value(L"WallpapersFiles", L"3"));
    EXPECT_EQ(L"<missing>", s.Value(L"WallpapersFiles", L"4"));

    // The next start reads two, and a longer list later overwrites the empty keys.
    Slideshow again;
    again.file = s.file;
    again.system.files = s.system.files;
    again.Load();
    EXPECT_EQ((std::vector<std::wstring>{L"C:\\1.jpg", L"C:\\2.jpg"}), again.show.Files());
    again.system.files.insert(L"C:\\5.jpg");
    again.show.AddFile(L"C:\\5.jpg");
    EXPECT_EQ(L"C:\\5.jpg", again.Value(L"WallpapersFiles", L"2"));
    EXPECT_EQ(L"", again.Value(L"WallpapersFiles", L"3"));
}

TEST(WallpaperSlideshow, DropsFilesThatAreGoneAndRewritesTheirSection) {
    Slideshow s;
    s.system.files = {L"C:\\kept.jpg"};
    s.file.WriteString(L"WallpapersFiles", L"0", L"C:\\gone.jpg");
    s.file.WriteString(L"WallpapersFiles", L"1", L"C:\\kept.jpg");
    s.Load();
    EXPECT_EQ(std::vector<std::wstring>{L"C:\\kept.jpg"}, s.show.Files());
    EXPECT_EQ(L"C:\\kept.jpg", s.Value(L"WallpapersFiles", L"0"));
    EXPECT_EQ(L"", s.Value(L"WallpapersFiles", L"1"));
}

TEST(WallpaperSlideshow, TheWallpaperInUseAtStartJoinsTheFilesOnce) {
    {
        Slideshow s;
        s.system.files = {L"C:\\Windows\\Web\\img0.jpg"};
        s.system.desktop.values[L"Wallpaper"] = L"C:\\Windows\\Web\\img0.jpg";
        s.Load();
        EXPECT_EQ(std::vector<std::wstring>{L"C:\\Windows\\Web\\img0.jpg"}, s.show.Playlist());
        EXPECT_EQ(L"C:\\Windows\\Web\\img0.jpg", s.Value(L"WallpapersFiles", L"0"));
    }
    {
        // Already in the playlist, in another letter case: not added again.
        Slideshow s;
        s.system.folders[L"C:\\P"] = {{L"Sea.jpg", 0}};
        s.system.desktop.values[L"Wallpaper"] = L"c:\\p\\SEA.JPG";
        s.file.WriteString(L"WallpapersFolders", L"0", L"C:\\P");
        s.Load();
        EXPECT_EQ(std::vector<std::wstring>{L"C:\\P\\Sea.jpg"}, s.show.Playlist());
        EXPECT_TRUE(s.show.Files().empty());
        EXPECT_EQ(L"c:\\p\\SEA.JPG", s.show.Current());
    }
    {
        // A wallpaper file that no longer exists, or no wallpaper at all.
        for (const wchar_t* wallpaper : {L"C:\\deleted.jpg", L""}) {
            Slideshow s;
            s.system.desktop.values[L"Wallpaper"] = wallpaper;
            s.Load();
            EXPECT_TRUE(s.show.Playlist().empty());
            EXPECT_TRUE(s.show.Files().empty());
        }
    }
}

TEST(WallpaperSlideshow, ReadsThePositionFromTheTwoRegistryValues) {
    const struct {
        const wchar_t* style;
        const wchar_t* tile;
        int row;
    } cases[] = {
        {L"10", L"0", 0},      {L"6", L"1", 0}, {L"6", L"0", 1},  {L"2", L"0", 2},
        {L"0", L"1", 3},       {L"0", L"0", 4}, {L"22", L"0", 5}, {L"22", L"1", 0},
        {nullptr, nullptr, 0}, {L"", L"0", 0},
    };
    for (const auto& c : cases) {
        Slideshow s;
        if (c.style) {
            s.system.desktop.values[L"WallpaperStyle"] = c.style;
            s.system.desktop.values[L"TileWallpaper"] = c.tile;
        }
        EXPECT_EQ(c.row, s.show.ReadStyle());
        EXPECT_EQ(kPositions[c.row].code, s.show.Style());
    }
}

TEST(WallpaperSlideshow, WritesThePositionOfEachCodeAndFillForUnknownCodes) {
    Slideshow s;
    const struct {
        int code;
        const wchar_t* style;
        const wchar_t* tile;
    } cases[] = {{5, L"10", L"0"}, {4, L"6", L"0"},  {3, L"2", L"0"},  {0, L"0", L"1"},
                 {1, L"0", L"0"},  {2, L"22", L"0"}, {6, L"10", L"0"}, {-1, L"10", L"0"}};
    for (const auto& c : cases) {
        s.show.SetWallpaper(L"C:\\a.jpg", c.code);
        EXPECT_EQ(c.style, s.system.desktop.values[L"WallpaperStyle"]) << c.code;
        EXPECT_EQ(c.tile, s.system.desktop.values[L"TileWallpaper"]) << c.code;
    }
    // A page row becomes its code; a row outside the list is Fill.
    s.system.files = {L"C:\\a.jpg"};
    s.show.AddFile(L"C:\\a.jpg");
    s.show.SetPosition(3);
    EXPECT_EQ(0, s.show.Style());
    EXPECT_EQ(L"1", s.system.desktop.values[L"TileWallpaper"]);
    s.show.SetPosition(9);
    EXPECT_EQ(5, s.show.Style());
    EXPECT_EQ(L"C:\\a.jpg", s.system.desktop.applied.back());
}

TEST(WallpaperSlideshow, RunsTheTimerForIntervalRowsFromTenSecondsToADay) {
    Slideshow s;
    s.options.SetInt(L"iWallaperAutoChange", 2);
    s.show.RestartTimer();
    EXPECT_EQ(10000u, s.system.timerMs);
    EXPECT_EQ(77u, s.show.TimerId());
    s.options.SetInt(L"iWallaperAutoChange", 17);
    s.show.RestartTimer();
    EXPECT_EQ(86400000u, s.system.timerMs);
    EXPECT_EQ((std::vector<std::uintptr_t>{0, 77}), s.system.startedWith) << "replaced by id";

    for (int row : {0, 1, 18, 1000, -1}) {
        s.options.SetInt(L"iWallaperAutoChange", 4);
        s.show.RestartTimer();
        s.options.SetInt(L"iWallaperAutoChange", row);
        s.show.RestartTimer();
        EXPECT_EQ(0u, s.show.TimerId()) << row;
    }
    EXPECT_EQ(5u, s.system.stopped.size());
    s.show.RestartTimer();
    EXPECT_EQ(5u, s.system.stopped.size()) << "no timer, nothing to stop";
}

TEST(WallpaperSlideshow, ChangesOnceAtASignInStartOnlyWhenSetToChangeAtStartup) {
    const struct {
        int row;
        bool autoStart;
        std::size_t changes;
    } cases[] = {{1, true, 1}, {1, false, 0}, {0, true, 0}, {2, true, 0}, {18, true, 0}};
    for (const auto& c : cases) {
        Slideshow s;
        s.options.SetInt(L"iWallaperAutoChange", c.row);
        s.system.folders[L"C:\\P"] = {{L"1.jpg", 0}, {L"2.jpg", 0}};
        s.system.desktop.values = {
            {L"Wallpaper", L"C:\\P\\1.jpg"}, {L"WallpaperStyle", L"0"}, {L"TileWallpaper", L"1"}};
        s.file.WriteString(L"WallpapersFolders", L"0", L"C:\\P");
        s.Load();
        s.show.ChangeAtSignIn(c.autoStart);
        ASSERT_EQ(c.changes, s.system.desktop.applied.size()) << c.row << " " << c.autoStart;
        if (c.changes) {
            EXPECT_EQ(L"C:\\P\\2.jpg", s.system.desktop.values[L"Wallpaper"]);
            EXPECT_EQ(L"1", s.system.desktop.values[L"TileWallpaper"])
                << "the user's position stays";
        }
    }
}

TEST(WallpaperSlideshow, AnAddedFileBecomesTheWallpaperAndIsStoredOnce) {
    Slideshow s;
    s.system.files = {L"C:\\x.png"};
    s.Load();
    s.show.AddFile(L"C:\\x.png");
    s.show.AddFile(L"C:\\x.png");
    EXPECT_EQ(std::vector<std::wstring>{L"C:\\x.png"}, s.show.Files());
    EXPECT_EQ(L"<missing>", s.Value(L"WallpapersFiles", L"1"));
    EXPECT_EQ(L"C:\\x.png", s.show.Current());
    EXPECT_EQ(L"C:\\x.png", s.system.desktop.values[L"Wallpaper"]);
    // Rows outside the playlist change nothing.
    s.show.SelectPicture(5);
    s.show.RemovePictures({-1, 7});
    EXPECT_EQ(2u, s.system.desktop.applied.size());
    EXPECT_EQ(1u, s.show.Files().size());
}

TEST(SlideshowTables, BuildsTheIntervalTextsFromTheTextTable) {
    const std::map<unsigned, std::wstring> texts = {{30, L"off"},    {31, L"at Windows startup"},
                                                    {32, L"every"},  {33, L"seconds"},
                                                    {34, L"minute"}, {35, L"minutes"},
                                                    {36, L"hour"},   {37, L"hours"},
                                                    {38, L"day"}};
    auto text = [&](unsigned id) -> const std::wstring& { return texts.at(id); };
    const wchar_t* expected[kIntervalCount] = {L"off",
                                               L"at Windows startup",
                                               L"every 10 seconds",
                                               L"every 30 seconds",
                                               L"every 1 minute",
                                               L"every 3 minutes",
                                               L"every 5 minutes",
                                               L"every 10 minutes",
                                               L"every 15 minutes",
                                               L"every 20 minutes",
                                               L"every 30 minutes",
                                               L"every 1 hour",
                                               L"every 2 hours",
                                               L"every 3 hours",
                                               L"every 4 hours",
                                               L"every 6 hours",
                                               L"every 12 hours",
                                               L"every 1 day"};
    for (int row = 0; row < kIntervalCount; ++row)
        EXPECT_EQ(expected[row], IntervalText(row, text)) << row;
    // The seconds follow the texts.
    const unsigned unit[] = {0,  0,  1,    1,    60,   60,   60,   60,   60,
                             60, 60, 3600, 3600, 3600, 3600, 3600, 3600, 86400};
    for (int row = 2; row < kIntervalCount; ++row)
        EXPECT_EQ(kIntervals[row].amount * unit[row], IntervalSeconds(row)) << row;
}

TEST(SlideshowTables, FindPicturesOpensTheProductHomePageInTheInterfaceLanguage) {
    EXPECT_EQ(std::wstring(kProductSite) + L"/", HomeAddress(L"English"));
    EXPECT_EQ(std::wstring(kProductSite) + L"/?lng=ru", HomeAddress(L"Russian"));
    EXPECT_EQ(std::wstring(kProductSite) + L"/", HomeAddress(L"russian"));
}

} // namespace
} // namespace orvane
