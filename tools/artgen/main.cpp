// vk_artgen ART_DIR OUTPUT_DIR [RECIPE...]: draws pictures from the sources in ART_DIR
// (palette.txt, *.grid, *.pic) into OUTPUT_DIR: those of the named recipe files, or of every
// *.pic in ART_DIR when none is named.
#include <algorithm>
#include <filesystem>
#include <iostream>
#include <vector>

#include "ArtBook.h"

namespace fs = std::filesystem;

namespace {

std::vector<fs::path> filesEndingIn(const fs::path& dir, const std::string& extension) {
    std::vector<fs::path> found;
    for (const auto& entry : fs::directory_iterator(dir)) {
        if (entry.path().extension() == extension) {
            found.push_back(entry.path());
        }
    }
    std::sort(found.begin(), found.end());  // the same order on every machine
    return found;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: vk_artgen ART_DIR OUTPUT_DIR [RECIPE...]\n";
        return 2;
    }
    const fs::path art = argv[1];
    std::error_code ignored;
    fs::create_directories(argv[2], ignored);
    ArtBook book;
    std::string error;
    bool ok = book.loadPalette((art / "palette.txt").string(), error);
    for (const auto& grid : ok ? filesEndingIn(art, ".grid") : std::vector<fs::path>{}) {
        ok = ok && book.loadGrids(grid.string(), error);
    }
    std::vector<fs::path> recipes(argv + 3, argv + argc);
    if (recipes.empty()) {
        recipes = filesEndingIn(art, ".pic");
    }
    for (const auto& recipe : ok ? recipes : std::vector<fs::path>{}) {
        ok = ok && book.runRecipes(recipe.string(), argv[2], error);
    }
    if (!ok) {
        std::cerr << "vk_artgen: " << error << "\n";
        return 1;
    }
    std::cout << "vk_artgen: " << book.written() << " pictures\n";
    return 0;
}
