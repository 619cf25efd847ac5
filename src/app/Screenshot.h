#pragma once

#include <ctime>
#include <string>

class Image;

// Saves the picture as a PNG into folder ("" or "." for the working folder), named for the
// given local time by screenshotName, never over an existing file. Returns the name of the
// file written; on failure returns "" and says why in error.
std::string saveScreenshot(const Image& picture, const std::string& folder, const std::tm& time,
                           std::string& error);
