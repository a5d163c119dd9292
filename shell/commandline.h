#pragma once

#include <QString>
#include <QStringList>
#include <string>

// What the editor's command line asks for. A file named on its own is not opened; the files
// after --open are, as "Ouvrir..." opens them.
struct CommandLine {
    bool help = false;
    bool version = false;
    QStringList openFiles;
};

// The arguments, program name first. Arguments it does not know are left alone.
CommandLine parseCommandLine(const QStringList& arguments);

// The texts --help and --version print.
QString commandLineHelp();
QString versionText();

/**
 * The simulator directory for a start in `workingDir`: the one derived from it, unless it has
 * no airfoils directory and one of `openFiles` lies in a simulator's gliders/<name>/
 * directory, whose simulator is then taken. A file manager starts the editor from anywhere.
 */
std::string startSimulatorDirectory(const QString& workingDir, const QStringList& openFiles);
