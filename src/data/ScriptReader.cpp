#include "data/ScriptReader.h"

#include <algorithm>

#include "data/ConstVelocityAnimation.h"
#include "data/ScriptLineReader.h"
#include "data/ScriptText.h"
#include "data/SerialAnimation.h"
#include "data/StillAnimation.h"
#include "text/Catalogue.h"
#include "text/Translation.h"

using ErrorCode = DataManager::ErrorCode;
using TextKind = DataManager::ScriptTextEntry::Kind;

ScriptReader::ScriptReader(DataManager& registry, std::istream& input)
    : registry_(registry), input_(input), pictures_(registry.pictureBudget_) {}

void ScriptReader::fail(ErrorCode code) {
    throw Error{code};
}

void ScriptReader::read() {
    registry_.imageTable_.emplace("NULL", nullptr);
    registry_.animationTable_.emplace("NULL", DataManager::AnimationWithType{});
    ScriptLineReader lines(input_, DataManager::kMaxLineLength);
    while (!lines.atEnd()) {
        ++line_;
        if (!lines.next(currentLine_)) {
            currentLine_ = text(TextId::ErrorLineTooLong);
            fail(ErrorCode::Other);
        }
        if (currentLine_.empty() || currentLine_[0] == '#') {
            continue;
        }
        currentLine_ = std::string(trimScriptLine(currentLine_));
        const std::vector<std::string> tokens = splitScriptTokens(currentLine_);
        if (!tokens.empty()) {
            dispatch(tokens);
        }
    }
    finish();
}

void ScriptReader::finish() {
    const auto art = registry_.specialArtTable_.find("normalAttack");
    if (art == registry_.specialArtTable_.end()) {
        fail(ErrorCode::UndefinedName);
    }
    DataManager::normalAttack_ = art->second;
    registry_.pictureBytes_ = pictures_.usedBytes();
    registry_.pictureDecodes_ = pictures_.decodeCount();
    for (const auto& state : registry_.playerStates_) {
        state->restore();
    }
    for (const auto& state : registry_.enemyStates_) {
        state->restore();
    }
}

const std::string& ScriptReader::token(const std::vector<std::string>& tokens,
                                       std::size_t index) const {
    if (index >= tokens.size()) {
        fail(ErrorCode::Syntax);
    }
    return tokens[index];
}

int ScriptReader::integer(const std::vector<std::string>& tokens, std::size_t index) const {
    const std::optional<int> value = parseScriptInteger(token(tokens, index));
    if (!value) {
        fail(ErrorCode::Other);
    }
    return *value;
}

Drawable* ScriptReader::resolveContent(const std::string& name, bool& isAnimation) {
    const auto animation = registry_.animationTable_.find(name);
    if (animation != registry_.animationTable_.end()) {
        isAnimation = true;
        Animation* content = animation->second.animation;
        if (content != nullptr) {
            // The animation being filled is registered but not yet usable: showing it inside
            // itself would recurse without end.
            if (content == animation_) {
                fail(ErrorCode::UndefinedName);
            }
            // Drawing and updating recurse through the nesting, so its depth is capped.
            const int depth = nesting_[content] + 1;
            if (depth > DataManager::kMaxAnimationNesting) {
                fail(ErrorCode::Other);
            }
            nesting_[animation_] = std::max(nesting_[animation_], depth);
        }
        return content;
    }
    const auto image = registry_.imageTable_.find(name);
    if (image != registry_.imageTable_.end()) {
        isAnimation = false;
        return image->second;
    }
    fail(ErrorCode::UndefinedName);
}

