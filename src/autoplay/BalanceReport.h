#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "autoplay/GameRecord.h"

// Sums up the games of one strategy: how many reached and cleared each battle ground, how
// many cleared the whole game, which heroes fought how many battles and won how many, and
// any game that ended in neither an ending nor a game over.
class BalanceReport {
public:
    // enemyNames and heroNames (UTF-8) name the battle grounds and the roster in order.
    BalanceReport(std::string strategy, std::vector<std::string> enemyNames,
                  std::vector<std::string> heroNames = {});

    void add(const GameRecord& record);

    int games() const { return games_; }
    int wins() const { return wins_; }
    int failures() const { return static_cast<int>(failures_.size()); }
    const std::vector<GameRecord>& failedGames() const { return failures_; }
    // Games that reached / cleared battle ground index (0 is the first).
    int reached(int ground) const;
    int cleared(int ground) const;
    // Battles hero index (0 is the first of the roster) fought / won over all games.
    int fought(int hero) const;
    int heroWins(int hero) const;
    double winRate() const { return games_ == 0 ? 0.0 : static_cast<double>(wins_) / games_; }

    void print(std::ostream& out) const;

private:
    void printHeroes(std::ostream& out) const;

    std::string strategy_;
    std::vector<std::string> enemyNames_;
    std::vector<std::string> heroNames_;
    std::vector<int> reached_;
    std::vector<int> cleared_;
    std::vector<GameRecord::HeroBattles> heroes_;
    std::vector<GameRecord> failures_;
    int games_ = 0;
    int wins_ = 0;
    long long turns_ = 0;
    long long frames_ = 0;
};
