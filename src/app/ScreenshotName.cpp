#include "app/ScreenshotName.h"

#include <cstdio>

std::string screenshotName(const std::tm& time,
                           const std::function<bool(const std::string&)>& taken) {
    char stamp[96];
    std::snprintf(stamp, sizeof stamp, "velkaros-%04d%02d%02d-%02d%02d%02d", time.tm_year + 1900,
                  time.tm_mon + 1, time.tm_mday, time.tm_hour, time.tm_min, time.tm_sec);
    std::string name = std::string(stamp) + ".png";
    for (int count = 2; taken(name); ++count) {
        if (count > kMaxScreenshotsPerSecond) {
            return {};
        }
        name = std::string(stamp) + "-" + std::to_string(count) + ".png";
    }
    return name;
}
