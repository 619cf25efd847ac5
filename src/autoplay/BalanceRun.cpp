#include "autoplay/BalanceRun.h"

#include <string>

#include "autoplay/AutoPlayer.h"
#include "autoplay/BalanceReport.h"
#include "autoplay/ContentFacts.h"

namespace {

// Rewrites the progress line: the carriage return puts the cursor back at its start.
void showProgress(std::ostream& err, const char* strategy, long long done, long long total) {
    err << '\r' << strategy << ": " << done << " of " << total << " games" << std::flush;
}

void clearProgress(std::ostream& err) {
    err << '\r' << std::string(60, ' ') << '\r' << std::flush;
}

}  // namespace

int BalanceRun::run(std::ostream& out, std::ostream& err) const {
    const ContentFacts facts = ContentFacts::read("script.dat");
    if (!facts.loaded) {
        err << facts.error << '\n';
        return -1;
    }
    std::string stuck;
    for (const Strategy& strategy : strategies) {
        BalanceReport report(strategy.name(), facts.enemyNames, facts.heroNames);
        AutoPlayer player(strategy, facts.normalStrength);
        player.setFrameLimit(frameLimit);
        for (long long i = 0; i < seeds; ++i) {
            // Seeds wrap round past the largest, as the generator's state does.
            report.add(player.play(firstSeed + static_cast<std::uint32_t>(i)));
            if (progress && ((i + 1) % 10 == 0 || i + 1 == seeds)) {
                showProgress(err, strategy.name(), i + 1, seeds);
            }
        }
        if (progress) {
            clearProgress(err);
        }
        report.print(out);
        for (const GameRecord& game : report.failedGames()) {
            stuck += (stuck.empty() ? "" : ", ") + std::to_string(game.seed) + " (" +
                     strategy.name() + ")";
        }
    }
    if (!stuck.empty()) {
        err << "games that never ended, seeds " << stuck << '\n';
        return 1;
    }
    return 0;
}
