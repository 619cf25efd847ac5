#pragma once

#include <ostream>
#include <vector>

#include "platform/headless/ScriptedKeySource.h"

struct CommandLine;

// Runs the game without a window or sound: options.frames frames (without --frames, as long as
// the --input replay and the latest --screenshot FRAME:FILE need) with the scripted input, or
// the replay in its place, on a clock that advances one frame per step; writes the pictures
// of the named frames as they pass, then the last frame to options.screenshot when one is
// named; records the input with --record. The workbench options apply (--ground, --hero,
// --watch on the frame clock, --preview, whose Cancel ends the run early). Messages go to err.
// Returns the exit status: -1 when the data file fails to load, 1 when the font, the replay or
// a screenshot fails, 2 when the start point is not in the data file, else 0.
int runHeadless(const CommandLine& options, std::vector<InputStep> input, std::ostream& err);
