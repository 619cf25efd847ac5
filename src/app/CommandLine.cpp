#include "app/CommandLine.h"

#include "app/WholeNumber.h"

const char* const kVersionText = "Ver 0.1.0";

const char* const kUsageText =
    "Usage: velkaros [options]\n"
    "\n"
    "  --help             show this text and exit\n"
    "  --version          show the version and exit\n"
    "  --data DIR         run in the game folder DIR (script.dat, image/, sound/)\n"
    "  --mod MOD          play the mod MOD (a .zip or a folder) over the game folder:\n"
    "                     a file the mod has replaces the game's (with every mode)\n"
    "  --seed N           seed the random generator with N (0 to 4294967295)\n"
    "  --scale N          show the picture N times larger, 1 to 16 (default 1)\n"
    "  --mute             no sound output\n"
    "  --check [FILE]     check a data file (default script.dat) and exit: 0 good, 1 bad\n"
    "  --lang LL          play in the language of lang/LL.po; with --check, check that\n"
    "                     translation against the game's texts instead\n"
    "  --pot [FILE]       write the translators' template of every text to FILE (or to\n"
    "                     standard output) and exit\n"
    "  --headless         run without a window or sound\n"
    "  --frames N         with --headless: run N frames (default 1)\n"
    "  --screenshot FILE  with --headless: write the last frame as a PNG picture;\n"
    "                     FRAME:FILE writes the picture after that frame (repeatable)\n"
    "  --input REPLAY     play a recorded session in place of the keyboard and mouse\n"
    "                     (with --headless and no --frames: until the replay ends)\n"
    "  --record REPLAY    write this session's input and seed as a replay\n"
    "\n"
    "Modding workbench (F5 in the window reads script.dat, the pictures and the mod again):\n"
    "  --ground N         start at battle ground N (1 = the first Enemy), fighters fresh\n"
    "  --hero H           straight into the battle of --ground N (default 1) with hero H\n"
    "                     (1 = the first Player)\n"
    "  --watch            read the data again when script.dat or a picture changes\n"
    "  --preview          show every special art and fighter of the data file\n"
    "  --balance [SEEDS]  play SEEDS games (default 100, at most 100000) with each automatic\n"
    "                     player, from seed 1 or --seed, and print how far they got\n";

