#include "formats/texturefile.h"

#include "formats/atomicfile.h"
#include "formats/messagetext.h"

#include <filesystem>
#include <fstream>
#include <system_error>

std::optional<std::vector<unsigned char>> readTextureFile(const std::string& path) {
    // A NUL would cut the name short and open another file than the one named.
    if (path.empty() || path.find('\0') != std::string::npos)
        return std::nullopt;
    // A device or a pipe could block the read for ever.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::vector<unsigned char> image(kTextureBytes, 0);
    in.read(reinterpret_cast<char*>(image.data()), std::streamsize(image.size()));
    return image;
}

bool writeTextureFile(const std::string& path, const std::vector<unsigned char>& texels,
                      std::string& error) {
    if (texels.size() != kTextureBytes) {
        error = MessageText("TextureFile", "une texture fait %1 octets, pas %2")
                    .arg(kTextureBytes)
                    .arg(texels.size());
        return false;
    }
    return replaceFileContents(path, std::string(texels.begin(), texels.end()), error);
}
