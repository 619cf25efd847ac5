// The page's own storage: the mod being played and the workbench's unsaved text live in the
// browser's IndexedDB (database "velkaros", one object store of records by name) until the
// player removes them, so a reload plays and shows the same. Nothing leaves the browser.
"use strict";
window.VkStorage = (function () {
  const kDatabase = "velkaros";
  const kStore = "records";
  let opened = null;

  function open() {
    if (!opened) {
      opened = new Promise((resolve, reject) => {
        const request = indexedDB.open(kDatabase, 1);
        request.onupgradeneeded = () => request.result.createObjectStore(kStore);
        request.onsuccess = () => resolve(request.result);
        request.onerror = () => reject(request.error);
      });
    }
    return opened;
  }

  // One request in its own transaction; resolves when the transaction is done.
  async function run(mode, act) {
    const database = await open();
    return new Promise((resolve, reject) => {
      const transaction = database.transaction(kStore, mode);
      const request = act(transaction.objectStore(kStore));
      transaction.oncomplete = () => resolve(request.result);
      transaction.onerror = () => reject(transaction.error);
      transaction.onabort = () => reject(transaction.error || new Error("storage aborted"));
    });
  }

  return {
    // The record, or undefined. A browser without storage (a private window may refuse it)
    // reads as empty: the page then plays the base game.
    get: (name) => run("readonly", (store) => store.get(name)).catch(() => undefined),
    // True when kept; false when the browser refuses (the page then works on without it).
    put: (name, value) => run("readwrite", (store) => store.put(value, name)).then(() => true,
                                                                                 () => false),
    remove: (name) => run("readwrite", (store) => store.delete(name)).catch(() => undefined),
  };
})();