bool CommandLine::parse(const std::vector<std::string>& arguments, std::string& error) {
    framesGiven = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& option = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        // Options that need a value take the next argument, whatever it looks like.
        auto value = [&](const char* what) -> const std::string* {
            if (!hasValue) {
                error = option + " needs " + what;
                return nullptr;
            }
            return &arguments[++i];
        };
        long long number = 0;
        if (option == "--help" || option == "-h") {
            help = true;
        } else if (option == "--version") {
            version = true;
        } else if (option == "--mute") {
            mute = true;
        } else if (option == "--headless") {
            headless = true;
        } else if (option == "--watch") {
            watch = true;
        } else if (option == "--preview") {
            preview = true;
        } else if (option == "--ground" || option == "--hero") {
            const std::string* text = value("a number");
            if (text == nullptr) {
                return false;
            }
            if (!readWholeNumber(*text, 1, StartPoint::kMaxNumber, number)) {
                error = option + " needs a whole number from 1, not '" + *text + "'";
                return false;
            }
            (option == "--ground" ? start.ground : start.hero) = static_cast<int>(number);
        } else if (option == "--balance") {
            balance = true;
            // The count is optional: the next argument unless it looks like an option.
            if (hasValue && arguments[i + 1].rfind('-', 0) != 0) {
                const std::string& text = arguments[++i];
                if (!readWholeNumber(text, 1, kMaxBalanceSeeds, number)) {
                    error =
                        "--balance needs a number of games from 1 to 100000, not '" + text + "'";
                    return false;
                }
                balanceSeeds = number;
            }
        } else if (option == "--check") {
            check = true;
            // The file is optional: the next argument is taken unless it is another option.
            if (hasValue && arguments[i + 1].rfind("--", 0) != 0) {
                checkFile = arguments[++i];
            }
        } else if (option == "--pot") {
            pot = true;
            if (hasValue && arguments[i + 1].rfind("--", 0) != 0) {
                potFile = arguments[++i];
            }
        } else if (option == "--lang") {
            const std::string* code = value("a language code");
            if (code == nullptr) {
                return false;
            }
            if (code->empty()) {
                error = "--lang needs a language code, such as en";
                return false;
            }
            lang = *code;
        } else if (option == "--data") {
            const std::string* dir = value("a folder");
            if (dir == nullptr) {
                return false;
            }
            if (dir->empty()) {
                error = "--data needs a folder, not an empty name";
                return false;
            }
            dataDir = *dir;
        } else if (option == "--mod") {
            const std::string* mod = value("a zip file or a folder");
            if (mod == nullptr) {
                return false;
            }
            if (mod->empty()) {
                error = "--mod needs a zip file or a folder, not an empty name";
                return false;
            }
            this->mod = *mod;
        } else if (option == "--screenshot") {
            const std::string* file = value("a file name");
            if (file == nullptr) {
                return false;
            }
            // FRAME:FILE names a frame; anything else is the file of the last frame.
            const std::size_t colon = file->find(':');
            if (colon != std::string::npos && colon > 0 &&
                file->find_first_not_of("0123456789") == colon) {
                if (!readWholeNumber(file->substr(0, colon), 1, kMaxFrames, number)) {
                    error = "--screenshot FRAME:FILE needs a frame from 1 to 10000000, not '" +
                            *file + "'";
                    return false;
                }
                if (colon + 1 == file->size()) {
                    error = "--screenshot " + *file + " needs a file name after the colon";
                    return false;
                }
                frameShots.push_back({static_cast<int>(number), file->substr(colon + 1)});
            } else if (file->empty()) {
                error = "--screenshot needs a file name, not an empty name";
                return false;
            } else {
                screenshot = *file;
            }
        } else if (option == "--input" || option == "--record") {
            const std::string* file = value("a replay file name");
            if (file == nullptr) {
                return false;
            }
            if (file->empty()) {
                error = option + " needs a replay file name, not an empty name";
                return false;
            }
            (option == "--input" ? input : record) = *file;
        } else if (option == "--seed") {
            const std::string* text = value("a number");
            if (text == nullptr) {
                return false;
            }
            if (!readWholeNumber(*text, 0, 0xFFFFFFFFLL, number)) {
                error = "--seed needs a whole number from 0 to 4294967295, not '" + *text + "'";
                return false;
            }
            seed = static_cast<std::uint32_t>(number);
        } else if (option == "--scale") {
            const std::string* text = value("a number");
            if (text == nullptr) {
                return false;
            }
            if (!readWholeNumber(*text, 1, kMaxScale, number)) {
                error = "--scale needs a whole number from 1 to 16, not '" + *text + "'";
                return false;
            }
            scale = static_cast<int>(number);
        } else if (option == "--frames") {
            const std::string* text = value("a number");
            if (text == nullptr) {
                return false;
            }
            if (!readWholeNumber(*text, 1, kMaxFrames, number)) {
                error = "--frames needs a whole number from 1 to 10000000, not '" + *text + "'";
                return false;
            }
            frames = static_cast<int>(number);
            framesGiven = true;
        } else {
            error = "unknown option '" + option + "' (try --help)";
            return false;
        }
    }
    if (!headless && (framesGiven || !screenshot.empty() || !frameShots.empty())) {
        error = std::string(framesGiven ? "--frames" : "--screenshot") + " needs --headless";
        return false;
    }
    if (preview && start.chosen()) {
        error = std::string(start.ground > 0 ? "--ground" : "--hero") + " cannot go with --preview";
        return false;
    }
    if (balance) {
        // The balance run plays its own games: nothing that shapes one session goes with it.
        const char* other = check                                        ? "--check"
                            : pot                                        ? "--pot"
                            : preview                                    ? "--preview"
                            : start.ground > 0                           ? "--ground"
                            : start.hero > 0                             ? "--hero"
                            : watch                                      ? "--watch"
                            : !input.empty()                             ? "--input"
                            : !record.empty()                            ? "--record"
                            : framesGiven                                ? "--frames"
                            : !screenshot.empty() || !frameShots.empty() ? "--screenshot"
                                                                         : nullptr;
        if (other != nullptr) {
            error = std::string(other) + " cannot go with --balance";
            return false;
        }
    }
    for (const FrameShot& shot : frameShots) {
        if (framesGiven && shot.frame > frames) {
            error = "--screenshot " + std::to_string(shot.frame) + ":" + shot.file +
                    " is after the last frame (--frames " + std::to_string(frames) + ")";
            return false;
        }
    }
    return true;
}
