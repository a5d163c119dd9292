#pragma once

#include <string>
#include <vector>

/**
 * kesh-tool render (options in the README's kesh-tool table): draws the glider as a view does
 * into an offscreen frame and writes it. `args` are the words after "render". Returns 0 when
 * written, 1 when the glider or the output is refused (message on standard error), 2 on a
 * usage error. Needs no display.
 */
int runRenderCommand(const std::vector<std::string>& args);
