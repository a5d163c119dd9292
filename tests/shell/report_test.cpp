#include "tests/support/shellfixture.h"

#include <QAction>

using ReportCommandTest = ShellFixture;

TEST_F(ReportCommandTest, WritesTheActiveGlidersReportAndOpensIt) {
    frame->openFile(sampleGlider("Martinet"));
    QUrl opened;
    frame->setReportOpener([&](const QUrl& url) { opened = url; });
    const QString path = temp.filePath(QStringLiteral("vespa.html"));
    prompts.saveFileAnswers.push_back(path);
    frame->action(CMainFrame::Report)->trigger();
    ASSERT_EQ(prompts.shown.size(), 1);
    EXPECT_EQ(prompts.shown[0].proposedName, QStringLiteral("Martinet - rapport.html"));
    EXPECT_EQ(opened, QUrl::fromLocalFile(path));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray html = file.readAll();
    EXPECT_TRUE(html.contains("<h1>Martinet</h1>"));
    EXPECT_EQ(html.count("<img"), 5); // three views, the polar, the span loading
    EXPECT_TRUE(html.contains("Vol équilibré"));
    EXPECT_TRUE(html.contains("Foyer"));

    // Cancelled, then refused: nothing opened, the reason shown.
    opened.clear();
    EXPECT_FALSE(frame->writeReport());
    prompts.saveFileAnswers.push_back(temp.filePath(QStringLiteral("none/r.html")));
    EXPECT_FALSE(frame->writeReport());
    EXPECT_TRUE(opened.isEmpty());
    ASSERT_EQ(prompts.messages().size(), 1);
    EXPECT_TRUE(
        prompts.messages()[0].text.startsWith(QString::fromUtf8("Impossible d'écrire le rapport")));
}
