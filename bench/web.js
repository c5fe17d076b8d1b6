// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page in headless Chromium, in one run of the browser, printed as scripts/bench.sh
// reads its figures:
//   RESULT|figure|median|lower quartile|upper quartile|budget|unit|runs
//   RATIO|figure|median|lower quartile|upper quartile|floor|floor median|ratio|budget
// - the page ready, its load report drawn and painted, against a blank page that loads
//   the same faces, opened in turns, each load a first visit: at most 1.5 times. The server
//   forbids caching (no-store), so each load fetches every file afresh. The browser is told
//   not to report requests to this driver: the driver's network reporting (and the cache
//   switch that needs it) costs Chromium a few milliseconds a request that no player's
//   browser spends, and would weigh on the page's seven files against the blank's two;
// - Start with a phrase of 383 characters, with the style and layout it causes, against
//   the page's own tiles in a page with no game, given the same captions and places in
//   turn with it: at most 1.5 times, and at most a quarter of a 60 Hz frame more. Whatever
//   a browser on a given processor takes to lay out 383 buttons anew is in both, so the
//   figures judge what the game and the page add;
// - a tile click and a tile hover, each with the style and layout it causes: at most a
//   quarter of a 60 Hz frame;
// - the WebAssembly and the JavaScript, compressed with gzip -9: under 100 KB.
// Events are timed inside the page in CPU time of its main thread.

'use strict';

const fs = require('node:fs');
const path = require('node:path');
const zlib = require('node:zlib');
const h = require('../web/tests/harness.js');

const turns = 31;
const repetitions = 200;
const startTurns = 5;
const quarterFrameMicroseconds = 1e6 / 60 / 4;

// Loads the page's faces as the page loads them, then marks the document ready.
const loadFaces = `
const faces = [['Comfortaa', 'fonts/Comfortaa-Regular.ttf', 'normal'],
  ['DejaVu Sans', 'fonts/DejaVuSans-Bold.ttf', 'bold']];
await Promise.all(faces.map(([family, file, weight]) => {
  const face = new FontFace(family, 'url(' + file + ')', { weight });
  document.fonts.add(face);
  return face.load();
}));
document.documentElement.dataset.ready = 'true';`;

// The blank page: the page's faces, and nothing else.
const blankPage = Buffer.from(`<!DOCTYPE html>
<html lang="en"><head><meta charset="utf-8"><title>blank</title>
<link rel="icon" href="icon.svg" type="image/svg+xml"></head><body><script type="module">
${loadFaces}
</script></body></html>`);

