// The page's bar and the order of its start: the mod is read (VkMods), the program loads, a
// new zip is unpacked, the editor is filled (VkEditor), then the game starts with the mod laid
// over the game folder. The bar opens a mod ("Mod…" or a zip dropped anywhere on the page),
// goes back to the base game, and shows or hides the workbench panel (kept across reloads).
"use strict";
window.VkWorkbench = (function () {
  const kPanelShown = "velkaros-workbench";
  const body = document.body;

  function setPanel(shown) {
    body.classList.toggle("wb-open", shown);
    document.getElementById("workbench-toggle").setAttribute("aria-pressed", String(shown));
    try {
      localStorage.setItem(kPanelShown, shown ? "1" : "");
    } catch {
      // a page without storage shows the panel until it is reloaded
    }
  }

  function bar() {
    const chooser = document.getElementById("mod-file");
    document.getElementById("mod-open").addEventListener("click", () => chooser.click());
    chooser.addEventListener("change", () => chooser.files[0] && VkMods.openZip(chooser.files[0]));
    document.getElementById("mod-remove").addEventListener("click", VkMods.remove);
    document.getElementById("workbench-toggle").addEventListener("click",
      () => setPanel(!body.classList.contains("wb-open")));
    // The game's keys (Enter, space) must not press a bar button again.
    for (const button of document.querySelectorAll("#bar button")) {
      button.addEventListener("click", () => button.blur());
    }
    // A zip dropped anywhere the workbench's pictures do not take it.
    addEventListener("dragover", (event) => event.preventDefault());
    addEventListener("drop", (event) => {
      event.preventDefault();
      const file = event.dataTransfer && event.dataTransfer.files[0];
      if (file && /\.zip$/i.test(file.name)) {
        VkMods.openZip(file);
      }
    });
    document.getElementById("page").appendChild(VkEditor.build());
    let shown = false;
    try {
      shown = localStorage.getItem(kPanelShown) === "1";
    } catch {
      shown = false;
    }
    setPanel(shown);
  }
  bar();

  function showName() {
    const name = VkMods.name();
    document.getElementById("mod-name").textContent = name ? "Mod: " + name : "";
    document.getElementById("mod-remove").hidden = !name;
  }

  document.addEventListener("modchange", showName);

  return {
    async prepare(params) {
      await VkMods.prepare(params);
      showName();
    },
    // In the program's onRuntimeInitialized: unpack, fill the editor, start the game.
    async run(module, args, started) {
      let unpacked = false;
      try {
        unpacked = await VkMods.unpackPending(module);
      } catch (error) {
        module.velkarosPage.showReport("", "The mod cannot be read: " + error);
        return;
      }
      showName();
      await VkEditor.attach(module);
      if (!unpacked) {
        module.velkarosPage.showReport("", VkMods.failure());
        VkEditor.started(false);
        return;
      }
      try {
        module.callMain(args.concat(VkMods.args()));
      } catch (error) {
        module.velkarosPage.showReport("", String(error));
      }
      VkEditor.started(started());
    },
    // Under a report: the way back to the base game, when a mod is played.
    showBack(button) {
      button.hidden = !VkMods.name() && !VkMods.failure();
      button.onclick = VkMods.remove;
    },
  };
})();
