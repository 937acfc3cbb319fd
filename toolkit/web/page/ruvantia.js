// The page of RUVANTIA: the studio where the show's windows are panels, the browser's side of
// the drawing, the clock that wakes the show, the player's questions chosen by address or
// dropped on the page, and the show recorded as it is played: offered at its end as a file and as
// a link that replays it (#puntata=…, the recording compressed into the address's fragment, which
// never reaches a server). Over each window lies what a screen reader finds there, as the show
// describes it (toolkit/reader.h): its texts, its list and its buttons, which choose their controls
// as a click would; the texts the show says aloud go to a live region. The show itself is the same
// C++ as on the desktop, compiled to show.wasm; the build appends this script to the loader
// emscripten writes (show.js).
'use strict';

(() => {
  const BAR = 24; // CSS pixels of a title bar
  // The smallest target a finger can hit (CSS pixels): on a touch screen, controls that come out
  // smaller are also buttons of a strip in the screen's empty part.
  const FINGER = 24;
  const touch = matchMedia('(pointer: coarse)');
  // The faces of the desktop's fonts, as the show names them (toolkit/font_table.cpp). The first
  // two are all the board draws before the logo is clicked: the invitation and the logo's tip.
  const FACES = {
    'ruvantia-serif-bold': 'liberation-serif-bold.woff2',
    'ruvantia-sans': 'liberation-sans-regular.woff2',
    'ruvantia-sans-bold': 'liberation-sans-bold.woff2',
    'ruvantia-lobster-bold-italic': 'lobster-two-bold-italic.woff2',
  };
  const FIRST_FACES = 2;
  // ruvantia.html, the game in one file, carries what a served page fetches.
  const FILES = window.ruvantiaFiles ?? null;
  const here = (name) => FILES?.[name] ?? name;
  const hex = (c) => '#' + (c & 0xffffff).toString(16).padStart(6, '0');
  // The show's drawing on a canvas's 2D context: the board's windows, and the editor's preview.
  const draw = {
    clip(ctx, x, y, w, h) {
      ctx.restore();
      ctx.save();
      ctx.beginPath();
      ctx.rect(x, y, w, h);
      ctx.clip();
    },
    fill(ctx, x, y, w, h, c) {
      ctx.fillStyle = hex(c);
      ctx.fillRect(x, y, w, h);
    },
    // Each letter where the desktop puts it; a letter the game's fonts lack comes from the
    // browser's own.
    text(ctx, family, px, ascent, text, xs, x, y, c) {
      if (!(family in FACES)) console.error(`ruvantia: no face ${family} in the page`);
      const bold = family.includes('bold') ? 'bold ' : '';
      const italic = family.includes('italic') ? 'italic ' : '';
      ctx.font = `${italic}${bold}${px}px ${family}, sans-serif`;
      ctx.fillStyle = hex(c);
      let i = 0;
      for (const letter of text) {
        if (letter !== ' ') ctx.fillText(letter, x + xs[i], y + ascent);
        i++;
      }
    },
    line(ctx, x1, y1, x2, y2, width, c) {
      if (width <= 1.5) {
        ctx.strokeStyle = hex(c);
        ctx.lineWidth = 1;
        ctx.beginPath();
        ctx.moveTo(x1 + 0.5, y1 + 0.5);
        ctx.lineTo(x2 + 0.5, y2 + 0.5);
        ctx.stroke();
        return;
      }
      const len = Math.hypot(x2 - x1, y2 - y1);
      if (len <= 0) return;
      const nx = (-(y2 - y1) / len) * width / 2;
      const ny = ((x2 - x1) / len) * width / 2;
      ctx.fillStyle = hex(c);
      ctx.beginPath();
      ctx.moveTo(x1 + nx, y1 + ny);
      ctx.lineTo(x1 - nx, y1 - ny);
      ctx.lineTo(x2 - nx, y2 - ny);
      ctx.lineTo(x2 + nx, y2 + ny);
      ctx.closePath();
      ctx.fill();
    },
  };

  const params = new URLSearchParams(location.search);
  // The tests' and the bench's hooks (the trace, its lateness, the inputs), only when asked for:
  // ?start=HH:MM:SS (simulate's time of day and seed) or ?prova.
  // With them, ?senzalettore plays without the screen reader's layer, for the bench to weigh it.
  const HOOKS = params.has('start') || params.has('prova');
  let sheetReader = null; // the sheet reader's script, once asked for
  const studio = document.getElementById('studio');
  // The editor's page loads the program for its checks and its preview alone: it draws as the
  // show draws, in the show's faces, and reads spreadsheets and links as the show reads them.
  if (!studio) {
    window.ruvantiaTools = Object.freeze({draw, faces: () => loadFaces(0), pack, unpack, loadSheetReader});
    return;
  }
  const fine = document.getElementById('fine');
  const problemi = document.getElementById('problemi');
  const annunci = document.getElementById('annunci');
  // form name -> {section, title, canvas, ctx, reader, strip, heading, items, list, dialog, back, described}
  const panels = new Map();
  const pictures = new Map(); // file name -> loaded image
  let core = null;
  let maxPack = 0; // one byte past what a pack may hold: the reader says so
  // The page's address without its fragment, and the pack that came by a link or a drop, as a
  // link carries it: the next show and the replay link take it along.
  const address = location.href.split('#')[0];
  const loadedAt = location.href;
  let carried = null;
  let ctx = null;
  let firstFrame = false;
  let timer = 0;
  let wakeAt = -1;

  // Messages for the player, always set as text: a pack's words are never markup. Over a show
  // that goes on, a click puts the message away.
  function say(text) {
    const over = core && core._ruvantia_ready();
    problemi.textContent = over ? `${text}\n\n(clicca qui per chiudere)` : text;
    problemi.hidden = false;
  }
  problemi.addEventListener('click', () => {
    if (core && core._ruvantia_ready()) problemi.hidden = true;
  });
  // What the page has taken from the player, said quietly under the board: a dropped pack changes
  // nothing on the board until the show asks its first question.
  const caricato = document.getElementById('caricato');
  const piede = document.getElementById('piede');
  function loaded(text) {
    caricato.textContent = text;
    caricato.hidden = false;
  }

  // A picture drawn again is drawn from a copy made at the size the window shows it: drawing an
  // SVG costs as much every time, and the ladder's lights redraw the logo's edge at every step.
  // Its first drawing, the first frame's, goes straight to the window.
  const rasters = new Map(); // file name -> {w, h, copy}
  function drawPicture(source, image, x, y, w, h) {
    const r = rasters.get(source);
    if (!r || r.w !== w || r.h !== h) {
      rasters.set(source, {w, h, copy: null});
      ctx.drawImage(image, x, y, w, h);
      return;
    }
    if (!r.copy) {
      r.copy = document.createElement('canvas');
      r.copy.width = w;
      r.copy.height = h;
      r.copy.getContext('2d').drawImage(image, 0, 0, w, h);
    }
    ctx.drawImage(r.copy, x, y);
  }

  // The show draws through these (toolkit/web/backend.cpp).
  const page = {
    open(form, caption, dialog) {
      const section = document.createElement('section');
      section.className = dialog ? 'window dialog' : 'window';
      section.dataset.form = form;
      section.tabIndex = -1;
      section.setAttribute('aria-label', caption);
      if (dialog) {
        section.setAttribute('role', 'dialog');
        section.setAttribute('aria-modal', 'true');
      }
      const bar = document.createElement('div');
      bar.className = 'titlebar';
      const title = document.createElement('span');
      title.className = 'caption';
      title.textContent = caption;
      const close = document.createElement('button');
      close.className = 'close';
      close.type = 'button';
      close.textContent = '\u00d7';
      close.setAttribute('aria-label', 'Chiudi');
      close.addEventListener('click', () => {
        core.ccall('ruvantia_close', null, ['string'], [form]);
        wake();
      });
      bar.append(title, close);
      const canvas = document.createElement('canvas');
      // The screen reader's layer comes first: Tab reaches the window's buttons before its close.
      const reader = document.createElement('div');
      reader.className = 'reader';
      const list = document.createElement('ul');
      const strip = document.createElement('div');
      strip.className = 'strip';
      // On a phone a dialog's strip says whose buttons they are: its whole title, which the bar cuts.
      const heading = dialog ? document.createElement('h2') : null;
      if (heading) {
        heading.className = 'heading';
        heading.textContent = caption;
      }
      section.append(reader, bar, canvas);
      studio.append(section);
      listen(canvas, form);
      const back = document.activeElement;
      panels.set(form, {section, title, canvas, ctx: canvas.getContext('2d', {alpha: false}),
        reader, strip, heading, items: new Map(), list, dialog, back, described: null});
      // A dialog takes the focus, and hands it to its first button as soon as it has one.
      if (dialog) section.focus({preventScroll: true});
    },
    close(form) {
      const p = panels.get(form);
      if (!p) return;
      const focused = document.activeElement;
      const held = p.section.contains(focused) || !focused || focused === document.body;
      p.section.remove();
      panels.delete(form);
      // Once the show has said what the board is now (later in the same step), the focus goes back.
      if (p.dialog && held) queueMicrotask(() => focusBack(p.back));
    },
    caption(form, text) {
      const p = panels.get(form);
      if (p && p.title.textContent !== text) {
        p.title.textContent = text;
        p.section.setAttribute('aria-label', text);
        if (p.heading) p.heading.textContent = text;
      }
    },
    // What a screen reader finds in a window, as the show describes it when it changes: texts, a
    // list, and buttons laid over their controls, which the pointer goes through.
    reader(form, described) {
      const p = panels.get(form);
      const {inert, items} = (p.described = described);
      const focused = document.activeElement;
      const flat = [];
      const listed = [];
      const stripped = [];
      const kept = new Map();
      for (const [kind, control, name, index, on, x, y, w, h] of items) {
        const key = `${kind} ${control}(${index})`;
        const el = p.items.get(key) ?? readerItem(kind, form, control, index);
        kept.set(key, el);
        if (kind === 'button') {
          if (el.getAttribute('aria-label') !== name) {
            el.setAttribute('aria-label', name);
            el.firstChild.textContent = name;
          }
          el.setAttribute('aria-disabled', String(!on));
          for (const [at, v] of [['--x', x], ['--y', y], ['--w', w], ['--h', h]]) el.style.setProperty(at, `${v}px`);
          if (touch.matches && Math.min(w, h) < FINGER) {
            if (!stripped.length) flat.push(p.strip);
            stripped.push(el);
            continue;
          }
        } else {
          if (el.textContent !== name) el.textContent = name;
          if (kind === 'item') el.toggleAttribute('aria-current', on);
        }
        (kind === 'item' ? listed : flat).push(el);
      }
      p.items = kept;
      if (listed.length) flat.push(p.list);
      if (stripped.length && p.heading) stripped.unshift(p.heading);
      arrange(p.list, listed);
      arrange(p.strip, stripped);
      arrange(p.reader, flat);
      p.reader.inert = inert;
      if (focused && focused !== document.activeElement) {
        if (focused.isConnected) focused.focus({preventScroll: true});
        else if (p.section.isConnected) p.section.focus({preventScroll: true});
      }
      if (p.dialog && document.activeElement === p.section) firstButton(p.section)?.focus({preventScroll: true});
    },
    // Said by a screen reader when it can: the last few texts stay in the live region.
    announce(text) {
      const line = document.createElement('p');
      line.textContent = text;
      annunci.append(line);
      while (annunci.childElementCount > 4) annunci.firstElementChild.remove();
    },
    stack(form, level) {
      panels.get(form).section.style.zIndex = String(level);
    },
    place(form, x, y, w, h, pw, ph) {
      const p = panels.get(form);
      p.section.style.left = x + 'px';
      p.section.style.top = y - BAR + 'px';
      p.section.style.width = w + 'px';
      p.canvas.style.width = w + 'px';
      p.canvas.style.height = h + 'px';
      if (p.canvas.width !== pw) p.canvas.width = pw;
      if (p.canvas.height !== ph) p.canvas.height = ph;
      if (!p.dialog) placeStrip(x, y - BAR, w, h + BAR);
    },
    begin(form) {
      ctx = panels.get(form).ctx;
      ctx.save();
      ctx.save();
      this.form = form;
    },
    end() {
      ctx.restore();
      ctx.restore();
      if (!firstFrame && this.form === 'Form1') {
        firstFrame = true;
        performance.mark('ruvantia-first-frame');
      }
    },
    clip(x, y, w, h) {
      draw.clip(ctx, x, y, w, h);
    },
    fill(x, y, w, h, c) {
      draw.fill(ctx, x, y, w, h, c);
    },
    text(family, px, ascent, text, xs, x, y, c) {
      draw.text(ctx, family, px, ascent, text, xs, x, y, c);
    },
    line(x1, y1, x2, y2, width, c) {
      draw.line(ctx, x1, y1, x2, y2, width, c);
    },
    picture(source, x, y, w, h) {
      const image = pictures.get(source);
      if (image) {
        if (w > 0 && h > 0) drawPicture(source, image, x, y, w, h);
      } else if (!known.has(source)) {
        console.error(`ruvantia: no picture ${source} in the page`);
      }
    },
    cursor(hand) {
      studio.classList.toggle('hand', hand);
    },
    // A page cannot close itself: it says the show is over and offers another, with the same
    // address (and so the same questions), the recording of this one, and a link that replays it.
    ended() {
      clearTimeout(timer);
      const again = document.getElementById('ancora');
      // A pack that came by a link or a drop stays for the next show, in its link.
      again.href = address + (carried ? `#domande=${carried}` : '');
      const won = core.UTF8ToString(core._ruvantia_won());
      document.getElementById('vinto').textContent = won ? `Hai vinto ${won}` : 'Torni a casa a mani vuote';
      caricato.hidden = true;
      offerRecording(core.UTF8ToString(core._ruvantia_recording()));
      fine.hidden = false;
      again.focus();
    },
  };

  // A button of a window's reader layer chooses its control, as a click on it would; a text and a
  // rung of the ladder are only read.
  function readerItem(kind, form, control, index) {
    if (kind === 'item') return document.createElement('li');
    if (kind === 'text') return document.createElement('p');
    const button = document.createElement('button');
    button.type = 'button';
    // Its name, seen only when it is a button of the strip.
    button.append(document.createElement('span'));
    button.addEventListener('click', () => {
      core.ccall('ruvantia_choose', null, ['string', 'string', 'number'], [form, control, index]);
      wake();
    });
    return button;
  }

  // On a touch screen where the board's controls come out too small for a finger, a window's
  // small ones are its reader's buttons gathered in a strip of large buttons, in the largest part
  // of the screen the board leaves empty. The board is drawn and taps on it play as ever; a
  // dialog's strip covers the board's.
  touch.addEventListener('change', () => {
    for (const [form, p] of panels) if (p.described) page.reader(form, p.described);
  });
  // The strip's place: the largest of the four parts of the page around the board (X, Y, W, H,
  // its title bar included), below it when two are as large.
  function placeStrip(x, y, w, h) {
    const [pw, ph] = [innerWidth, innerHeight];
    const free = [[0, y + h, pw, ph - y - h], [x + w, 0, pw - x - w, ph], [0, 0, pw, y], [0, 0, x, ph]]
      .reduce((best, a) => (a[2] * a[3] > best[2] * best[3] ? a : best));
    ['--strip-x', '--strip-y', '--strip-w', '--strip-h']
      .forEach((name, i) => studio.style.setProperty(name, `${Math.max(0, Math.floor(free[i]))}px`));
    // The line under the board before the show takes the same place, when it has room there.
    studio.classList.toggle('roomy', free[2] >= 200 && free[3] >= 44);
  }

  // PARENT's children become KIDS, in order, touching the page only when they differ.
  function arrange(parent, kids) {
    const now = parent.children;
    if (now.length !== kids.length || kids.some((k, i) => now[i] !== k)) parent.replaceChildren(...kids);
  }

  const firstButton = (section) => section.querySelector('.reader button:not([aria-disabled="true"])');

  // A dialog closed: the focus goes back where it was on the board, or to its first button that
  // counts, or to the board itself.
  function focusBack(back) {
    const focused = document.activeElement;
    if (focused && focused !== document.body) return;
    const board = back?.closest?.('section.window') ?? panels.get('Form1')?.section;
    if (!board?.isConnected) return;
    if (back?.isConnected && board.contains(back) && back.getAttribute?.('aria-disabled') !== 'true'
      && !back.closest('[inert]')) back.focus({preventScroll: true});
    else (firstButton(board) ?? board).focus({preventScroll: true});
  }

  // The recording as a file to download, and as a link to the page that plays it again.
  // "GIOCA ANCORA" to the address the page already has (a pack in its fragment) loads it afresh.
  document.getElementById('ancora').addEventListener('click', (e) => {
    if (e.currentTarget.href === location.href) {
      e.preventDefault();
      location.reload();
    }
  });

  async function offerRecording(text) {
    const file = document.getElementById('scarica');
    const link = document.getElementById('rivedi');
    file.hidden = link.hidden = !text;
    if (!text) return;
    file.href = URL.createObjectURL(new Blob([text], {type: 'text/plain'}));
    file.download = 'puntata.txt';
    const packed = await pack(text);
    link.href = `${address}#${carried ? `domande=${carried}&` : ''}puntata=${packed}`;
  }

  // Text or bytes to deflate-raw and base64url, and back; what comes back is cut at `limit` bytes.
  async function pack(data) {
    const stream = new Blob([data]).stream().pipeThrough(new CompressionStream('deflate-raw'));
    const bytes = new Uint8Array(await new Response(stream).arrayBuffer());
    let binary = '';
    for (const b of bytes) binary += String.fromCharCode(b);
    return btoa(binary).replaceAll('+', '-').replaceAll('/', '_').replace(/=+$/, '');
  }
  async function unpack(code, limit) {
    const binary = atob(code.replaceAll('-', '+').replaceAll('_', '/'));
    const bytes = Uint8Array.from(binary, (c) => c.charCodeAt(0));
    const stream = new Blob([bytes]).stream().pipeThrough(new DecompressionStream('deflate-raw'));
    return readAtMost(new Response(stream), limit);
  }

  // The show's time: sleep until the next thing due, then one step. A timeout set from a
  // message is not nested in the previous one, so the browser does not stretch it to 4 ms.
  const channel = new MessageChannel();
  channel.port1.onmessage = () => {
    const delay = wakeAt - core._ruvantia_now();
    if (delay <= 0) wake();
    else timer = setTimeout(wake, Math.ceil(delay));
  };
  function wake() {
    clearTimeout(timer);
    timer = 0;
    if (!core) return;
    wakeAt = core._ruvantia_step();
    if (wakeAt >= 0) channel.port2.postMessage(0);
    if (!piede.hidden && core._ruvantia_started()) caricato.hidden = piede.hidden = true;
  }

  const POINTER = {pointermove: 0, pointerdown: 1, pointerup: 2, pointerleave: 3};
  function listen(canvas, form) {
    for (const type of Object.keys(POINTER)) {
      canvas.addEventListener(type, (e) => {
        if ((type === 'pointerdown' || type === 'pointerup') && e.button !== 0) return;
        if (type === 'pointermove' && e.pointerType !== 'mouse') return;
        if (type === 'pointerdown') e.preventDefault();
        core.ccall('ruvantia_pointer', null, ['string', 'number', 'number', 'number'],
          [form, POINTER[type], e.offsetX, e.offsetY]);
        wake();
      });
    }
  }

  // The show's keys: the window in front chooses what a key does, as on the desktop. A key that
  // it binds is the show's; any other, and any key held with Ctrl, Alt or Meta, is the browser's.
  const KEYS = {Enter: 'Enter', ' ': 'Space', Escape: 'Escape'};
  function onKey(e) {
    if (e.ctrlKey || e.altKey || e.metaKey || e.repeat) return;
    const key = KEYS[e.key] ?? (/^[a-z0-9]$/i.test(e.key) ? e.key.toUpperCase() : null);
    // A button of the page that has the focus takes its own Enter and space.
    if (!key || ((key === 'Enter' || key === 'Space') && e.target.closest?.('button'))) return;
    if (core.ccall('ruvantia_key', 'number', ['string'], [key])) {
      e.preventDefault();
      wake();
    }
  }

  function start() {
    problemi.hidden = true;
    let start = -1;
    let seed = [0, 0];
    const hms = /^([01]\d|2[0-3]):([0-5]\d):([0-5]\d)$/.exec(params.get('start') || '');
    if (hms) {
      start = Number(hms[1]) * 3600 + Number(hms[2]) * 60 + Number(hms[3]);
      const fixed = core.UTF8ToString(core._ruvantia_fixed_seed());
      seed = [parseInt(fixed.slice(0, 8), 16), parseInt(fixed.slice(8), 16)];
    } else {
      crypto.getRandomValues(new Uint32Array(2)).forEach((v, i) => { seed[i] = v; });
    }
    core._ruvantia_start(start, seed[0], seed[1], innerWidth, innerHeight, devicePixelRatio || 1, BAR, HOOKS);
    if (HOOKS && params.has('senzalettore')) core._ruvantia_without_reader(); // the bench weighs the layer
    wake();
    setTimeout(() => core._ruvantia_settle(), 0); // the questions, once the board is on screen
  }

  // #puntata=…: a recorded show, played again at its own pace, or the reason it cannot be.
  async function replay(code) {
    let text;
    try {
      text = await unpack(code, core._ruvantia_max_recording() + 1);
    } catch {
      say('la puntata: il collegamento è rovinato o incompleto: copialo di nuovo per intero');
      return false;
    }
    const at = core._malloc(text.length + 1);
    core.HEAPU8.set(text, at);
    const good = core._ruvantia_replay(at, text.length, innerWidth, innerHeight, devicePixelRatio || 1, BAR, HOOKS);
    core._free(at);
    if (!good) {
      say(core.UTF8ToString(core._ruvantia_problems()));
      return false;
    }
    problemi.hidden = true;
    wake();
    return true;
  }

  // The sheet reader (fflate and the walk of a sheet's XML) comes with the first spreadsheet.
  function loadSheetReader() {
    if (globalThis.ruvantiaSheets) return Promise.resolve();
    sheetReader ??= new Promise((resolve, reject) => {
      const script = document.createElement('script');
      script.src = 'sheets.js';
      script.onload = resolve;
      script.onerror = () => {
        sheetReader = null;
        reject(new Error('sheets.js'));
      };
      document.head.append(script);
    });
    return sheetReader;
  }

  // A pack's bytes through the same reader and checks as on the desktop. True when it is good.
  async function takePack(bytes, name) {
    const size = Math.min(bytes.length, maxPack);
    const read = () => {
      const at = core._malloc(size + 1);
      core.HEAPU8.set(bytes.subarray(0, size), at);
      const said = core.ccall('ruvantia_pack', 'number', ['number', 'number', 'string'], [at, size, name]);
      core._free(at);
      return said;
    };
    let said = read();
    if (said < 0) {
      try {
        await loadSheetReader();
      } catch {
        say(`${name}: il lettore dei fogli di calcolo non si è caricato: ricarica la pagina e riprova`);
        return false;
      }
      said = read();
    }
    if (said > 0) loaded(`Pacchetto caricato: ${said} domande (${name})`);
    else say(core.UTF8ToString(core._ruvantia_problems()));
    performance.mark('ruvantia-pack-read');
    return said > 0;
  }

  async function readAtMost(response, limit) {
    const reader = response.body.getReader();
    const parts = [];
    let size = 0;
    while (size < limit) {
      const {done, value} = await reader.read();
      if (done) break;
      parts.push(value);
      size += value.length;
    }
    reader.cancel().catch(() => {});
    const bytes = new Uint8Array(size);
    let at = 0;
    for (const p of parts) {
      bytes.set(p, at);
      at += p.length;
    }
    return bytes;
  }

  // ?domande=FILE: a pack lying beside the page, named by its file name alone.
  async function packFromAddress(name) {
    if (!/^[A-Za-z0-9][A-Za-z0-9 ._-]*$/.test(name) || name.includes('..')) {
      say(`${name}: scrivi solo il nome di un file che sta accanto alla pagina (per esempio ?domande=mie.tsv)`);
      return false;
    }
    let response;
    try {
      response = await fetch(encodeURIComponent(name), {redirect: 'error', cache: 'no-store'});
    } catch {
      say(`${name}: il file non si può leggere: controlla il nome`);
      return false;
    }
    if (!response.ok) {
      say(`${name}: il file non esiste accanto alla pagina: controlla il nome`);
      return false;
    }
    return takePack(await readAtMost(response, maxPack), name);
  }

  // #domande=…: a pack shared as a link, deflated into the address's fragment, which never reaches
  // a server. The name its messages go by is the link's.
  async function packFromLink(code) {
    let bytes;
    try {
      if (!/^[A-Za-z0-9_-]+$/.test(code)) throw new Error('not base64url');
      bytes = await unpack(code, maxPack);
    } catch {
      say('collegamento: il collegamento è rovinato o incompleto: copialo di nuovo per intero');
      return false;
    }
    if (!(await takePack(bytes, 'collegamento'))) return false;
    carried = code;
    return true;
  }

  // A pack dropped on the page before the show begins plays at once.
  function acceptDrops() {
    addEventListener('dragover', (e) => e.preventDefault());
    addEventListener('drop', async (e) => {
      e.preventDefault();
      const file = e.dataTransfer && e.dataTransfer.files[0];
      if (!file) return;
      if (core._ruvantia_started()) {
        say('le domande si scelgono prima di cliccare il logo: ricarica la pagina e trascina di nuovo il file');
        return;
      }
      const bytes = new Uint8Array(await file.slice(0, maxPack).arrayBuffer());
      if (!(await takePack(bytes, file.name))) return;
      start();
      carried = await pack(bytes);
    });
  }

  // What arrives after the first frame, a picture or a face, is drawn as soon as it is there.
  const known = new Set(); // every picture the windows show
  function arrived() {
    if (core && core._ruvantia_ready()) {
      core._ruvantia_expose();
      wake();
    }
  }
  function loadPicture(name) {
    return new Promise((resolve) => {
      const image = new Image();
      image.onload = () => {
        pictures.set(name, image);
        arrived();
        resolve();
      };
      image.onerror = () => resolve(); // a missing picture leaves its place empty
      image.src = here(name);
    });
  }

  // The faces FROM to TO (of FACES, in order).
  function loadFaces(from, to) {
    return Promise.all(Object.entries(FACES).slice(from, to).map(([family, file]) => {
      const face = new FontFace(family, `url(${here(`fonts/${file}`)})`, {
        weight: family.includes('bold') ? 'bold' : 'normal',
        style: family.includes('italic') ? 'italic' : 'normal',
      });
      document.fonts.add(face);
      return face.load().catch(() => console.error(`ruvantia: the face ${family} did not load`));
    }));
  }

  // The hooks the tests read the show through, when asked for.
  function hooks() {
    const lines = (which, from = 0) => {
      const out = [];
      const n = core._ruvantia_count(which);
      for (let i = Math.max(0, from); i < n; i++) out.push(core.UTF8ToString(core._ruvantia_line(which, i)));
      return out;
    };
    window.ruvantia = Object.freeze({
      trace: (from) => lines(0, from),
      inputs: () => lines(1),
      lateness: () => lines(0).map((_, i) => core._ruvantia_lateness(i)),
      ended: () => core._ruvantia_ended() === 1,
      recording: () => core.UTF8ToString(core._ruvantia_recording()),
      questions: () => core.UTF8ToString(core._ruvantia_questions()),
      // Where the show's clock stands against the page's (performance.now()).
      offset: () => performance.now() - core._ruvantia_now(),
      rect(name) {
        const m = /^(Form\d)\.(\w+)(?:\((\d+)\))?$/.exec(String(name));
        if (!m) return null;
        const r = core.UTF8ToString(core.ccall('ruvantia_rect', 'number', ['string', 'string', 'number'],
          [m[1], m[2], m[3] === undefined ? -1 : Number(m[3])]));
        if (!r) return null;
        const [x, y, width, height] = r.split(',').map(Number);
        return {x, y, width, height};
      },
    });
  }

  // The program compile.js began compiling, when it did; else the loader fetches and compiles it.
  const instantiateWasm = window.ruvantiaProgram && ((imports, receive) => {
    window.ruvantiaProgram.then((program) => WebAssembly.instantiate(program, imports)
      .then((instance) => receive(instance, program)))
      .catch((e) => say('la pagina non è partita: ' + e));
    return {};
  });

  async function main() {
    // The site's index.html from a disk cannot fetch its program; the one file can.
    if (location.protocol === 'file:' && !FILES) {
      say('la pagina non parte da un file: apri ruvantia.html, che funziona anche senza rete');
      return;
    }
    // The one file has no editor nor itself beside it.
    if (FILES) for (const a of document.querySelectorAll('a[href="editor.html"], a[href="ruvantia.html"]')) a.hidden = true;
    // The first window's faces come while the program compiles, its pictures as soon as the
    // program says which; the rest once it is on screen, long before the player can reach them.
    const fonts = loadFaces(0, FIRST_FACES);
    core = await createShow({page, instantiateWasm});
    maxPack = core._ruvantia_max_pack() + 1;
    const [first, later] = core.UTF8ToString(core._ruvantia_pictures()).split('|')
      .map((list) => list.split(' ').filter(Boolean));
    [...first, ...later].forEach((name) => known.add(name));
    const firstPictures = first.map(loadPicture);
    if (HOOKS) hooks();
    await Promise.all([fonts, ...firstPictures]);
    // The three ways a pack comes in (the address, a link, a drop) all end in takePack; a bad pack
    // opens no window.
    const name = params.get('domande');
    if (name !== null && !(await packFromAddress(name))) return;
    // After the #: domande=… (a pack), puntata=… (a recording), or both, the recording's pack first.
    const fragment = new URLSearchParams(location.hash.slice(1));
    const linked = fragment.get('domande');
    const recorded = fragment.get('puntata');
    if (linked !== null && !(await packFromLink(linked))) return;
    if (recorded !== null && !/^[A-Za-z0-9_-]+$/.test(recorded)) {
      say('la puntata: il collegamento è rovinato: copialo di nuovo per intero');
      return;
    }
    if (recorded !== null) {
      if (!(await replay(recorded))) return; // a recording that cannot be played opens no window
    } else {
      acceptDrops();
      start();
    }
    later.forEach(loadPicture);
    loadFaces(FIRST_FACES).then(arrived);
    addEventListener('keydown', onKey);
    // The focus ring shows while the player uses the keyboard, never for the pointer.
    addEventListener('keydown', () => studio.classList.add('keys'), true);
    addEventListener('pointerdown', () => studio.classList.remove('keys'), true);
    addEventListener('resize', () => {
      core._ruvantia_resize(innerWidth, innerHeight, devicePixelRatio || 1, BAR);
      wake();
    });
    // A tab the browser held back goes on from now, without a burst of missed steps.
    document.addEventListener('visibilitychange', () => {
      if (document.visibilityState === 'visible') {
        core._ruvantia_resume();
        wake();
      }
    });
  }

  // After one visit the page plays with the network off: sw.js keeps the site's files. A page
  // opened from a file, or from an address that is not secure, simply plays online.
  // A link pasted over the page's own address differs only after its #: a pack or a recording
  // that comes that way starts afresh.
  addEventListener('hashchange', () => {
    if (/^#(domande|puntata)=/.test(location.hash) && location.href !== loadedAt) location.reload();
  });
  addEventListener('load', () => {
    if ('serviceWorker' in navigator && isSecureContext) navigator.serviceWorker.register('sw.js').catch(() => {});
  });
  main().catch((e) => say('la pagina non è partita: ' + e));
})();
