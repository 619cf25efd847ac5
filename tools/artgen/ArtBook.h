#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "Canvas.h"

// Builds the game's pictures from text sources:
//  palette.txt  one colour per line: a letter and six hex digits (RRGGBB).
//  *.grid       pixel grids: "sprite NAME W H" followed by H rows of W palette letters
//               ("." is a hole).
//  *.pic        drawing recipes: "picture NAME W H" followed by drawing commands, saved as
//               NAME.png; "export SPRITE" saves a sprite as it is. "sprite NAME X Y [SCALE]"
//               stamps a sprite, or a picture drawn earlier in the same run.
// Every mistake is reported with its file and line.
class ArtBook {
public:
    bool loadPalette(const std::string& fileName, std::string& error);
    bool loadGrids(const std::string& fileName, std::string& error);
    // Runs a recipe file and writes its pictures into outputDir.
    bool runRecipes(const std::string& fileName, const std::string& outputDir, std::string& error);
    int written() const { return written_; }

private:
    bool command(const std::vector<std::string>& words, const std::string& outputDir,
                 std::string& error);
    bool color(const std::string& word, std::uint32_t& rgb, std::string& error) const;
    bool save(const std::string& outputDir, std::string& error);
    const Canvas* sprite(const std::string& name, std::string& error) const;

    std::map<char, std::uint32_t> palette_;
    std::map<std::string, std::unique_ptr<Canvas>> sprites_;
    std::map<std::string, std::unique_ptr<Canvas>> pictures_;
    std::unique_ptr<Canvas> canvas_;
    std::string canvasName_;
    int written_ = 0;
};
