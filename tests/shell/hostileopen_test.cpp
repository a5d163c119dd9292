// Hostile glider files opened through the editor: each is refused with its message, no
// document is left behind, and the editor goes on opening good files.
#include "tests/support/shellfixture.h"

namespace {

using HostileOpenTest = ShellFixture;

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}

TEST_F(HostileOpenTest, RefusedFilesShowTheirMessageAndTheEditorStaysUsable) {
    QFile sample(sampleGlider(QStringLiteral("Harle")));
    ASSERT_TRUE(sample.open(QIODevice::ReadOnly));
    QByteArray tooManyPanes = sample.readAll();
    tooManyPanes.replace("npart   = \"4\"", "npart   = \"11\"");

    QByteArray junk(70000, '\0');
    for (int i = 0; i < junk.size(); ++i)
        junk[i] = char((i * 2654435761u) >> 24);

    const struct {
        QString file;
        QString expected;
    } cases[] = {
        {writeFile(temp, QStringLiteral("panes.gli"), tooManyPanes), QStringLiteral("[wing]")},
        {writeFile(temp, QStringLiteral("junk.gli"), junk),
         QStringLiteral("n'est pas un fichier planeur")},
        {writeFile(temp, QStringLiteral("big.gli"), QByteArray(17 << 20, ' ')),
         QStringLiteral("16 Mo")},
    };
    for (const auto& c : cases) {
        const int before = int(prompts.messages().size());
        EXPECT_EQ(frame->openFile(c.file), nullptr) << c.file.toStdString();
        ASSERT_EQ(int(prompts.messages().size()), before + 1) << c.file.toStdString();
        EXPECT_TRUE(prompts.messages().back().text.contains(c.expected))
            << prompts.messages().back().text.toStdString();
    }
    EXPECT_TRUE(frame->documents().isEmpty());
    EXPECT_TRUE(frame->childFrames().isEmpty());

    CKeshDoc* document = frame->openFile(sampleGlider(QStringLiteral("Martinet")));
    ASSERT_NE(document, nullptr);
    EXPECT_EQ(document->glider().name, "Martinet");
    EXPECT_EQ(frame->documents().size(), 1);
}

} // namespace
