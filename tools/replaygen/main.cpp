// Records the golden playthroughs: an automatic player plays seeded games of a game folder
// until it has a won game and a lost one, writes them as replays, and lists the frames of the
// moments worth a picture beside each replay (NAME.shots: "FRAME NAME" lines). The pictures
// themselves are taken by the game executable playing the replay (scripts/record-goldens.sh).
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "autoplay/AutoPlayer.h"
#include "autoplay/ContentFacts.h"
#include "replaygen/ShotCamera.h"
#include "replaygen/ShotFinder.h"

namespace {

constexpr const char* kUsage =
    "Usage: vk_replaygen --data GAME_FOLDER --out FOLDER\n"
    "Writes FOLDER/{first-win,whole-game,game-over}.replay and .shots.\n";
constexpr std::uint32_t kMaxSeeds = 1000;

using Kind = ShotFinder::SceneKind;

struct Playthrough {
    std::uint32_t seed = 0;
    Replay replay;
    std::array<int, static_cast<std::size_t>(Camera::Shot::Count)> camera{};
};

// Plays seeds from 1 until a game ends the wanted way.
bool findGame(Strategy strategy, int normalStrength, bool wantWin, Playthrough& found) {
    for (std::uint32_t seed = 1; seed <= kMaxSeeds; ++seed) {
        std::ostringstream text;
        RecordingKeySource recorder(text, seed);
        ShotCamera camera(recorder);
        AutoPlayer player(strategy, normalStrength);
        player.setRecorder(&recorder);
        player.setCamera(&camera);
        const GameRecord record = player.play(seed);
        recorder.finish();
        if (!record.error.empty() || (wantWin ? !record.won : !record.lost)) {
            continue;
        }
        std::istringstream in(text.str());
        std::string error;
        if (!found.replay.read(in, "recording", error)) {
            std::cerr << error << '\n';
            return false;
        }
        found.seed = seed;
        for (std::size_t i = 0; i < found.camera.size(); ++i) {
            found.camera[i] = camera.frameOf(static_cast<Camera::Shot>(i));
        }
        return true;
    }
    return false;
}

int cameraFrame(const Playthrough& game, Camera::Shot shot) {
    return game.camera[static_cast<std::size_t>(shot)];
}

bool write(const std::filesystem::path& folder, const std::string& name, const std::string& about,
           const Replay& replay, const std::vector<Shot>& shots) {
    std::ofstream out(folder / (name + ".replay"), std::ios::binary);
    out << "# " << about << "\n# Recorded by vk_replaygen (scripts/record-goldens.sh).\n";
    replay.write(out);
    std::ofstream list(folder / (name + ".shots"), std::ios::binary);
    list << "# Frames of " << name << ".replay whose pictures are kept in " << name << "/.\n";
    for (const Shot& shot : shots) {
        if (shot.frame <= 0 || shot.frame > replay.length()) {
            std::cerr << name << ": the moment '" << shot.name << "' never came\n";
            return false;
        }
        list << shot.frame << ' ' << shot.name << '\n';
    }
    out.close();
    list.close();
    return static_cast<bool>(out) && static_cast<bool>(list);
}

// The moments of a battle ground, found from what the replay shows.
std::vector<Shot> battleShots(const ShotFinder& finder, const Replay& replay) {
    return {
        {replay.length() > 0 ? finder.settled(replay, finder.firstFrameOf(Kind::Confirm)) : 0,
         "confirmation"},
        {finder.settled(replay, finder.firstFrameOf(Kind::Command)), "command-menu"},
        {finder.firstFrameSaying("のダメージをうけた"), "damage-line"},
    };
}

}  // namespace

int main(int argc, char** argv) {
    std::string dataDir;
    std::string outDir;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--data") {
            dataDir = argv[i + 1];
        } else if (option == "--out") {
            outDir = argv[i + 1];
        }
    }
    if (dataDir.empty() || outDir.empty() || argc != 5) {
        std::cerr << kUsage;
        return 2;
    }
    std::error_code failed;
    const std::filesystem::path out = std::filesystem::absolute(outDir, failed);
    std::filesystem::create_directories(out, failed);
    if (!failed) {
        std::filesystem::current_path(dataDir, failed);
    }
    if (failed) {
        std::cerr << "cannot use " << outDir << " and " << dataDir << ": " << failed.message()
                  << '\n';
        return 1;
    }
    const ContentFacts facts = ContentFacts::read("script.dat");
    if (!facts.loaded) {
        std::cerr << facts.error << '\n';
        return 1;
    }

    Playthrough won;
    Playthrough lost;
    if (!findGame(Strategy(Strategy::Kind::Smart), facts.normalStrength, true, won) ||
        !findGame(Strategy(Strategy::Kind::Careless), facts.normalStrength, false, lost)) {
        std::cerr << "no seed up to " << kMaxSeeds << " gave both a won and a lost game\n";
        return 1;
    }
    std::string error;
    ShotFinder finder;
    if (!finder.play(won.replay, error)) {
        std::cerr << error << '\n';
        return 1;
    }
    if (finder.views().empty() || finder.views().back().scene != Kind::End) {
        std::cerr << "the won game does not replay to its ending\n";
        return 1;
    }
    using CameraShot = Camera::Shot;
    std::vector<Shot> shots = {
        {cameraFrame(won, CameraShot::Introduction), "introduction"},
        {cameraFrame(won, CameraShot::HeroSelection), "selection"},
    };
    for (const Shot& shot : battleShots(finder, won.replay)) {
        shots.push_back(shot);
    }
    shots.push_back({finder.defeatLineFrame(false), "defeat-line"});
    shots.push_back({cameraFrame(won, CameraShot::MapWalk), "map-walk"});

    // The first battle ground alone: up to the next ground's heading.
    Replay first = won.replay;
    const int cut = finder.firstFrameOf(Kind::Start, finder.firstFrameOf(Kind::Win));
    std::erase_if(first.entries, [cut](const Replay::Entry& entry) { return entry.frame > cut; });
    first.endFrame = cut;
    std::vector<Shot> firstShots = shots;
    firstShots.push_back({cut, "next-ground"});

    std::vector<Shot> wholeShots = shots;
    wholeShots.push_back({cameraFrame(won, CameraShot::ArtAnimation), "art-animation"});
    wholeShots.push_back({won.replay.length(), "ending"});

    if (!finder.play(lost.replay, error)) {
        std::cerr << error << '\n';
        return 1;
    }
    if (finder.views().empty() || finder.views().back().scene != Kind::GameOver) {
        std::cerr << "the lost game does not replay to its game over\n";
        return 1;
    }
    std::vector<Shot> lostShots = battleShots(finder, lost.replay);
    lostShots.push_back({finder.defeatLineFrame(true), "last-defeat-line"});
    lostShots.push_back({lost.replay.length(), "game-over"});

    const std::string smart = "the smart automatic player, seed " + std::to_string(won.seed);
    const std::string careless = "the careless automatic player, seed " + std::to_string(lost.seed);
    if (!write(out, "first-win", "The first battle ground won by " + smart + ".", first,
               firstShots) ||
        !write(out, "whole-game", "A whole game won by " + smart + ", to the ending.", won.replay,
               wholeShots) ||
        !write(out, "game-over", "A game lost by " + careless + ", to the game-over text.",
               lost.replay, lostShots)) {
        return 1;
    }
    std::cout << "won: seed " << won.seed << ", " << won.replay.length() << " frames; lost: seed "
              << lost.seed << ", " << lost.replay.length() << " frames\n";
    return 0;
}
