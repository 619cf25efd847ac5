#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "autoplay/GameRecord.h"

// Sums up the games of one strategy: how many reached and cleared each battle ground, how
// many cleared the whole game, and any game that ended in neither an ending nor a game over.
class BalanceReport {
public:
    // enemyNames (UTF-8) name the battle grounds in order.
    BalanceReport(std::string strategy, std::vector<std::string> enemyNames);

    void add(const GameRecord& record);

    int games() const { return games_; }
    int wins() const { return wins_; }
    int failures() const { return static_cast<int>(failures_.size()); }
    // Games that reached / cleared battle ground index (0 is the first).
    int reached(int ground) const;
    int cleared(int ground) const;
    double winRate() const { return games_ == 0 ? 0.0 : static_cast<double>(wins_) / games_; }

    void print(std::ostream& out) const;

private:
    std::string strategy_;
    std::vector<std::string> enemyNames_;
    std::vector<int> reached_;
    std::vector<int> cleared_;
    std::vector<GameRecord> failures_;
    int games_ = 0;
    int wins_ = 0;
    long long turns_ = 0;
    long long frames_ = 0;
};
