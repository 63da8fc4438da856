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
  // What the core says, to translate (said.h).
  const said = (which) => JSON.parse(text(which));
  // The user's language, as the page chose it: the details are made here.
  let translation = Translation.make();

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
    const shown = { changes, controls: core._qvr_controls(), upper: core._qvr_upper(), summary: said('summary') };
    if (changes & change.UpperPane) {
      shown.placeholder = text('placeholder');
      shown.upperPreview = text('upperPreview');
      shown.upperNote = said('upperNote');
    }
    if (changes & change.PathLabel)
      shown.source = text('source');
    if (changes & change.LowerPane) {
      shown.lowerPreview = text('lowerPreview');
      shown.lowerNote = said('lowerNote');
    }
    if (changes & change.Message) {
      shown.message = said('message');
      shown.failed = Boolean(core._qvr_message_failed());
    }
    return shown;
  }

  const steps = {
    startLoad: () => core._qvr_start_load(),
    mayBeginCode: (head) => Boolean(core._qvr_may_begin_code(put(head), head.length)),
    load: (ticket, content, name) => view(core._qvr_load(ticket, put(content), content.length, ...words(name))),
    // A file read whole at once, judged here by its first bytes first.
    loadJudged: (ticket, content, name) => (steps.mayBeginCode(content.subarray(0, session.numbers.headBytes))
      ? steps.load(ticket, content, name) : steps.refuseCode(ticket, name)),
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
    // The catalogue of the language the page shows.
    language(catalogue) {
      translation = Translation.make(catalogue);
    },
    // The Conversion Details, made here into the page's markup so that the
    // page's own thread only puts them in: both codes with every segment
    // not copied marked (its fate's style, its reason as its title), the
    // list, and the counts (CodeSession::marked).
    details(lineChars, blockChars) {
      const { counts, unlisted, more, marks, entries, code, conversion } = JSON.parse(text('details'));
      const escape = (value) => value.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/"/g, '&quot;');
      const fates = session.words.fates.map(translation.said);
      const described = ({ fate, segment, reason }) => `${segment}: ${fates[fate]}: ${translation.said(reason)}`;
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
              + `title="#${mark.position} ${escape(described(mark))}">${part}</span>`;
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
        + `<span class="fate-${entry.fate}">#${entry.position}</span> ${escape(described(entry))}</button></li>`);
      if (unlisted)
        rows.push(`<li><button type="button" disabled>${escape(translation.said(more))}</button></li>`);
      // The list in pieces of 100 rows, each put in in a frame of its own.
      const list = [];
      for (let row = 0; row < rows.length; row += 100)
        list.push(rows.slice(row, row + 100).join(''));
      return { counts, listed: entries.length, code: marked(code, 'in'), conversion: marked(conversion, 'out'), list };
    },
  };

  // Several codes at once (CodeBatch, beside the session), step by step as
  // the page hands the files' bytes over: each judged by its first bytes,
  // converted and stored in the zip before the next, so the worker holds a
  // few small codes at a time, or one large one; the zip goes out as blobs,
  // which the browser keeps outside the worker's memory. Stored, not
  // compressed: codes are small, and compressing took longer than
  // converting.
  let zip = null;
  let batchItems = [];
  let zipParts = [];
  let zipped = 0;
  const batchSaid = (index) => JSON.parse(decoder.decode(bytesAt(core._qvr_batch_said(index))));
  const batchSettled = (index) => ({ fate: core._qvr_batch_fate(index), said: batchSaid(index) });
  const batchSteps = {
    // The codes in the order they are converted, each with the name its
    // conversion takes; a folder's files are its codes alone, as on every
    // face.
    batchStart(listed) {
      zipParts = [];
      zipped = 0;
      // Chunks become a blob a megabyte at a time: each blob is a trip to
      // the browser, which would cost more than converting a small code.
      let chunks = [];
      let held = 0;
      zip = new self.fflate.Zip((error, chunk, final) => {
        if (error)
          return;
        chunks.push(chunk);
        held += chunk.length;
        if (final || held >= session.numbers.readWholeBelow * 16) {
          zipParts.push(new Blob(chunks));
          [chunks, held] = [[], 0];
        }
      });
      const taken = listed.map(({ name }, source) => ({ name, source }))
        .filter(({ name }, index) => !listed[index].fromFolder || core._qvr_batch_takes(...words(name)));
      batchItems = JSON.parse(decoder.decode(bytesAt(core._qvr_batch_start(...words(JSON.stringify(
        taken.map(({ name }) => name)))))));
      return batchItems.map(({ source, target }) => ({ source: taken[source].source, target }));
    },
    // A code's first bytes and its size: its fate, or nothing when the rest
    // is to be read.
    batchHead(index, head, size) {
      if (!core._qvr_may_begin_code(put(head), head.length))
        core._qvr_batch_refuse_code(index);
      else if (size > session.numbers.largestCode)
        core._qvr_batch_refuse_too_large(index, size);
      else
        return null;
      return batchSettled(index);
    },
    // A code read whole (a small one, whose head was not sent first).
    batchCode(index, content) {
      const head = content.subarray(0, session.numbers.headBytes);
      const judged = batchSteps.batchHead(index, head, content.length);
      if (judged)
        return judged;
      const fate = core._qvr_batch_convert(index, put(content), content.length);
      if (fate === session.batchFate.Converted) {
        zipped += 1;
        // Made on Unix, a file anyone may read: Info-ZIP's unzip takes the
        // name as UTF-8 then, as every other tool does anyway, where for a
        // file made on MS-DOS (fflate's own choice) it mangles it.
        const entry = Object.assign(new self.fflate.ZipPassThrough(batchItems[index].target),
          { os: 3, attrs: 0o100644 * 0x10000 });
        zip.add(entry);
        entry.push(bytesAt(core._qvr_batch_output()).slice(), true);
      }
      return batchSettled(index);
    },
    batchUnreadable(index, reason) {
      core._qvr_batch_refuse_unreadable(index, ...words(reason));
      return batchSettled(index);
    },
    // Several small codes in one trip: content null for one the browser
    // could not read.
    batchCodes(codes) {
      return codes.map(({ index, content, reason }) => (content ? batchSteps.batchCode(index, content)
        : batchSteps.batchUnreadable(index, reason)));
    },
    // Every code not yet converted stays so.
    batchStop(from, count) {
      core._qvr_batch_stop();
      return Array.from({ length: count - from }, (_, offset) => batchSettled(from + offset));
    },
    batchEnd() {
      zip.end();
      return { said: batchSaid(-1), zip: zipped ? new Blob(zipParts) : null };
    },
  };

  const created = createQvrToMorvane();
  Promise.resolve(created.ready || created).then((module) => {
    core = module;
    session = JSON.parse(decoder.decode(bytesAt(core._qvr_constants())));
    self.onmessage = ({ data: { id, step, args } }) => {
      let result;
      try {
        result = (steps[step] ?? batchSteps[step])(...args);
      } catch (error) {
        self.postMessage({ id, error: String(error) });
        return;
      }
      self.postMessage({ id, result }, result?.bytes ? [result.bytes.buffer] : []);
    };
    self.postMessage({ ready: session });
  });
})();
