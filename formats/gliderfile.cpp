#include "formats/gliderfile.h"

#include "formats/atomicfile.h"
#include "formats/diskpath.h"
#include "formats/foilfile.h"
#include "formats/keyedtext.h"
#include "formats/messagetext.h"
#include "formats/simulatorpaths.h"
#include "model/angles.h"
#include "model/errors.h"

#include <algorithm>
#include <cmath>

namespace {

std::string errorCaption() {
    return MessageText("GliderFile", "Erreur");
}
const char* const kSectionNames[Glider::kSlots] = {"wing", "wing", "hstab", "hstab", "vstab"};

// Out-of-range or non-numeric text must not leave an infinity or NaN in the model.
double finiteDouble(double value) {
    return std::isfinite(value) ? value : 0.0;
}

// A glider file as read, and made one line for the key lookups.
struct GliderText {
    std::string path;
    std::string lines;
    std::string flat;
};

GliderText readGliderText(const std::string& path) {
    GliderText text{path, {}, {}};
    switch (loadTextFile(path, text.lines)) {
    case TextFileStatus::Ok:
        break;
    case TextFileStatus::TooLarge:
        throw errLoadGlider(
            MessageText("GliderFile", "Le fichier planeur '%1' est trop gros (plus de 16 Mo).")
                .arg(path),
            errorCaption());
    case TextFileStatus::CannotOpen:
        throw errLoadGlider(
            MessageText("GliderFile", "Impossible de lire le fichier planeur '%1'.").arg(path),
            errorCaption());
    }
    text.flat = text.lines;
    stripComments(text.flat);
    return text;
}

bool hasAnyGliderSection(const std::string& flat) {
    for (const char* name : {"main", "wing", "hstab", "vstab", "body"})
        if (hasSection(flat, name))
            return true;
    return false;
}

void readMain(Glider& glider, const GliderText& text) {
    const std::string main = findSection(text.flat, "main");
    // Without its header the text before the first section stands for [main].
    if (!hasAnyGliderSection(text.flat) && !hasValue(main, "name"))
        throw errLoadGlider(MessageText("GliderFile",
                                        "Le fichier '%1' n'est pas un fichier planeur : aucune "
                                        "de ses %2 lignes n'ouvre une section [main], [wing], "
                                        "[hstab], [vstab] ou [body].")
                                .arg(text.path)
                                .arg(static_cast<long long>(lineCount(text.lines))),
                            errorCaption());
    if (main.empty())
        throw errLoadGlider(MessageText("GliderFile",
                                        "Le fichier '%1' n'est pas un fichier planeur : la "
                                        "section [main] est absente ou vide (ligne %2).")
                                .arg(text.path)
                                .arg(static_cast<long long>(
                                    std::max<std::size_t>(1, headerLine(text.lines, "main")))),
                            errorCaption());
    glider.name = findValue(main, "name");
    glider.weight = readFloat(main, "weight");
    glider.centrum = centrumFromFileFrame(
        {readFloat(main, "centrum.x"), readFloat(main, "centrum.y"), readFloat(main, "centrum.z")});
    const char* const inertiaKeys[] = {"I.xx", "I.yy", "I.zz", "I.xz"};
    for (int i = 0; i < 4; ++i)
        glider.inertia[i] = finiteDouble(toDouble(findValue(main, inertiaKeys[i])));
}

// A section cut short or not there, said with the line where the reader saw it.
[[noreturn]] void refuseIncomplete(const GliderText& text, const char* section, const char* key) {
    if (hasSection(text.flat, section))
        throw errLoadGlider(MessageText("GliderFile",
                                        "Le fichier planeur '%1' est incomplet : la section [%2] "
                                        "de la ligne %3 n'a pas de clé %4.")
                                .arg(text.path)
                                .arg(section)
                                .arg(static_cast<long long>(headerLine(text.lines, section)))
                                .arg(key),
                            errorCaption());
    throw errLoadGlider(MessageText("GliderFile",
                                    "Le fichier planeur '%1' est incomplet : la section [%2] "
                                    "manque (le fichier s'arrête à la ligne %3).")
                            .arg(text.path)
                            .arg(section)
                            .arg(static_cast<long long>(lineCount(text.lines))),
                        errorCaption());
}

int paneCount(const std::string& section, const char* sectionName) {
    const std::string value = findValue(section, "part");
    const int count = toInt(value);
    if (count < 0 || count > Surface::kMaxPanes)
        throw errLoadGlider(MessageText("GliderFile", "La section [%1] déclare %2 panneaux ; une "
                                                      "surface en a de 0 à 10.")
                                .arg(sectionName)
                                .arg(value),
                            errorCaption());
    return count;
}

// A file that stops inside a surface's last pane has lost that pane's end and every section
// after it; the simulator would fly what is left, so it is refused rather than opened short.
// It is taken as cut only when another pane shows that its writer ends panes with that key and
// the section written next is missing: a hand-made file may leave keys out and still be whole.
void refuseIfCutInLastPane(const GliderText& text, const std::string& section, int slot,
                           int count) {
    if (count == 0)
        return;
    const char* next = slot < StabLeft ? "hstab" : slot < Fin ? "vstab" : "body";
    const std::string lastKey = "pane" + std::to_string(count) + ".throw.down";
    if (!hasValue(section, lastKey) && !hasSection(text.flat, next) &&
        hasValue(text.flat, "pane1.throw.down"))
        refuseIncomplete(text, kSectionNames[slot], lastKey.c_str());
}

Pane readPane(const std::string& section, int number, int slot) {
    const std::string prefix = "pane" + std::to_string(number);
    Pane pane;
    pane.slot = slot;
    pane.side = Surface::sideOfSlot(slot);
    pane.color = {readFloat(section, prefix + ".color.r"), readFloat(section, prefix + ".color.g"),
                  readFloat(section, prefix + ".color.b")};
    pane.env = readFloat(section, prefix + ".env");
    pane.c1 = readFloat(section, prefix + ".cord.c1");
    pane.c2 = readFloat(section, prefix + ".cord.c2");
    pane.fleche = readFloat(section, prefix + ".fleche");
    pane.throwUp = readFloat(section, prefix + ".throw.up");
    pane.throwDown = readFloat(section, prefix + ".throw.down");
    pane.diedre =
        slot == Fin
            ? kUprightDihedral
            : finiteFloat(toDouble(findValue(section, prefix + ".diedre")) * kDegreesToRadians);
    return pane;
}

void readSurface(Surface& surface, int slot, const GliderText& text,
                 const std::string& simulatorDir, const FoilLoader& loadFoil) {
    surface.clear();
    surface.slot = slot;
    surface.side = Surface::sideOfSlot(slot);
    const std::string section = findSection(text.flat, kSectionNames[slot]);
    if (section.empty()) {
        surface.foil = Foil{};
        return;
    }
    if (!hasValue(section, "foil.filename"))
        refuseIncomplete(text, kSectionNames[slot], "foil.filename");
    surface.calage = finiteFloat(toDouble(findValue(section, "calage")) * kDegreesToRadians);
    surface.position = {readFloat(section, "position.x"), readFloat(section, "position.y"),
                        readFloat(section, "position.z")};
    surface.weight = readFloat(section, "weight");
    const std::string storedFoil = findValue(section, "foil.filename");
    const std::string foilPath = storedToDiskPath(simulatorDir, "airfoils", storedFoil);
    const int count = paneCount(section, kSectionNames[slot]);
    const std::string texture = findValue(section, "texture");
    if (!texture.empty())
        surface.texturePath = storedToDiskPath(simulatorDir, "gliders", texture);
    refuseIfCutInLastPane(text, section, slot, count);
    for (int n = 1; n <= count; ++n)
        surface.appendPane(readPane(section, n, slot));
    surface.chainRootPoints();
    // The editor saves a surface whose airfoil is not chosen yet with an empty name; such a
    // file must open again, the surface undrawn as it was.
    if (storedFoil.empty() && hasValue(section, "foil.filename")) {
        surface.foil = Foil{};
        return;
    }
    loadFoil(surface.foil, foilPath);
}

void readBody(Body& body, const GliderText& text, const std::string& simulatorDir) {
    body.clear();
    const std::string& flat = text.flat;
    // The sections end the file: a file cut there would lose the whole body unnoticed.
    if (hasSection(flat, "body") && !hasValue(flat, "coord"))
        refuseIncomplete(text, "body", "coord");
    const std::string section = findSection(flat, "body");
    if (!section.empty()) {
        body.color = {readFloat(section, "color.r"), readFloat(section, "color.g"),
                      readFloat(section, "color.b")};
        body.weight = readFloat(section, "weight");
        body.texturePath = storedToDiskPath(simulatorDir, "gliders", findValue(section, "texture"));
    }
    TokenReader tokens(findValue(flat, "coord"));
    for (;;) {
        const std::string x = tokens.next();
        if (x.empty())
            break;
        BodySection s;
        s.x = finiteFloat(toDouble(x));
        s.z = finiteFloat(toDouble(tokens.next()));
        s.h = finiteFloat(toDouble(tokens.next()));
        s.l = finiteFloat(toDouble(tokens.next()));
        body.sections.push_back(s);
    }
}

// Writes lines with CR LF ends.
class LineWriter {
public:
    void line(const std::string& text = {}) {
        out_ += text;
        out_ += "\r\n";
    }
    void key(const std::string& keyText, const std::string& value) {
        line(keyText + " \"" + value + "\"");
    }
    void number(const std::string& keyText, double value) { key(keyText, formatNumber(value)); }
    void raw(const std::string& text) { out_ += text; }
    std::string take() { return std::move(out_); }

private:
    std::string out_;
};

void writeHeader(LineWriter& w) {
    const char* const lines[] = {"//",
                                 "// File generated with Vantair Editor",
                                 "//",
                                 "// Vantair sailplanes definition",
                                 "// Made with kesh by Corvel Works",
                                 "//",
                                 "// You are greatly encouraged to make your own",
                                 "// sailplane definition files. And publish them",
                                 "// to the Vantair web site",
                                 "//",
                                 "// Remarks :",
                                 "// All distances are meters",
                                 "// All angles degres",
                                 "//",
                                 "",
                                 ""};
    for (const char* text : lines)
        w.line(text);
}

void writeMain(LineWriter& w, const Glider& glider) {
    w.line("[main]");
    w.line();
    w.key("name =", glider.name);
    w.line();
    w.number("weight =", glider.totalWeight());
    w.line();
    const Vec3f centrum = glider.fileCentrum();
    w.number("centrum.x =", centrum[0]);
    w.number("centrum.y =", centrum[1]);
    w.number("centrum.z =", centrum[2]);
    w.line();
    w.number("I.xx =", glider.inertia[0]);
    w.number("I.yy =", glider.inertia[1]);
    w.number("I.zz =", glider.inertia[2]);
    w.number("I.xz =", glider.inertia[3]);
    w.line();
}

// A file name on disk as the file stores it, in the files' code page.
std::string storedFileName(const std::string& diskName) {
    if (std::optional<std::string> stored = storedFromDiskPath(diskName))
        return *stored;
    throw errSaveGlider(MessageText("GliderFile",
                                    "Le nom de fichier '%1' contient un caractère que le fichier "
                                    "planeur ne peut pas contenir (Windows-1252).")
                            .arg(diskName),
                        errorCaption());
}

// The glider's own directory holds the texture, whatever directory it was picked from.
std::string textureValue(const std::string& gliderName, const std::string& texturePath) {
    const std::string file = fileNamePart(texturePath);
    if (file.empty() || file.size() == texturePath.size())
        return {};
    return gliderName + "\\" + storedFileName(file);
}

void writePane(LineWriter& w, const Pane& pane, int number, bool withDihedral) {
    const std::string p = "pane" + std::to_string(number);
    w.number(p + ".env        =", pane.env);
    w.number(p + ".cord.c1    =", pane.c1);
    w.number(p + ".cord.c2    =", pane.c2);
    w.number(p + ".fleche     =", pane.fleche);
    if (withDihedral)
        w.number(p + ".diedre     =", pane.diedre * kRadiansToDegrees);
    w.number(p + ".color.r    =", pane.color[0]);
    w.number(p + ".color.g    =", pane.color[1]);
    w.number(p + ".color.b    =", pane.color[2]);
    w.number(p + ".throw.up\t=", pane.throwUp);
    w.number(p + ".throw.down\t=", pane.throwDown);
}

void writeSurface(LineWriter& w, const Glider& glider, int slot, const char* sectionName) {
    const Surface& s = glider.surfaces[slot];
    const bool fin = slot == Fin;
    w.line("[" + std::string(sectionName) + "]");
    w.line();
    w.number("position.x =", s.position[0]);
    w.number("position.y =", s.position[1]);
    w.number("position.z =", s.position[2]);
    w.number("weight     =", s.weight);
    w.key("foil.filename =", storedFileName(s.foil.foilFilename));
    if (!fin)
        w.number("calage  =", s.calage * kRadiansToDegrees);
    w.key("npart   =", std::to_string(s.npart()));
    w.key("texture =", textureValue(glider.name, s.texturePath));
    w.line();
    for (int n = 0; n < s.npart(); ++n)
        writePane(w, s.pane(n), n + 1, !fin);
    w.line();
}

void writeBody(LineWriter& w, const Glider& glider) {
    const Body& b = glider.body;
    w.line("[body]");
    w.line();
    w.number("color.r =", b.color[0]);
    w.number("color.g =", b.color[1]);
    w.number("color.b =", b.color[2]);
    w.number("weight     =", b.weight);
    w.key("texture =", textureValue(glider.name, b.texturePath));
    w.line();
    w.line("// x z h l position and size of elliptic sections");
    w.line("// Warning separator fields is a TAB");
    w.line();
    w.raw("coord =\"");
    for (const BodySection& s : b.sections)
        w.raw("\r\n" + formatNumber(s.x) + "\t" + formatNumber(s.z) + "\t" + formatNumber(s.h) +
              "\t" + formatNumber(s.l));
    w.line("\"");
    w.line();
}

} // namespace

