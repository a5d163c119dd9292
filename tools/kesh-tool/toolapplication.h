#pragma once

#include "toolargs.h"
#include "tools/keeplibrariesloaded.h"

#include <QGuiApplication>

#include <iostream>

/**
 * Runs `run` inside the Qt application the drawing, lettering and page commands need, made on
 * the offscreen platform so that kesh-tool never needs a display: OpenGL comes from
 * OffscreenFrame with a display or without one. An application that already exists (a test's)
 * is used when it is of the kind asked for. Returns run's status.
 */
template <typename Application, typename Run> int withApplication(const Run& run) {
    if (qobject_cast<Application*>(QCoreApplication::instance()) != nullptr)
        return run();
    if (QCoreApplication::instance() != nullptr) {
        std::cerr << "kesh-tool: this command needs a GUI application\n";
        return ExitRefused;
    }
    int argc = 3;
    char name[] = "kesh-tool";
    char platform[] = "-platform";
    char offscreen[] = "offscreen";
    char* argv[] = {name, platform, offscreen, nullptr};
    const Application app(argc, argv);
    const int status = run();
    keepLibrariesLoaded();
    return status;
}
