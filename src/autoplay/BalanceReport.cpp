#include "autoplay/BalanceReport.h"

#include <iomanip>

namespace {

// A whole percentage of part in whole.
int percent(int part, int whole) {
    return whole == 0 ? 0 : static_cast<int>((100.0 * part) / whole + 0.5);
}

}  // namespace

BalanceReport::BalanceReport(std::string strategy, std::vector<std::string> enemyNames,
                             std::vector<std::string> heroNames)
    : strategy_(std::move(strategy)),
      enemyNames_(std::move(enemyNames)),
      heroNames_(std::move(heroNames)),
      reached_(enemyNames_.size(), 0),
      cleared_(enemyNames_.size(), 0),
      heroes_(heroNames_.size()) {}

void BalanceReport::add(const GameRecord& record) {
    ++games_;
    turns_ += record.turns;
    frames_ += record.frames;
    if (!record.error.empty()) {
        failures_.push_back(record);
        return;
    }
    if (record.won) {
        ++wins_;
    }
    if (heroes_.size() < record.heroes.size()) {
        heroes_.resize(record.heroes.size());
    }
    for (std::size_t i = 0; i < record.heroes.size(); ++i) {
        heroes_[i].fought += record.heroes[i].fought;
        heroes_[i].won += record.heroes[i].won;
    }
    for (std::size_t i = 0; i < reached_.size(); ++i) {
        const int ground = static_cast<int>(i) + 1;
        reached_[i] += record.reached >= ground ? 1 : 0;
        cleared_[i] += record.cleared >= ground ? 1 : 0;
    }
}

int BalanceReport::reached(int ground) const {
    return ground >= 0 && static_cast<std::size_t>(ground) < reached_.size()
               ? reached_[static_cast<std::size_t>(ground)]
               : 0;
}

int BalanceReport::cleared(int ground) const {
    return ground >= 0 && static_cast<std::size_t>(ground) < cleared_.size()
               ? cleared_[static_cast<std::size_t>(ground)]
               : 0;
}

int BalanceReport::fought(int hero) const {
    return hero >= 0 && static_cast<std::size_t>(hero) < heroes_.size()
               ? heroes_[static_cast<std::size_t>(hero)].fought
               : 0;
}

int BalanceReport::heroWins(int hero) const {
    return hero >= 0 && static_cast<std::size_t>(hero) < heroes_.size()
               ? heroes_[static_cast<std::size_t>(hero)].won
               : 0;
}

void BalanceReport::print(std::ostream& out) const {
    out << "strategy " << strategy_ << ": " << games_ << " games, " << wins_
        << " cleared the game (" << percent(wins_, games_) << "%)";
    if (games_ > 0) {
        out << ", " << std::fixed << std::setprecision(1) << static_cast<double>(turns_) / games_
            << " turns and " << static_cast<double>(frames_) / games_ << " frames a game";
    }
    out << '\n';
    out << "  ground  reached  cleared  cleared/reached  enemy\n";
    for (std::size_t i = 0; i < reached_.size(); ++i) {
        out << "  " << std::setw(6) << i + 1 << "  " << std::setw(7) << reached_[i] << "  "
            << std::setw(7) << cleared_[i] << "  " << std::setw(14)
            << percent(cleared_[i], reached_[i]) << "%  " << enemyNames_[i] << '\n';
    }
    printHeroes(out);
    for (const GameRecord& failure : failures_) {
        out << "  seed " << failure.seed << " stopped: " << failure.error << '\n';
    }
}

void BalanceReport::printHeroes(std::ostream& out) const {
    int battles = 0;
    for (const GameRecord::HeroBattles& hero : heroes_) {
        battles += hero.fought;
    }
    out << "    hero  battles  of all  won  won/battles  name\n";
    for (std::size_t i = 0; i < heroes_.size(); ++i) {
        out << "  " << std::setw(6) << i + 1 << "  " << std::setw(7) << heroes_[i].fought << "  "
            << std::setw(5) << percent(heroes_[i].fought, battles) << "%  " << std::setw(3)
            << heroes_[i].won << "  " << std::setw(10) << percent(heroes_[i].won, heroes_[i].fought)
            << "%  " << (i < heroNames_.size() ? heroNames_[i] : std::string()) << '\n';
    }
}
