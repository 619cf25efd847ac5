// The page's language: ?lang=LL plays the translation lang/LL.po of the game folder (the
// game's --lang LL), and a switch in the top left corner chooses one and remembers it in the browser.
// Without either the game is the original Japanese. index.html adds languageArguments() to
// the game's arguments.
"use strict";
var velkarosLanguage = (function () {
  // The translations the page carries (content/lang/*.po), by code, with their own names.
  const languages = { en: "English" };
  const key = "velkaros.lang";

  function stored() {
    try {
      return localStorage.getItem(key) || "";
    } catch (error) {
      return "";  // storage blocked: nothing remembered
    }
  }

  function chosen(params) {
    const code = params.has("lang") ? params.get("lang") : stored();
    return /^[A-Za-z0-9_@-]{1,16}$/.test(code) ? code : "";
  }

  // A select in the page's corner; changing it remembers the choice and starts again in it.
  function addSwitch(params) {
    const select = document.createElement("select");
    select.id = "language";
    select.title = "Language";
    select.setAttribute("aria-label", "Language");
    select.style.cssText = "position: fixed; top: 0.3em; left: 0.3em; font-size: 0.8em;";
    const current = chosen(params);
    for (const [code, name] of [["", "日本語"], ...Object.entries(languages)]) {
      const option = new Option(name, code, false, code === current);
      select.add(option);
    }
    select.addEventListener("change", () => {
      try {
        localStorage.setItem(key, select.value);
      } catch (error) {
        // Not remembered; the address still carries it.
      }
      const next = new URLSearchParams(location.search);
      next.set("lang", select.value);
      location.search = next.toString();
    });
    document.body.appendChild(select);
  }

  return {
    languageArguments(params) {
      addSwitch(params);
      const code = chosen(params);
      return code ? ["--lang", code] : [];
    },
  };
})();
