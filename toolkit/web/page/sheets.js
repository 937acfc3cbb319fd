// The page's sheet reader, loaded with the first .xlsx or .ods a player brings: fflate (bundled
// before this file) unzips the archive and the browser's DOMParser parses each part. The game's
// own reader (game/bank/workbook.cpp) asks for the parts it needs and reads the walk this file
// hands back, just as it reads expat's on the desktop; so every check and message is the same.
//
// An answer to entry(): one letter, then what it says.
//   W  the walk: each token opens with a mark and runs to the next one (XML text holds none):
//      \x01 element, \x02 its attribute's name, \x03 that attribute's value, \x04 text, \x05 end.
//      Names are "namespace|local", as expat gives them.
//   M  no such part      L  past the bytes left to unpack      U  does not unpack
//   X  not XML, then the line where it goes wrong
(() => {
  'use strict';

  globalThis.ruvantiaSheets = {
    // The archive's parts, or status 0 when the bytes are no zip archive and 2 when they hold more
    // parts than MOST_ENTRIES. No more than MOST_BYTES are ever unpacked in all.
    open(bytes, mostEntries, mostBytes) {
      const sizes = new Map();
      try {
        fflate.unzipSync(bytes, {filter: (f) => (sizes.set(f.name, f.originalSize), false)});
      } catch {
        return {status: 0};
      }
      if (sizes.size > mostEntries) return {status: 2};
      let left = mostBytes;
      return {
        status: 1,
        has: (name) => sizes.has(name),
        entry(name) {
          if (!sizes.has(name)) return 'M';
          // fflate unpacks a part into a buffer of the size the archive declares, and no further.
          if (sizes.get(name) > left) return 'L';
          let data;
          try {
            data = fflate.unzipSync(bytes, {filter: (f) => f.name === name})[name];
          } catch {
            return 'U';
          }
          left -= data.length;
          return walk(data);
        },
      };
    },
  };

  const MARKS = /[\x01-\x05]/g;
  const XMLNS = 'http://www.w3.org/2000/xmlns/';
  const XHTML = 'http://www.w3.org/1999/xhtml';

  function lineAt(text, index) {
    let line = 1;
    for (let i = text.indexOf('\n'); i !== -1 && i < index; i = text.indexOf('\n', i + 1)) ++line;
    return line;
  }

  function nameOf(node) {
    return node.namespaceURI ? `${node.namespaceURI}|${node.localName}` : node.localName;
  }

  function walk(data) {
    let text;
    try {
      text = new TextDecoder('utf-8', {fatal: true}).decode(data);
    } catch {
      const loose = new TextDecoder('utf-8').decode(data);
      return `X${lineAt(loose, loose.indexOf('\uFFFD'))}`;
    }
    // A document type could define entities: the desktop refuses it, and so does the page, before
    // the parser expands anything.
    const doctype = text.indexOf('<!DOCTYPE');
    if (doctype !== -1) return `X${lineAt(text, doctype)}`;
    const doc = new DOMParser().parseFromString(text, 'application/xml');
    const error = doc.getElementsByTagNameNS(XHTML, 'parsererror')[0];
    if (error) {
      const line = /line (\d+)/.exec(error.textContent);
      return `X${line ? line[1] : 1}`;
    }
    // Every element, text and end in document order, without recursion: nesting is the file's.
    const out = ['W'];
    const clean = (s) => s.replace(MARKS, '');
    let node = doc.documentElement;
    while (node) {
      let descend = false;
      if (node.nodeType === Node.ELEMENT_NODE) {
        out.push('\x01', clean(nameOf(node)));
        for (const a of node.attributes) {
          if (a.namespaceURI !== XMLNS) out.push('\x02', clean(nameOf(a)), '\x03', clean(a.value));
        }
        descend = node.firstChild !== null;
        if (!descend) out.push('\x05', clean(nameOf(node)));
      } else if (node.nodeType === Node.TEXT_NODE || node.nodeType === Node.CDATA_SECTION_NODE) {
        out.push('\x04', clean(node.data));
      }
      if (descend) {
        node = node.firstChild;
        continue;
      }
      while (node && !node.nextSibling) {
        node = node.parentNode;
        if (!node || node === doc) node = null;
        else out.push('\x05', clean(nameOf(node)));
      }
      if (node) node = node.nextSibling;
    }
    return out.join('');
  }
})();
