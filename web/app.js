'use strict';
// The page's side of the converter: a view of the session that the core
// holds (WebAssembly, the same C++ as the window and qvrtomorvane-cli). What
// the user holds, which buttons are on, and every text the panes, the path
// and the status show come from it; this script only passes the user's
// steps in and puts what a step changed into the page.
(() => {
  const $ = (id) => document.getElementById(id);
  // The session's worker (sessionworker.js behind the core's module, carried
  // in the page as a script that is not run here) starts before anything
  // else: its thread and module take longer than the rest of this script.
  const worker = new Worker(URL.createObjectURL(new Blob([$('sessionSource').textContent], { type: 'text/javascript' })));
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
    share: $('sharePushButton'),
    clear: $('clearPushButton'),
    statusbar: $('statusbar'),
    summary: $('conversionSummaryLabel'),
    message: $('statusMessage'),
    details: $('conversionDetails'),
    detailsLegend: $('detailsLegend'),
    detailsCode: $('detailsCode'),
    detailsConversion: $('detailsConversion'),
    detailsList: $('detailsList'),
    detailsNote: $('detailsNote'),
    batchFiles: $('batchFilesButton'),
    batchFolder: $('batchFolderButton'),
    batchFilesInput: $('batchFilesInput'),
    batchFolderInput: $('batchFolderInput'),
    batchRun: $('batchRun'),
    batchProgress: $('batchProgress'),
    batchStatus: $('batchStatus'),
    batchList: $('batchList'),
    batchSave: $('batchSaveButton'),
    batchStop: $('batchStopButton'),
    languageMenu: $('languageMenu'),
  };

  const encoder = new TextEncoder();

  // The user's language: the one chosen in the page's menu (the browser
  // keeps it), else the first of the browser's languages the catalogues
  // have, else English. Every word the page shows goes through it: the
  // page's own (marked data-tr in the page, qsTranslate here) and the
  // core's (what it says comes as words to translate).
  // Each catalogue is a script of its own, read only when its language is
  // shown: a page in English parses none but English's small one.
  const catalogueScripts = [...document.querySelectorAll('script[data-catalogue]')];
  const codes = catalogueScripts.map((script) => script.dataset.catalogue);
  // Every language in the menu, which holds English alone until the
  // converter has started (or failed to): laying out the other names looks
  // up fonts for Han, Hangul and Cyrillic, which holds a cheap phone's page
  // for a tenth of a second, and both the first frame and the worker's start
  // wait on the page's thread.
  function fillLanguageMenu() {
    if (ui.languageMenu.options.length === codes.length)
      return;
    const chosen = ui.languageMenu.value;
    ui.languageMenu.replaceChildren(...catalogueScripts.map(({ dataset }) => new Option(dataset.name, dataset.catalogue)));
    ui.languageMenu.value = chosen;
  }
  const catalogueOf = (code) => JSON.parse($(`catalogue-${codes.includes(code) ? code : codes[0]}`).textContent);
  let translation = Translation.make();
  const qsTranslate = (context, source, disambiguation, count) =>
    translation.tr(context, source, disambiguation, count);
  const storedLanguage = () => {
    try {
      return localStorage.getItem('qvrtomorvane-language');
    } catch {
      return null; // a browser that keeps nothing for a page from disk
    }
  };
  // "pt-BR" is pt_BR, "zh-Hans-CN" and "zh" zh_CN, "ja-JP" ja; "pt" is
  // Brazil's, as the likeliest; Chinese written in traditional characters
  // (Hant, or Taiwan's, Hong Kong's or Macao's) has no catalogue; a tag a
  // browser gives that names no language ("C", WebKitGTK's) is passed by.
  // Read by hand: Intl.Locale would say the same, but loading its data
  // held a cheap phone's first paint by a tenth of a second.
  const likelyRegions = { pt: 'BR', zh: 'CN' };
  function catalogueFor(tag) {
    const [language, ...rest] = tag.toLowerCase().split(/[-_]/);
    if (!/^[a-z]{2,3}$/.test(language))
      return null;
    const script = rest.find((subtag) => subtag === 'hans' || subtag === 'hant'); // only Chinese's matters
    const region = rest.find((subtag) => /^([a-z]{2}|\d{3})$/.test(subtag))?.toUpperCase() ?? likelyRegions[language];
    const wanted = language !== 'zh' ? [`${language}_${region}`, language]
      : script === 'hans' || (!script && !['TW', 'HK', 'MO'].includes(region)) ? ['zh_CN'] : [];
    return wanted.find((code) => codes.includes(code)) ?? null;
  }
  function chooseLanguage() {
    const stored = storedLanguage();
    return codes.includes(stored) ? stored : navigator.languages.map(catalogueFor).find(Boolean) ?? codes[0];
  }
  const normalised = (marked) => marked.replace(/\s+/g, ' ').trim();
  let catalogue = catalogueOf(chooseLanguage());
  function showLanguage() {
    translation = Translation.make(catalogue);
    document.documentElement.lang = catalogue.tag;
    if (catalogue.code !== codes[0])
      fillLanguageMenu();
    ui.languageMenu.value = catalogue.code;
    // Only what differs is set: a text set again, even to the same words, is
    // laid out again, which in English, as the page starts, is all of them.
    for (const element of document.querySelectorAll('[data-tr]')) {
      const shownText = normalised(element.textContent);
      element.dataset.source ??= shownText;
      const text = qsTranslate(element.dataset.tr, element.dataset.source);
      if (shownText !== text)
        element.textContent = text;
    }
    for (const element of document.querySelectorAll('[data-tr-label]')) {
      element.dataset.sourceLabel ??= element.getAttribute('aria-label');
      const label = qsTranslate(element.dataset.trLabel, element.dataset.sourceLabel);
      if (element.getAttribute('aria-label') !== label)
        element.setAttribute('aria-label', label);
    }
    // The panes' first placeholders, the session's words, until a step
    // sets them.
    for (const pane of [ui.qvr, ui.morvane]) {
      pane.dataset.sourcePlaceholder ??= pane.placeholder;
      const placeholder = qsTranslate('QVRtoMorvane', pane.dataset.sourcePlaceholder);
      if (pane.placeholder !== placeholder)
        pane.placeholder = placeholder;
    }
  }
  showLanguage();

  // The session lives in the worker, so that no step on a large code holds
  // the page up. Steps are posted in the order the user takes them and
  // answered in that order.
  const answers = new Map();
  let asked = 0;
  // The session's numbers and words (qvr_constants), from the worker: the
  // page holds no copy of them.
  let session = null;
  const ready = new Promise((resolve) => {
    worker.onmessage = ({ data }) => {
      if (data.ready) {
        session = data.ready;
        worker.postMessage({ id: 0, step: 'language', args: [catalogue] });
        document.body.dataset.readyAt = Math.round(performance.now());
        fillLanguageMenu();
        document.body.dataset.ready = 'true';
        resolve();
        return;
      }
      // The language the worker was told of needs no answer.
      if (!answers.has(data.id))
        return;
      const { resolve: answer, reject } = answers.get(data.id);
      answers.delete(data.id);
      if ('error' in data)
        reject(new Error(data.error));
      else
        answer(data.result);
    };
  });
  // A browser that cannot start it (or a module that cannot compile) is
  // said at once, not left as buttons that do nothing.
  worker.addEventListener('error', () => {
    fillLanguageMenu();
    say(qsTranslate('Page', 'This browser could not start the converter: try another browser.'), true);
  });
  function call(step, args = [], transfer = []) {
    const id = ++asked;
    return new Promise((resolve, reject) => {
      answers.set(id, { resolve, reject });
      worker.postMessage({ id, step, args }, transfer);
    });
  }

  // A user's step, from the click to what it shows. The page counts those
  // under way, so that a test knows when what it sees is final, and each
  // step's time is a user timing ("qvr-convert"), as a browser's tools and
  // the benchmarks read it.
  let underWay = 0;
  async function step(name, action) {
    document.body.dataset.busy = ++underWay;
    const start = performance.now();
    try {
      await ready;
      await action();
    } catch {
      say(qsTranslate('Page', 'The page failed and must be reloaded to convert again.'), true);
    } finally {
      performance.measure(`qvr-${name}`, { start });
      document.body.dataset.busy = --underWay;
    }
  }

  // What the upper pane shows, as the session last said; and every text
  // a step put up, to show again in another language.
  let upper = 0;
  const shown = {};

  // Puts into the page what a step of the session changed (a view of the
  // session, from the worker).
  function show(view) {
    const { changes } = view;
    const { change, control } = session;
    upper = view.upper;
    if (changes & change.UpperPane) {
      Object.assign(shown, { placeholder: view.placeholder, upperNote: view.upperNote });
      // A refusal is words, not a code, and wraps as words.
      ui.qvr.classList.toggle('message', upper === session.upper.RefusedCode);
      ui.qvr.placeholder = qsTranslate('QVRtoMorvane', view.placeholder);
      showCode(ui.qvr, ui.qvrNote, upper === session.upper.RefusedCode
        ? qsTranslate('QVRtoMorvane', session.words.invalidCode) : view.upperPreview, view.upperNote);
    }
    if (changes & change.PathLabel) {
      shown.source = view.source;
      ui.path.textContent = sourceName(view.source);
    }
    if (changes & change.LowerPane) {
      shown.lowerNote = view.lowerNote;
      showCode(ui.morvane, ui.morvaneNote, view.lowerPreview, view.lowerNote);
      shareable = null;
      ui.details.open = false;
      shownDetails = null;
      delete ui.details.dataset.shown;
      for (const part of [ui.detailsLegend, ui.detailsCode, ui.detailsConversion, ui.detailsList, ui.detailsNote])
        part.textContent = '';
    }
    if (changes & change.Controls) {
      ui.convert.disabled = !(view.controls & control.Convert);
      ui.save.disabled = !(view.controls & control.Save);
      ui.copy.disabled = !(view.controls & control.Copy);
      // Only where the browser can share (a phone, mostly); Copy is the way
      // elsewhere.
      ui.share.hidden = !navigator.share;
      ui.share.disabled = ui.copy.disabled || !shareable;
      ui.details.hidden = !(view.controls & control.Details);
      shown.summary = view.summary;
      ui.summary.textContent = translation.said(view.summary);
      // The next step is the primary button: Convert, then Save, else Load.
      const next = !ui.convert.disabled ? ui.convert : !ui.save.disabled ? ui.save : ui.load;
      for (const button of [ui.load, ui.convert, ui.save])
        button.classList.toggle('primary', button === next);
    }
    if (changes & change.Message) {
      Object.assign(shown, { message: view.message, failed: view.failed });
      say(translation.said(view.message), view.failed);
    }
  }

  // The clipboard's and a share's names are words; a file's, its own.
  const sourceName = (source) => ([session.words.clipboardName, session.words.sharedName].includes(source)
    ? qsTranslate('CodeSession', source) : source);

  // A text area lays its text out whole, which takes seconds for megabytes:
  // a pane shows the start of a long code and says so. Save and Copy
  // always take the whole code.
  function showCode(pane, note, preview, about) {
    pane.value = preview;
    note.textContent = translation.said(about);
    note.hidden = !note.textContent;
  }

  // Another language chosen: every word the page shows again in it. The
  // details, made in the worker, are made again when next opened; a
  // message that has gone stays gone.
  function changeLanguage(code) {
    catalogue = catalogueOf(code);
    try {
      localStorage.setItem('qvrtomorvane-language', catalogue.code);
    } catch { /* kept for this visit alone */ }
    showLanguage();
    call('language', [catalogue]);
    if (!session)
      return;
    if (shown.placeholder !== undefined) {
      ui.qvr.placeholder = qsTranslate('QVRtoMorvane', shown.placeholder);
      if (upper === session.upper.RefusedCode)
        ui.qvr.value = qsTranslate('QVRtoMorvane', session.words.invalidCode);
      showCode(ui.qvr, ui.qvrNote, ui.qvr.value, shown.upperNote ?? '');
    }
    if (shown.lowerNote !== undefined)
      showCode(ui.morvane, ui.morvaneNote, ui.morvane.value, shown.lowerNote);
    if (shown.source !== undefined)
      ui.path.textContent = sourceName(shown.source);
    if (shown.summary !== undefined)
      ui.summary.textContent = translation.said(shown.summary);
    if (ui.message.textContent && shown.message)
      ui.message.textContent = translation.said(shown.message);
    for (const row of ui.batchList.children)
      row.lastChild.textContent = row.said ? translation.said(row.said) : qsTranslate('Page', 'waiting');
    if (batchSaid)
      ui.batchStatus.textContent = translation.said(batchSaid);
    ui.details.open = false;
    shownDetails = null;
    delete ui.details.dataset.shown;
  }
  ui.languageMenu.addEventListener('change', () => changeLanguage(ui.languageMenu.value));

  // What the latest step said, for everyone and for screen readers (the
  // status is live), as the window's status bar shows it: a failure looks
  // like one and stays until the next step; anything else goes after a
  // while, and the summary of the conversion shows again.
  let fading = 0;
  function say(message, failed = false) {
    clearTimeout(fading);
    ui.message.textContent = message;
    ui.message.classList.toggle('error', failed);
    ui.summary.hidden = Boolean(message);
    if (message && !failed && session)
      fading = setTimeout(() => say(''), session.numbers.messageMilliseconds);
  }

  // Each load, landed or not, is counted, so that a test knows when the
  // page is done with it. A load a later one overtook changes nothing and
  // says nothing.
  function counted(view) {
    show(view);
    document.body.dataset.loads = Number(document.body.dataset.loads ?? 0) + 1;
  }

  // A step the page carries out itself (a copy, a save, a refused drop or
  // paste) and what the session says of it.
  const tell = async (kind, value) => show(await call('tell', [kind, value]));

  // Hands the bytes over to the session (they move, they are not copied).
  const handOver = (ticket, content, name) => call('load', [ticket, content, name], [content.buffer]);

  // Takes a ticket before anything is read: when loads overlap, the one
  // started last wins, whichever finishes last. A file of a few megabytes
  // is read at once and judged by its first bytes in the worker; a larger
  // one by its first bytes before it is read whole, so a video dropped by
  // mistake costs nothing, and one too large for the page is refused with
  // both sizes, before it is read at all.
  async function loadFile(file) {
    const ticketTaken = call('startLoad'); // the file is read meanwhile
    let content;
    try {
      if (file.size <= session.numbers.readAtOnceUpTo) {
        content = new Uint8Array(await file.arrayBuffer());
        counted(await call('loadJudged', [await ticketTaken, content, file.name], [content.buffer]));
        return;
      }
      const head = new Uint8Array(await file.slice(0, session.numbers.headBytes).arrayBuffer());
      if (!await call('mayBeginCode', [head], [head.buffer])) {
        counted(await call('refuseCode', [await ticketTaken, file.name]));
        return;
      }
      if (file.size > session.numbers.largestCode) {
        counted(await call('refuseTooLarge', [await ticketTaken, file.name, file.size]));
        return;
      }
      content = new Uint8Array(await file.arrayBuffer());
    } catch {
      counted(await call('refuseUnreadable', [await ticketTaken, file.name,
        qsTranslate('Page', 'the browser could not read it')]));
      return;
    }
    counted(await handOver(await ticketTaken, content, file.name));
  }

  // Pasted text loads as a file's text: the session reads it as one.
  async function loadText(pasted) {
    counted(await handOver(await call('startLoad'), encoder.encode(pasted), session.words.clipboardName));
  }

  // A text shared into the page: the session takes the code it holds.
  async function loadShared(shared) {
    const content = encoder.encode(shared);
    counted(await call('loadShared', [await call('startLoad'), content], [content.buffer]));
  }

  // Where the clipboard may not be read, says how to paste instead.
  async function pasteFromClipboard() {
    let pasted;
    try {
      pasted = await navigator.clipboard.readText();
    } catch {
      await tell('ClipboardUnreadable');
      return;
    }
    if (!pasted)
      await tell('NothingToPaste');
    else
      await loadText(pasted);
  }

  // The result takes the focus (Convert, which had it, turns itself off),
  // and a narrow screen brings Save, Copy and the status into view.
  async function convert() {
    show(await call('convert'));
    await prepareShare();
    ui.morvane.disabled = false;
    ui.morvane.focus({ preventScroll: true });
    if (window.matchMedia('(max-width: 40rem)').matches)
      ui.statusbar.scrollIntoView({ block: 'nearest' });
  }

  // Sharing must start in the click itself, with nothing to wait for
  // first: where the browser can share, the conversion shown is fetched
  // for it as soon as it is shown.
  let shareable = null;
  async function prepareShare() {
    if (!navigator.share || ui.copy.disabled)
      return;
    const { bytes, saveName } = await call('conversion');
    shareable = { text: new TextDecoder().decode(bytes), file: new File([bytes], saveName, { type: 'text/plain' }) };
    ui.share.disabled = false;
  }

  // As text, and as a .txt file where the browser shares files. A share
  // the user cancels says nothing.
  function share() {
    if (!shareable)
      return;
    const { text, file } = shareable;
    const withFile = navigator.canShare?.({ files: [file] }) ? { files: [file] } : {};
    const sharing = navigator.share({ title: file.name, text, ...withFile });
    step('share', async () => {
      try {
        await sharing;
        await tell('Shared');
      } catch (error) {
        if (error?.name !== 'AbortError')
          await tell('NotShared', qsTranslate('Page', 'the browser refused'));
      }
    });
  }

  // Exactly the bytes qvrtomorvane-cli writes: UTF-8, no byte-order mark,
  // no line end added; named after the code they are the conversion of.
  async function save() {
    const { bytes, saveName } = await call('conversion');
    const url = URL.createObjectURL(new Blob([bytes], { type: 'text/plain' }));
    const link = document.createElement('a');
    link.href = url;
    link.download = saveName;
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(url), 60000);
    await tell('Saved', saveName);
  }

  // Says whether the copy took; the fallback's text area stays out of
  // sight and out of the page's flow, so nothing scrolls.
  async function copy() {
    const converted = await call('conversionText');
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
    await (copied ? tell('Copied') : tell('NotCopied', qsTranslate('Page', 'the browser refused')));
  }

  // The Conversion Details, made when they are first opened for the
  // conversion shown: both codes with every segment not copied marked (its
  // fate's style, its reason as its title), a legend with the counts, and
  // the list; a row chosen marks its segment in both codes and brings it
  // into view. A later step that changes the conversion empties them.
  let shownDetails = null;
  // A part of the page laid out in a frame of its own: each code, and the
  // list 100 rows at a time.
  // (A page not being drawn, in a hidden frame, gets no frames at all.)
  const nextFrame = () => new Promise((resolve) => {
    requestAnimationFrame(() => setTimeout(resolve));
    setTimeout(resolve, 50);
  });

  // Each code goes in as blocks of whole lines of about this many
  // characters, a frame each (the worker makes them).
  const blockChars = 8192;
  // How many characters a line of a marked pane holds (both are as wide):
  // their font is monospace, so a run of one letter long enough to scroll
  // the pane tells, from the widths of its first and last lines and how
  // many it takes.
  const markedPanes = [ui.detailsCode, ui.detailsConversion];
  function lineChars() {
    for (const pane of markedPanes)
      pane.classList.remove('flowing');
    const run = document.createElement('span');
    run.textContent = 'x'.repeat(blockChars / 2);
    ui.detailsCode.replaceChildren(run);
    const lines = [...run.getClientRects()];
    widthLaidOut = ui.detailsCode.offsetWidth;
    run.remove();
    if (!lines.length)
      return 0;
    const advance = (lines[0].width * (lines.length - 1) + lines[lines.length - 1].width) / (blockChars / 2);
    return Math.round(lines[0].width / advance);
  }
  // Laid out for one width, the blocks of whole lines would end lines short
  // at another: once the pane's width changes, each code flows as one
  // paragraph again, laid out anew as the new width needs anyway.
  let widthLaidOut = 0;
  new ResizeObserver(() => {
    if (ui.detailsCode.offsetWidth !== widthLaidOut)
      for (const pane of markedPanes)
        pane.classList.add('flowing');
  }).observe(ui.detailsCode);

  async function showDetails() {
    if (!ui.details.open || shownDetails)
      return;
    const details = await call('details', [lineChars(), blockChars]);
    if (!ui.details.open)
      return;
    shownDetails = details;
    const { fate, words } = session;
    ui.detailsLegend.replaceChildren(...[fate.Copied, fate.Changed, fate.Renumbered, fate.Dropped].flatMap((kind) => {
      const name = document.createElement('span');
      name.className = `fate-${kind}`;
      name.textContent = translation.said(words.fates[kind]);
      return [kind === fate.Copied ? '' : ' · ', name, `: ${details.counts[kind]} (${translation.said(words.styles[kind])})`];
    }));
    ui.detailsNote.textContent = details.listed ? '' : translation.said(words.allCopied);
    for (const [element, pieces] of [[ui.detailsList, details.list], [ui.detailsCode, details.code],
      [ui.detailsConversion, details.conversion]]) {
      element.textContent = '';
      for (const markup of pieces) {
        await nextFrame();
        if (shownDetails !== details)
          return;
        element.insertAdjacentHTML('beforeend', markup);
      }
    }
    // Opening them is a step of its own, which starts after the click: this
    // says it is done.
    ui.details.dataset.shown = 'true';
  }

  function chooseSegment(button) {
    for (const pressed of ui.detailsList.querySelectorAll('[aria-pressed="true"]'))
      pressed.setAttribute('aria-pressed', 'false');
    for (const chosen of document.querySelectorAll('.marked .chosen'))
      chosen.classList.remove('chosen');
    button.setAttribute('aria-pressed', 'true');
    const { position } = button.dataset;
    const [inCode, inConversion] = [$(`in-${position}`), $(`out-${position}`)];
    for (const segment of [inCode, inConversion].filter(Boolean)) {
      // With the part of it that a block's end carried into the next block.
      for (const part of [segment, ...document.querySelectorAll(`[data-of="${segment.id}"]`)])
        part.classList.add('chosen');
      segment.scrollIntoView({ block: 'nearest', inline: 'nearest' });
    }
    const [beyondCode, dropped, beyondConversion] = session.words.unshown
      .map((words) => Translation.fill(qsTranslate('CodeSession', words), [position]));
    ui.detailsNote.textContent = !inCode ? beyondCode
      : !inConversion && inCode.classList.contains(`fate-${session.fate.Dropped}`) ? dropped
        : !inConversion ? beyondConversion : '';
  }

  // Several codes at once, beside the one code the page holds, which a
  // batch leaves as it is: files picked or dropped, each under its own
  // name, or a folder, its codes below its name and its folders kept. The
  // session's worker converts them (CodeBatch, as the window and the
  // converter do) into one zip, telling each code's fate as it goes.
  const looseFile = (file) => ({ file, name: file.name, fromFolder: false });
  const looseFiles = (files) => [...files].map(looseFile);
  const folderFiles = (files) => [...files].map((file) => ({ file, name: file.webkitRelativePath || file.name,
    fromFolder: Boolean(file.webkitRelativePath) }));

  // A folder dropped: every file of it and of its folders, whatever their
  // number (a folder hands its entries out a hundred at a time); a file
  // beside it is taken as the drop gave it, since WebKit finds no file
  // behind the entry of one that is not on disk (dragged out of a mail).
  async function codesOfEntries(entries) {
    const found = [];
    const fileOf = (entry) => new Promise((resolve, reject) => entry.file(resolve, reject));
    const walk = async (entry, fromFolder) => {
      if (entry.isFile) {
        found.push({ file: await fileOf(entry), name: entry.fullPath.replace(/^\/+/, ''), fromFolder });
        return;
      }
      const reader = entry.createReader();
      for (;;) {
        const some = await new Promise((resolve, reject) => reader.readEntries(resolve, reject));
        if (!some.length)
          break;
        for (const inner of some)
          await walk(inner, true);
      }
    };
    for (const { entry, file } of entries) {
      if (entry?.isDirectory)
        await walk(entry, false);
      else
        found.push(looseFile(file));
    }
    return found;
  }

  // The page reads each file, a head first as for one code, and hands its
  // bytes over; the worker converts it into the zip. A row for every code
  // as the batch starts, each told its fate as it is settled; Stop ends
  // the batch before its next code.
  let batchZip = null;
  let batchSaid = null;
  let stoppingBatch = false;
  async function convertSeveral(files) {
    batchZip = null;
    batchSaid = null;
    stoppingBatch = false;
    ui.batchStatus.textContent = '';
    ui.batchSave.disabled = true;
    ui.batchStop.disabled = false;
    ui.batchRun.hidden = false;
    const items = await call('batchStart', [files.map(({ name, fromFolder }) => ({ name, fromFolder }))]);
    const rows = items.map(({ target }) => {
      const row = document.createElement('li');
      row.append(target, ': ', document.createElement('span'));
      row.lastChild.textContent = qsTranslate('Page', 'waiting');
      return row;
    });
    ui.batchList.replaceChildren(...rows);
    ui.batchProgress.max = Math.max(1, items.length);
    ui.batchProgress.value = 0;
    const showFate = (index, { fate, said }) => {
      rows[index].dataset.fate = fate;
      rows[index].classList.toggle('failed', ![session.batchFate.Converted, session.batchFate.Kept,
        session.batchFate.NotDone].includes(fate));
      rows[index].said = said;
      rows[index].lastChild.textContent = translation.said(said);
    };
    // Small files go over a few at a time, read together: a browser takes
    // a while to hand each file over, and each trip to the worker costs
    // more than converting a small code. A large file is judged by its head
    // before it is read whole.
    const { readWholeBelow, headBytes } = session.numbers;
    const fileOf = (index) => files[items[index].source].file;
    const small = (index) => index < items.length && fileOf(index).size < readWholeBelow;
    const read = (file) => file.arrayBuffer().then((buffer) => new Uint8Array(buffer), () => null);
    const unreadable = qsTranslate('Page', 'the browser could not read it');
    for (let index = 0; index < items.length;) {
      if (stoppingBatch) {
        (await call('batchStop', [index, items.length])).forEach((fate, offset) => showFate(index + offset, fate));
        break;
      }
      let fates;
      if (small(index)) {
        const run = [];
        while (run.length < 8 && small(index + run.length))
          run.push(index + run.length);
        const contents = await Promise.all(run.map((at) => read(fileOf(at))));
        fates = await call('batchCodes', [run.map((at, k) => ({ index: at, content: contents[k], reason: unreadable }))],
          contents.filter(Boolean).map(({ buffer }) => buffer));
      } else {
        let fate = null;
        try {
          const head = new Uint8Array(await fileOf(index).slice(0, headBytes).arrayBuffer());
          fate = await call('batchHead', [index, head, fileOf(index).size], [head.buffer]);
          if (!fate) {
            const content = new Uint8Array(await fileOf(index).arrayBuffer());
            fate = await call('batchCode', [index, content], [content.buffer]);
          }
        } catch {
          fate = await call('batchUnreadable', [index, unreadable]);
        }
        fates = [fate];
      }
      fates.forEach((fate, offset) => showFate(index + offset, fate));
      index += fates.length;
      ui.batchProgress.value = index;
    }
    const { said, zip } = await call('batchEnd');
    ui.batchProgress.value = ui.batchProgress.max;
    batchSaid = said;
    ui.batchStatus.textContent = translation.said(said);
    ui.batchStop.disabled = true;
    batchZip = zip;
    ui.batchSave.disabled = !zip;
  }

  // Every converted code in one zip, under its name, folders kept.
  function saveAll() {
    const url = URL.createObjectURL(new Blob([batchZip], { type: 'application/zip' }));
    const link = document.createElement('a');
    link.href = url;
    link.download = 'morvane-codes.zip';
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(url), 60000);
  }

  ui.batchFiles.addEventListener('click', () => ui.batchFilesInput.click());
  ui.batchFolder.addEventListener('click', () => ui.batchFolderInput.click());
  for (const [input, listed] of [[ui.batchFilesInput, looseFiles], [ui.batchFolderInput, folderFiles]]) {
    input.addEventListener('change', () => {
      const files = listed(input.files);
      input.value = '';
      step('batch', () => convertSeveral(files));
    });
  }
  ui.batchStop.addEventListener('click', () => { stoppingBatch = true; });
  ui.batchSave.addEventListener('click', saveAll);

  ui.load.addEventListener('click', () => ui.file.click());
  ui.paste.addEventListener('click', () => step('paste', pasteFromClipboard));
  // The upper box takes a paste (a long press on a phone offers it) and
  // nothing else: no typing, no dropped text.
  ui.qvr.addEventListener('beforeinput', (event) => event.preventDefault());
  ui.file.addEventListener('change', () => {
    if (ui.file.files.length === 1) {
      const [file] = ui.file.files;
      step('load', () => loadFile(file));
    }
    ui.file.value = '';
  });
  ui.file.addEventListener('cancel', () => step('cancel', async () => show(await call('cancel'))));
  ui.convert.addEventListener('click', () => step('convert', convert));
  ui.save.addEventListener('click', () => step('save', save));
  ui.copy.addEventListener('click', () => step('copy', copy));
  ui.share.addEventListener('click', share);
  ui.clear.addEventListener('click', () => step('clear', async () => show(await call('clear'))));
  ui.details.addEventListener('toggle', () => step('details', showDetails));
  ui.detailsList.addEventListener('click', (event) => {
    const button = event.target.closest('button[data-position]');
    if (button)
      chooseSegment(button);
  });

  // Nothing dropped ever replaces the page.
  document.addEventListener('dragover', (event) => {
    event.preventDefault();
    event.dataTransfer.dropEffect = event.dataTransfer.types.includes('Files') ? 'copy' : 'none';
  });
  // One file dropped anywhere on the page loads like a chosen one; several,
  // or a folder, are converted as a batch.
  document.addEventListener('drop', (event) => {
    event.preventDefault();
    const { files, items } = event.dataTransfer;
    // Entries and files are the drop's only while the event lasts.
    const entries = [...items ?? []].filter((item) => item.kind === 'file')
      .map((item) => ({ entry: item.webkitGetAsEntry?.(), file: item.getAsFile() }));
    const folders = entries.some(({ entry }) => entry?.isDirectory);
    if (files.length === 1 && !folders)
      step('load', () => loadFile(files[0]));
    else if (folders)
      step('batch', async () => convertSeveral(await codesOfEntries(entries)));
    else if (files.length > 0)
      step('batch', () => convertSeveral(looseFiles(files)));
    else
      step('drop', () => tell('NotAFile'));
  });
  document.addEventListener('paste', (event) => {
    const pasted = event.clipboardData.getData('text/plain');
    event.preventDefault();
    step('paste', () => (pasted ? loadText(pasted) : tell('NothingToPaste')));
  });

  // Served from a host, the page can be installed (with the icon Safari
  // puts on a home screen) and then opens and converts with no network;
  // opened from disk it asks for nothing at all.
  if (location.protocol === 'https:' || location.protocol === 'http:') {
    for (const [rel, href] of [['manifest', 'manifest.webmanifest'], ['apple-touch-icon', 'apple-touch-icon.png']]) {
      const link = document.createElement('link');
      Object.assign(link, { rel, href });
      document.head.append(link);
    }
    navigator.serviceWorker?.register('sw.js').catch(() => {});
    takeShared();
  }

  // What a phone shared into the installed page (sw.js kept it): a file
  // loads as a picked one, a text as the session takes shared texts. The
  // address loses its ?shared, so that a reload shares nothing again.
  async function takeShared() {
    if (!new URLSearchParams(location.search).has('shared') || !window.caches)
      return;
    history.replaceState(null, '', location.pathname);
    const cache = await caches.open('qvrtomorvane-shared');
    const [file, said] = await Promise.all([cache.match('file'), cache.match('text')]);
    await Promise.all([cache.delete('file'), cache.delete('text')]);
    if (file) {
      const name = decodeURIComponent(file.headers.get('x-name') ?? 'shared.txt');
      const shared = new File([await file.blob()], name, { type: 'text/plain' });
      step('load', () => loadFile(shared));
    } else if (said) {
      const { title, text: words, url } = await said.json();
      step('load', () => loadShared([title, words, url].filter(Boolean).join('\n')));
    }
  }

  // A .txt file opened with the installed page (its manifest's
  // file_handlers) loads as a picked one.
  async function openLaunched({ files }) {
    if (files.length) {
      const file = await files[0].getFile();
      step('load', () => loadFile(file));
    }
  }
  window.launchQueue?.setConsumer(openLaunched);

  // For the tests: the page's own way from a file's bytes to the bytes it
  // saves, through the session as a load and a Convert.
  window.QVRtoMorvane = {
    ready,
    // What the browser's launch queue hands the page.
    openLaunched,
    async convertFileBytes(content) {
      await ready;
      counted(await handOver(await call('startLoad'), content, 'bytes.txt'));
      if (upper !== session.upper.Code)
        return null;
      await convert();
      return (await call('conversion')).bytes;
    },
  };
})();
