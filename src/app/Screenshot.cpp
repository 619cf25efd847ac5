#include "app/Screenshot.h"

#include <filesystem>
#include <system_error>

#include "app/ScreenshotName.h"
#include "gfx/ImageSave.h"

std::string saveScreenshot(const Image& picture, const std::string& folder, const std::tm& time,
                           std::string& error) {
    const std::filesystem::path base =
        folder.empty() ? std::filesystem::path(".") : std::filesystem::path(folder);
    auto taken = [&](const std::string& name) {
        std::error_code code;
        // A name that cannot be checked counts as taken: better a later number than a loss.
        const bool exists = std::filesystem::exists(base / name, code);
        return exists || code;
    };
    const std::string name = screenshotName(time, taken);
    if (name.empty()) {
        error = "every screenshot name for this second is taken";
        return {};
    }
    const std::string path = folder.empty() ? name : (base / name).string();
    if (!savePng(picture, path)) {
        error = "cannot write " + path;
        return {};
    }
    return path;
}
