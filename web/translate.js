'use strict';
// The project's catalogues (translations/*.ts, made into the page when it
// is built) in the language the user reads: the page's own words and the
// core's, by their context, as the window's Qt takes them. A count picks
// its plural form by the catalogue's own rule, as lrelease compiles it
// into the language's .qm (Qt's numerus rules, read here as QTranslator
// reads them), so that a language counts on the page as in the window.
// The page and its worker both run this.
const Translation = (() => {
  // The operators of a compiled rule (qtranslator_p.h).
  const rule = {
    equal: 0x01, less: 0x02, lessOrEqual: 0x03, between: 0x04, operator: 0x07, not: 0x08,
    modulo10: 0x10, modulo100: 0x20, lead1000: 0x40, and: 0xfd, or: 0xfe, next: 0xff,
  };

  // Which plural form a count takes: the first rule that holds, else the
  // last form.
  function formOf(rules, count) {
    let form = 0;
    let at = 0;
    if (!rules.length)
      return 0;
    for (;;) {
      let anyHolds = false;
      for (;;) {
        let allHold = true;
        for (;;) {
          const code = rules[at++];
          let left = count;
          if (code & rule.modulo10)
            left %= 10;
          else if (code & rule.modulo100)
            left %= 100;
          else if (code & rule.lead1000)
            while (left >= 1000)
              left = Math.floor(left / 1000);
          const right = rules[at++];
          let holds;
          switch (code & rule.operator) {
          case rule.equal: holds = left === right; break;
          case rule.less: holds = left < right; break;
          case rule.lessOrEqual: holds = left <= right; break;
          case rule.between: {
            const top = rules[at++];
            holds = left >= right && left <= top;
            break;
          }
          default: holds = true;
          }
          if (code & rule.not)
            holds = !holds;
          allHold = allHold && holds;
          if (at === rules.length || rules[at] !== rule.and)
            break;
          ++at;
        }
        anyHolds = anyHolds || allHold;
        if (at === rules.length || rules[at] !== rule.or)
          break;
        ++at;
      }
      if (anyHolds)
        return form;
      ++form;
      if (at === rules.length || rules[at++] !== rule.next)
        return form;
    }
  }

  // Each value where its "%1" to "%9" stands, in one pass, as the core
  // fills words.
  function fill(words, values) {
    return words.replace(/%([1-9])/g, (marker, digit) => (Number(digit) <= values.length ? values[digit - 1] : marker));
  }

  // A catalogue: its language's rules and its messages by context and
  // source (a translation, or its plural forms). Without one, the source
  // is the words.
  function make({ rules = [], messages = {} } = {}) {
    const tr = (context, source, disambiguation, count) => {
      const found = messages[context]?.[source];
      let words = source;
      if (typeof found === 'string' && found)
        words = found;
      else if (Array.isArray(found))
        words = found[Math.min(formOf(rules, count ?? 0), found.length - 1)] || source;
      return count === undefined ? words : words.replaceAll('%n', String(count));
    };
    // What the core says (said.h): a text as it is, or words to translate
    // with their values, each translated the same way.
    const said = (value) => (typeof value === 'string' ? value
      : fill(tr(value.c, value.w, '', value.n), value.v.map(said)));
    return { tr, said };
  }

  return { make, fill, formOf };
})();
