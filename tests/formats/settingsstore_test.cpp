#include "formats/settingsstore.h"

#include "scratchdir.h"

#include <gtest/gtest.h>

TEST(SettingsStore, KeysAndSectionsIgnoreCase) {
    ScratchDir dir;
    const QString path = QString::fromStdString(dir / "kesh.ini");
    {
        SettingsStore store(path);
        store.setValue("General", "GliderPath", "/sim/vantair.ini");
        store.setValue("general", "gliderpath", "/other/vantair.ini");
        EXPECT_EQ(store.value("GENERAL", "gliderPath"), "/other/vantair.ini");
        EXPECT_EQ(store.value("General", "missing", "def"), "def");
    }
    SettingsStore reopened(path);
    EXPECT_EQ(reopened.value("General", "gliderPath"), "/other/vantair.ini");
    const std::string file = readBytes(dir / "kesh.ini");
    EXPECT_EQ(file.find("gliderpath"), std::string::npos) << "one entry, its first spelling";
}

TEST(SettingsStore, ValuesWithCommasAndSpecialCharactersRoundTrip) {
    ScratchDir dir;
    const QString path = QString::fromStdString(dir / "kesh.ini");
    const QString value = QStringLiteral("0,1,-1,-1,-32000,-32000,10,20,800,600");
    const QString accented = QStringLiteral("/home/é/a b;c=d\\e");
    {
        SettingsStore store(path);
        store.setValue("Settings", "WindowPos", value);
        store.setValue("General", "gliderPath", accented);
    }
    SettingsStore reopened(path);
    EXPECT_EQ(reopened.value("settings", "windowpos"), value);
    EXPECT_EQ(reopened.value("General", "gliderPath"), accented);
}

TEST(WindowPos, FormatsAndParsesTenNumbers) {
    WindowPlacement p;
    p.flags = 2;
    p.showCmd = 3;
    p.minX = p.minY = -1;
    p.maxX = p.maxY = -32000;
    p.left = 10;
    p.top = 20;
    p.right = 800;
    p.bottom = 600;
    const std::string text = formatWindowPos(p);
    EXPECT_EQ(text, "2,3,-1,-1,-32000,-32000,10,20,800,600");
    WindowPlacement back;
    ASSERT_TRUE(parseWindowPos(text, back));
    EXPECT_EQ(back.bottom, 600);
    EXPECT_EQ(back.maxX, -32000);
}

TEST(WindowPos, AnythingButTenNumbersIsIgnored) {
    WindowPlacement p;
    p.left = 77;
    EXPECT_FALSE(parseWindowPos("", p));
    EXPECT_FALSE(parseWindowPos("1,2,3,4,5,6,7,8,9", p));
    EXPECT_FALSE(parseWindowPos("1,2,3,4,5,6,7,8,9,x", p));
    EXPECT_FALSE(parseWindowPos("garbage", p));
    EXPECT_EQ(p.left, 77);
}

TEST(RecentFiles, FourEntriesMostRecentFirst) {
    ScratchDir dir;
    SettingsStore store(QString::fromStdString(dir / "kesh.ini"));
    writeRecentFiles(store, {"/a.gli", "/b, c.gli", "/c.gli", "/d.gli"});
    EXPECT_EQ(store.value("Recent File List", "File2"), "/b, c.gli");
    writeRecentFiles(store, {"/z.gli"});
    EXPECT_EQ(readRecentFiles(store), QStringList{"/z.gli"});
    store.setValue("recent file list", "file3", "/q.gli");
    EXPECT_EQ(readRecentFiles(store), (QStringList{"/z.gli", "/q.gli"}));
}
