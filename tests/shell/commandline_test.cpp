#include "tests/support/shellfixture.h"

#include "formats/diskpath.h"
#include "shell/commandline.h"
#include "shell/keshapp.h"

namespace {

QStringList arguments(std::initializer_list<const char*> items) {
    QStringList list{QStringLiteral("kesh")};
    for (const char* item : items)
        list.append(QString::fromUtf8(item));
    return list;
}

} // namespace

TEST(CommandLineTest, OnlyTheFilesAfterOpenAreOpened) {
    EXPECT_TRUE(parseCommandLine(arguments({"a.gli"})).openFiles.isEmpty());
    EXPECT_EQ(parseCommandLine(arguments({"a.gli", "--open", "b.gli", "c d.gli"})).openFiles,
              (QStringList{"b.gli", "c d.gli"}));
    // Another option ends the list; --open may come again.
    EXPECT_EQ(parseCommandLine(arguments({"--open", "b.gli", "--nosplash", "x", "--open", "c.gli"}))
                  .openFiles,
              (QStringList{"b.gli", "c.gli"}));
    const CommandLine asks = parseCommandLine(arguments({"-Embedding", "--version", "--help"}));
    EXPECT_TRUE(asks.help && asks.version);
    EXPECT_FALSE(parseCommandLine(arguments({"--helpme"})).help);
}

TEST(CommandLineTest, AFileOpenedFromElsewhereNamesItsSimulator) {
    QTemporaryDir temp;
    const QDir root(temp.path());
    ASSERT_TRUE(root.mkpath("sim/airfoils") && root.mkpath("sim/gliders/Pipit") &&
                root.mkpath("home/gliders/Loose") && root.mkpath("home/bin"));
    const QString glider = root.filePath("sim/gliders/Pipit/Pipit.gli");
    const auto start = [&](const QString& dir, const QStringList& files) {
        return fromDiskPath(startSimulatorDirectory(root.filePath(dir), files));
    };
    EXPECT_EQ(start("home", {glider}), root.filePath("sim"));
    // Relative to the working directory, the first file that lies in a simulator.
    EXPECT_EQ(start("home", {"gliders/Loose/Loose.gli", "../sim/gliders/Pipit/Pipit.gli"}),
              root.filePath("sim"));
    // A working directory that is a simulator's, or no simulator at all, keeps the usual rule.
    EXPECT_EQ(start("sim", {root.filePath("home/gliders/Loose/Loose.gli")}), root.filePath("sim"));
    EXPECT_EQ(start("home", {"gliders/Loose/Loose.gli"}), root.filePath("home"));
    EXPECT_EQ(start("home/bin", {}), root.filePath("home/bin") + "/..");
}

using CommandLineAppTest = ShellFixture;

TEST_F(CommandLineAppTest, OpenOpensEachFileOnceTheWindowShows) {
    CKeshApp app({"kesh", "--nosplash", "--open", sampleGlider("Harle"), sampleGlider("Pipit"),
                  sampleGlider("Harle")},
                 std::make_unique<SettingsStore>(temp.filePath(QStringLiteral("app.ini"))));
    EXPECT_TRUE(app.mainFrame().documents().isEmpty());
    app.show();
    QStringList titles;
    for (const CKeshDoc* document : app.mainFrame().documents())
        titles.append(document->title());
    EXPECT_EQ(titles, (QStringList{"Harle.gli", "Pipit.gli"}));
    EXPECT_EQ(app.mainFrame().recentFiles().files().first(), sampleGlider("Pipit"));
}
