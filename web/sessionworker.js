'use strict';
// The session's own thread. The page starts this script, behind the core's
// module, as a worker of its own, so that reading, judging and converting a
// code of megabytes never holds up the page: the page posts each step the
// user takes, in order, and gets back what the step changed and the texts
// the page shows for it. Longer texts (the whole conversion, the details)
// come when the page asks; since steps are answered in the order they were
// posted, an answer always belongs to what the page shows at that moment.
// Every number and name it uses is the session's (qvr_constants).
(() => {
  const decoder = new TextDecoder();
  const encoder = new TextEncoder();
  let core = null;
  let session = null; // the session's constants

  // Bytes in the module's memory: where they lie and their size come from
  // one call, and the memory is read right after it, so nothing can have
  // moved it. Valid until the next call.
  function bytesAt(pointer) {
    const at = pointer >> 2;
    const start = core.HEAPU32[at];
    return core.HEAPU8.subarray(start, start + core.HEAPU32[at + 1]);
  }
  const bytes = (which) => bytesAt(core._qvr_text(session.text[which]));
  const text = (which) => decoder.decode(bytes(which));

  // A buffer the session takes, and frees.
  function put(content) {
    const buffer = core._qvr_buffer(content.length);
    core.HEAPU8.set(content, buffer);
    return buffer;
  }
  // A text as the two arguments a step takes: its buffer and its size.
  function words(value) {
    const encoded = encoder.encode(value);
    return [put(encoded), encoded.length];
  }

  // What a step changed, with the state of the controls and every text
  // the page puts up for it.
  function view(changes) {
    const { change } = session;
    const shown = { changes, controls: core._qvr_controls(), upper: core._qvr_upper(), summary: text('summary') };
    if (changes & change.UpperPane) {
      shown.placeholder = text('placeholder');
      shown.upperPreview = text('upperPreview');
      shown.upperNote = text('upperNote');
    }
    if (changes & change.PathLabel)
      shown.source = text('source');
    if (changes & change.LowerPane) {
      shown.lowerPreview = text('lowerPreview');
      shown.lowerNote = text('lowerNote');
    }
    if (changes & change.Message) {
      shown.message = text('message');
      shown.failed = Boolean(core._qvr_message_failed());
    }
    return shown;
  }

  const steps = {
    startLoad: () => core._qvr_start_load(),
    mayBeginCode: (head) => Boolean(core._qvr_may_begin_code(put(head), head.length)),
    load: (ticket, content, name) => view(core._qvr_load(ticket, put(content), content.length, ...words(name))),
    loadShared: (ticket, content) => view(core._qvr_load_shared(ticket, put(content), content.length)),
    refuseCode: (ticket, name) => view(core._qvr_refuse_code(ticket, ...words(name))),
    refuseUnreadable: (ticket, name, reason) => view(core._qvr_refuse_unreadable(ticket, ...words(name), ...words(reason))),
    refuseTooLarge: (ticket, name, size) => view(core._qvr_refuse_too_large(ticket, ...words(name), size)),
    tell: (kind, value = '') => view(core._qvr_tell(session.message[kind], ...words(value))),
    cancel: () => view(core._qvr_cancel()),
    convert: () => view(core._qvr_convert()),
    clear: () => view(core._qvr_clear()),
    // What Save writes, and its name.
    conversion: () => ({ bytes: bytes('shownConversion').slice(), saveName: text('saveName') }),
    conversionText: () => text('shownConversion'),
    // The Conversion Details, made here into the page's markup so that the
    // page's own thread only puts them in: both codes with every segment
    // not copied marked (its fate's style, its reason as its title), the
    // list, and the counts (CodeSession::marked).
    details(lineChars, blockChars) {
      const { counts, unlisted, marks, entries, code, conversion } = JSON.parse(text('details'));
      const escape = (value) => value.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/"/g, '&quot;');
      const said = ({ fate, segment, reason }) => `${segment}: ${session.words.fates[fate]}: ${reason}`;
      // Each code in blocks of whole lines (as many characters to a line as
      // the page measured in its pane), of about blockChars each. The
      // page puts in a block a frame, and lays out only that block; a
      // paragraph put in piece by piece would be laid out again for every
      // piece. A mark cut by a block's end goes on in the next block under
      // its segment's name (data-of).
      const perBlock = lineChars > 0 ? lineChars * Math.ceil(blockChars / lineChars) : blockChars;
      const marked = (pieces, where) => {
        const blocks = [];
        let block = '';
        let room = perBlock;
        for (const [piece, index] of pieces) {
          const mark = marks[index];
          let start = 0;
          do {
            let end = Math.min(piece.length, start + room);
            // Never between the halves of a character beyond 16 bits.
            if (end < piece.length && /[\uD800-\uDBFF]/.test(piece[end - 1]))
              end += 1;
            const part = escape(piece.slice(start, end));
            block += index < 0 ? part : `<span class="fate-${mark.fate}" ${start ? 'data-of' : 'id'}="${where}-${mark.position}" `
              + `title="#${mark.position} ${escape(said(mark))}">${part}</span>`;
            room -= end - start;
            start = end;
            if (room <= 0) {
              blocks.push(block);
              [block, room] = ['', perBlock];
            }
          } while (start < piece.length);
        }
        if (block || !blocks.length)
          blocks.push(block);
        return blocks.map((lines) => `<span class="lines">${lines}</span>`);
      };
      const rows = entries.map((entry) => `<li><button type="button" aria-pressed="false" data-position="${entry.position}">`
        + `<span class="fate-${entry.fate}">#${entry.position}</span> ${escape(said(entry))}</button></li>`);
      if (unlisted)
        rows.push(`<li><button type="button" disabled>... and ${unlisted} more</button></li>`);
      // The list in pieces of 100 rows, each put in in a frame of its own.
      const list = [];
      for (let row = 0; row < rows.length; row += 100)
        list.push(rows.slice(row, row + 100).join(''));
      return { counts, listed: entries.length, code: marked(code, 'in'), conversion: marked(conversion, 'out'), list };
    },
  };

  const created = createQvrToMorvane();
  Promise.resolve(created.ready || created).then((module) => {
    core = module;
    session = JSON.parse(decoder.decode(bytesAt(core._qvr_constants())));
    self.onmessage = ({ data: { id, step, args } }) => {
      let result;
      try {
        result = steps[step](...args);
      } catch (error) {
        self.postMessage({ id, error: String(error) });
        return;
      }
      self.postMessage({ id, result }, result?.bytes ? [result.bytes.buffer] : []);
    };
    self.postMessage({ ready: session });
  });
})();
