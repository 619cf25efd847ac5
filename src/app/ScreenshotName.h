#pragma once

#include <ctime>
#include <functional>
#include <string>

// The file name of a screenshot taken at the given local time: "velkaros-YYYYMMDD-HHMMSS.png",
// or, when taken says that name is in use already (two shots in one second), the same name
// with "-2", "-3", ... before ".png". Empty when every name up to kMaxScreenshotsPerSecond is
// taken, so a full folder is never overwritten.
constexpr int kMaxScreenshotsPerSecond = 1000;

std::string screenshotName(const std::tm& time,
                           const std::function<bool(const std::string&)>& taken);
