#pragma once

#include <string>
#include <vector>

/**
 * kesh-tool render FILE.gli -o OUT.png|OUT.bmp [--sim DIR] [--view free|top|left|front]
 * [--size WxH] [--zoom Z] [--rot X,Z] [--lines] [--colors] [--hide wing,body,stab,fin]
 *
 * Draws the glider as a view does into an offscreen frame and writes it. `args` are the
 * words after "render". Returns 0 when written, 1 when the glider or the output is refused
 * (message on standard error), 2 on a usage error. Needs a display.
 */
int runRenderCommand(const std::vector<std::string>& args);
