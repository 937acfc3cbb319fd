// The web bench's watch on the screen reader's layer, put into the page before its own script:
// when each text of the layer (a text, a button's name, a line of the live region) changed, as
// the page's clock saw it once the step that changed it was over. Only the bench loads it, and
// only for a pass whose timings it does not count.
'use strict';
(() => {
  const changes = []; // [performance.now(), the text now there]
  window.benchReaderChanges = changes;
  new MutationObserver((records) => {
    const now = performance.now();
    for (const r of records) {
      const el = r.type === 'characterData' ? r.target.parentElement : r.target;
      if (!el?.closest?.('.reader, #annunci')) continue;
      if (r.type === 'attributes') changes.push([now, el.getAttribute('aria-label') ?? '']);
      else if (el.id === 'annunci') r.addedNodes.forEach((n) => changes.push([now, n.textContent]));
      else changes.push([now, el.textContent]);
    }
  }).observe(document, {subtree: true, childList: true, characterData: true, attributes: true,
    attributeFilter: ['aria-label']});
})();
