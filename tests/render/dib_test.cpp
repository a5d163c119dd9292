#include "render/dib.h"

#include <QImage>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sys/stat.h>

namespace {

std::uint32_t le32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | std::uint32_t(b[at + 3]) << 24;
}

std::vector<std::uint8_t> fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string scratchFile(const std::string& name) {
    const auto dir =
        std::filesystem::temp_directory_path() / ("kesh-dib-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    return (dir / name).string();
}

} // namespace

TEST(Dib, RowsOfA301PixelImageArePaddedTo904Bytes) {
    QImage image(301, 3, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setPixel(0, 2, qRgb(10, 20, 30));   // bottom-left
    image.setPixel(300, 0, qRgb(40, 50, 60)); // top-right

    const std::optional<Dib> dib = bitmapToDib(image);
    ASSERT_TRUE(dib);
    EXPECT_EQ(dibImageSize(301, 3), 904u * 3);
    ASSERT_EQ(dib->size(), 40u + 904 * 3);
    EXPECT_EQ(le32(*dib, 0), 40u);
    EXPECT_EQ(le32(*dib, 4), 301u);
    EXPECT_EQ(le32(*dib, 8), 3u);
    EXPECT_EQ((*dib)[12], 1);  // planes
    EXPECT_EQ((*dib)[14], 24); // bits per pixel
    EXPECT_EQ(le32(*dib, 16), 0u);
    EXPECT_EQ(le32(*dib, 20), 904u * 3);

    // Bottom row first, blue green red, one pad byte.
    EXPECT_EQ((*dib)[40], 30);
    EXPECT_EQ((*dib)[41], 20);
    EXPECT_EQ((*dib)[42], 10);
    EXPECT_EQ((*dib)[40 + 903], 0);
    const std::size_t topRight = 40 + 2 * 904 + 300 * 3;
    EXPECT_EQ((*dib)[topRight], 60);
    EXPECT_EQ((*dib)[topRight + 2], 40);
}

TEST(Dib, WrittenFileHasTheBmpHeaderAndTheSecondWriteReplacesTheFirst) {
    const std::string path = scratchFile("try.bmp");
    std::filesystem::remove(path);
    const auto names = [dir = std::filesystem::path(path).parent_path()] {
        std::set<std::string> found;
        for (const auto& entry : std::filesystem::directory_iterator(dir))
            found.insert(entry.path().filename().string());
        return found;
    };
    std::set<std::string> expected = names();
    expected.insert("try.bmp");
    QImage first(301, 4, QImage::Format_RGB32);
    first.fill(Qt::red);
    ASSERT_TRUE(writeDib(path, *bitmapToDib(first)));

    QImage second(2, 2, QImage::Format_RGB32);
    second.fill(Qt::blue);
    ASSERT_TRUE(writeDib(path, *bitmapToDib(second)));

    const std::vector<std::uint8_t> bytes = fileBytes(path);
    ASSERT_EQ(bytes.size(), 54u + 8 * 2);
    EXPECT_EQ(bytes[0], 'B');
    EXPECT_EQ(bytes[1], 'M');
    EXPECT_EQ(le32(bytes, 2), 70u);
    EXPECT_EQ(le32(bytes, 6), 0u);
    EXPECT_EQ(le32(bytes, 10), 54u);
    EXPECT_EQ(le32(bytes, 18), 2u);
    EXPECT_EQ(bytes[54], 255); // blue
    EXPECT_EQ(bytes[56], 0);
    EXPECT_EQ(names(), expected) << "no temporary file is left beside it";
}

TEST(Dib, UnwritablePathReportsFailureAndLeavesNoFile) {
    QImage image(2, 2, QImage::Format_RGB32);
    const std::string path = scratchFile("no-such-dir/try.bmp");
    EXPECT_FALSE(writeDib(path, *bitmapToDib(image)));
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(Dib, CaptureAimedAtAPipeLeavesThePipeInPlace) {
    QImage image(2, 2, QImage::Format_RGB32);
    const std::string path = scratchFile("capture.fifo");
    std::filesystem::remove(path);
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    EXPECT_FALSE(writeDib(path, *bitmapToDib(image)));
    EXPECT_TRUE(std::filesystem::is_fifo(path));
    std::filesystem::remove(path);
}