void readGlider(Glider& glider, const std::string& path, const std::string& simulatorDir) {
    readGlider(glider, path, simulatorDir, FoilLoader(loadFoil));
}

void readGlider(Glider& glider, const std::string& path, const std::string& simulatorDir,
                const FoilLoader& loadFoil) {
    const GliderText text = readGliderText(path);
    glider.path = path;
    readMain(glider, text);
    for (int slot = 0; slot < Glider::kSlots; ++slot)
        readSurface(glider.surfaces[slot], slot, text, simulatorDir, loadFoil);
    readBody(glider.body, text, simulatorDir);
    glider.valid = 1;
}

std::string gliderFileText(const Glider& glider) {
    LineWriter w;
    writeHeader(w);
    writeMain(w, glider);
    writeSurface(w, glider, WingLeft, "wing");
    writeSurface(w, glider, StabLeft, "hstab");
    writeSurface(w, glider, Fin, "vstab");
    writeBody(w, glider);
    return w.take();
}

std::string writeGlider(const Glider& glider, const std::string& iniPath,
                        const std::string& requestedPath) {
    const std::string target = gliderSavePath(iniPath, glider.name, requestedPath);
    std::string error;
    if (!replaceFileContents(target, gliderFileText(glider), error))
        throw errSaveGlider(MessageText("GliderFile",
                                        "Impossible d'écrire le fichier planeur '%1' : %2.\n\nLe "
                                        "fichier précédent n'a pas été modifié.")
                                .arg(target)
                                .arg(error),
                            errorCaption());
    return target;
}
