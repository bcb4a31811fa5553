// The page side of the web host: each window of the window system as a frame on the page (a
// title the page draws, a close box, a canvas for the window's content), the input the page
// sees queued for the host's pump, and the wait that costs nothing until input or a deadline.
//
// The page gives an element with the id "pz417-desktop" to place the frames in. Input records
// are read by pz417_page_next_input in the order they happened; their kinds are the host's
// PageInput values (src/page.h).

mergeInto(LibraryManager.library, {
  $PZ417Windows: {
    Kind: {Press: 1, Move: 2, Release: 3, KeyDown: 4, KeyUp: 5, Close: 6, Resize: 7, Focus: 8,
           FocusLeft: 9},

    desktop: null,
    scale: 1,
    windows: null,  // window id -> {frame, title, close, canvas, context, sizable}; a Map
    queue: [],
    wake: null,       // resolves the wait under way
    wakeTimer: null,
    topZ: 1,

    // Screen pixels per CSS pixel over window pixels per screen pixel: a window pixel's size in
    // CSS pixels.
    cssPerPixel: function() {
      return PZ417Windows.scale / (window.devicePixelRatio || 1);
    },

    init: function() {
      const desktop = document.getElementById('pz417-desktop');
      if (!desktop) return 0;
      PZ417Windows.desktop = desktop;
      PZ417Windows.windows = new Map();
      PZ417Windows.scale = Math.max(1, Math.round(window.devicePixelRatio || 1));
      PZ417Windows.applyScale();
      window.addEventListener('keydown', (e) => PZ417Windows.onKey(e, PZ417Windows.Kind.KeyDown), true);
      window.addEventListener('keyup', (e) => PZ417Windows.onKey(e, PZ417Windows.Kind.KeyUp), true);
      // Keys that go up while the page has no keyboard never come: none counts as held once it
      // leaves, and the window layer mends Ctrl when it comes back.
      window.addEventListener('blur', () => PZ417Windows.push({kind: PZ417Windows.Kind.FocusLeft, window: 0, a: 0}));
      window.addEventListener('focus', () => PZ417Windows.push({kind: PZ417Windows.Kind.Focus, window: 0, a: 0}));
      // A new device pixel ratio (the page zoomed, moved to another screen) keeps the scale.
      window.addEventListener('resize', () => PZ417Windows.applyScale());
      // For tools that watch the page: whether the program waits with no input left to take.
      Module['pz417Idle'] = () => PZ417Windows.wake !== null && PZ417Windows.queue.length === 0;
      return PZ417Windows.scale;
    },

    applyScale: function() {
      PZ417Windows.desktop.style.setProperty('--pz417-pixel', PZ417Windows.cssPerPixel() + 'px');
      PZ417Windows.windows.forEach(PZ417Windows.fitCanvas);
    },

    screenSize: function() {
      const pixels = (css) => Math.floor(css / PZ417Windows.cssPerPixel());
      return [pixels(PZ417Windows.desktop.clientWidth), pixels(PZ417Windows.desktop.clientHeight)];
    },

    // ---- input -----------------------------------------------------------------------------
    push: function(record) {
      const queue = PZ417Windows.queue;
      const last = queue[queue.length - 1];
      // Moves between two looks at the queue only matter where they end.
      if (record.kind === PZ417Windows.Kind.Move && last && last.kind === record.kind &&
          last.window === record.window) {
        queue[queue.length - 1] = record;
      } else {
        queue.push(record);
      }
      PZ417Windows.wakeUp();
    },

    // The key events the browser keeps: reload, full screen, its developer tools, zoom, tabs.
    // Every other key is the program's, the kit's Ctrl shortcuts, Alt and F10 first of all.
    browserKeeps: function(e) {
      if (e.metaKey || ['F5', 'F11', 'F12'].includes(e.code)) return true;
      if (e.ctrlKey && e.shiftKey) return ['KeyI', 'KeyJ', 'KeyC', 'KeyR'].includes(e.code);
      return e.ctrlKey && !/^(Key[A-Z]|Control|Shift|Alt)/.test(e.code);
    },

    onKey: function(e, kind) {
      if (e.isComposing || e.keyCode === 229) return;
      PZ417Windows.push({kind, window: 0, code: e.code, key: e.key,
                         a: e.ctrlKey ? 1 : 0});
      if (!PZ417Windows.browserKeeps(e)) e.preventDefault();
    },

    // A pointer event's place as a pixel of the window's content: rounded down, so also left
    // of and above the canvas while a held button drags there.
    contentPixel: function(win, e) {
      const box = win.canvas.getBoundingClientRect();
      if (box.width === 0 || box.height === 0) return [0, 0];
      return [Math.floor((e.clientX - box.left) * win.canvas.width / box.width),
              Math.floor((e.clientY - box.top) * win.canvas.height / box.height)];
    },

    pushPointer: function(id, win, kind, e) {
      const [x, y] = PZ417Windows.contentPixel(win, e);
      PZ417Windows.push({kind, window: id, a: x, b: y});
    },

    activate: function(id, e) {
      PZ417Windows.raise(id);
      PZ417Windows.push({kind: PZ417Windows.Kind.Focus, window: id, a: e.ctrlKey ? 1 : 0});
    },

    listenToCanvas: function(id, win) {
      const canvas = win.canvas;
      canvas.addEventListener('pointerdown', (e) => {
        if (e.button !== 0) return;
        // The menus track a held button wherever it goes, as the classic desktop captures it.
        canvas.setPointerCapture(e.pointerId);
        PZ417Windows.activate(id, e);
        PZ417Windows.pushPointer(id, win, PZ417Windows.Kind.Press, e);
        e.preventDefault();
      });
      canvas.addEventListener('pointermove', (e) => PZ417Windows.pushPointer(id, win, PZ417Windows.Kind.Move, e));
      canvas.addEventListener('pointerup', (e) => {
        if (e.button === 0) PZ417Windows.pushPointer(id, win, PZ417Windows.Kind.Release, e);
      });
      canvas.addEventListener('contextmenu', (e) => e.preventDefault());
    },

    // Moves the frame with the pointer while `onDrag(dx, dy)` is told how far it went.
    dragWith: function(handle, onDrag) {
      handle.addEventListener('pointerdown', (e) => {
        if (e.button !== 0 || e.target.closest('.pz417-close')) return;
        handle.setPointerCapture(e.pointerId);
        const start = {x: e.clientX, y: e.clientY};
        const move = (m) => onDrag(m.clientX - start.x, m.clientY - start.y);
        const end = () => {
          handle.removeEventListener('pointermove', move);
          handle.removeEventListener('pointerup', end);
        };
        handle.addEventListener('pointermove', move);
        handle.addEventListener('pointerup', end);
        e.preventDefault();
      });
    },

    listenToFrame: function(id, win) {
      win.frame.addEventListener('pointerdown', (e) => {
        if (e.target !== win.canvas) PZ417Windows.activate(id, e);
      });
      win.close.addEventListener('click', () => PZ417Windows.push({kind: PZ417Windows.Kind.Close, window: id}));
      PZ417Windows.dragWith(win.title, (dx, dy) => {
        if (!win.dragFrom) win.dragFrom = {left: win.frame.offsetLeft, top: win.frame.offsetTop};
        win.frame.style.left = (win.dragFrom.left + dx) + 'px';
        win.frame.style.top = Math.max(0, win.dragFrom.top + dy) + 'px';
      });
      win.title.addEventListener('pointerup', () => { win.dragFrom = null; });
      if (win.sizable) PZ417Windows.listenToGrips(id, win);
    },

    // The sizable frame's right edge, bottom edge and corner give the client a new size.
    listenToGrips: function(id, win) {
      // Emscripten's minifier mangles destructuring in for-of loops.
      [['right', 1, 0], ['bottom', 0, 1], ['corner', 1, 1]].forEach((grip) => {
        PZ417Windows.listenToGrip(id, win, grip[0], grip[1], grip[2]);
      });
    },

    listenToGrip: function(id, win, name, horizontal, vertical) {
      const grip = document.createElement('div');
      grip.className = 'pz417-grip pz417-grip-' + name;
      win.frame.appendChild(grip);
      let from = null;
      PZ417Windows.dragWith(grip, (dx, dy) => {
        if (!from) from = {width: win.canvas.width, height: win.canvas.height};
        const per = PZ417Windows.cssPerPixel();
        const width = Math.max(1, from.width + Math.round(horizontal * dx / per));
        const height = Math.max(1, from.height + Math.round(vertical * dy / per));
        PZ417Windows.push({kind: PZ417Windows.Kind.Resize, window: id, a: width, b: height});
      });
      grip.addEventListener('pointerup', () => { from = null; });
    },

    // ---- the wait --------------------------------------------------------------------------
    wakeUp: function() {
      if (!PZ417Windows.wake) return;
      clearTimeout(PZ417Windows.wakeTimer);
      const wake = PZ417Windows.wake;
      PZ417Windows.wake = null;
      wake();
    },

    // Resolves at the next input, or at the deadline (performance.now() milliseconds; < 0: none).
    wait: function(deadline) {
      if (PZ417Windows.queue.length > 0) return Promise.resolve();
      return new Promise((resolve) => {
        PZ417Windows.wake = resolve;
        if (deadline >= 0) {
          const delay = Math.max(0, Math.ceil(deadline - performance.now()));
          PZ417Windows.wakeTimer = setTimeout(PZ417Windows.wakeUp, delay);
        }
      });
    },

    // ---- frames ----------------------------------------------------------------------------
    raise: function(id) {
      const win = PZ417Windows.windows.get(id);
      if (win) win.frame.style.zIndex = ++PZ417Windows.topZ;
    },

    // The canvas shows each window pixel as scale x scale screen pixels.
    fitCanvas: function(win) {
      const per = PZ417Windows.cssPerPixel();
      win.canvas.style.width = (win.canvas.width * per) + 'px';
      win.canvas.style.height = (win.canvas.height * per) + 'px';
    },

    create: function(id, title, left, top, width, height, sizable) {
      const frame = document.createElement('div');
      frame.className = 'pz417-frame' + (sizable ? ' pz417-sizable' : '');
      frame.id = 'pz417-window-' + id;
      frame.hidden = true;
      frame.dataset.title = title;
      const per = PZ417Windows.cssPerPixel();
      frame.style.left = (left * per) + 'px';
      frame.style.top = (top * per) + 'px';
      const bar = document.createElement('div');
      bar.className = 'pz417-title';
      const text = document.createElement('span');
      text.textContent = title;
      const close = document.createElement('button');
      close.className = 'pz417-close';
      close.title = 'Close';
      close.tabIndex = -1;
      bar.append(text, close);
      const canvas = document.createElement('canvas');
      canvas.width = Math.max(1, width);
      canvas.height = Math.max(1, height);
      frame.append(bar, canvas);
      PZ417Windows.desktop.appendChild(frame);
      const win = {frame, title: bar, close, canvas, context: canvas.getContext('2d'), sizable};
      PZ417Windows.windows.set(id, win);
      PZ417Windows.fitCanvas(win);
      PZ417Windows.listenToCanvas(id, win);
      PZ417Windows.listenToFrame(id, win);
    },

    show: function(id, visible) {
      const win = PZ417Windows.windows.get(id);
      if (!win) return;
      win.frame.hidden = !visible;
      if (visible) PZ417Windows.raise(id);
    },

    destroy: function(id) {
      const win = PZ417Windows.windows.get(id);
      if (!win) return;
      win.frame.remove();
      PZ417Windows.windows.delete(id);
    },

    setFocus: function(id) {
      PZ417Windows.windows.forEach((win, other) => {
        win.frame.classList.toggle('pz417-active', other === id);
      });
    },

    // Puts a box of the window's RGBA picture (width x height, in wasm memory) on its canvas;
    // a new size takes the picture whole.
    present: function(id, width, height, rgba, x, y, boxWidth, boxHeight) {
      const win = PZ417Windows.windows.get(id);
      if (!win) return;
      if (win.canvas.width !== width || win.canvas.height !== height) {
        win.canvas.width = width;
        win.canvas.height = height;
        PZ417Windows.fitCanvas(win);
        x = 0;
        y = 0;
        boxWidth = width;
        boxHeight = height;
      }
      const pixels = new Uint8ClampedArray(HEAPU8.buffer, rgba, width * height * 4);
      win.context.putImageData(new ImageData(pixels, width, height), 0, 0, x, y, boxWidth, boxHeight);
    },
  },

  pz417_page_init__deps: ['$PZ417Windows'],
  pz417_page_init: function() {
    return PZ417Windows.init();
  },

  pz417_page_set_scale__deps: ['$PZ417Windows'],
  pz417_page_set_scale: function(scale) {
    PZ417Windows.scale = scale;
    PZ417Windows.applyScale();
  },

  pz417_page_screen_size__deps: ['$PZ417Windows'],
  pz417_page_screen_size: function(size) {
    const [width, height] = PZ417Windows.screenSize();
    HEAP32[size >> 2] = width;
    HEAP32[(size >> 2) + 1] = height;
  },

  pz417_page_create_window__deps: ['$PZ417Windows'],
  pz417_page_create_window: function(id, title, left, top, width, height, sizable) {
    PZ417Windows.create(id, UTF8ToString(title), left, top, width, height, sizable !== 0);
  },

  pz417_page_show_window__deps: ['$PZ417Windows'],
  pz417_page_show_window: function(id, visible) {
    PZ417Windows.show(id, visible !== 0);
  },

  pz417_page_destroy_window__deps: ['$PZ417Windows'],
  pz417_page_destroy_window: function(id) {
    PZ417Windows.destroy(id);
  },

  pz417_page_set_focus__deps: ['$PZ417Windows'],
  pz417_page_set_focus: function(id) {
    PZ417Windows.setFocus(id);
  },

  pz417_page_present__deps: ['$PZ417Windows'],
  pz417_page_present: function(id, width, height, rgba, x, y, boxWidth, boxHeight) {
    PZ417Windows.present(id, width, height, rgba, x, y, boxWidth, boxHeight);
  },

  // Takes the oldest input record: numbers[0..3] are kind, window, a, b; a key's code and key
  // texts go to the two buffers. 0 when nothing waits.
  pz417_page_next_input__deps: ['$PZ417Windows'],
  pz417_page_next_input: function(numbers, code, key, textSize) {
    const record = PZ417Windows.queue.shift();
    if (!record) return 0;
    const base = numbers >> 2;
    HEAP32[base] = record.kind;
    HEAP32[base + 1] = record.window || 0;
    HEAP32[base + 2] = record.a || 0;
    HEAP32[base + 3] = record.b || 0;
    stringToUTF8(record.code || '', code, textSize);
    stringToUTF8(record.key || '', key, textSize);
    return 1;
  },

  pz417_page_wait__deps: ['$PZ417Windows'],
  pz417_page_wait: function(deadline) {
    return Asyncify.handleAsync(() => PZ417Windows.wait(deadline));
  },
});
