#pragma once

#include <ostream>
#include <vector>

#include "platform/headless/ScriptedKeySource.h"

struct CommandLine;

// Runs the game without a window or sound: options.frames frames with the scripted input,
// on a clock that advances one frame per step, then writes the last frame to
// options.screenshot when one is named. Messages go to err. Returns the exit status: -1 when
// the data file fails to load, 1 when the font or the screenshot fails, else 0.
int runHeadless(const CommandLine& options, std::vector<InputStep> input, std::ostream& err);
