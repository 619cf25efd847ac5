#pragma once

#include <string>
#include <vector>

#include "ui/AnimationWindow.h"
#include "ui/NameWindow.h"
#include "ui/StatusWindow.h"
#include "ui/TextWindow.h"

class CharacterState;
class DataManager;
class DIBImage;
class InputState;
class KeySource;
class SpecialArt;

// The gallery of --preview, drawn with the game's own window classes on the game's
// background. Two pages: the special arts one at a time in file order (Up and Down, or the
// wheel), each playing its animation in a picture window as in battle (Decide plays it
// again), with its name, strength, costs and who uses it with what chance; and the fighters
// (Left and Right: the heroes, the enemies in battle-ground order, then Me) with the normal
// and gray face, HP and MP gauges at full and their start, won and lost lines. The first
// press of the other page's buttons only turns to that page. Cancel asks to leave.
class Preview {
public:
    enum class Page { Arts, Fighters };

    explicit Preview(DataManager& data);
    Preview(const Preview&) = delete;
    Preview& operator=(const Preview&) = delete;

    // Shows the data of another registry (after a reload), keeping the page and the places
    // in both lists where they still exist.
    void attach(DataManager& data);
    // One frame: polls the input (a wheel notch waiting in it turns the arts instead of
    // pressing Left or Right), handles the first button pressed, draws into target.
    void frame(InputState& input, const KeySource& keys, DIBImage& target);

    bool quitRequested() const { return quit_; }
    Page page() const { return page_; }
    int artIndex() const { return art_; }
    int fighterIndex() const { return fighter_; }
    int artCount() const { return static_cast<int>(arts_.size()); }
    int fighterCount() const { return static_cast<int>(fighters_.size()); }

private:
    struct Fighter {
        CharacterState* state = nullptr;
        std::string kind;  // the list it comes from
        int number = 0;    // in that list, from 1
        int count = 0;
        bool enemy = false;  // fought on battle ground `number`
    };

    void turnArts(int step);
    void turnFighters(int step);
    void show();
    void showArt();
    void showFighter();
    void draw(DIBImage& target);

    DataManager* data_ = nullptr;
    struct Art {
        SpecialArt* art = nullptr;
        std::string name;  // as the data file names it
    };

    std::vector<Art> arts_;
    std::vector<Fighter> fighters_;
    Page page_ = Page::Arts;
    int art_ = 0;
    int fighter_ = 0;
    bool quit_ = false;

    NameWindow title_;
    AnimationWindow picture_;
    AnimationWindow grayPicture_;
    TextWindow facts_;
    TextWindow users_;
    StatusWindow status_;
    TextWindow numbers_;
    TextWindow lines_;
};
