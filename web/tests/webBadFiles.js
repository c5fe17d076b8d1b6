// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Phrase files the page cannot play: missing under every name it tries, over the size
// limit (served, streamed or chosen), or binary, which the page reads exactly as the
// native model reads it. None of them throws.

'use strict';

const h = require('./harness.js');

// The size limit of the phrase file, 64 MiB.
const limit = 64 * 1024 * 1024;

const warning = ['', ' WARNING : Unable to load file Tilde.TXT',
  ' This file contains the phrases for the test.', '',
  ' You can manually create/customize a new one.', ' Remember that Acutrix.EXE and Tilde.TXT ',
  ' must be placed in the same folder.'];

const missing = { '/Tilde.txt': null, '/tilde.txt': null, '/Tilde.TXT': null };
const notFound = (error) => /status of 404/.test(error);

// Bytes of a simple generator, the same every run.
function noise(size, seed) {
  const bytes = Buffer.alloc(size);
  let state = seed;
  for (let i = 0; i < size; ++i) {
    state = (state * 1103515245 + 12345) % 2147483648;
    bytes[i] = state >> 16;
  }
  return bytes;
}

// The page's panel, as the native trace prints it.
function escaped(text) {
  return [...text].map((c) => {
    const code = c.charCodeAt(0);
    return code >= 0x20 && code < 0x7f && c !== '\\' ? c
      : `\\u${code.toString(16).padStart(4, '0')}`;
  }).join('');
}

async function opened(page, overrides, query = '') {
  const { origin } = await h.serve(overrides);
  await h.openGame(page, `${origin}/${query}`);
  return h.boardState(page);
}

const tests = {
  async 'a missing file is looked for under three names, then warned about'(page) {
    const { origin } = await h.serve(missing);
    await h.openGame(page, `${origin}/`);
    const state = await h.boardState(page);
    const tried = page.requests.filter((url) => /tilde/i.test(url));
    h.assert.deepEqual(state.lines, warning);
    h.assert.equal(state.startEnabled, false);
    h.assert.deepEqual(tried, ['Tilde.txt', 'tilde.txt', 'Tilde.TXT'].map((n) => `${origin}/${n}`));
    return notFound;
  },

  async 'the file is found when its name is in capitals'(page) {
    const state = await opened(page, { ...missing, '/Tilde.TXT': Buffer.from('uno\r\n') });
    h.assert.equal(state.lines[2], ' File contains :  1 phrases.');
    return notFound;
  },

  async 'a set that does not exist gets the warning'(page) {
    const state = await opened(page, {}, '?set=nothing-here');
    h.assert.deepEqual(state.lines, warning);
    return notFound;
  },

  async 'a set name that is not a plain name is not fetched'(page) {
    const state = await opened(page, {}, '?set=../..');
    h.assert.deepEqual(state.lines, warning);
    h.assert.ok(page.requests.every((url) => !/tilde/i.test(url)));
  },

  async 'a file one byte over the limit gets the warning'(page) {
    const state = await opened(page, { '/Tilde.txt': Buffer.alloc(limit + 1, 'a') });
    h.assert.deepEqual(state.lines, warning);
  },

  async 'a file over the limit sent with no length is cut off and gets the warning'(page) {
    const stream = (request, response) => {
      response.writeHead(200, { 'Content-Type': 'text/plain' });
      const chunk = Buffer.alloc(1024 * 1024, 'a');
      for (let i = 0; i < 64; ++i)
        response.write(chunk);
      response.end('a');
    };
    const state = await opened(page, { '/Tilde.txt': stream });
    h.assert.deepEqual(state.lines, warning);
  },

  async 'a chosen file over the limit gets the warning'(page) {
    await opened(page, {});
    await page.evaluate((size) => {
      const transfer = new DataTransfer();
      transfer.items.add(new File([new Uint8Array(size)], 'huge.txt'));
      const drop = new DragEvent('drop', { dataTransfer: transfer, bubbles: true });
      document.getElementById('board').dispatchEvent(drop);
    }, limit + 1);
    await page.waitForFunction(() => document.getElementById('Start').disabled);
    const state = await h.boardState(page);
    h.assert.deepEqual(state.lines, warning);
  },
};

const binaries = {
  'random bytes': noise(4096, 1),
  'NUL bytes': Buffer.alloc(300),
  'UTF-16 with an odd byte': Buffer.concat([Buffer.from([0xff, 0xfe]), noise(101, 2)]),
  'UTF-32': Buffer.concat([Buffer.from([0xff, 0xfe, 0, 0]), noise(64, 3)]),
  'broken UTF-8': Buffer.from([0x61, 0xc3, 0x28, 0x0d, 0x0a, 0xe2, 0x82, 0x0d, 0xf0, 0x9f]),
};
for (const [name, bytes] of Object.entries(binaries)) {
  tests[`${name}: read as the native model reads them`] = async (page) => {
    const state = await opened(page, { '/Tilde.txt': bytes });
    const input = { bytes, seconds: 1, frame: [15000, 10500, 0, 15000, 10000],
      script: ['Load', 'LoadPhrases'] };
    const { sizes } = await h.wasmTrace(page, input);
    const native = h.nativeTrace({ ...input, sizes }).split('\n')
      .filter((line) => line.startsWith('line ['));
    h.assert.deepEqual(state.lines.map((line) => `line [${escaped(line)}]`), native);
  };
}

h.run(tests);
