#include "ArtBook.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <sstream>

#include "PngWriter.h"

namespace {

// No picture of the game comes near this; it keeps a typing slip from asking for gigabytes.
constexpr int kMaxSide = 1024;

std::vector<std::string> words(const std::string& line) {
    std::vector<std::string> out;
    std::istringstream in(line);
    std::string word;
    while (in >> word && word[0] != '#') {
        out.push_back(word);
    }
    return out;
}

bool readLines(const std::string& fileName, std::vector<std::string>& lines, std::string& error) {
    std::ifstream in(fileName);
    if (!in) {
        error = "cannot read " + fileName;
        return false;
    }
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
    }
    return true;
}

// Whole numbers only; the recipes place pixels.
bool number(const std::string& word, int& value) {
    try {
        size_t used = 0;
        value = std::stoi(word, &used);
        return used == word.size();
    } catch (...) {
        return false;
    }
}

}  // namespace

bool ArtBook::loadPalette(const std::string& fileName, std::string& error) {
    std::vector<std::string> lines;
    if (!readLines(fileName, lines, error)) {
        return false;
    }
    for (size_t i = 0; i < lines.size(); ++i) {
        const auto w = words(lines[i]);
        if (w.empty()) {
            continue;
        }
        if (w.size() < 2 || w[0].size() != 1 || w[1].size() != 6) {
            error = fileName + ":" + std::to_string(i + 1) + ": expected a letter and RRGGBB";
            return false;
        }
        palette_[w[0][0]] = static_cast<std::uint32_t>(std::stoul(w[1], nullptr, 16));
    }
    return true;
}

bool ArtBook::loadGrids(const std::string& fileName, std::string& error) {
    std::vector<std::string> lines;
    if (!readLines(fileName, lines, error)) {
        return false;
    }
    for (size_t i = 0; i < lines.size(); ++i) {
        const auto w = words(lines[i]);
        if (w.empty()) {
            continue;
        }
        const std::string where = fileName + ":" + std::to_string(i + 1) + ": ";
        int width = 0;
        int height = 0;
        if (w.size() != 4 || w[0] != "sprite" || !number(w[2], width) || !number(w[3], height) ||
            width <= 0 || height <= 0 || width > 256 || height > 256) {
            error = where + "expected: sprite NAME WIDTH HEIGHT";
            return false;
        }
        auto canvas = std::make_unique<Canvas>(width, height);
        for (int y = 0; y < height; ++y) {
            ++i;
            if (i >= lines.size() || static_cast<int>(lines[i].size()) < width) {
                error = fileName + ":" + std::to_string(i + 1) + ": sprite " + w[1] + " needs " +
                        std::to_string(height) + " rows of " + std::to_string(width) + " letters";
                return false;
            }
            for (int x = 0; x < width; ++x) {
                const char c = lines[i][x];
                if (c == '.') {
                    continue;
                }
                const auto found = palette_.find(c);
                if (found == palette_.end()) {
                    error = fileName + ":" + std::to_string(i + 1) + ": letter '" +
                            std::string(1, c) + "' is not in the palette";
                    return false;
                }
                canvas->put(x, y, found->second);
            }
        }
        sprites_[w[1]] = std::move(canvas);
    }
    return true;
}

bool ArtBook::runRecipes(const std::string& fileName, const std::string& outputDir,
                         std::string& error) {
    std::vector<std::string> lines;
    if (!readLines(fileName, lines, error)) {
        return false;
    }
    for (size_t i = 0; i < lines.size(); ++i) {
        const auto w = words(lines[i]);
        if (!w.empty() && !command(w, outputDir, error)) {
            error = fileName + ":" + std::to_string(i + 1) + ": " + error;
            return false;
        }
    }
    return save(outputDir, error);
}

bool ArtBook::color(const std::string& word, std::uint32_t& rgb, std::string& error) const {
    if (word.size() == 1 && palette_.count(word[0])) {
        rgb = palette_.at(word[0]);
        return true;
    }
    if (word.size() == 6 && word.find_first_not_of("0123456789abcdefABCDEF") == word.npos) {
        rgb = static_cast<std::uint32_t>(std::stoul(word, nullptr, 16));
        return true;
    }
    error = "not a colour: " + word;
    return false;
}

const Canvas* ArtBook::sprite(const std::string& name, std::string& error) const {
    for (const auto* table : {&sprites_, &pictures_}) {
        const auto found = table->find(name);
        if (found != table->end()) {
            return found->second.get();
        }
    }
    error = "no sprite or earlier picture named " + name;
    return nullptr;
}

bool ArtBook::save(const std::string& outputDir, std::string& error) {
    if (!canvas_) {
        return true;
    }
    const std::string path = outputDir + "/" + canvasName_ + ".png";
    if (!writePng(*canvas_, path)) {
        error = "cannot write " + path;
        return false;
    }
    // Kept, so a later picture can stamp it (an icon scaled up whole).
    pictures_[canvasName_] = std::move(canvas_);
    ++written_;
    return true;
}

