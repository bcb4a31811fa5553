// The web entry's side of the page (shell.html): messages, the program's end, and PZ417.SCR.
//
// The kit reads and writes PZ417.SCR in the working directory with the C library, which here is
// emscripten's file system in memory. The file is kept in the browser's storage (IndexedDB)
// each time it changed: whenever the program is about to wait, which is the only time the page
// can be closed, since the page runs only while the program waits. The page offers to download
// it and to load one from disk in its place.

mergeInto(LibraryManager.library, {
  $PZ417Page__deps: ['$FS', 'malloc', 'free'],
  $PZ417Page: {
    FileName: 'PZ417.SCR',
    LargestLoad: 64 * 1024 * 1024,
    database: null,
    saved: null,       // {timestamp, size} of the file the storage holds
    savedAt: 0,        // Date.now() when that copy was taken
    saveFailed: false,
    events: null,      // the event record, when the page was asked for one (?events)

    // ---- messages ------------------------------------------------------------------------
    tell: function(text, isError) {
      const message = document.getElementById('pz417-message');
      if (!message) return;
      message.textContent = text;
      message.classList.toggle('pz417-error', !!isError);
    },

    // The page (shell.html) says what keeps the program from running where nobody misses it.
    fail: function(text) {
      if (window.pz417Fail) {
        window.pz417Fail(text);
      } else {
        PZ417Page.tell(text, true);
      }
    },

    ended: function(status) {
      const ended = document.getElementById('pz417-ended');
      if (!ended) return;
      document.getElementById('pz417-ended-status').textContent =
          status === 0 ? '' : ' (exit status ' + status + ')';
      ended.hidden = false;
      document.getElementById('pz417-restart').focus();
    },

    // ---- the browser's storage -----------------------------------------------------------
    storageRefused: function(reason) {
      PZ417Page.database = null;
      PZ417Page.tell('The browser\'s storage is refused (' + reason + '): ' + PZ417Page.FileName +
                     ' lasts only until the page is closed. Download it to keep it.', true);
    },

    reasonOf: function(error) {
      return (error && (error.name || error.message)) || String(error);
    },

    // Resolves when the storage is open and its PZ417.SCR is in the working directory, or when
    // the storage was refused; never rejects.
    open: function() {
      return new Promise((resolve) => {
        let request;
        try {
          request = indexedDB.open('PZ417', 1);
        } catch (error) {
          PZ417Page.storageRefused(PZ417Page.reasonOf(error));
          resolve();
          return;
        }
        request.onupgradeneeded = () => request.result.createObjectStore('files');
        request.onerror = () => {
          PZ417Page.storageRefused(PZ417Page.reasonOf(request.error));
          resolve();
        };
        request.onsuccess = () => {
          PZ417Page.database = request.result;
          PZ417Page.restore().then(resolve);
        };
      });
    },

    restore: function() {
      return new Promise((resolve) => {
        let read;
        try {
          read = PZ417Page.database.transaction('files').objectStore('files').get(PZ417Page.FileName);
        } catch (error) {
          PZ417Page.storageRefused(PZ417Page.reasonOf(error));
          resolve();
          return;
        }
        read.onsuccess = () => {
          if (read.result instanceof Uint8Array) {
            FS.writeFile(PZ417Page.FileName, read.result);
            PZ417Page.noteSaved();
          }
          resolve();
        };
        read.onerror = () => {
          PZ417Page.storageRefused(PZ417Page.reasonOf(read.error));
          resolve();
        };
      });
    },

    fileNode: function() {
      const found = FS.analyzePath(PZ417Page.FileName);
      return found.exists ? found.object : null;
    },

    noteSaved: function() {
      const node = PZ417Page.fileNode();
      PZ417Page.saved = node && {timestamp: node.timestamp, size: node.usedBytes};
      PZ417Page.savedAt = Date.now();
    },

    // A write stamps the file with the millisecond it happened in, so one in the millisecond of
    // the last copy may not show in its stamp: the file is then taken as changed.
    changed: function(node) {
      const saved = PZ417Page.saved;
      return !saved || node.timestamp !== saved.timestamp || node.usedBytes !== saved.size ||
             node.timestamp >= PZ417Page.savedAt;
    },

    save: function() {
      const node = PZ417Page.fileNode();
      if (!PZ417Page.database || !node || !PZ417Page.changed(node)) return;
      const bytes = FS.readFile(PZ417Page.FileName);
      PZ417Page.noteSaved();
      try {
        const transaction = PZ417Page.database.transaction('files', 'readwrite');
        transaction.objectStore('files').put(bytes, PZ417Page.FileName);
        transaction.oncomplete = () => {
          if (PZ417Page.saveFailed) PZ417Page.tell(PZ417Page.FileName + ' is kept in the browser again.', false);
          PZ417Page.saveFailed = false;
        };
        transaction.onabort = () => PZ417Page.saveRefused(transaction.error);
        // Sent at once, so that a page closed right after still keeps it.
        if (transaction.commit) transaction.commit();
      } catch (error) {
        PZ417Page.saveRefused(error);
      }
    },

    // The page's file is whole; only the browser's copy is behind. The next change tries again.
    saveRefused: function(error) {
      PZ417Page.saveFailed = true;
      PZ417Page.tell('The browser did not keep ' + PZ417Page.FileName + ' (' + PZ417Page.reasonOf(error) +
                     '): the page still has all of it; download it to keep it.', true);
    },

    // ---- download and load ---------------------------------------------------------------
    download: function() {
      if (!PZ417Page.fileNode()) {
        PZ417Page.tell('There is no ' + PZ417Page.FileName + ' yet: Ctrl+R records one.', false);
        return;
      }
      const blob = new Blob([FS.readFile(PZ417Page.FileName)], {type: 'text/plain'});
      const link = document.createElement('a');
      link.href = URL.createObjectURL(blob);
      link.download = PZ417Page.FileName;
      document.body.appendChild(link);
      link.click();
      link.remove();
      setTimeout(() => URL.revokeObjectURL(link.href), 0);
    },

    // The kit holds the file open while it records or plays it.
    fileIsOpen: function() {
      const node = PZ417Page.fileNode();
      return !!node && FS.streams.some((stream) => stream && stream.node === node);
    },

    // Null when the program's memory has no room for the bytes.
    isScriptText: function(bytes) {
      const at = _malloc(Math.max(1, bytes.length));
      if (!at) return null;
      HEAPU8.set(bytes, at);
      const yes = Module['_pz417_web_is_script_text'](at, bytes.length) !== 0;
      _free(at);
      return yes;
    },

    // Checks a file from disk before it replaces PZ417.SCR, which is left as it was otherwise.
    load: function(file) {
      const name = file.name;
      if (PZ417Page.fileIsOpen()) {
        PZ417Page.tell(PZ417Page.FileName + ' is being recorded or played: stop that first ' +
                       '(Ctrl+R, Ctrl+P), then load ' + name + '.', true);
        return Promise.resolve();
      }
      if (file.size > PZ417Page.LargestLoad) {
        PZ417Page.tell(name + ' is too large for a script file; ' + PZ417Page.FileName + ' is unchanged.', true);
        return Promise.resolve();
      }
      return file.arrayBuffer().then((buffer) => {
        const bytes = new Uint8Array(buffer);
        const isScript = PZ417Page.isScriptText(bytes);
        if (!isScript) {
          PZ417Page.tell(name + (isScript === null ? ' does not fit in memory' : ' is not a script file') +
                         '; ' + PZ417Page.FileName + ' is unchanged.', true);
          return;
        }
        FS.writeFile(PZ417Page.FileName, bytes);
        PZ417Page.save();
        PZ417Page.tell('Loaded ' + name + ' as ' + PZ417Page.FileName + ': Ctrl+P plays it.', false);
      }, (error) => PZ417Page.tell('Cannot read ' + name + ' (' + PZ417Page.reasonOf(error) + ').', true));
    },

    wireControls: function() {
      const button = (id, action) => {
        const element = document.getElementById(id);
        if (!element) return;
        element.addEventListener('click', () => {
          // The keyboard goes back to the program's windows.
          element.blur();
          action();
        });
      };
      const picker = document.getElementById('pz417-file');
      button('pz417-download', PZ417Page.download);
      button('pz417-load', () => picker && picker.click());
      if (picker) {
        picker.addEventListener('change', () => {
          const file = picker.files && picker.files[0];
          picker.value = '';
          if (file) PZ417Page.load(file);
        });
      }
      button('pz417-restart', () => location.reload());
    },
  },

  pz417_web_query: function(name, value, valueSize) {
    const found = new URLSearchParams(location.search).get(UTF8ToString(name));
    if (found === null) return 0;
    stringToUTF8(found, value, valueSize);
    return 1;
  },

  pz417_web_tell__deps: ['$PZ417Page'],
  pz417_web_tell: function(text, isError) {
    if (isError) {
      PZ417Page.fail(UTF8ToString(text));
    } else {
      PZ417Page.tell(UTF8ToString(text), false);
    }
  },

  pz417_script_store_open__deps: ['$PZ417Page'],
  pz417_script_store_open: function() {
    return Asyncify.handleAsync(() => {
      PZ417Page.wireControls();
      return PZ417Page.open();
    });
  },

  pz417_script_store_save__deps: ['$PZ417Page'],
  pz417_script_store_save: function() {
    PZ417Page.save();
  },

  pz417_web_ended__deps: ['$PZ417Page'],
  pz417_web_ended: function(status) {
    PZ417Page.ended(status);
  },

  pz417_web_note_event__deps: ['$PZ417Page'],
  pz417_web_note_event: function(line) {
    if (!PZ417Page.events) {
      PZ417Page.events = [];
      Module['pz417Events'] = PZ417Page.events;
    }
    PZ417Page.events.push(UTF8ToString(line));
  },
});
