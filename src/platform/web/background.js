// What the page does around the game: the music is loaded on its own once the first picture
// is up (a first visit then waits for the program and pictures only), and a hidden page does
// no work at all: the game's loop and the sound stop until it is seen again. Once the music is
// in (or known to be missing) the page hears "gamemusic".
"use strict";
(function () {
  const musicFile = "sound/kelmora.wav";
  const gameFolder = "/game/sound";

  function loadMusic() {
    const done = () => document.dispatchEvent(new Event("gamemusic"));
    fetch(musicFile).then((response) => (response.ok ? response.arrayBuffer() : null))
      .then((bytes) => {
        // No music beside the page is silence, as a game folder without it.
        if (!bytes || !Module.calledRun || !Module._velkaros_music_arrived) {
          return;
        }
        try {
          FS.mkdir(gameFolder);
        } catch (error) {
          // there already
        }
        FS.writeFile(gameFolder + "/kelmora.wav", new Uint8Array(bytes));
        Module._velkaros_music_arrived();
      })
      .catch(() => {})
      .finally(done);
  }
  document.addEventListener("gameframe", loadMusic, { once: true });

  let resumeSound = false;
  document.addEventListener("visibilitychange", () => {
    const game = window.Module;
    if (!game || !game.calledRun || !game._velkaros_page_visible) {
      return;
    }
    const context = game.SDL2 && game.SDL2.audioContext;
    if (document.hidden) {
      game._velkaros_page_visible(0);
      resumeSound = Boolean(context && context.state === "running");
      if (resumeSound) {
        context.suspend();
      }
    } else {
      game._velkaros_page_visible(1);
      if (resumeSound) {
        context.resume();
      }
    }
  });
})();
