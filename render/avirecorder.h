#pragma once

// The video recorder each view carries. There is no video library to start here, so it
// never becomes ready and records nothing.
class CAviRecorder {
public:
    int ok = 0;
};
