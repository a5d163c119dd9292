#pragma once

#include <QString>

#include <vector>

// What one polar computation asks of XFOIL.
struct XfoilSettings {
    std::vector<int> reynolds{50000, 100000, 200000, 400000};
    double ncrit = 9;
    double alphaStep = 0.5; // degrees
    double alphaMax = 20;   // upper end of the sweep from 0
    double alphaMin = -15;  // lower end of the sweep from 0
    int jobs = 0;           // 0: as many as there are cores
    int timeoutSeconds = 60;
    QString program = "xfoil";
};
