#include "formats/glidertemplates.h"

#include "formats/atomicfile.h"
#include "formats/gliderfile.h"
#include "formats/messagetext.h"
#include "formats/simulatorpaths.h"
#include "model/errors.h"
#include "model/translatable.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

namespace fs = std::filesystem;

const std::vector<GliderTemplate>& gliderTemplates() {
    static const std::vector<GliderTemplate> templates{
        {kEmptyTemplate,
         KESH_TRANSLATABLE("GliderTemplates", "Planeur vide : chaque pièce à compléter")},
        {"Thermique",
         KESH_TRANSLATABLE("GliderTemplates", "Planeur thermique de 2 m, polyèdre, direction et "
                                              "profondeur")},
        {"LanceMain", KESH_TRANSLATABLE("GliderTemplates", "Planeur lancé main de 1,5 m")},
        {"Duree", KESH_TRANSLATABLE("GliderTemplates",
                                    "Planeur de durée thermique de 3,5 m, aile effilée et "
                                    "ailerons")},
        {"AileVolante",
         KESH_TRANSLATABLE("GliderTemplates", "Aile volante de pente de 2 m, en flèche, profil "
                                              "autostable, sans stabilisateur")},
        {"EmpennageV",
         KESH_TRANSLATABLE("GliderTemplates", "Planeur de 2,5 m à empennage en V et ailerons")},
    };
    return templates;
}

const GliderTemplate* findTemplate(const std::string& name) {
    const auto& all = gliderTemplates();
    const auto found = std::find_if(all.begin(), all.end(),
                                    [&](const GliderTemplate& t) { return t.name == name; });
    return found == all.end() ? nullptr : &*found;
}

std::string templatesDirectory(const std::string& programDir) {
    const fs::path path = fs::path(programDir) / ".." / "share" / "kesh" / "templates";
    std::error_code ignored;
    const fs::path canonical = fs::weakly_canonical(path, ignored);
    return (canonical.empty() ? path.lexically_normal() : canonical).string();
}

void readTemplate(Glider& glider, const std::string& templatesDir, const std::string& name) {
    if (!findTemplate(name))
        throw errLoadGlider(
            MessageText("GliderTemplates", "Le modèle '%1' n'existe pas.").arg(name),
            MessageText("GliderTemplates", "Erreur"));
    glider = Glider();
    if (name != kEmptyTemplate)
        readGlider(glider, simulatorFilePath(templatesDir, "gliders", name + "/" + name + ".gli"),
                   templatesDir);
    glider.path.clear();
    glider.markNew();
}

namespace {

std::optional<std::string> bytesOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string airfoilTarget(const std::string& simulatorDir, const Surface& surface) {
    return storedToDiskPath(simulatorDir, "airfoils", surface.foil.foilFilename);
}

} // namespace

std::vector<FoilCopy> foilCopies(const Glider& glider, const std::string& simulatorDir) {
    std::vector<FoilCopy> copies;
    for (const Surface& surface : glider.surfaces) {
        const std::string& source = surface.foil.foilPath;
        if (source.empty() || surface.foil.foilFilename.empty())
            continue;
        FoilCopy copy{source, airfoilTarget(simulatorDir, surface)};
        std::error_code ignored;
        if (fs::equivalent(copy.source, copy.target, ignored) ||
            std::any_of(copies.begin(), copies.end(),
                        [&](const FoilCopy& c) { return c.target == copy.target; }))
            continue;
        const std::optional<std::string> present = bytesOf(copy.target);
        copy.present = present.has_value();
        copy.same = present && present == bytesOf(copy.source);
        copies.push_back(copy);
    }
    return copies;
}

bool copyFoil(const FoilCopy& copy, std::string& error) {
    const std::optional<std::string> bytes = bytesOf(copy.source);
    if (!bytes) {
        error =
            MessageText("GliderTemplates", "Impossible de lire le profil '%1'.").arg(copy.source);
        return false;
    }
    std::error_code ignored;
    fs::create_directories(fs::path(copy.target).parent_path(), ignored);
    std::string why;
    if (replaceFileContents(copy.target, *bytes, why))
        return true;
    error = MessageText("GliderTemplates", "Impossible d'écrire le profil '%1' : %2.")
                .arg(copy.target)
                .arg(why);
    return false;
}

void pointFoilsAtSimulator(Glider& glider, const std::string& simulatorDir) {
    for (Surface& surface : glider.surfaces)
        if (!surface.foil.foilFilename.empty())
            surface.foil.foilPath = airfoilTarget(simulatorDir, surface);
}
