#pragma once

#include <string>

// What went wrong in the last load of the data file. code 0 means the load succeeded (or
// the file could not be opened, which is not a data error: see DataManager::openFailed()).
struct LoadError {
    int code = 0;
    int line = 0;          // line counter when the error was raised
    std::string lineText;  // the line as the reader saw it (trimmed when it was trimmed)
    std::string report;    // the full two-line report, Shift-JIS
};
