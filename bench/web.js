// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page in headless Chromium, in one run of the browser, printed as scripts/bench.sh
// reads its figures:
//   RESULT|figure|median|lower quartile|upper quartile|budget|unit|runs
//   RATIO|figure|median|lower quartile|upper quartile|floor|floor median|ratio|budget
// - the page ready, its load report drawn and painted, against a blank page that loads
//   the same faces, opened in turns, with the cache off: at most 1.5 times;
// - Start with a phrase of 383 characters, a tile click and a tile hover, each with the
//   style and layout it causes, timed inside the page in CPU time of its main thread: at
//   most a quarter of a 60 Hz frame;
// - the WebAssembly and the JavaScript, compressed with gzip -9: under 100 KB.

'use strict';

const fs = require('node:fs');
const path = require('node:path');
const zlib = require('node:zlib');
const h = require('../web/tests/harness.js');

const turns = 21;
const repetitions = 200;
const quarterFrameMicroseconds = 1e6 / 60 / 4;

// The blank page: the page's faces loaded as the page loads them, and nothing else.
const blankPage = Buffer.from(`<!DOCTYPE html>
<html lang="en"><head><meta charset="utf-8"><title>blank</title>
<link rel="icon" href="icon.svg" type="image/svg+xml"></head><body><script type="module">
const faces = [['Comfortaa', 'fonts/Comfortaa-Regular.ttf', 'normal'],
  ['DejaVu Sans', 'fonts/DejaVuSans-Bold.ttf', 'bold']];
await Promise.all(faces.map(([family, file, weight]) => {
  const face = new FontFace(family, 'url(' + file + ')', { weight });
  document.fonts.add(face);
  return face.load();
}));
document.documentElement.dataset.ready = 'true';
</script></body></html>`);

// Twenty phrases of 383 characters, each with accents to put back, each shifted by one
// more character, so that every start lays out tiles afresh.
const longPhrase = 'Él está aquí y también allá, ¿qué más? '.repeat(10).slice(0, 383);
const longFile = Buffer.from(Array.from({ length: 20 },
  (_, i) => longPhrase.slice(i) + longPhrase.slice(0, i)).join('\r\n'), 'latin1');

function quartiles(values) {
  const sorted = [...values].sort((a, b) => a - b);
  const at = (p) => {
    const r = p * (sorted.length - 1);
    const below = Math.floor(r);
    const above = Math.min(below + 1, sorted.length - 1);
    return sorted[below] + (sorted[above] - sorted[below]) * (r - below);
  };
  return [at(0.5), at(0.25), at(0.75)];
}

// Milliseconds from navigation to the first frame painted after the page says it is ready.
async function readyTime(browser, url) {
  const page = await h.newPage(browser);
  await page.setCacheEnabled(false);
  await page.evaluateOnNewDocument(() => {
    new MutationObserver((changes, observer) => {
      if (document.documentElement?.dataset.ready) {
        observer.disconnect();
        requestAnimationFrame(() => setTimeout(() => { window.paintedAt = performance.now(); }));
      }
      // Only the attribute that says so: the driver's observer should not run for each of
      // the page's own writes, which the blank page does not make.
    }).observe(document, { attributeFilter: ['data-ready'], subtree: true });
  });
  await page.goto(url);
  await page.waitForFunction(() => window.paintedAt !== undefined);
  const time = await page.evaluate(() => window.paintedAt);
  h.assert.deepEqual(page.errors, []);
  await page.close();
  return time;
}

