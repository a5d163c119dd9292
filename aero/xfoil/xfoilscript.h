#pragma once

#include "aero/xfoil/xfoilsettings.h"
#include "model/outline.h"

#include <string>

// The fixed names inside a run's own directory; nothing from the user reaches the script.
inline constexpr const char* kXfoilOutlineFile = "foil.dat";
inline constexpr const char* kXfoilPolarFile = "polar.txt";

// The whole command script of one sweep from `from` to `to` (degrees, either way) at one
// Reynolds number, graphics off, ending with QUIT.
std::string xfoilScript(const XfoilSettings& settings, int reynolds, double from, double to);

// The outline as a Selig file under a fixed name line.
std::string xfoilOutlineText(const Outline& outline);

// Empty when the settings can be run; else what is wrong, in French.
std::string checkXfoilSettings(const XfoilSettings& settings);
