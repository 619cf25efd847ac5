#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "data/DataManager.h"

// Runs a test inside the built game folder, as the game itself runs, with the shipped
// script.dat loaded (pictures included) and no dialogs.
class GameFolder : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(std::string(VK_BINARY_DIR) + "/game");
        data_ = std::make_unique<DataManager>();
        data_->setQuiet(true);
        loaded_ = data_->load("script.dat");
    }
    void TearDown() override {
        data_.reset();
        std::filesystem::current_path(previous_);
    }

    // Every character of the file: the heroes, then the enemies.
    std::vector<CharacterState*> fighters() const {
        std::vector<CharacterState*> all;
        for (int i = 0; i < data_->playerCount(); ++i) {
            all.push_back(data_->playerState(i));
        }
        for (int i = 0; i < data_->enemyCount(); ++i) {
            all.push_back(data_->enemyState(i));
        }
        return all;
    }

    std::unique_ptr<DataManager> data_;
    bool loaded_ = false;

private:
    std::filesystem::path previous_;
};

// Splits a text at line feeds the way the text windows do (runs of breaks are one break).
inline std::vector<std::string> windowLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (true) {
        const std::size_t end = text.find_first_of("\r\n", pos);
        lines.push_back(text.substr(pos, end == std::string::npos ? end : end - pos));
        if (end == std::string::npos) {
            return lines;
        }
        pos = text.find_first_not_of("\r\n", end);
        if (pos == std::string::npos) {
            return lines;
        }
    }
}