void ScriptReader::dispatch(const std::vector<std::string>& tokens) {
    const std::string& keyword = tokens[0];
    if (keyword == "Image") {
        const std::string& name = token(tokens, 1);
        registry_.images_.push_back(std::make_unique<Image>());
        image_ = registry_.images_.back().get();
        registry_.imageTable_.emplace(name, image_);
        block_ = Block::Image;
    } else if (keyword == "Animation") {
        const std::string& kind = token(tokens, 1);
        std::unique_ptr<Animation> animation;
        if (kind == "Still") {
            animationKind_ = 0;
            animation = std::make_unique<StillAnimation>();
        } else if (kind == "ConstVelocity") {
            animationKind_ = 1;
            animation = std::make_unique<ConstVelocityAnimation>();
        } else if (kind == "Serial") {
            animationKind_ = 2;
            animation = std::make_unique<SerialAnimation>(1);
        } else {
            fail(ErrorCode::Syntax);
        }
        const std::string& name = token(tokens, 2);
        animation_ = animation.get();
        nesting_[animation_] = 1;
        registry_.animations_.push_back(std::move(animation));
        registry_.animationTable_.emplace(
            name, DataManager::AnimationWithType{animation_, animationKind_});
        block_ = Block::Animation;
    } else if (keyword == "SpecialArt") {
        const std::string& name = token(tokens, 1);
        registry_.specialArts_.push_back(std::make_unique<SpecialArt>());
        specialArt_ = registry_.specialArts_.back().get();
        registry_.specialArtTable_.emplace(name, specialArt_);
        block_ = Block::SpecialArt;
    } else if (keyword == "Player") {
        newCharacter(false);
    } else if (keyword == "Enemy") {
        newCharacter(true);
    } else if (keyword == "Me") {
        character_ = &registry_.meDefinition_;
        registry_.meState_ = std::make_unique<CharacterState>(character_);
        registry_.meState_->restore();
        block_ = Block::Me;
    } else {
        switch (block_) {
            case Block::None:
                break;
            case Block::Image:
                imageField(tokens);
                break;
            case Block::Animation:
                animationField(tokens);
                break;
            case Block::SpecialArt:
                specialArtField(tokens);
                break;
            case Block::Player:
            case Block::Enemy:
            case Block::Me:
                characterField(tokens);
                break;
        }
    }
}

void ScriptReader::newCharacter(bool enemy) {
    auto& definitions = enemy ? registry_.enemyDefinitions_ : registry_.playerDefinitions_;
    auto& states = enemy ? registry_.enemyStates_ : registry_.playerStates_;
    definitions.push_back(std::make_unique<CharacterDefinitionImpl>());
    character_ = definitions.back().get();
    states.push_back(std::make_unique<CharacterState>(character_));
    states.back()->restore();
    block_ = enemy ? Block::Enemy : Block::Player;
}

void ScriptReader::imageField(const std::vector<std::string>& tokens) {
    if (tokens[0] != "src") {
        fail(ErrorCode::Syntax);
    }
    const std::string& path = token(tokens, 1);
    if (!registry_.loadImages_) {
        return;
    }
    using Reason = DataManager::ImageFailure::Reason;
    switch (pictures_.load(*image_, path)) {
        case PictureLoader::Result::Loaded:
            break;
        case PictureLoader::Result::Unreadable:
            registry_.imageFailures_.push_back({path, line_, Reason::Unreadable, false});
            break;
        case PictureLoader::Result::OverBudget:
            registry_.imageFailures_.push_back({path, line_, Reason::OverBudget, false});
            break;
    }
}

void ScriptReader::animationField(const std::vector<std::string>& tokens) {
    const std::string& field = tokens[0];
    if (animationKind_ == 2) {
        auto* serial = static_cast<SerialAnimation*>(animation_);
        if (field == "add") {
            const int frames = integer(tokens, 2);
            if (serial->steps().size() >= DataManager::kMaxSerialSteps) {
                fail(ErrorCode::Other);
            }
            bool isAnimation = false;
            Drawable* item = resolveContent(token(tokens, 1), isAnimation);
            if (isAnimation) {
                serial->addAnimation(static_cast<Animation*>(item), frames, true);
            } else {
                serial->addImage(static_cast<Image*>(item), frames);
            }
        } else if (field == "loop") {
            serial->loop = integer(tokens, 1);
        } else {
            fail(ErrorCode::Syntax);
        }
        return;
    }
    auto* still = static_cast<StillAnimation*>(animation_);
    if (field == "set") {
        still->content = resolveContent(token(tokens, 1), still->contentIsAnimation);
        return;
    }
    if (animationKind_ != 1) {
        fail(ErrorCode::Syntax);
    }
    auto* moving = static_cast<ConstVelocityAnimation*>(animation_);
    if (field == "initPos") {
        moving->initX = integer(tokens, 1);
        moving->initY = integer(tokens, 2);
    } else if (field == "velocity") {
        moving->velocityX = integer(tokens, 1);
        moving->velocityY = integer(tokens, 2);
    } else if (field == "length") {
        moving->length = integer(tokens, 1);
    } else {
        fail(ErrorCode::Syntax);
    }
}

