#pragma once

#include <ostream>
#include <string>

// The --check command: loads the data file exactly as the game does (image files included)
// without showing dialogs, and prints the error report or a summary of what the file defines,
// in UTF-8. Returns the exit status: 0 when the file loads, 1 otherwise.
int runScriptCheck(const std::string& fileName, std::ostream& out);
