// The web bench's recorder, put into the page before its own script: it takes down every canvas
// call the show makes, each task's calls under the moment the task began, so that the floor can
// make the same calls at the same moments (web_floor.html, floorLateness). Pictures become
// rectangles of the size they were drawn at. Only the bench loads it, and only for a pass whose
// timings it does not count.
'use strict';
(() => {
  const calls = []; // [ms since the page began, canvas, what, arguments]
  window.benchCanvasCalls = calls;
  const ids = new WeakMap();
  const sizes = [];
  let stamp = -1;
  function take(g, what, args) {
    if (stamp < 0) {
      stamp = performance.now();
      queueMicrotask(() => {
        stamp = -1;
      });
    }
    const c = g.canvas;
    let id = ids.get(c);
    if (id === undefined) {
      id = sizes.length;
      ids.set(c, id);
      sizes.push('');
    }
    const size = `${c.width}x${c.height}${c.isConnected ? '' : ' off'}`;
    if (sizes[id] !== size) {
      sizes[id] = size;
      calls.push([stamp, id, 'size', [c.width, c.height, c.isConnected]]);
    }
    if (what === 'drawImage')
      args = args.length === 3 ? [args[1], args[2], args[0].width, args[0].height] : args.slice(-4);
    calls.push([stamp, id, what, args]);
  }
  const P = CanvasRenderingContext2D.prototype;
  for (const m of ['fillRect', 'clearRect', 'fillText', 'strokeRect', 'drawImage', 'beginPath', 'rect', 'clip',
    'save', 'restore', 'moveTo', 'lineTo', 'stroke', 'fill', 'setTransform', 'scale', 'translate', 'arc']) {
    const f = P[m];
    P[m] = function (...args) {
      take(this, m, args);
      return f.apply(this, args);
    };
  }
  for (const p of ['fillStyle', 'strokeStyle', 'font', 'lineWidth', 'globalAlpha', 'textBaseline', 'textAlign']) {
    const d = Object.getOwnPropertyDescriptor(P, p);
    Object.defineProperty(P, p, {
      get: d.get,
      set(v) {
        take(this, `=${p}`, [v]);
        d.set.call(this, v);
      },
      configurable: true,
    });
  }
  // A window that closes takes its canvas off the page.
  new MutationObserver((changes) => {
    for (const change of changes)
      for (const node of change.removedNodes)
        for (const c of node.querySelectorAll?.('canvas') ?? [])
          if (ids.has(c))
            calls.push([performance.now(), ids.get(c), 'gone', []]);
  }).observe(document, {childList: true, subtree: true});
})();