void ScriptReader::specialArtField(const std::vector<std::string>& tokens) {
    const std::string& field = tokens[0];
    if (field == "name") {
        specialArt_->name = gameText(TextKind::ArtName, token(tokens, 1));
    } else if (field == "strength") {
        specialArt_->strength = integer(tokens, 1);
    } else if (field == "consumeMP") {
        specialArt_->consumeMP = integer(tokens, 1);
    } else if (field == "consumeHP") {
        specialArt_->consumeHP = integer(tokens, 1);
    } else if (field == "animation") {
        const auto found = registry_.animationTable_.find(token(tokens, 1));
        if (found == registry_.animationTable_.end()) {
            fail(ErrorCode::UndefinedName);
        }
        specialArt_->animation = found->second.animation;
    } else {
        fail(ErrorCode::Syntax);
    }
}

void ScriptReader::characterField(const std::vector<std::string>& tokens) {
    const std::string& field = tokens[0];
    if (field == "name") {
        character_->setName(gameText(TextKind::Name, token(tokens, 1)));
    } else if (field == "description") {
        character_->setDescription(gameText(TextKind::Description, token(tokens, 1)));
    } else if (field == "maxHP") {
        character_->setMaxHP(integer(tokens, 1));
    } else if (field == "maxMP") {
        character_->setMaxMP(integer(tokens, 1));
    } else if (field == "specialArt") {
        const int percentage = integer(tokens, 2);
        const auto found = registry_.specialArtTable_.find(token(tokens, 1));
        if (found == registry_.specialArtTable_.end()) {
            fail(ErrorCode::UndefinedName);
        }
        character_->addSpecialArt(found->second, percentage);
    } else if (field == "faceImage") {
        faceField(token(tokens, 1));
    } else if (field == "message") {
        const std::string& slot = token(tokens, 1);
        int index = 0;
        if (slot == "start") {
            index = 0;
        } else if (slot == "won") {
            index = 1;
        } else if (slot == "lost") {
            index = 2;
        } else {
            fail(ErrorCode::Syntax);
        }
        character_->setMessage(index,
                               gameText(TextKind::Message, replaceScriptEscapes(token(tokens, 2))));
    } else {
        fail(ErrorCode::Syntax);
    }
}

std::string ScriptReader::gameText(TextKind kind, std::string text) {
    registry_.scriptTexts_.push_back({kind, line_, text});
    if (registry_.translation_ != nullptr) {
        return registry_.translation_->translate(text);
    }
    return text;
}

void ScriptReader::faceField(const std::string& name) {
    const auto found = registry_.imageTable_.find(name);
    if (found == registry_.imageTable_.end()) {
        fail(ErrorCode::UndefinedName);
    }
    // The face and its gray copy are the fighter's own pictures: both count against the
    // budget, and the ones they replace are given back first.
    const Image& oldFace = *character_->faceImage(0);
    pictures_.release(2 * PictureLoader::bytesOf(oldFace.width(), oldFace.height()));
    const Image* source = found->second;
    if (source == nullptr) {
        character_->clearFace();
        return;
    }
    if (!pictures_.reserve(2 * PictureLoader::bytesOf(source->width(), source->height()))) {
        character_->clearFace();
        registry_.imageFailures_.push_back(
            {name, line_, DataManager::ImageFailure::Reason::OverBudget, true});
        return;
    }
    character_->setFace(*source);
}