// Microseconds of each of many runs of an event's handling, with the style and layout it
// causes, timed inside the page in CPU time of the page's main thread, as the desktop
// window's operations are timed in CPU time of its thread: on a machine shared with other
// work, the wall time counts the time the browser waits for a processor. The thread's
// clock is read off the browser's trace, where each performance.mark carries it.
async function timeEvents(page, kind) {
  await page.tracing.start({ categories: ['blink.user_timing'] });
  const wall = await page.evaluate((what, count) => {
    // The page makes its tiles when it first shows one: at the first Start.
    let tiles = document.querySelectorAll('.tile');
    const sheet = document.getElementById('sheet');
    const times = [];
    for (let i = 0; i < count; ++i) {
      if (tiles.length === 0)
        tiles = document.querySelectorAll('.tile');
      const tile = tiles[1 + (i % 300)];
      performance.mark('acutrix-run');
      const start = performance.now();
      if (what === 'Start')
        document.getElementById('Start').click();
      else if (what === 'click')
        tile.dispatchEvent(new MouseEvent('click', { bubbles: true, detail: 1 }));
      else
        tile.dispatchEvent(new MouseEvent('mousemove', { bubbles: true }));
      sheet.getBoundingClientRect();
      void tile?.offsetWidth;
      times.push((performance.now() - start) * 1000);
      performance.mark('acutrix-ran');
    }
    return times;
  }, kind, repetitions);
  const events = JSON.parse(Buffer.from(await page.tracing.stop()).toString()).traceEvents;
  const clock = (name) => events.filter((event) => event.name === name)
    .sort((a, b) => a.ts - b.ts).map((event) => event.tts);
  const starts = clock('acutrix-run');
  const ends = clock('acutrix-ran');
  h.assert.equal(starts.length, repetitions);
  h.assert.equal(ends.length, repetitions);
  return { cpu: starts.map((start, i) => ends[i] - start), wall };
}

async function main() {
  const { origin } = await h.serve({ '/blank.html': blankPage, '/Tilde.txt': longFile });
  const browser = await h.launch();
  const lines = [];
  try {
    const game = [];
    const blank = [];
    const ratios = [];
    for (let turn = 0; turn < turns; ++turn) {
      // Each goes first every other time.
      const order = turn % 2 ? ['game', 'blank'] : ['blank', 'game'];
      const times = {};
      for (const which of order)
        times[which] = await readyTime(browser, `${origin}/${which === 'game' ? '' : 'blank.html'}`);
      game.push(times.game * 1000);
      blank.push(times.blank * 1000);
      ratios.push(times.game / times.blank);
    }
    const [gameMedian, gameLow, gameHigh] = quartiles(game);
    lines.push(['RATIO', 'the page ready, its load report painted, cache off', gameMedian,
      gameLow, gameHigh, 'a blank page with the same faces', quartiles(blank)[0],
      quartiles(ratios)[0], 1.5]);

    const page = await h.newPage(browser, { width: 1920, height: 1080 });
    await h.openGame(page, `${origin}/`);
    const names = {
      Start: 'Start, a phrase of 383 characters laid out',
      click: 'tile click, with its layout',
      mousemove: 'tile hover, with its layout',
    };
    for (const [kind, figure] of Object.entries(names)) {
      const { cpu, wall } = await timeEvents(page, kind);
      const [median, low, high] = quartiles(cpu);
      lines.push(['RESULT', `${figure} (Chromium, 1920×1080)`, median, low, high,
        quarterFrameMicroseconds, 'us', repetitions]);
      // The wall time, for the record: on a machine with nothing else to do, it is the CPU
      // time.
      console.error(`${figure}: wall time median ${quartiles(wall)[0].toFixed(0)} µs`);
    }
    h.assert.deepEqual(page.errors, []);

    const shipped = ['model.wasm', 'model.js', 'page.js'].map((name) =>
      zlib.gzipSync(fs.readFileSync(path.join(h.site, name)), { level: 9 }).length);
    const kilobytes = shipped.reduce((a, b) => a + b) / 1000;
    lines.push(['RESULT', 'model.wasm, model.js and page.js, gzip -9', kilobytes, kilobytes,
      kilobytes, 100, 'KB', 1]);
  } finally {
    await browser.close();
    fs.rmSync(browser.profile, { recursive: true, force: true });
  }
  for (const line of lines)
    console.log(line.join('|'));
  process.exit(0);
}

main().catch((error) => {
  console.error(error);
  process.exit(1);
});