bool ArtBook::command(const std::vector<std::string>& w, const std::string& outputDir,
                      std::string& error) {
    const std::string& op = w[0];
    std::vector<int> n;
    std::vector<std::uint32_t> c;
    // Arguments: numbers as numbers, anything else as a colour (or a name for sprites).
    for (size_t i = 1; i < w.size(); ++i) {
        int value = 0;
        std::uint32_t rgb = 0;
        std::string ignored;
        // Six hex digits are always a colour (no recipe needs a six-digit number).
        if (w[i].size() != 6 && number(w[i], value)) {
            n.push_back(value);
        } else if (color(w[i], rgb, ignored)) {
            c.push_back(rgb);
        }
    }
    auto need = [&](size_t numbers, size_t colors) {
        if (n.size() != numbers || c.size() != colors) {
            error = op + " takes " + std::to_string(numbers) + " numbers and " +
                    std::to_string(colors) + " colours";
            return false;
        }
        if (!canvas_) {
            error = op + " before any picture";
            return false;
        }
        return true;
    };
    if (op == "picture" || op == "export") {
        if (!save(outputDir, error)) {
            return false;
        }
        if (op == "export") {
            const Canvas* s = w.size() == 2 ? sprite(w[1], error) : nullptr;
            if (s == nullptr) {
                error = "export takes one sprite name; " + error;
                return false;
            }
            canvas_ = std::make_unique<Canvas>(*s);
            canvasName_ = w[1];
            return save(outputDir, error);
        }
        if (w.size() != 4 || n.size() != 2 || n[0] <= 0 || n[1] <= 0 || n[0] > kMaxSide ||
            n[1] > kMaxSide) {
            error = "expected: picture NAME WIDTH HEIGHT (1 to " + std::to_string(kMaxSide) + ")";
            return false;
        }
        canvas_ = std::make_unique<Canvas>(n[0], n[1]);
        canvasName_ = w[1];
        return true;
    }
    if (op == "sprite") {
        const Canvas* s = w.size() >= 4 ? sprite(w[1], error) : nullptr;
        if (s == nullptr || !need(w.size() == 5 ? 3 : 2, 0)) {
            error = "expected: sprite NAME X Y [SCALE]; " + error;
            return false;
        }
        canvas_->stamp(*s, n[0], n[1], n.size() == 3 ? std::max(1, n[2]) : 1);
        return true;
    }
    if (op == "fill")
        return need(0, 1) &&
               (canvas_->fillRect(0, 0, canvas_->width(), canvas_->height(), c[0]), true);
    if (op == "rect")
        return need(4, 1) && (canvas_->fillRect(n[0], n[1], n[2], n[3], c[0]), true);
    if (op == "gradient")
        return need(4, 2) && (canvas_->gradient(n[0], n[1], n[2], n[3], c[0], c[1]), true);
    if (op == "disc")
        return need(4, 1) && (canvas_->disc(n[0], n[1], n[2], n[3], c[0]), true);
    if (op == "ring")
        return need(4, 1) && (canvas_->ring(n[0], n[1], n[2], n[3], c[0]), true);
    if (op == "line")
        return need(4, 1) && (canvas_->line(n[0], n[1], n[2], n[3], c[0]), true);
    if (op == "glow")
        return need(4, 1) && (canvas_->glow(n[0], n[1], n[2], c[0], n[3] / 100.0), true);
    if (op == "hills")
        return need(3, 1) && (canvas_->hills(n[0], n[1], n[2], c[0]), true);
    if (op == "eye")
        return need(5, 1) && (canvas_->eye(n[0], n[1], n[2], n[3], n[4] / 100.0, c[0]), true);
    if (op == "round")
        return need(1, 0) && (canvas_->roundCorners(n[0]), true);
    if (op == "stars")
        return need(2, 1) && (canvas_->scatter(n[0], n[1], c[0]), true);
    if (op == "rays") {
        // rays CX CY R0 R1 COUNT TURN COLOUR: spokes from r0 to r1, turned by TURN degrees.
        if (!need(6, 1)) {
            return false;
        }
        for (int i = 0; i < n[4]; ++i) {
            const double a = (i * 360.0 / n[4] + n[5]) * 3.14159265358979 / 180.0;
            canvas_->line(static_cast<int>(n[0] + n[2] * std::cos(a)),
                          static_cast<int>(n[1] + n[2] * std::sin(a)),
                          static_cast<int>(n[0] + n[3] * std::cos(a)),
                          static_cast<int>(n[1] + n[3] * std::sin(a)), c[0]);
        }
        return true;
    }
    error = "unknown command " + op;
    return false;
}
