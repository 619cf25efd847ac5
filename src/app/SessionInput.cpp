#include "app/SessionInput.h"

SessionInput::SessionInput() = default;

SessionInput::~SessionInput() = default;

bool SessionInput::open(const std::string& inputPath, const std::string& recordPath,
                        std::optional<std::uint32_t> givenSeed, std::uint32_t fallbackSeed,
                        std::string& error, const StartPoint& givenStart) {
    seed_ = givenSeed.value_or(fallbackSeed);
    start_ = givenStart;
    if (!inputPath.empty()) {
        if (!replay_.load(inputPath, error)) {
            return false;
        }
        replayKeys_ = std::make_unique<ReplayKeySource>(replay_);
        seed_ = givenSeed.value_or(replay_.seed);
        if (!givenStart.chosen()) {
            start_ = replay_.start;
        }
    }
    if (!recordPath.empty()) {
        recordFile_ = std::make_unique<std::ofstream>(recordPath, std::ios::binary);
        if (!*recordFile_) {
            error = "cannot write the replay " + recordPath;
            recordFile_.reset();
            return false;
        }
        recordPath_ = recordPath;
        recorder_ = std::make_unique<RecordingKeySource>(*recordFile_, seed_, start_);
    }
    return true;
}

const KeySource& SessionInput::beginFrame(const KeySource& live, InputState& input) {
    ++frames_;
    const KeySource* keys = &live;
    if (replayKeys_) {
        replayKeys_->beginFrame(frames_, input);
        keys = replayKeys_.get();
    }
    if (recorder_) {
        recorder_->beginFrame(*keys, input);
        keys = recorder_.get();
    }
    return *keys;
}

bool SessionInput::finish(std::string& error) {
    if (!recorder_) {
        return true;
    }
    const bool written = recorder_->finish();
    recorder_.reset();
    recordFile_->close();
    if (!written || !*recordFile_) {
        error = "could not write the whole replay " + recordPath_;
        return false;
    }
    return true;
}
