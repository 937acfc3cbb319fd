// The pack editor: the player's questions as rows, checked at every keystroke by the show's own
// reader and fit check (show.wasm, the same C++ as the desktop's --check), each question drawn on
// the board by the show's own paint walk. A pack comes from a file, from the game's own questions
// or from a shared link; it leaves as the .tsv the game reads, as a show in this tab, or as a link
// whose fragment holds it deflated (#domande=…, never sent to a server). The draft alone is kept
// in this browser's storage.
'use strict';

(() => {
  const DRAFT = 'ruvantia-bozza';
  const LONGEST_LINK = 32000; // some chat programs cut links longer than this
  const HEADING = 'livello\tdomanda\tgiusta\tsbagliata 1\tsbagliata 2\tsbagliata 3';
  const NAMES = ['Livello', 'Domanda', 'Risposta giusta', 'Sbagliata 1', 'Sbagliata 2', 'Sbagliata 3'];
  const $ = (id) => document.getElementById(id);
  // What the show's script (in show.js) lends the editor: its drawing, faces, links and sheets.
  const tools = () => window.ruvantiaTools;
  const righe = $('righe');
  const stato = $('stato');
  const filtro = $('filtro');
  let core = null;
  let maxPack = 0;
  // The pack as its file's lines, in order: a question ({id, fields}) or a line kept as it is
  // ({kept}: the column names, a comment, a blank line). Line N of the .tsv is entries[N - 1].
  let entries = [];
  let nextId = 1;
  let shown = null; // the question on the board below
  const rows = new Map(); // id -> {tr, inputs, notes, list, messages, extra}

  const question = (fields) => ({ id: nextId++, fields: [...fields, '', '', '', '', '', ''].slice(0, Math.max(6, fields.length)) });
  const tsv = () => entries.map((e) => e.kept ?? e.fields.join('\t')).join('\n') + '\n';
  const questions = () => entries.filter((e) => e.fields);
  const levelOf = (e) => (/^\s*(\d{1,2})\s*$/.exec(e.fields[0]) ? Number(e.fields[0]) : 0);

  function say(text) {
    stato.textContent = text;
  }

  // Bytes into the program's memory for the length of CALL.
  function withBytes(bytes, call) {
    const at = core._malloc(bytes.length + 1);
    core.HEAPU8.set(bytes, at);
    try {
      return call(at, bytes.length);
    } finally {
      core._free(at);
    }
  }

  // ---- Opening ----

  // A file's bytes as the show's reader cuts them, into the editor's lines; false, with the
  // reason said, when the file cannot be read as a pack at all.
  async function openBytes(bytes, name) {
    const read = () => withBytes(bytes.subarray(0, maxPack), (at, n) =>
      core.UTF8ToString(core.ccall('ruvantia_open', 'number', ['number', 'number', 'string'], [at, n, name])));
    let json = read();
    if (!json) {
      try {
        await tools().loadSheetReader();
      } catch {
        say(`${name}: il lettore dei fogli di calcolo non si è caricato: ricarica la pagina e riprova`);
        return false;
      }
      json = read();
    }
    const file = JSON.parse(json);
    if (!file.rows.length) {
      say(file.problems.map(([line, what]) => `${name}${line ? `:${line}` : ''}: ${what}`).join('\n'));
      return false;
    }
    const byLine = new Map(file.rows.map(([line, , ...fields]) => [line, fields.map((f) => f.replace(/[\t\r\n]+/g, ' '))]));
    const out = [];
    const asLine = (line, fields) => {
      if (line === file.heading) return { kept: fields.join('\t') };
      if (fields.every((f) => !f) || fields[0].startsWith('#')) return { kept: fields.join('\t').replace(/\t+$/, '') };
      return question(fields);
    };
    if (file.text) {
      // A text file line by line, its comments and blank lines kept as they are.
      const lines = file.text.split('\n');
      if (lines.at(-1) === '') lines.pop();
      lines.forEach((text, i) => {
        const fields = byLine.get(i + 1);
        out.push(fields ? asLine(i + 1, fields) : { kept: text.replace(/\r$/, '') });
      });
    } else {
      // A sheet's rows, under the column names.
      if (!file.heading) out.push({ kept: HEADING });
      for (const [line, fields] of byLine) out.push(asLine(line, fields));
    }
    entries = out;
    shown = null;
    filtro.value = '';
    render();
    say(`Aperto: ${name}, ${questions().length} domande.`);
    return true;
  }

  async function openLink(hash) {
    try {
      const code = hash.slice('#domande='.length);
      if (!/^[A-Za-z0-9_-]+$/.test(code)) throw new Error('not base64url');
      return await openBytes(await tools().unpack(code, maxPack), 'collegamento');
    } catch {
      say('collegamento: il collegamento è rovinato o incompleto: copialo di nuovo per intero');
      return false;
    }
  }

  // ---- The rows ----

  function render() {
    const level = Number(filtro.value);
    rows.clear();
    const kids = [];
    let n = 0;
    for (const e of entries) {
      if (!e.fields) continue;
      n++;
      if (level && levelOf(e) !== level) continue;
      kids.push(...rowOf(e, n));
    }
    righe.replaceChildren(...kids);
    check();
  }

  function rowOf(e, n) {
    const tr = document.createElement('tr');
    const number = document.createElement('th');
    number.scope = 'row';
    number.textContent = String(n);
    tr.append(number);
    const inputs = [];
    const notes = [];
    const messages = document.createElement('tr');
    messages.className = 'messaggi';
    messages.hidden = true;
    const cell = document.createElement('td');
    cell.colSpan = 8;
    const list = document.createElement('ul');
    list.id = `m${e.id}`;
    const extra = document.createElement('button');
    extra.type = 'button';
    extra.textContent = 'TOGLI I CAMPI IN PIÙ';
    extra.hidden = true;
    extra.addEventListener('click', () => {
      e.fields.length = 6;
      render();
    });
    cell.append(list, extra);
    messages.append(cell);
    NAMES.forEach((name, k) => {
      const td = document.createElement('td');
      const input = document.createElement('input');
      input.type = 'text';
      input.value = e.fields[k];
      input.className = k ? 'testo' : 'livello';
      if (!k) input.inputMode = 'numeric';
      input.setAttribute('aria-label', `${name}, domanda ${n}`);
      input.setAttribute('aria-describedby', `${list.id} t${e.id}-${k}`);
      input.addEventListener('input', () => {
        e.fields[k] = input.value.replace(/[\t\r\n]+/g, ' ');
        check();
        if (shown === e) previewSoon();
      });
      input.addEventListener('focus', () => {
        if (shown !== e) {
          shown = e;
          preview();
        }
      });
      const note = document.createElement('span');
      note.className = 'troppo';
      note.id = `t${e.id}-${k}`;
      td.append(input, note);
      tr.append(td);
      inputs.push(input);
      notes.push(note);
    });
    const actions = document.createElement('td');
    actions.className = 'azioni';
    for (const [label, what, act] of [['↑', 'Sposta su', () => move(e, -1)], ['↓', 'Sposta giù', () => move(e, 1)],
      ['×', 'Togli', () => remove(e)]]) {
      const b = document.createElement('button');
      b.type = 'button';
      b.textContent = label;
      b.setAttribute('aria-label', `${what} la domanda ${n}`);
      b.addEventListener('click', act);
      actions.append(b);
    }
    tr.append(actions);
    rows.set(e.id, { tr, inputs, notes, list, messages, extra, said: '' });
    return [tr, messages];
  }

  // A question moves past the next question up or down, the lines between them with it.
  function move(e, step) {
    const i = entries.indexOf(e);
    let j = i + step;
    while (j >= 0 && j < entries.length && !entries[j].fields) j += step;
    if (j < 0 || j >= entries.length) return;
    [entries[i], entries[j]] = [entries[j], entries[i]];
    render();
    rows.get(e.id)?.tr.querySelector(`button[aria-label^="${step < 0 ? 'Sposta su' : 'Sposta giù'}"]`)?.focus();
  }

  function remove(e) {
    const at = entries.indexOf(e);
    entries.splice(at, 1);
    if (shown === e) shown = null;
    render();
    say('Domanda tolta.');
    const next = entries.slice(at).find((x) => x.fields && rows.has(x.id)) ?? [...entries].reverse().find((x) => x.fields && rows.has(x.id));
    (next ? rows.get(next.id).inputs[1] : $('aggiungi')).focus();
  }

  function add() {
    const level = filtro.value || (questions().at(-1) ? levelOf(questions().at(-1)) || '' : '1');
    const e = question([String(level)]);
    if (!entries.length) entries.push({ kept: HEADING });
    entries.push(e);
    render();
    rows.get(e.id).inputs[1].focus();
  }

  // ---- The checks, as the game makes them ----

  let saving = 0;
  function check() {
    const text = new TextEncoder().encode(tsv());
    const result = JSON.parse(withBytes(text, (at, n) => core.UTF8ToString(core._ruvantia_check(at, n))));
    // A row's problems go under it; the file's own, and those of rows the filter hides, on top.
    const said = new Map();
    const whole = [];
    for (const [line, what] of result.problems) {
      const e = entries[line - 1];
      if (e?.fields && rows.has(e.id)) said.set(line, [...(said.get(line) ?? []), what]);
      else whole.push(line ? `riga ${line}: ${what}` : what);
    }
    const over = new Map(result.over.map(([line, field, n]) => [`${line} ${field}`, n]));
    entries.forEach((e, i) => {
      const row = e.fields && rows.get(e.id);
      if (!row) return;
      const lines = said.get(i + 1) ?? [];
      const key = lines.join('\n');
      if (key !== row.said) {
        row.said = key;
        row.list.replaceChildren(...lines.map((what) => {
          const li = document.createElement('li');
          li.textContent = `riga ${i + 1}: ${what}`;
          return li;
        }));
        row.messages.hidden = !lines.length;
        row.tr.classList.toggle('guasta', lines.length > 0);
        row.inputs.forEach((input) => input.setAttribute('aria-invalid', String(lines.length > 0)));
      }
      row.extra.hidden = e.fields.length <= 6;
      row.notes.forEach((note, k) => {
        const n = over.get(`${i + 1} ${k}`);
        const text = n ? `troppo lunga: togli ${n} ${n === 1 ? 'carattere' : 'caratteri'}` : '';
        if (note.textContent !== text) note.textContent = text;
      });
    });
    const general = $('generali');
    if (general.dataset.said !== whole.join('\n')) {
      general.dataset.said = whole.join('\n');
      general.replaceChildren(...whole.map((what) => {
        const li = document.createElement('li');
        li.textContent = what;
        return li;
      }));
    }
    const problems = result.problems.length;
    document.body.dataset.problemi = String(problems);
    counts();
    performance.mark('ruvantia-checked');
    clearTimeout(saving);
    saving = setTimeout(() => {
      try {
        localStorage.setItem(DRAFT, tsv());
      } catch {
        say('Il browser non tiene la bozza: scarica il pacchetto con SCARICA per non perderlo.');
      }
    }, 300);
    return problems;
  }

  // How many questions each level has, and which levels still have none.
  function counts() {
    const per = Array(16).fill(0);
    for (const e of questions()) per[levelOf(e) <= 15 ? levelOf(e) : 0]++;
    const items = [];
    for (let level = 1; level <= 15; level++) {
      const li = document.createElement('li');
      li.textContent = `${level}: ${per[level]}`;
      if (!per[level]) li.className = 'vuoto';
      items.push(li);
    }
    const list = $('livelli');
    const key = per.join(' ');
    if (list.dataset.said !== key) {
      list.dataset.said = key;
      list.replaceChildren(...items);
      const missing = per.map((n, level) => (level && !n ? level : 0)).filter(Boolean);
      $('mancano').textContent = !missing.length ? `Ogni livello ha le sue domande: ${questions().length} in tutto.`
        : missing.length === 1 ? `Manca ancora il livello ${missing[0]}.`
          : `Mancano ancora i livelli ${missing.slice(0, -1).join(', ')} e ${missing.at(-1)}.`;
    }
  }

  // ---- The board ----

  const board = document.createElement('canvas');
  const canvas = $('anteprima');
  let boardCtx = null;
  const page = {
    begin() {
      boardCtx = board.getContext('2d', { alpha: false });
      boardCtx.save();
      boardCtx.save();
    },
    end() {
      boardCtx.restore();
      boardCtx.restore();
    },
    clip: (...a) => tools().draw.clip(boardCtx, ...a),
    fill: (...a) => tools().draw.fill(boardCtx, ...a),
    text: (...a) => tools().draw.text(boardCtx, ...a),
    line: (...a) => tools().draw.line(boardCtx, ...a),
    picture() {}, // the lower part of the board has none
  };

  // Typing redraws the board once a frame, not once a key.
  let drawing = 0;
  function previewSoon() {
    drawing ||= requestAnimationFrame(() => {
      drawing = 0;
      preview();
    });
  }

  function preview() {
    const e = shown ?? questions()[0];
    if (!core || !e) return;
    const density = devicePixelRatio || 1;
    const css = Math.min(640, canvas.parentElement.clientWidth || 640);
    const width = Math.round(css * density);
    board.width = width;
    board.height = Math.ceil((width * 10965) / 12345);
    const [, q, a, b, c, d] = e.fields;
    const [x, y, w, h] = core.UTF8ToString(core.ccall('ruvantia_preview', 'number',
      ['string', 'string', 'string', 'string', 'string', 'number'], [q, a, b, c, d, width])).split(',').map(Number);
    canvas.width = w;
    canvas.height = h;
    canvas.style.width = `${w / density}px`;
    canvas.getContext('2d').drawImage(board, x, y, w, h, 0, 0, w, h);
    const n = questions().indexOf(e) + 1;
    canvas.setAttribute('aria-label', `La domanda ${n} sul tabellone: ${q}; A: ${a}; B: ${b}; C: ${c}; D: ${d}`);
    $('quale').textContent = `La domanda ${n}, come il gioco la mostra (la risposta giusta qui è la A).`;
  }

  // ---- Leaving ----

  function download() {
    const a = document.createElement('a');
    a.href = URL.createObjectURL(new Blob([tsv()], { type: 'text/tab-separated-values' }));
    a.download = 'domande.tsv';
    document.body.append(a);
    a.click();
    a.remove();
    setTimeout(() => URL.revokeObjectURL(a.href), 1000);
  }

  const gameAddress = () => new URL('./', location.href).href;

  async function share() {
    const link = `${gameAddress()}#domande=${await tools().pack(tsv())}`;
    const box = $('condivisione');
    if (link.length > LONGEST_LINK) {
      box.hidden = true;
      say(`Il collegamento sarebbe lungo ${link.length} caratteri: troppi, alcuni programmi di chat lo taglierebbero. `
        + 'Scarica il pacchetto con SCARICA e manda il file.');
      return;
    }
    $('collegamento').value = link;
    box.hidden = false;
    say(`Il collegamento è lungo ${link.length} caratteri. Chi lo apre gioca queste domande: il pacchetto sta tutto nel collegamento e non passa da nessun server.`);
    $('collegamento').select();
  }

  async function main() {
    if (location.protocol === 'file:') {
      say('l\'editor non parte da un file: apri ruvantia.html, che funziona anche senza rete, o questa pagina dal sito');
      return;
    }
    core = await createShow({ page });
    maxPack = core._ruvantia_max_pack() + 1;
    tools().faces().then(preview);
    for (let level = 1; level <= 15; level++) filtro.append(new Option(`livello ${level}`, String(level)));
    const draft = localStorage.getItem(DRAFT);
    if (location.hash.startsWith('#domande=') && (await openLink(location.hash))) {
      history.replaceState(null, '', location.pathname + location.search);
    } else if (draft && (await openBytes(new TextEncoder().encode(draft), 'bozza'))) {
      say('Ripresa la bozza che stavi scrivendo.');
    } else {
      entries = [{ kept: HEADING }, question(['1'])];
      render();
    }
    preview();
    $('file').addEventListener('change', async (ev) => {
      const file = ev.target.files[0];
      if (file) await openBytes(new Uint8Array(await file.slice(0, maxPack).arrayBuffer()), file.name);
      ev.target.value = '';
    });
    addEventListener('dragover', (ev) => ev.preventDefault());
    addEventListener('drop', async (ev) => {
      ev.preventDefault();
      const file = ev.dataTransfer?.files[0];
      if (file) await openBytes(new Uint8Array(await file.slice(0, maxPack).arrayBuffer()), file.name);
    });
    addEventListener('hashchange', () => {
      if (location.hash.startsWith('#domande=')) openLink(location.hash);
    });
    $('base').addEventListener('click', () => openBytes(
      new TextEncoder().encode(core.UTF8ToString(core._ruvantia_built_in())), 'domande del gioco'));
    $('nuovo').addEventListener('click', () => {
      $('conferma').hidden = false;
      $('no').focus();
    });
    $('no').addEventListener('click', () => {
      $('conferma').hidden = true;
      $('nuovo').focus();
    });
    $('si').addEventListener('click', () => {
      $('conferma').hidden = true;
      localStorage.removeItem(DRAFT);
      entries = [{ kept: HEADING }, question(['1'])];
      shown = null;
      filtro.value = '';
      render();
      preview();
      say('Nuovo pacchetto: scrivi la prima domanda.');
      rows.get(entries[1].id).inputs[1].focus();
    });
    $('apri').addEventListener('click', () => {
      const at = $('incolla').value.indexOf('#domande=');
      if (at < 0) say('collegamento: incolla un collegamento fatto con CONDIVIDI (contiene #domande=)');
      else openLink($('incolla').value.slice(at));
    });
    $('scarica').addEventListener('click', download);
    $('gioca').addEventListener('click', async () => {
      location.href = `${gameAddress()}#domande=${await tools().pack(tsv())}`;
    });
    $('condividi').addEventListener('click', share);
    $('copia').addEventListener('click', async () => {
      try {
        await navigator.clipboard.writeText($('collegamento').value);
        say('Collegamento copiato.');
      } catch {
        $('collegamento').select();
        say('Copia il collegamento selezionato con Ctrl+C.');
      }
    });
    filtro.addEventListener('change', render);
    $('aggiungi').addEventListener('click', add);
    addEventListener('resize', preview);
    if ('serviceWorker' in navigator && isSecureContext) navigator.serviceWorker.register('sw.js').catch(() => {});
    document.body.dataset.pronto = '1';
  }

  main().catch((e) => say(`l'editor non è partito: ${e}`));
})();
