#pragma once

#include <QString>

#include <vector>

// What an import accepts, for the window's fields and kesh-tool's options alike.
namespace importlimits {
inline constexpr int kMinPoints = 20;
inline constexpr int kMaxReynoldsCount = 8;
inline constexpr double kMinNcrit = 1;
inline constexpr double kMaxNcrit = 20;
inline constexpr double kMinStep = 0.1;
inline constexpr double kMaxStep = 5;
inline constexpr double kMinCdMax = 0.5;
inline constexpr double kMaxCdMax = 3;
} // namespace importlimits

// What one polar computation asks of XFOIL.
struct XfoilSettings {
    std::vector<int> reynolds{50000, 100000, 200000, 400000};
    double ncrit = 9;
    double alphaStep = 0.5;  // degrees
    double alphaMax = 20;    // upper end of the sweep from 0
    double alphaMin = -15;   // lower end of the sweep from 0
    int jobs = 0;            // 0: as many as there are cores
    int timeoutSeconds = 60; // for each sweep, restarts included
    double stallSeconds = 3; // without a new point: the process is stalled
    double pastStall = 3;    // degrees past the lift's extreme where a sweep ends
    QString program = "xfoil";
};
