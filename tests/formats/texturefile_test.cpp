#include "formats/texturefile.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>

namespace {

std::filesystem::path scratchDir() {
    const auto dir =
        std::filesystem::temp_directory_path() / ("kesh-texture-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    return dir;
}

std::string writeBytes(const std::string& name, const std::vector<unsigned char>& bytes) {
    const std::string path = (scratchDir() / name).string();
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return path;
}

} // namespace

TEST(ReadTextureFile, RefusesNoPathMissingFilesAndAnythingButRegularFiles) {
    EXPECT_FALSE(readTextureFile(""));
    EXPECT_FALSE(readTextureFile((scratchDir() / "absent.raw").string()));
    EXPECT_FALSE(readTextureFile(scratchDir().string()));
    EXPECT_FALSE(readTextureFile("/dev/zero"));

    // Opening a pipe with no writer would block for ever.
    const std::string fifo = (scratchDir() / "pipe.raw").string();
    std::filesystem::remove(fifo);
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_FALSE(readTextureFile(fifo));
    std::filesystem::remove(fifo);

    // A NUL would cut the name short and open the file before it.
    const std::string real = (scratchDir() / "skin.raw").string();
    std::ofstream(real, std::ios::binary) << "x";
    EXPECT_TRUE(readTextureFile(real));
    EXPECT_FALSE(readTextureFile(real + std::string("\0/other.raw", 11)));
}

TEST(ReadTextureFile, ShortFileIsPaddedWithZeroAndLongFileIsCut) {
    const auto shortImage = readTextureFile(writeBytes("short.raw", {255, 0, 0, 7}));
    ASSERT_TRUE(shortImage);
    ASSERT_EQ(shortImage->size(), kTextureBytes);
    EXPECT_EQ((*shortImage)[0], 255);
    EXPECT_EQ((*shortImage)[3], 7);
    EXPECT_EQ((*shortImage)[4], 0);
    EXPECT_EQ(shortImage->back(), 0);

    std::vector<unsigned char> bytes(kTextureBytes + 10, 9);
    const auto longImage = readTextureFile(writeBytes("long.raw", bytes));
    ASSERT_TRUE(longImage);
    EXPECT_EQ(longImage->size(), kTextureBytes);
    EXPECT_EQ(longImage->back(), 9);

    const auto empty = readTextureFile(writeBytes("empty.raw", {}));
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->size(), kTextureBytes);
}

TEST(WriteTextureFile, WritesExactlyOneImageAndRefusesAnyOtherSize) {
    std::vector<unsigned char> texels(kTextureBytes);
    for (std::size_t i = 0; i < texels.size(); ++i)
        texels[i] = static_cast<unsigned char>(i * 7 % 251);
    const std::string path = (scratchDir() / "written.raw").string();
    std::string error;
    ASSERT_TRUE(writeTextureFile(path, texels, error)) << error;
    EXPECT_EQ(std::filesystem::file_size(path), kTextureBytes);
    EXPECT_EQ(readTextureFile(path), texels);

    texels.pop_back();
    EXPECT_FALSE(writeTextureFile(path, texels, error));
    EXPECT_NE(error.find("196608"), std::string::npos) << error;
    EXPECT_EQ(std::filesystem::file_size(path), kTextureBytes) << "the previous file stays";
}
