#include "platform/win32/Win32Options.h"

#include "app/WholeNumber.h"

bool Win32Options::parse(const std::vector<std::string>& arguments, std::string& error) {
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& option = arguments[i];
        const bool isFlag = option == "--mute";
        if (isFlag) {
            mute = true;
            continue;
        }
        if (option != "--data" && option != "--mod" && option != "--seed" &&
            option != "--frames" && option != "--lang") {
            error = "unknown option '" + option + "'";
            return false;
        }
        if (i + 1 >= arguments.size()) {
            error = option + " needs a value";
            return false;
        }
        const std::string& value = arguments[++i];
        long long number = 0;
        if (option == "--data") {
            dataDir = value;
        } else if (option == "--mod") {
            if (value.empty()) {
                error = "--mod needs a zip file or a folder, not an empty name";
                return false;
            }
            mod = value;
        } else if (option == "--lang") {
            lang = value;
        } else if (option == "--seed") {
            if (!readWholeNumber(value, 0, 4294967295LL, number)) {
                error = "--seed needs a whole number from 0 to 4294967295, not '" + value + "'";
                return false;
            }
            seed = static_cast<std::uint32_t>(number);
        } else {
            if (!readWholeNumber(value, 1, 10'000'000, number)) {
                error = "--frames needs a whole number from 1 to 10000000, not '" + value + "'";
                return false;
            }
            frames = static_cast<int>(number);
        }
    }
    return true;
}
