#pragma once

#include <cstdint>
#include <memory>
#include <ostream>
#include <string>

#include "app/StartPoint.h"
#include "workbench/FileWatch.h"

class Dialogs;
class Game;
class KeySource;
class Preview;

// The modder's tools around one started game: the battle test (--ground, --hero), reading
// the mod zip, the data file and every picture again (F5, or --watch when a file changes) and the
// gallery
// (--preview). A shell makes one after the game has started, calls begin() once the window
// exists, frame() in place of the game's frame, poll() between frames and reload() for F5.
class Workbench {
public:
    struct Options {
        StartPoint start;
        bool watch = false;
        bool preview = false;
    };
    // --watch looks at the files no more often than this.
    static constexpr std::uint32_t kWatchPeriod = 1000;

    // dialogs shows a reload's error box (null: only the report on stderr); messages go to log.
    Workbench(Game& game, const Options& options, Dialogs* dialogs, std::ostream& log);
    ~Workbench();
    Workbench(const Workbench&) = delete;
    Workbench& operator=(const Workbench&) = delete;

    // Whether the loaded data file has the start point; else a message (the program then ends
    // with exit code 2).
    bool checkStart(std::string& error) const;
    // Puts the game at the start point, or opens the gallery, and takes the first look at the
    // watched files.
    void begin();
    // One frame of the game, or of the gallery.
    void frame(const KeySource& keys);
    // With --watch, at most once a kWatchPeriod of the clock given: reloads when a file changed.
    // True when it reloaded (successfully or not).
    bool poll(std::uint32_t milliseconds);
    // Reads the data file and every picture again. A good file replaces the data and the game
    // begins again at the start point or, without one, at the current ground's introduction;
    // a broken one leaves the game as it was. True when the data was replaced.
    bool reload();
    // The gallery's Cancel: the program should end.
    bool quitRequested() const;
    const Preview* preview() const { return preview_.get(); }

private:
    bool reloadNow();
    void beginPlay(int ground);
    void watchFiles();

    Game& game_;
    Options options_;
    Dialogs* dialogs_;
    std::ostream& log_;
    std::unique_ptr<Preview> preview_;
    FileWatch watch_;
    bool looked_ = false;
    std::uint32_t lastLook_ = 0;
};
