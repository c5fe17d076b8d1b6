// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's model, compiled to WebAssembly and run in Chromium, against the same model
// built natively: fed the same time of day, the same file bytes and the same caption
// sizes, they give the same play queue, background colours, layout in twips and report
// after every event of a script.

'use strict';

const fs = require('node:fs');
const path = require('node:path');
const h = require('./harness.js');

// A game on each file: several starts, clicks, hovers, misses, hits up to the prompt after
// the last phrase, Help and Credits. Each start draws a colour, then the shuffle.
const script = [
  'Load', 'LoadPhrases', 'Submit', 'Start', 'hover 2', 'hover 3', 'click 1', 'click 4',
  'Submit', 'hover 1', 'click 2', 'click 2', 'solve', 'Submit', 'Submit', 'solve', 'Submit',
  'Help', 'Submit', 'Start', 'solve', 'Submit', 'Credits', 'Start', 'Start',
  ...Array(8).fill(['solve', 'Submit', 'hover 5']).flat(), 'Submit', 'Start',
];

// A window of 1000 x 700 pixels 50 below the top of the screen, and a narrow one.
const wide = [15000, 10500, 750, 15000, 10000];
const narrow = [4800, 9000, 0, 4800, 8500];

const sample = fs.readFileSync(path.join(h.sourceDir, 'data', 'Tilde.txt'));
const set = fs.readFileSync(path.join(h.sourceDir, 'data', 'sets', 'hiatus', 'Tilde.txt'));
const short = Buffer.from('Él está aquí.\r\n\r\n  tu  casa \r\ncamión\r\nsin acento\r\n', 'latin1');
const utf8 = Buffer.from('\ufeffcanci\u00f3n\n\u00c1rbol y ni\u0301do\nfin\n', 'utf8');

const cases = [
  { name: 'the sample, at a quarter past twelve', bytes: sample, seconds: 45296.25, frame: wide },
  { name: 'the sample, just after midnight', bytes: sample, seconds: 0.125, frame: wide },
  { name: 'a set, in a narrow window', bytes: set, seconds: 86399.5, frame: narrow },
  { name: 'four phrases, Windows-1252', bytes: short, seconds: 3600, frame: wide },
  { name: 'four phrases, narrow', bytes: short, seconds: 60.5, frame: narrow },
  { name: 'UTF-8 with a mark and a combining accent', bytes: utf8, seconds: 7, frame: wide },
  { name: 'no phrase file', bytes: null, seconds: 100, frame: wide },
];

const tests = {
  async 'four phrases are played to the prompt after the last one'(page) {
    const { origin } = await h.serve();
    await h.openGame(page, `${origin}/`);
    const input = { bytes: short, seconds: 3600, frame: wide, script, sizes: [] };
    const { sizes } = await h.wasmTrace(page, input);
    const native = h.nativeTrace({ ...input, sizes });
    h.assert.match(native, /^line \[ Press START to being test ! \]$/m);
  },
};
for (const c of cases) {
  tests[c.name] = async (page) => {
    const { origin } = await h.serve();
    await h.openGame(page, `${origin}/`);
    const input = { ...c, seconds: Math.fround(c.seconds), script };
    const wasm = await h.wasmTrace(page, input);
    const native = h.nativeTrace({ ...input, sizes: wasm.sizes });
    if (c.bytes !== null)
      h.assert.match(native, /^hits [1-9]/m, 'the script scores a hit');
    h.assert.equal(h.firstDifference(native, wasm.trace), null);
  };
}

h.run(tests);
