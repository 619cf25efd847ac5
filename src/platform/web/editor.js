// The page's workbench panel: script.dat as text, its pictures, the battle test, the gallery
// and Download. The text shows as Unicode and is saved in the file's own encoding (Shift-JIS
// through the program's converter, UTF-8 as it was). Apply (or Ctrl+S) puts it into the mod
// and has the game read everything again, as the desktop's F5: a good file starts the game
// again where F5 does, a broken one shows its report and marks its line while the game plays
// on with the data it had. Unapplied text is kept in the page's storage (record "draft").
"use strict";
window.VkEditor = (function () {
  let panel = null;
  let text = null;
  let gutter = null;
  let errorBox = null;
  let encoding = { name: "shift_jis", bom: false };
  let running = false;  // the game plays (else Apply starts the page again)
  let program = null;
  let draftTimer = 0;

  function element(tag, attributes = {}, children = []) {
    const node = document.createElement(tag);
    for (const [name, value] of Object.entries(attributes)) {
      if (name === "text") {
        node.textContent = value;
      } else {
        node.setAttribute(name, value);
      }
    }
    node.append(...children);
    return node;
  }

  // The file's own encoding: UTF-8 (with or without its byte-order mark) when it reads as
  // UTF-8, else Shift-JIS; and its line ends (a text box knows only "\n").
  function decode(bytes) {
    const value = decodeText(bytes);
    encoding.crlf = value.includes("\r\n");
    return value;
  }

  function decodeText(bytes) {
    if (bytes.length >= 3 && bytes[0] === 0xEF && bytes[1] === 0xBB && bytes[2] === 0xBF) {
      encoding = { name: "utf-8", bom: true };
      return new TextDecoder("utf-8").decode(bytes.subarray(3));
    }
    try {
      const utf8 = new TextDecoder("utf-8", { fatal: true }).decode(bytes);
      encoding = { name: /[^\x00-\x7F]/.test(utf8) ? "utf-8" : "shift_jis", bom: false };
      return utf8;
    } catch {
      encoding = { name: "shift_jis", bom: false };
      return new TextDecoder("shift_jis").decode(bytes);
    }
  }

  // The text in the file's encoding, or { error, line } for a character it cannot hold.
  function encode(value) {
    if (encoding.crlf) {
      value = value.replace(/\r?\n/g, "\r\n");
    }
    if (encoding.name === "utf-8") {
      const body = new TextEncoder().encode(value);
      if (!encoding.bom) {
        return { bytes: body };
      }
      const bytes = new Uint8Array(body.length + 3);
      bytes.set([0xEF, 0xBB, 0xBF]);
      bytes.set(body, 3);
      return { bytes };
    }
    const size = program.ccall("velkaros_utf8_to_sjis", "number", ["string"], [value]);
    const at = program._velkaros_converted();
    if (size < 0) {
      return { error: program.UTF8ToString(at), line: -size };
    }
    return { bytes: program.HEAPU8.slice(at, at + size) };
  }

  function numberLines() {
    const count = text.value.split("\n").length;
    if (gutter.childElementCount !== count) {
      const lines = [];
      for (let i = 1; i <= count; i += 1) {
        lines.push(element("div", { text: String(i) }));
      }
      gutter.replaceChildren(...lines);
    }
    gutter.scrollTop = text.scrollTop;
  }

  // The report above the text, and its line marked beside the text and selected in it.
  function showError(report, line) {
    errorBox.querySelector("pre").textContent = report;
    errorBox.hidden = false;
    for (const marked of gutter.querySelectorAll(".wb-bad")) {
      marked.classList.remove("wb-bad");
    }
    panel.dataset.errorLine = line > 0 ? String(line) : "";
    const row = line > 0 ? gutter.children[line - 1] : null;
    if (!row) {
      return;
    }
    row.classList.add("wb-bad");
    const lines = text.value.split("\n");
    const start = lines.slice(0, line - 1).reduce((sum, l) => sum + l.length + 1, 0);
    text.setSelectionRange(start, start + lines[line - 1].length);
    text.scrollTop = Math.max(0, row.offsetTop - text.clientHeight / 2);
    numberLines();
  }

  function clearError() {
    errorBox.hidden = true;
    panel.dataset.errorLine = "";
    for (const marked of gutter.querySelectorAll(".wb-bad")) {
      marked.classList.remove("wb-bad");
    }
  }

  function saveDraft() {
    clearTimeout(draftTimer);
    draftTimer = setTimeout(() => {
      VkStorage.put("draft", { text: text.value, encoding }).catch(() => {});
    }, 300);
  }

  // Reads the data file and every picture again; a game that is not running starts again.
  function reload() {
    if (!running) {
      VkMods.restart(false);
      return;
    }
    const good = program._velkaros_reload();
    if (good) {
      clearError();
      refreshFacts();
      // For whoever watches the page: the game began again on the new data.
      document.dispatchEvent(new CustomEvent("gamereload"));
    }
    panel.dataset.reloads = String(Number(panel.dataset.reloads || 0) + 1);
  }

  async function apply() {
    const encoded = encode(text.value);
    if (encoded.error) {
      showError(encoded.error, encoded.line);
      return;
    }
    await VkMods.write("script.dat", encoded.bytes);
    await VkStorage.put("draft", { text: text.value, encoding });
    reload();
  }

  function options(select, names, none) {
    const kept = select.value;
    const items = none ? [element("option", { value: "0", text: none })] : [];
    names.forEach((name, i) => items.push(element("option", { value: String(i + 1), text: `${i + 1} ${name}` })));
    select.replaceChildren(...items);
    if ([...select.options].some((o) => o.value === kept)) {
      select.value = kept;
    }
  }

  // The pickers and the picture list from the loaded data.
  function refreshFacts() {
    if (!program || !program._velkaros_facts) {
      return;
    }
    const facts = JSON.parse(program.UTF8ToString(program._velkaros_facts()));
    options(panel.querySelector("[name=ground]"), facts.grounds, "");
    options(panel.querySelector("[name=hero]"), facts.heroes, "— introduction");
    panel.querySelector(".wb-pictures").replaceChildren(
      ...facts.pictures.map((file) => VkPictures.item(file, { showError, reload })));
  }

  // The page again with the workbench's address: ?ground=&hero=, ?preview=1, or neither.
  function go(settings) {
    const params = new URLSearchParams(location.search);
    for (const name of ["ground", "hero", "preview", "replay", "record"]) {
      params.delete(name);
    }
    for (const [name, value] of Object.entries(settings)) {
      params.set(name, value);
    }
    location.search = params.toString();
  }

  // The mod as a zip, offered as a file.
  function download() {
    const packed = VkMods.pack();
    if (packed.error) {
      showError("Cannot write the zip: " + packed.error, 0);
      return;
    }
    const link = panel.querySelector("a.wb-file");
    URL.revokeObjectURL(link.href);
    link.href = URL.createObjectURL(new Blob([packed.bytes], { type: "application/zip" }));
    link.download = packed.name;
    link.textContent = packed.name;
    link.hidden = false;
    link.click();
  }

  function build() {
    const ground = element("select", { name: "ground", "aria-label": "battle ground" });
    const hero = element("select", { name: "hero", "aria-label": "hero" });
    panel = element("section", { id: "workbench", "aria-label": "Workbench" }, [
      element("div", { class: "wb-row" }, [
        element("strong", { text: "script.dat" }),
        element("button", { type: "button", name: "apply", title: "Ctrl+S", text: "Apply" }),
        element("button", { type: "button", name: "download", text: "Download" }),
        element("a", { class: "wb-file", hidden: "" }),
      ]),
      element("div", { class: "wb-error", role: "alert", hidden: "" }, [element("pre")]),
      element("div", { class: "wb-code" }, [
        element("div", { class: "wb-gutter", "aria-hidden": "true" }),
        element("textarea", { spellcheck: "false", wrap: "off", "aria-label": "script.dat" }),
      ]),
      element("div", { class: "wb-row" }, [
        element("span", { text: "Battle test" }), ground, hero,
        element("button", { type: "button", name: "test", text: "Test" }),
        element("button", { type: "button", name: "preview", text: "Gallery" }),
        element("button", { type: "button", name: "play", text: "Play" }),
      ]),
      element("div", { class: "wb-row" }, [element("span", { text: "Pictures: drop a PNG or BMP on one" })]),
      element("ul", { class: "wb-pictures" }),
    ]);
    text = panel.querySelector("textarea");
    gutter = panel.querySelector(".wb-gutter");
    errorBox = panel.querySelector(".wb-error");
    // Typing is the editor's: the game's keys and the page's shortcuts never see it.
    for (const type of ["keydown", "keyup", "keypress"]) {
      panel.addEventListener(type, (event) => {
        if (type === "keydown" && (event.ctrlKey || event.metaKey) && event.key.toLowerCase() === "s") {
          event.preventDefault();
          apply();
        }
        event.stopPropagation();
      });
    }
    text.addEventListener("input", () => {
      numberLines();
      saveDraft();
    });
    text.addEventListener("scroll", numberLines);
    panel.querySelector("[name=apply]").addEventListener("click", apply);
    panel.querySelector("[name=download]").addEventListener("click", download);
    panel.querySelector("[name=test]").addEventListener("click", () => {
      const settings = { ground: ground.value || "1" };
      if (hero.value !== "0") {
        settings.hero = hero.value;
      }
      go(settings);
    });
    panel.querySelector("[name=preview]").addEventListener("click", () => go({ preview: "1" }));
    panel.querySelector("[name=play]").addEventListener("click", () => go({}));
    return panel;
  }

  return {
    build,
    // The program is loaded: the text comes from the draft, else from the mod or the game.
    async attach(module) {
      program = module;
      const draft = await VkStorage.get("draft");
      const bytes = VkMods.read("script.dat");
      if (draft) {
        text.value = draft.text;
        encoding = draft.encoding;
      } else {
        text.value = bytes ? decode(bytes) : "";
      }
      numberLines();
    },
    // The game has started (true) or could not (false).
    started(ok) {
      running = ok;
      refreshFacts();
      const params = new URLSearchParams(location.search);
      for (const name of ["ground", "hero"]) {
        if (params.has(name)) {
          panel.querySelector(`[name=${name}]`).value = params.get(name);
        }
      }
    },
    // A report of the data file from the program, with the line it names.
    dataError(report, line, playing) {
      running = running && playing;
      showError(report, line);
    },
    ended() {
      running = false;
    },
  };
})();
