'use strict';
// The page's side of the converter: a view of the session that the core
// holds (WebAssembly, the same C++ as the window and qvrtomorvane-cli). What
// the user holds, which buttons are on, and every text the panes, the path
// and the status show come from it; this script only passes the user's
// steps in and puts what a step changed into the page.
(() => {
  // What a step changed (CodeSession::Change).
  const UpperPane = 1;
  const PathLabel = 2;
  const LowerPane = 4;
  const Controls = 8;
  // qvr_state: the controls that are on, and what the upper pane shows.
  const ConvertOn = 1;
  const SaveOn = 2;
  const CopyOn = 4;
  const DetailsOn = 8;
  const upperOf = (state) => state >> 4;
  const UpperCode = 1;
  const UpperUnreadable = 3;
  // qvr_text
  const Text = { upper: 0, placeholder: 1, path: 2, shownConversion: 3, saveName: 4, summary: 5, details: 6,
    clipboardName: 7, upperPreview: 8, lowerPreview: 9, upperNote: 10, lowerNote: 11 };

  const $ = (id) => document.getElementById(id);
  const ui = {
    load: $('loadPushButton'),
    paste: $('pastePushButton'),
    file: $('fileInput'),
    path: $('loadPathLabel'),
    qvr: $('qvrCodeTextEdit'),
    qvrNote: $('qvrCodeNote'),
    convert: $('convertPushButton'),
    morvane: $('morvaneCodeTextEdit'),
    morvaneNote: $('morvaneCodeNote'),
    save: $('savePushButton'),
    copy: $('copyPushButton'),
    clear: $('clearPushButton'),
    statusbar: $('statusbar'),
    summary: $('conversionSummaryLabel'),
    message: $('statusMessage'),
    details: $('conversionDetails'),
    detailsText: $('detailsText'),
  };

  let core = null;
  const decoder = new TextDecoder();
  const encoder = new TextEncoder();
  // The module is compiled at once (an asynchronous start would first try
  // to fetch its own data address, which the page's policy forbids).
  const created = createQvrToMorvane();
  const ready = Promise.resolve(created.ready || created).then((module) => {
    core = module;
    document.body.dataset.ready = 'true';
  });

  // One of the session's texts, as bytes in the module's memory: where it
  // lies and its size come from one call, and the memory is read right
  // after it, so nothing can have moved it. Valid until the next call.
  function bytes(which) {
    const at = core._qvr_text(Text[which]) >> 2;
    const start = core.HEAPU32[at];
    return core.HEAPU8.subarray(start, start + core.HEAPU32[at + 1]);
  }
  const text = (which) => decoder.decode(bytes(which));

  // A text area lays its text out whole, which takes seconds for megabytes:
  // a pane shows the start of a long code and says so. Save and Copy
  // always take the whole code.
  function showCode(pane, note, which) {
    pane.value = text(`${which}Preview`);
    note.textContent = text(`${which}Note`);
    note.hidden = !note.textContent;
  }

  // Puts into the page what a step of the session changed.
  function show(changes) {
    if (changes & UpperPane) {
      ui.qvr.placeholder = text('placeholder');
      showCode(ui.qvr, ui.qvrNote, 'upper');
    }
    if (changes & PathLabel)
      ui.path.textContent = text('path');
    if (changes & LowerPane) {
      showCode(ui.morvane, ui.morvaneNote, 'lower');
      ui.details.open = false;
      ui.detailsText.textContent = '';
    }
    if (changes & Controls) {
      const state = core._qvr_state();
      ui.convert.disabled = !(state & ConvertOn);
      ui.save.disabled = !(state & SaveOn);
      ui.copy.disabled = !(state & CopyOn);
      ui.details.hidden = !(state & DetailsOn);
      ui.summary.textContent = text('summary');
      say('');
      // The next step is the primary button: Convert, then Save, else Load.
      const next = !ui.convert.disabled ? ui.convert : !ui.save.disabled ? ui.save : ui.load;
      for (const button of [ui.load, ui.convert, ui.save])
        button.classList.toggle('primary', button === next);
    }
  }

  // What just happened, for everyone and for screen readers (the status is
  // live); a failure looks like one.
  function say(message, failed = false) {
    ui.message.textContent = message;
    ui.message.classList.toggle('error', failed);
  }

  // What a finished load says, in the user's words.
  function sayLoaded(source) {
    const state = core._qvr_state();
    const what = source === text('clipboardName') ? 'The pasted text' : source;
    if (upperOf(state) === UpperCode)
      say(`Loaded ${source === text('clipboardName') ? 'the pasted code' : source}.`);
    else if (upperOf(state) === UpperUnreadable)
      say(`${what} could not be read.`, true);
    else
      say(`${what} is not a QVR code.`, true);
  }

  // Each load, landed or not, is counted, so that a test knows when the
  // page is done with it. A load a later one overtook changes nothing and
  // says nothing.
  function counted(changes, source) {
    show(changes);
    if (changes && source !== undefined)
      sayLoaded(source);
    document.body.dataset.loads = Number(document.body.dataset.loads ?? 0) + 1;
  }

  function put(content) {
    const buffer = core._qvr_buffer(content.length);
    core.HEAPU8.set(content, buffer);
    return buffer;
  }

  // Takes a ticket before anything is read: when loads overlap, the one
  // started last wins, whichever finishes last.
  function handOver(ticket, content, name) {
    const code = put(content);
    const source = encoder.encode(name);
    return core._qvr_load(ticket, code, content.length, put(source), source.length);
  }

  const megabytes = (size) => `${(size / 2 ** 20).toLocaleString('en', { maximumFractionDigits: 1 })} MB`;

  // A file is judged by its first bytes before it is read whole, so a video
  // dropped by mistake costs nothing, and one too large for the page is
  // refused with both sizes, before it is read at all.
  async function loadFile(file) {
    await ready;
    const ticket = core._qvr_start_load();
    let content;
    try {
      const head = new Uint8Array(await file.slice(0, 4096).arrayBuffer());
      if (!core._qvr_may_begin_code(put(head), head.length)) {
        counted(core._qvr_refuse_code(ticket), file.name);
        return;
      }
      if (file.size > core._qvr_largest_code()) {
        const changes = core._qvr_refuse_unreadable(ticket);
        counted(changes);
        if (changes) {
          say(`${file.name} holds ${megabytes(file.size)}; this page converts codes of up to `
            + `${megabytes(core._qvr_largest_code())}.`, true);
        }
        return;
      }
      content = new Uint8Array(await file.arrayBuffer());
    } catch {
      counted(core._qvr_refuse_unreadable(ticket), file.name);
      return;
    }
    counted(handOver(ticket, content, file.name), file.name);
  }

  // Pasted text loads as a file's text: the session reads it as one.
  async function loadText(pasted) {
    await ready;
    counted(handOver(core._qvr_start_load(), encoder.encode(pasted), text('clipboardName')), text('clipboardName'));
  }

  // Where the clipboard may not be read, says how to paste instead.
  async function pasteFromClipboard() {
    let pasted;
    try {
      pasted = await navigator.clipboard.readText();
    } catch {
      say('This browser does not let the page read the clipboard: press Ctrl+V, or on a phone long-press '
        + 'the box above the convert button and choose Paste.', true);
      return;
    }
    if (!pasted)
      say('The clipboard holds no text to paste.', true);
    else
      loadText(pasted);
  }

  // The result takes the focus (Convert, which had it, turns itself off),
  // and a narrow screen brings Save, Copy and the status into view.
  function convert() {
    show(core._qvr_convert());
    ui.morvane.disabled = false;
    // In a task of its own: placing the focus lays the page out, which the
    // browser does anyway once this task has ended.
    setTimeout(() => {
      ui.morvane.focus({ preventScroll: true });
      if (window.matchMedia('(max-width: 40rem)').matches)
        ui.statusbar.scrollIntoView({ block: 'nearest' });
    });
  }

  // Exactly the bytes qvrtomorvane-cli writes: UTF-8, no byte-order mark,
  // no line end added; named after the code they are the conversion of.
  function save() {
    const url = URL.createObjectURL(new Blob([bytes('shownConversion').slice()], { type: 'text/plain' }));
    const link = document.createElement('a');
    link.href = url;
    link.download = text('saveName');
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(url), 60000);
  }

  // Says whether the copy took; the fallback's text area stays out of
  // sight and out of the page's flow, so nothing scrolls.
  async function copy() {
    const converted = text('shownConversion');
    let copied = true;
    try {
      await navigator.clipboard.writeText(converted);
    } catch {
      const area = document.createElement('textarea');
      area.value = converted;
      area.style.cssText = 'position: fixed; top: 0; left: 0; width: 1px; height: 1px; opacity: 0';
      document.body.append(area);
      area.select();
      copied = document.execCommand('copy');
      area.remove();
      ui.copy.focus({ preventScroll: true });
    }
    if (copied)
      say('Morvane code copied.');
    else
      say('The browser refused to copy: select the code in the lower box and copy it.', true);
  }

  async function clear() {
    await ready;
    show(core._qvr_clear());
  }

  ui.load.addEventListener('click', () => ui.file.click());
  ui.paste.addEventListener('click', pasteFromClipboard);
  // The upper box takes a paste (a long press on a phone offers it) and
  // nothing else: no typing, no dropped text.
  ui.qvr.addEventListener('beforeinput', (event) => event.preventDefault());
  ui.file.addEventListener('change', () => {
    if (ui.file.files.length === 1)
      loadFile(ui.file.files[0]);
    ui.file.value = '';
  });
  ui.file.addEventListener('cancel', () => {
    if (core)
      show(core._qvr_cancel());
  });
  ui.convert.addEventListener('click', convert);
  ui.save.addEventListener('click', save);
  ui.copy.addEventListener('click', copy);
  ui.clear.addEventListener('click', clear);
  ui.details.addEventListener('toggle', () => {
    if (ui.details.open && !ui.detailsText.textContent)
      ui.detailsText.textContent = text('details');
  });

  // One file dropped anywhere on the page loads like a chosen one; several
  // are refused, and nothing dropped ever replaces the page.
  document.addEventListener('dragover', (event) => {
    event.preventDefault();
    event.dataTransfer.dropEffect = event.dataTransfer.types.includes('Files') ? 'copy' : 'none';
  });
  document.addEventListener('drop', (event) => {
    event.preventDefault();
    const { files } = event.dataTransfer;
    if (files.length === 1)
      loadFile(files[0]);
    else if (files.length > 1)
      say('Drop one file at a time.', true);
    else
      say('Only a file can be dropped here; to load a code as text, paste it.', true);
  });
  document.addEventListener('paste', (event) => {
    const pasted = event.clipboardData.getData('text/plain');
    if (!pasted)
      return;
    event.preventDefault();
    loadText(pasted);
  });

  // Served from a host, the page can be installed and then opens and
  // converts with no network; opened from disk it asks for nothing at all.
  if (location.protocol === 'https:' || location.protocol === 'http:') {
    const manifest = document.createElement('link');
    manifest.rel = 'manifest';
    manifest.href = 'manifest.webmanifest';
    document.head.append(manifest);
    navigator.serviceWorker?.register('sw.js').catch(() => {});
  }

  // For the tests: the page's own way from a file's bytes to the bytes it
  // saves, through the session as a load and a Convert.
  window.QVRtoMorvane = {
    ready,
    async convertFileBytes(content) {
      await ready;
      counted(handOver(core._qvr_start_load(), content, 'bytes.txt'));
      if (upperOf(core._qvr_state()) !== UpperCode)
        return null;
      convert();
      return bytes('shownConversion').slice();
    },
  };
})();
