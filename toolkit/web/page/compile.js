// The program is fetched and compiled as its bytes arrive, while the page's script (show.js) is
// still on its way: the first frame waits for both, no longer for one after the other.
'use strict';
// A page opened from a file fetches nothing: ruvantia.html carries its program within.
if (location.protocol !== 'file:')
  window.ruvantiaProgram = WebAssembly.compileStreaming(fetch('show.wasm', {credentials: 'same-origin'}));
