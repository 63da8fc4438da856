'use strict';
// The session's own thread. The page starts this script, behind the core's
// module, as a worker of its own, so that reading, judging and converting a
// code of megabytes never holds up the page: the page posts each step the
// user takes, in order, and gets back what the step changed and the texts
// the page shows for it. Longer texts (the whole conversion, the details)
// come when the page asks; since steps are answered in the order they were
// posted, an answer always belongs to what the page shows at that moment.
(() => {
  // What a step changed (CodeSession::Change), and the session's texts
  // (qvr_text).
  const UpperPane = 1;
  const PathLabel = 2;
  const LowerPane = 4;
  const Text = { upper: 0, placeholder: 1, path: 2, shownConversion: 3, saveName: 4, summary: 5, details: 6,
    clipboardName: 7, upperPreview: 8, lowerPreview: 9, upperNote: 10, lowerNote: 11 };

  const decoder = new TextDecoder();
  const encoder = new TextEncoder();
  let core = null;

  // One of the session's texts, as bytes in the module's memory: where it
  // lies and its size come from one call, and the memory is read right
  // after it, so nothing can have moved it. Valid until the next call.
  function bytes(which) {
    const at = core._qvr_text(Text[which]) >> 2;
    const start = core.HEAPU32[at];
    return core.HEAPU8.subarray(start, start + core.HEAPU32[at + 1]);
  }
  const text = (which) => decoder.decode(bytes(which));

  function put(content) {
    const buffer = core._qvr_buffer(content.length);
    core.HEAPU8.set(content, buffer);
    return buffer;
  }

  // What a step changed, with the state of the controls and every text
  // the page puts up for it.
  function view(changes) {
    const shown = { changes, state: core._qvr_state(), summary: text('summary') };
    if (changes & UpperPane) {
      shown.placeholder = text('placeholder');
      shown.upperPreview = text('upperPreview');
      shown.upperNote = text('upperNote');
    }
    if (changes & PathLabel)
      shown.path = text('path');
    if (changes & LowerPane) {
      shown.lowerPreview = text('lowerPreview');
      shown.lowerNote = text('lowerNote');
    }
    return shown;
  }

  const steps = {
    startLoad: () => core._qvr_start_load(),
    mayBeginCode: (head) => Boolean(core._qvr_may_begin_code(put(head), head.length)),
    // Takes both buffers; the session frees them.
    load(ticket, content, name) {
      const source = encoder.encode(name);
      return view(core._qvr_load(ticket, put(content), content.length, put(source), source.length));
    },
    refuseCode: (ticket) => view(core._qvr_refuse_code(ticket)),
    refuseUnreadable: (ticket) => view(core._qvr_refuse_unreadable(ticket)),
    cancel: () => view(core._qvr_cancel()),
    convert: () => view(core._qvr_convert()),
    clear: () => view(core._qvr_clear()),
    // What Save writes, and its name.
    conversion: () => ({ bytes: bytes('shownConversion').slice(), saveName: text('saveName') }),
    conversionText: () => text('shownConversion'),
    details: () => text('details'),
  };

  const created = createQvrToMorvane();
  Promise.resolve(created.ready || created).then((module) => {
    core = module;
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
    self.postMessage({ ready: { largestCode: core._qvr_largest_code(), clipboardName: text('clipboardName') } });
  });
})();
