// Mods in the page. A mod is a set of files laid over the game folder. The page keeps the one
// being played in its storage (VkStorage, record "mod": its name and its files by game path)
// and lays it out as the folder /mod of the program's in-memory file system, which the game
// reads as the desktop's --mod reads a folder. A zip (the "Mod…" button, a zip dropped onto
// the page, or ?mod=FILE.zip beside the page) is unpacked by the program itself, with the
// game's own zip reader and its limits, before the game starts; the page then starts again on
// it. A file the mod lacks comes from the base game (/game).
"use strict";
window.VkMods = (function () {
  const kFolder = "/mod";
  let current = null;  // the record: { name, source, files: { "image/a.png": Uint8Array } }
  let pending = null;  // a zip to unpack before the game starts: { name, source, bytes }
  let failure = "";    // why the zip could not be read
  let program = null;

  // A path beside the page (or below it): letters, digits, '.', '_', '-' and '/', no way up.
  function besidePage(path) {
    return /^[A-Za-z0-9_][A-Za-z0-9_.\/-]*$/.test(path) && !path.split("/").includes("..");
  }

  function baseName(path) {
    return path.split("/").pop() || "mod.zip";
  }

  // Reads the page's address and storage: which mod to play, and a zip to unpack first.
  async function prepare(params) {
    current = (await VkStorage.get("mod")) || null;
    const address = params.get("mod");
    if (address !== null) {
      if (!besidePage(address)) {
        throw new Error("The mod must be a file beside the page: " + address);
      }
      // A mod from the address that the player has worked on since plays as they left it.
      if (!current || current.source !== "address:" + address) {
        const response = await fetch(address).catch((error) => ({ ok: false, statusText: error.message }));
        if (!response.ok) {
          throw new Error("Cannot read the mod " + address + ": " +
                          [response.status, response.statusText].filter(Boolean).join(" "));
        }
        pending = { name: baseName(address), source: "address:" + address,
                    bytes: new Uint8Array(await response.arrayBuffer()) };
      }
    } else {
      pending = (await VkStorage.get("pending")) || null;
    }
  }

  // A file into the mod's folder.
  function place(fs, path, bytes) {
    makeFolders(fs, kFolder + "/" + path);
    fs.writeFile(kFolder + "/" + path, bytes);
  }

  // The base game's file, or null.
  function baseFile(path) {
    const base = "/game/" + path;
    return program && program.FS.analyzePath(base).exists ? program.FS.readFile(base) : null;
  }

  function makeFolders(fs, path) {
    let folder = "";
    for (const part of path.split("/").filter(Boolean).slice(0, -1)) {
      folder += "/" + part;
      if (!fs.analyzePath(folder).exists) {
        fs.mkdir(folder);
      }
    }
  }

  // Every file under a folder of the in-memory file system, by path below it.
  function readFolder(fs, folder, below = "", into = {}) {
    for (const name of fs.readdir(folder + below)) {
      if (name === "." || name === "..") {
        continue;
      }
      const path = below + "/" + name;
      if (fs.isDir(fs.stat(folder + path).mode)) {
        readFolder(fs, folder, path, into);
      } else {
        into[path.slice(1)] = fs.readFile(folder + path);
      }
    }
    return into;
  }

  // In the program's preRun: the mod's files at /mod.
  function install(fs) {
    fs.mkdir(kFolder);
    if (pending) {
      return;  // replaced by the zip
    }
    for (const [path, bytes] of Object.entries(current ? current.files : {})) {
      makeFolders(fs, kFolder + "/" + path);
      fs.writeFile(kFolder + "/" + path, bytes);
    }
  }

  // Once the program is loaded, before the game starts: a new zip is unpacked into /mod by
  // the program and becomes the mod kept. False when it cannot be read (failure() says why).
  async function unpackPending(module) {
    program = module;
    if (!pending) {
      return true;
    }
    const zip = pending;
    pending = null;
    await VkStorage.remove("pending");
    const fs = module.FS;
    // Under its own name, which the reader's refusals name.
    makeFolders(fs, "/zips/x");
    const safe = zip.name.replace(/[^A-Za-z0-9._-]/g, "_");
    const zipFile = "/zips/" + (/^\.*$/.test(safe) ? "mod.zip" : safe);
    fs.writeFile(zipFile, zip.bytes);
    const error = module.ccall("velkaros_unpack_mod", "string", ["string", "string"],
                               [zipFile, kFolder]);
    fs.unlink(zipFile);
    if (error) {
      // It was chosen in place of the mod before, which is gone with it.
      failure = "The mod " + zip.name + " cannot be read:\n" + error;
      current = null;
      await VkStorage.remove("mod");
      await VkStorage.remove("draft");
      return false;
    }
    current = { name: zip.name, source: zip.source, files: readFolder(fs, kFolder) };
    // A new mod: the workbench's unapplied text was for the one before.
    await VkStorage.remove("draft");
    await VkStorage.put("mod", current);
    return true;
  }

  // The page again, without ?mod= when asked (a mod chosen here replaces the address's).
  function restart(dropAddress) {
    const params = new URLSearchParams(location.search);
    if (dropAddress) {
      params.delete("mod");
    }
    const search = params.toString();
    location.replace(location.pathname + (search ? "?" + search : ""));
  }

  // A zip the player chose or dropped: kept, and the page starts again on it.
  async function openZip(file) {
    const bytes = new Uint8Array(await file.arrayBuffer());
    // The page starts again to play it, and finds it in its storage.
    if (!(await VkStorage.put("pending", { name: file.name, source: "file:" + file.name, bytes }))) {
      alert("This browser keeps nothing for the page (a private window?), so it cannot open a mod.");
      return;
    }
    restart(true);
  }

  // Back to the base game: the mod and the workbench's text are forgotten.
  async function remove() {
    await VkStorage.remove("mod");
    await VkStorage.remove("pending");
    await VkStorage.remove("draft");
    restart(true);
  }

  return {
    besidePage,
    prepare,
    install,
    unpackPending,
    openZip,
    remove,
    restart,
    failure: () => failure,
    // The program's arguments that lay the mod over the game folder.
    args: () => ["--mod", kFolder],
    name: () => (current ? current.name : ""),
    has: (path) => Boolean(current && current.files[path]),
    // A game file as the game reads it: the mod's, else the base game's; null when neither.
    read(path) {
      if (current && current.files[path]) {
        return current.files[path];
      }
      return baseFile(path);
    },
    // Puts a file into the mod (making one, named after the page, if none is played) and keeps
    // it; the game reads it at the next reload.
    async write(path, bytes) {
      if (!current) {
        current = { name: "mymod.zip", source: "page", files: {} };
      }
      current.files[path] = bytes;
      place(program.FS, path, bytes);
      await VkStorage.put("mod", current);
      document.dispatchEvent(new CustomEvent("modchange"));
    },
    // The mod as a zip made by the program (libzip): script.dat and every other file that
    // differs from the base game's. { bytes, name }, or { error }.
    pack() {
      const fs = program.FS;
      const stage = "/download";
      for (const [path, bytes] of Object.entries(this.changedFiles())) {
        makeFolders(fs, stage + "/" + path);
        fs.writeFile(stage + "/" + path, bytes);
      }
      const error = program.ccall("velkaros_write_zip", "string", ["string", "string"],
                                  [stage, stage + ".zip"]);
      removeTree(fs, stage);
      if (error) {
        return { error };
      }
      const bytes = fs.readFile(stage + ".zip");
      fs.unlink(stage + ".zip");
      return { bytes, name: current ? current.name : "mymod.zip" };
    },
    // The mod's files that differ from the base game's (script.dat always).
    changedFiles() {
      const files = {};
      for (const [path, bytes] of Object.entries(current ? current.files : {})) {
        const base = baseFile(path);
        const same = path !== "script.dat" && base !== null && indexedEqual(base, bytes);
        if (!same) {
          files[path] = bytes;
        }
      }
      if (!files["script.dat"]) {
        files["script.dat"] = this.read("script.dat");
      }
      return files;
    },
  };

  function removeTree(fs, path) {
    for (const name of fs.readdir(path)) {
      if (name !== "." && name !== "..") {
        const child = path + "/" + name;
        if (fs.isDir(fs.stat(child).mode)) {
          removeTree(fs, child);
        } else {
          fs.unlink(child);
        }
      }
    }
    fs.rmdir(path);
  }

  function indexedEqual(a, b) {
    if (a.length !== b.length) {
      return false;
    }
    for (let i = 0; i < a.length; i += 1) {
      if (a[i] !== b[i]) {
        return false;
      }
    }
    return true;
  }
})();
