'use strict';
// The page's side of the converter: the window's buttons and panes, and
// their states after each step, as the window has them. Reading a file and
// converting a code are the core's alone (WebAssembly, the same C++ as the
// window and qvrtomorvane-cli): nothing is decoded or converted here.
(() => {
  const invalidMessage = 'The file you provided is not a valid QVR file!!';
  // A text area lays its text out whole, which takes seconds for megabytes;
  // past this many bytes a pane shows the start of a code and its size.
  // Save and Copy always take the whole code.
  const previewBytes = 64 * 1024;
  const Converted = 1;
  const SameAsHeld = 2;

  const $ = (id) => document.getElementById(id);
  const ui = {
    load: $('loadPushButton'),
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
    status: $('statusbar'),
    details: $('conversionDetails'),
    detailsText: $('detailsText'),
  };

  let core = null;
  let savedName = 'morvane-code.txt';
  const decoder = new TextDecoder();
  // The module is compiled at once (an asynchronous start would first try
  // to fetch its own data address, which the page's policy forbids).
  const created = createQvrToMorvane();
  const ready = Promise.resolve(created.ready || created).then((module) => {
    core = module;
    document.body.dataset.ready = 'true';
  });

  // A result of the core, as bytes in its memory (valid until its next call).
  function bytes(name) {
    const start = core[`_qvr_${name}_data`]();
    return core.HEAPU8.subarray(start, start + core[`_qvr_${name}_size`]());
  }

  // At most previewBytes, never ending inside a character.
  function previewOf(code) {
    if (code.length <= previewBytes)
      return { text: decoder.decode(code), whole: true };
    let end = previewBytes;
    while (end > 0 && (code[end] & 0xc0) === 0x80)
      end -= 1;
    return { text: decoder.decode(code.subarray(0, end)), whole: false };
  }

  function showCode(pane, note, code) {
    const preview = previewOf(code);
    pane.value = preview.text;
    note.hidden = preview.whole;
    note.textContent = preview.whole ? ''
      : `Showing the first ${Math.round(previewBytes / 1024)} KB of ${code.length.toLocaleString('en')} bytes; `
        + 'Save and Copy give the whole code.';
  }

  function showText(pane, note, text) {
    pane.value = text;
    note.hidden = true;
  }

  // Save, Copy and the details offer the code the lower pane shows, and only
  // while it shows one.
  function setConvertedCodeShown(shown) {
    ui.save.disabled = !shown;
    ui.copy.disabled = !shown;
    ui.details.hidden = !shown;
    ui.details.open = false;
    ui.detailsText.textContent = '';
    ui.status.textContent = shown ? decoder.decode(bytes('summary')) : '';
  }

  function forgetConversion() {
    showText(ui.morvane, ui.morvaneNote, '');
    setConvertedCodeShown(false);
  }

  // Each load, taken or not, is counted, so that a test knows when the page
  // is done with it.
  function counted() {
    document.body.dataset.loads = Number(document.body.dataset.loads ?? 0) + 1;
  }

  function cannotRead() {
    counted();
    ui.qvr.placeholder = invalidMessage;
    showText(ui.qvr, ui.qvrNote, '');
    ui.convert.disabled = true;
  }

  // What a loaded code leads to, as in the window: refused, it leaves the
  // message in the upper pane and the last conversion where it was; new, it
  // empties the lower pane until Convert shows its own conversion.
  function show(result, source) {
    counted();
    if (!(result & Converted)) {
      showText(ui.qvr, ui.qvrNote, invalidMessage);
      ui.convert.disabled = true;
      return;
    }
    if (!(result & SameAsHeld))
      forgetConversion();
    ui.path.textContent = source;
    showCode(ui.qvr, ui.qvrNote, bytes('held'));
    ui.convert.disabled = Boolean(result & SameAsHeld);
  }

  function handOver(load, content) {
    const buffer = core._qvr_buffer(content.length);
    core.HEAPU8.set(content, buffer);
    return load(buffer, content.length);
  }

  async function loadFile(file) {
    await ready;
    let content;
    try {
      content = new Uint8Array(await file.arrayBuffer());
    } catch {
      cannotRead();
      return;
    }
    savedName = `${file.name.replace(/\.[^.]*$/, '') || 'code'}-morvane.txt`;
    show(handOver(core._qvr_load_file, content), file.name);
  }

  // Pasted text is taken as it is, as the window takes the clipboard's.
  async function loadText(text) {
    await ready;
    savedName = 'morvane-code.txt';
    show(handOver(core._qvr_load_text, new TextEncoder().encode(text)), '(clipboard)');
  }

  function convert() {
    showCode(ui.morvane, ui.morvaneNote, bytes('converted'));
    ui.morvane.disabled = false;
    ui.convert.disabled = true;
    setConvertedCodeShown(true);
  }

  // Exactly the bytes qvrtomorvane-cli writes: UTF-8, no byte-order mark,
  // no line end added.
  function save() {
    const url = URL.createObjectURL(new Blob([bytes('converted').slice()], { type: 'text/plain' }));
    const link = document.createElement('a');
    link.href = url;
    link.download = savedName;
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(url), 60000);
  }

  async function copy() {
    const text = decoder.decode(bytes('converted'));
    try {
      await navigator.clipboard.writeText(text);
    } catch {
      const area = document.createElement('textarea');
      area.value = text;
      document.body.append(area);
      area.select();
      document.execCommand('copy');
      area.remove();
      ui.copy.focus();
    }
    ui.status.textContent = 'Morvane code copied.';
  }

  function clear() {
    if (core)
      core._qvr_clear();
    ui.qvr.placeholder = 'QVR Code will be displayed here...';
    showText(ui.qvr, ui.qvrNote, '');
    ui.path.textContent = '';
    forgetConversion();
    ui.convert.disabled = true;
  }

  ui.load.addEventListener('click', () => ui.file.click());
  ui.file.addEventListener('change', () => {
    if (ui.file.files.length === 1)
      loadFile(ui.file.files[0]);
    ui.file.value = '';
  });
  ui.convert.addEventListener('click', convert);
  ui.save.addEventListener('click', save);
  ui.copy.addEventListener('click', copy);
  ui.clear.addEventListener('click', clear);
  ui.details.addEventListener('toggle', () => {
    if (ui.details.open && !ui.detailsText.textContent)
      ui.detailsText.textContent = decoder.decode(bytes('details')) || 'No segment was changed or dropped.';
  });

  // One file dropped anywhere on the page loads like a chosen one; several
  // are refused, and nothing dropped ever replaces the page.
  document.addEventListener('dragover', (event) => {
    event.preventDefault();
    event.dataTransfer.dropEffect = event.dataTransfer.types.includes('Files') ? 'copy' : 'none';
  });
  document.addEventListener('drop', (event) => {
    event.preventDefault();
    if (event.dataTransfer.files.length === 1)
      loadFile(event.dataTransfer.files[0]);
  });
  document.addEventListener('paste', (event) => {
    const text = event.clipboardData.getData('text/plain');
    if (!text)
      return;
    event.preventDefault();
    loadText(text);
  });

  // For the tests: the page's own way from a file's bytes to the bytes it
  // saves.
  window.QVRtoMorvane = {
    ready,
    async convertFileBytes(content) {
      await ready;
      if (!(handOver(core._qvr_load_file, content) & Converted))
        return null;
      return bytes('converted').slice();
    },
  };
})();