// The floor of Start: the page's tiles, each a button in a box of its own, in the page's
// stylesheet and faces, with no game. replay(n) gives them the captions and places of the
// game's nth start as the page writes them: each value only where it changed.
const tilesPage = Buffer.from(`<!DOCTYPE html>
<html lang="en"><head><meta charset="utf-8"><title>tiles</title>
<link rel="icon" href="icon.svg" type="image/svg+xml"><link rel="stylesheet" href="style.css">
</head><body><main id="board"><div id="sheet"></div></main><script type="module">
${loadFaces}
const sheet = document.getElementById('sheet');
window.setUp = (starts, tileStyle, boxStyle) => {
  const tiles = starts[0].map(() => {
    const tile = document.createElement('button');
    tile.type = 'button';
    tile.className = 'label tile';
    tile.lang = 'es';
    tile.style.cssText = tileStyle;
    tile.append('');
    const box = document.createElement('div');
    box.className = 'tilebox';
    box.style.cssText = boxStyle;
    box.append(tile);
    sheet.append(box);
    return tile;
  });
  window.replay = (n) => {
    starts[n % starts.length].forEach(([caption, ...place], i) => {
      const tile = tiles[i];
      const box = tile.parentElement;
      const hidden = caption === null;
      if (tile.hidden !== hidden) {
        tile.hidden = hidden;
        box.hidden = hidden;
      }
      if (hidden)
        return;
      if (tile.firstChild.data !== caption)
        tile.firstChild.data = caption;
      ['left', 'top', 'width', 'height'].forEach((property, k) => {
        if (box.style[property] !== place[k])
          box.style[property] = place[k];
      });
    });
  };
};
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

// Milliseconds from navigation to the first frame painted after the page says it is ready,
// checked to have fetched the given files from the server.
async function readyTime(browser, server, url, files) {
  const asked = server.served.length;
  const page = await h.newPage(browser);
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
  const fetched = server.served.slice(asked);
  for (const file of files)
    h.assert.ok(fetched.includes(file), `${url} did not fetch ${file}`);
  return time;
}

// Microseconds of each of many runs of an event's handling, with the style and layout it
// causes, timed inside the page in CPU time of the page's main thread, as the desktop
// window's operations are timed in CPU time of its thread: on a machine shared with other
// work, the wall time counts the time the browser waits for a processor. The thread's
// clock is read off the browser's trace, where each performance.mark carries it.
async function timeEvents(page, kind, count) {
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
      else if (what === 'replay')
        window.replay(i);
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
  }, kind, count);
  const events = JSON.parse(Buffer.from(await page.tracing.stop()).toString()).traceEvents;
  const clock = (name) => events.filter((event) => event.name === name)
    .sort((a, b) => a.ts - b.ts).map((event) => event.tts);
  const starts = clock('acutrix-run');
  const ends = clock('acutrix-ran');
  h.assert.equal(starts.length, count);
  h.assert.equal(ends.length, count);
  return { cpu: starts.map((start, i) => ends[i] - start), wall };
}

// What the page's tiles showed at each of twenty starts, each tile as [caption, left, top,
// width, height] (a null caption for a hidden tile), and the style the page gave a tile
// and its box, but for their places.
async function startsOf(page) {
  return page.evaluate(() => {
    const starts = [];
    for (let n = 0; n < 20; ++n) {
      document.getElementById('Start').click();
      starts.push([...document.querySelectorAll('.tile')].map((tile) => {
        const box = tile.parentElement.style;
        return [tile.hidden ? null : tile.firstChild.data, box.left, box.top, box.width,
          box.height];
      }));
    }
    const tile = document.querySelector('.tile:not([hidden])');
    const box = tile.parentElement.cloneNode(false);
    for (const property of ['left', 'top', 'width', 'height'])
      box.style.removeProperty(property);
    return [starts, tile.style.cssText, box.style.cssText];
  });
}

async function main() {
  const { server, origin } = await h.serve({
    '/blank.html': blankPage, '/tiles.html': tilesPage, '/Tilde.txt': longFile,
  }, { 'Cache-Control': 'no-store' });
  const browser = await h.launch({ networkEvents: false });
  // The files each page needs before it is ready (the game's tiles' face comes after).
  const textFace = '/fonts/DejaVuSans-Bold.ttf';
  const pages = {
    game: ['/', [textFace, '/model.wasm', '/model.js', '/page.js', '/Tilde.txt']],
    blank: ['/blank.html', ['/fonts/Comfortaa-Regular.ttf', textFace]],
  };
  const lines = [];
  try {
    const game = [];
    const blank = [];
    const ratios = [];
    for (let turn = 0; turn < turns; ++turn) {
      // Each goes first every other time.
      const order = turn % 2 ? ['game', 'blank'] : ['blank', 'game'];
      const times = {};
      for (const which of order) {
        const [address, files] = pages[which];
        times[which] = await readyTime(browser, server, origin + address, files);
      }
      game.push(times.game * 1000);
      blank.push(times.blank * 1000);
      ratios.push(times.game / times.blank);
    }
    const [gameMedian, gameLow, gameHigh] = quartiles(game);
    lines.push(['RATIO', 'the page ready, its load report painted, first visit', gameMedian,
      gameLow, gameHigh, 'a blank page with the same faces', quartiles(blank)[0],
      quartiles(ratios)[0], 1.5]);

    const page = await h.newPage(browser, { width: 1920, height: 1080 });
    await h.openGame(page, `${origin}/`);
    const floor = await h.newPage(browser, { width: 1920, height: 1080 });
    await h.openGame(floor, `${origin}/tiles.html`);
    await floor.evaluate((game) => window.setUp(...game), await startsOf(page));
    // In turns, so that both share whatever else the machine does.
    const starts = { cpu: [], wall: [] };
    const replays = { cpu: [], wall: [] };
    for (let turn = 0; turn < startTurns; ++turn) {
      for (const [times, tab, kind] of [[starts, page, 'Start'], [replays, floor, 'replay']]) {
        const { cpu, wall } = await timeEvents(tab, kind, repetitions / startTurns);
        times.cpu.push(...cpu);
        times.wall.push(...wall);
      }
    }
    const [median, low, high] = quartiles(starts.cpu);
    const floorMedian = quartiles(replays.cpu)[0];
    lines.push(['RATIO', 'Start, a phrase of 383 characters laid out (Chromium, 1920×1080)',
      median, low, high, 'the same tiles given the same captions and places, no game',
      floorMedian, median / floorMedian, 1.5]);
    // What the game and the page add to the tiles' own layout, against a quarter frame.
    const added = starts.cpu.map((time, i) => time - replays.cpu[i]);
    const [addedMedian, addedLow, addedHigh] = quartiles(added);
    lines.push(['RESULT', 'Start, above the same tiles with no game (Chromium, 1920×1080)',
      addedMedian, addedLow, addedHigh, quarterFrameMicroseconds, 'us', repetitions]);
    console.error(`Start: wall time median ${quartiles(starts.wall)[0].toFixed(0)} µs, `
      + `the tiles alone ${quartiles(replays.wall)[0].toFixed(0)} µs`);
    const names = {
      click: 'tile click, with its layout',
      mousemove: 'tile hover, with its layout',
    };
    for (const [kind, figure] of Object.entries(names)) {
      const { cpu, wall } = await timeEvents(page, kind, repetitions);
      const [median, low, high] = quartiles(cpu);
      lines.push(['RESULT', `${figure} (Chromium, 1920×1080)`, median, low, high,
        quarterFrameMicroseconds, 'us', repetitions]);
      // The wall time, for the record: on a machine with nothing else to do, it is the CPU
      // time.
      console.error(`${figure}: wall time median ${quartiles(wall)[0].toFixed(0)} µs`);
    }
    h.assert.deepEqual(floor.errors, []);
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
