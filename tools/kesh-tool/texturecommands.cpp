// texture-import, texture-export and skin-template: skins between image editors and the
// simulator's texture files.
#include "commands.h"
#include "formats/texturefile.h"
#include "render/skintemplate.h"
#include "render/textureimage.h"
#include "toolapplication.h"
#include "toolargs.h"

#include <QGuiApplication>

#include <iostream>
#include <optional>

namespace {

constexpr int kMaxTemplateScale = 16;

int refusedWith(const std::string& message) {
    std::cerr << message << "\n";
    return ExitRefused;
}

int writeFailed(const std::string& path, const std::string& why) {
    return refusedWith("cannot write " + path + ": " + why);
}

std::optional<ImageFit> parseFit(const std::string& name) {
    if (name.empty() || name == "scale")
        return ImageFit::Scale;
    if (name == "crop")
        return ImageFit::Crop;
    return std::nullopt;
}

std::optional<SkinPart> parsePart(const std::string& name) {
    if (name == "wing")
        return SkinPart::Wing;
    if (name == "stab")
        return SkinPart::Stab;
    if (name == "fin")
        return SkinPart::Fin;
    if (name == "body")
        return SkinPart::Body;
    return std::nullopt;
}

// The scale of "--size N": N a multiple of 256, at most 16 of them.
std::optional<int> parseTemplateScale(const std::string& text) {
    if (text.empty())
        return 1;
    char* end = nullptr;
    const long size = std::strtol(text.c_str(), &end, 10);
    if (*end != '\0' || size < kTextureSize || size % kTextureSize != 0 ||
        size > long(kTextureSize) * kMaxTemplateScale)
        return std::nullopt;
    return int(size / kTextureSize);
}

const std::string& partTexture(const Glider& glider, SkinPart part) {
    switch (part) {
    case SkinPart::Wing:
        return glider.surfaces[WingLeft].texturePath;
    case SkinPart::Stab:
        return glider.surfaces[StabLeft].texturePath;
    case SkinPart::Fin:
        return glider.surfaces[Fin].texturePath;
    case SkinPart::Body:
        break;
    }
    return glider.body.texturePath;
}

} // namespace

int runTextureImport(const std::vector<std::string>& args) {
    ToolArgs parsed;
    std::string error;
    if (!parseToolArgs(args, {"-o", "--fit"}, {}, parsed, error))
        return usageError(error);
    if (parsed.files.size() != 1 || !parsed.has("-o"))
        return usageError("texture-import takes one image and -o OUT.raw");
    const std::optional<ImageFit> fit = parseFit(parsed.option("--fit"));
    if (!fit)
        return usageError("--fit takes scale or crop");
    return withApplication<QGuiApplication>([&] {
        std::string why;
        const std::optional<QImage> image = readImageFile(parsed.files[0], why);
        if (!image)
            return refusedWith(why);
        const std::string& out = parsed.option("-o");
        if (!writeTextureFile(out, textureFromImage(*image, *fit), why))
            return writeFailed(out, why);
        return int(ExitOk);
    });
}

int runTextureExport(const std::vector<std::string>& args) {
    ToolArgs parsed;
    std::string error;
    if (!parseToolArgs(args, {"-o"}, {}, parsed, error))
        return usageError(error);
    if (parsed.files.size() != 1 || !parsed.has("-o"))
        return usageError("texture-export takes one texture file and -o OUT.png");
    return withApplication<QGuiApplication>([&] {
        std::string why;
        const auto texels = readTextureToConvert(parsed.files[0], why);
        if (!texels)
            return refusedWith(why);
        const std::string& out = parsed.option("-o");
        if (!writePngFile(imageFromTexture(*texels), out, why))
            return writeFailed(out, why);
        return int(ExitOk);
    });
}

int runSkinTemplate(const std::vector<std::string>& args) {
    ToolArgs parsed;
    std::string error;
    if (!parseToolArgs(args, {"-o", "--part", "--size", "--sim"}, {"--blank"}, parsed, error))
        return usageError(error);
    if (parsed.files.size() != 1 || !parsed.has("-o") || !parsed.has("--part"))
        return usageError("skin-template takes one glider file, --part and -o OUT.png");
    const std::optional<SkinPart> part = parsePart(parsed.option("--part"));
    if (!part)
        return usageError("--part takes wing, stab, fin or body");
    const std::optional<int> scale = parseTemplateScale(parsed.option("--size"));
    if (!scale)
        return usageError("--size takes 256 or a multiple of it up to 4096");
    Glider glider;
    if (const int status = loadNamedGlider(parsed, glider); status != ExitOk)
        return status;
    if (skinAreas(glider, *part).empty())
        return refusedWith("the glider has no " + parsed.option("--part") + " to paint");
    return withApplication<QGuiApplication>([&] {
        const std::optional<std::vector<unsigned char>> texture =
            parsed.switches.count("--blank") ? std::nullopt
                                             : readTextureFile(partTexture(glider, *part));
        const QImage image = skinTemplate(glider, *part, *scale, texture ? &*texture : nullptr);
        std::string why;
        const std::string& out = parsed.option("-o");
        if (!writePngFile(image, out, why))
            return writeFailed(out, why);
        return int(ExitOk);
    });
}
