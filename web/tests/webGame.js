// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A whole game in the page, driven by real mouse, key and touch events in Chromium: the
// load report, Start, hovers and clicks, a miss and its tint, hits and the report's text,
// colour and place, the prompt after the last phrase, Help, Credits, a dropped file and a
// set; and what the page must not do: scroll sideways, store anything, or fetch anything
// from outside its own folder.

'use strict';

const fs = require('node:fs');
const path = require('node:path');
const h = require('./harness.js');

const phrases = ['Él está aquí.', 'camión', 'también'];
const phraseFile = Buffer.from(phrases.join('\r\n') + '\r\n', 'latin1');

const loadReport = (count) => ['', ' Tilde.TXT Loaded.', ` File contains :  ${count} phrases.`,
  '', ' Click START to begin the test.', ' Click HELP to read the instructions.'];
const prompt = ['', ' Press START to being test ! '];

// Text colours as CSS computes them from 0xBBGGRR.
const white = 'rgb(255, 255, 255)';
const selected = 'rgb(0, 192, 192)';
const wrongAnswer = 'rgb(255, 255, 128)';
const red = 'rgb(255, 0, 0)';
const yellow = 'rgb(255, 255, 0)';
const green = 'rgb(0, 255, 0)';
const palette = ['rgb(0, 0, 64)', 'rgb(0, 64, 0)', 'rgb(64, 0, 0)', 'rgb(64, 0, 64)',
  'rgb(64, 64, 64)', 'rgb(128, 64, 64)', 'rgb(0, 0, 0)'];

const plain = { á: 'a', é: 'e', í: 'i', ó: 'o', ú: 'u', Á: 'A', É: 'E', Í: 'I', Ó: 'O', Ú: 'U' };
const withoutAccents = (text) => [...text].map((c) => plain[c] || c).join('');

async function served(page, overrides = { '/Tilde.txt': phraseFile }, query = '') {
  const { origin } = await h.serve(overrides);
  await h.openGame(page, `${origin}/${query}`);
  return origin;
}

async function clickTile(page, index, count = 1) {
  const centre = await h.tileCentre(page, index);
  await page.mouse.click(centre.x, centre.y, { count });
}

async function doubleClickBoard(page) {
  const point = await h.bareBoardPoint(page);
  await page.mouse.click(point.x, point.y, { count: 2 });
}

// The phrase of the file that the board shows.
async function phraseOnBoard(page) {
  const { board } = await h.boardState(page);
  return phrases.find((phrase) => withoutAccents(phrase) === board);
}

// Clicks every tile whose character lacks the phrase's accent.
async function putAccents(page) {
  const phrase = await phraseOnBoard(page);
  for (let i = 0; i < phrase.length; ++i) {
    if (phrase[i] !== withoutAccents(phrase[i]))
      await clickTile(page, i + 1);
  }
}

// Drops a file of that text on the board, as a file manager would.
async function dropFile(page, text) {
  await page.evaluate((content) => {
    const transfer = new DataTransfer();
    transfer.items.add(new File([content], 'mine.txt'));
    const drop = new DragEvent('drop', { dataTransfer: transfer, bubbles: true, cancelable: true });
    document.getElementById('board').dispatchEvent(drop);
  }, text);
}

async function tileStyle(page, index) {
  return page.evaluate((i) => {
    const tile = document.querySelectorAll('.tile')[i];
    const style = getComputedStyle(tile);
    const points = Math.round(parseFloat(style.fontSize) * 3 / 4 * 100) / 100;
    // A tile is stacked by the box it fills.
    const zIndex = Number(getComputedStyle(tile.parentElement).zIndex);
    return { points, zIndex, color: style.color };
  }, index);
}

async function labelBoxes(page) {
  return page.evaluate(() => {
    const board = document.getElementById('board').getBoundingClientRect();
    const box = (element) => {
      const r = element.getBoundingClientRect();
      return { left: r.left - board.left, top: r.top - board.top, width: r.width,
        height: r.height, right: r.right };
    };
    return {
      tiles: [...document.querySelectorAll('.tile')].filter((t) => !t.hidden).map(box),
      report: box(document.getElementById('report')),
      viewport: { width: document.documentElement.clientWidth,
        height: document.documentElement.clientHeight },
      board: { width: board.width, height: board.height },
    };
  });
}

const tests = {
  async 'the load report is printed when the page opens'(page) {
    await served(page);
    const state = await h.boardState(page);
    h.assert.deepEqual(state.lines, loadReport(3));
    h.assert.ok(palette.includes(state.background), state.background);
    h.assert.equal(state.tileCount, 0);
  },

  async 'Start lays the phrase out without its accents, from the top left'(page) {
    await served(page);
    await page.click('#Start');
    const state = await h.boardState(page);
    const boxes = await labelBoxes(page);
    h.assert.deepEqual(state.lines, []);
    h.assert.ok(phrases.map(withoutAccents).includes(state.board), state.board);
    // Tile 0 at (0, 400 twips), tile 1 at its width of 180 twips plus 50: 15 to a pixel.
    h.assert.deepEqual([boxes.tiles[0].left, boxes.tiles[0].top], [0, 27]);
    h.assert.equal(boxes.tiles[1].left, 15);
  },

  async "a tile with a character is opaque in the window's colour, game after game"(page) {
    // One phrase: each game lays the same tiles out again, on a colour drawn afresh.
    await served(page, { '/Tilde.txt': Buffer.from('ab\r\n') });
    const backgrounds = [];
    for (let game = 0; game < 8; ++game) {
      await page.click('#Start');
      backgrounds.push(await page.evaluate(() => {
        const colour = (element) => getComputedStyle(element).backgroundColor;
        // A tile is drawn on the box it fills, through its own transparent button.
        const tiles = [...document.querySelectorAll('.tile')].filter((tile) => !tile.hidden);
        return [colour(tiles[1].parentElement) === colour(document.getElementById('board')),
          colour(tiles[0].parentElement), colour(tiles[1])];
      }));
    }
    h.assert.deepEqual(backgrounds,
      Array(8).fill([true, 'rgba(0, 0, 0, 0)', 'rgba(0, 0, 0, 0)']));
  },

  async 'a hovered tile grows and comes to the front; the one before shrinks'(page) {
    await served(page);
    await page.click('#Start');
    const first = await h.tileCentre(page, 2);
    await page.mouse.move(first.x, first.y);
    const second = await h.tileCentre(page, 3);
    await page.mouse.move(second.x, second.y);
    const before = await tileStyle(page, 2);
    const after = await tileStyle(page, 3);
    const neighbour = await tileStyle(page, 4);
    h.assert.equal(before.points, 36);
    h.assert.equal(after.points, 46);
    h.assert.ok(after.zIndex > neighbour.zIndex && after.zIndex > before.zIndex);
  },

  async 'a click toggles the accent and takes the selection colour from the tile before'(page) {
    await served(page, { '/Tilde.txt': Buffer.from('aei\r\n') });
    await page.click('#Start');
    await clickTile(page, 1);
    await clickTile(page, 2);
    await clickTile(page, 2);
    const state = await h.boardState(page);
    h.assert.equal(state.board, 'áei');
    h.assert.deepEqual(state.colours, [white, white, selected, white]);
  },

  async 'a double-click on a tile is one click'(page) {
    await served(page, { '/Tilde.txt': Buffer.from('aei\r\n') });
    await page.click('#Start');
    await clickTile(page, 3, 2);
    const state = await h.boardState(page);
    h.assert.equal(state.board, 'aeí');
  },

  async 'a miss tints every tile and reports 0 % in red, low and centred'(page) {
    await served(page, { '/Tilde.txt': Buffer.from('\xe1\r\n', 'latin1') });
    await page.click('#Start');
    await doubleClickBoard(page);
    const state = await h.boardState(page);
    const boxes = await labelBoxes(page);
    h.assert.deepEqual(state.colours, [wrongAnswer, wrongAnswer]);
    h.assert.equal(state.report, ' Score :  0% Shots :  1 Hits   :  0');
    h.assert.equal(state.reportColour, red);
    // Top at 85 % of the viewport's height, centred on its width.
    h.assert.ok(Math.abs(boxes.report.top - 0.85 * boxes.viewport.height) <= 1);
    const centre = boxes.report.left + boxes.report.width / 2;
    h.assert.ok(Math.abs(centre - boxes.viewport.width / 2) <= 1);
  },

  async 'hits go on to the next phrase, and the score turns yellow at 2 in 3'(page) {
    await served(page);
    await page.click('#Start');
    await doubleClickBoard(page);
    await putAccents(page);
    await page.keyboard.press('Enter');
    await putAccents(page);
    await page.keyboard.press('Enter');
    const state = await h.boardState(page);
    h.assert.equal(state.report, ' Score :  66.7% Shots :  3 Hits   :  2');
    h.assert.equal(state.reportColour, yellow);
  },

  async 'after the last phrase the board is empty and a submission prompts for Start'(page) {
    await served(page);
    await page.click('#Start');
    for (let i = 0; i < phrases.length; ++i) {
      await putAccents(page);
      await doubleClickBoard(page);
    }
    await page.keyboard.press('Enter');
    const state = await h.boardState(page);
    h.assert.deepEqual(state.lines, prompt);
    h.assert.equal(state.board, '');
    h.assert.equal(state.report, ' Score :  100% Shots :  3 Hits   :  3');
    h.assert.equal(state.reportColour, green);
  },

  async 'Help hides the board and the report and prints the instructions'(page) {
    await served(page);
    await page.click('#Start');
    await doubleClickBoard(page);
    await page.click('#Help');
    const state = await h.boardState(page);
    h.assert.equal(state.lines.length, 13);
    h.assert.equal(state.lines[1], ' Acutrix automatically searches and loads ');
    h.assert.equal(state.tileCount, 0);
    h.assert.equal(state.report, '');
  },

  async 'Credits prints nine lines in place of the load report'(page) {
    await served(page);
    await page.click('#Credits');
    const state = await h.boardState(page);
    h.assert.equal(state.lines.length, 9);
    h.assert.equal(state.lines[0], '');
  },

  async 'Space presses a focused tile, and Enter there submits instead of pressing'(page) {
    await served(page, { '/Tilde.txt': Buffer.from('\xe1\r\n', 'latin1') });
    await page.click('#Start');
    await page.evaluate(() => document.querySelectorAll('.tile')[1].focus());
    await page.keyboard.press('Space');
    await page.keyboard.press('Enter');
    const state = await h.boardState(page);
    h.assert.equal(state.report, ' Score :  100% Shots :  1 Hits   :  1');
  },

  async 'no key but Enter changes the game'(page) {
    await served(page, { '/Tilde.txt': Buffer.from('ae\r\n') });
    await page.click('#Start');
    await page.keyboard.type('áe x\b');
    await page.keyboard.press('Escape');
    const state = await h.boardState(page);
    h.assert.equal(state.board, 'ae');
    h.assert.equal(state.report, '');
  },

  async 'the tiles are buttons of their caption, in Spanish, a space named "space"'(page) {
    await served(page, { '/Tilde.txt': Buffer.from('a b\r\n') });
    await page.click('#Start');
    const names = await page.$$eval('.tile:not([hidden])', (tiles) => tiles.map((tile) =>
      [tile.tagName, tile.lang, tile.textContent, tile.getAttribute('aria-label')]));
    const status = await page.$eval('#report', (report) => report.getAttribute('role'));
    h.assert.deepEqual(names.slice(1), [['BUTTON', 'es', 'a', null],
      ['BUTTON', 'es', ' ', 'space'], ['BUTTON', 'es', 'b', null]]);
    h.assert.equal(status, 'status');
  },

  async 'a double tap on the background submits, and does not zoom'(page) {
    await page.setViewport({ width: 400, height: 700, hasTouch: true, isMobile: true });
    await served(page, { '/Tilde.txt': Buffer.from('ab\r\n') });
    await page.tap('#Start');
    const point = await h.bareBoardPoint(page);
    await page.touchscreen.tap(point.x, point.y);
    await page.touchscreen.tap(point.x, point.y);
    const state = await h.boardState(page);
    const touchAction = await page.$eval('html', (html) => getComputedStyle(html).touchAction);
    h.assert.equal(state.report, ' Score :  100% Shots :  1 Hits   :  1');
    h.assert.equal(touchAction, 'manipulation');
  },

  async 'a narrow screen wraps the board at its width, with no sideways scrolling'(page) {
    await page.setViewport({ width: 360, height: 640 });
    const long = 'Él también quiere café con leche, y después un té con limón.';
    await served(page, { '/Tilde.txt': Buffer.from(long, 'latin1') });
    await page.click('#Start');
    const boxes = await labelBoxes(page);
    const scroll = await page.$eval('#board', (board) => {
      board.scrollLeft = 50;
      return [board.scrollLeft, board.scrollWidth - board.clientWidth];
    });
    // Every row after the first starts at 100 twips.
    const rowStarts = boxes.tiles.filter((tile, i) => i > 0 && tile.top > boxes.tiles[i - 1].top);
    h.assert.ok(rowStarts.length >= 2, 'several rows');
    h.assert.deepEqual(new Set(rowStarts.map((tile) => tile.left)), new Set([7]));
    h.assert.deepEqual(scroll, [0, 0]);
  },

  async 'a dropped file starts afresh, so that a failed load is not for good'(page) {
    await served(page, { '/Tilde.txt': null, '/tilde.txt': null, '/Tilde.TXT': null });
    const before = await h.boardState(page);
    await dropFile(page, 'uno\r\ndos\r\n');
    await page.waitForFunction(() => !document.getElementById('Start').disabled);
    const after = await h.boardState(page);
    h.assert.equal(before.startEnabled, false);
    h.assert.deepEqual(after.lines, loadReport(2));
    return (error) => error.includes('404');
  },

  async 'a file dropped during a game clears the board for the load report'(page) {
    await served(page);
    await page.click('#Start');
    await dropFile(page, 'uno\r\ndos\r\n');
    await page.waitForFunction(() =>
      document.getElementById('panel').textContent.includes('File contains :  2 phrases.'));
    const state = await h.boardState(page);
    h.assert.equal(state.tileCount, 0);
  },

  async 'Start chosen while a dropped file is read waits for it'(page) {
    await served(page);
    await dropFile(page, 'uno\r\n');
    await page.click('#Start');
    await page.waitForFunction(() => document.querySelectorAll('.tile:not([hidden])').length);
    const state = await h.boardState(page);
    h.assert.equal(state.board, 'uno');
  },

  async 'Start chosen before the tiles\' face is in waits for it'(page, browser) {
    const face = fs.readFileSync(path.join(h.site, 'fonts/Comfortaa-Regular.ttf'));
    const onePhrase = { '/Tilde.txt': Buffer.from('camión\r\n', 'latin1') };
    const { origin } = await h.serve({
      ...onePhrase,
      '/fonts/Comfortaa-Regular.ttf': (request, response) => setTimeout(() => {
        response.writeHead(200, { 'Content-Type': 'font/ttf' });
        response.end(face);
      }, 500),
    });
    await page.goto(`${origin}/`);
    await page.waitForSelector('html[data-ready="true"]');
    await page.click('#Start');
    await page.waitForFunction(() => document.querySelectorAll('.tile:not([hidden])').length);
    // The same phrase laid out by a page that had its faces before Start.
    const other = await h.newPage(browser);
    await served(other, onePhrase);
    await other.click('#Start');
    const expected = await labelBoxes(other);
    await other.close();
    h.assert.deepEqual((await labelBoxes(page)).tiles, expected.tiles);
  },

  async 'a file chosen with the picker is read as the phrase file'(page) {
    await served(page);
    const file = path.join(fs.mkdtempSync(path.join(require('node:os').tmpdir(), 'pick-')),
      'mine.txt');
    fs.writeFileSync(file, 'uno\r\n\r\ndos\r\ntres\r\n');
    const [chooser] = await Promise.all([page.waitForFileChooser(), page.click('#open')]);
    await chooser.accept([file]);
    await page.waitForFunction(() =>
      document.getElementById('panel').textContent.includes('File contains :  3 phrases.'));
    fs.rmSync(path.dirname(file), { recursive: true });
  },

  async '?set=NAME plays a bundled set'(page) {
    const bytes = fs.readFileSync(path.join(h.sourceDir, 'data/sets/hiatus/Tilde.txt'));
    const count = bytes.toString('latin1').split('\r\n').filter((line) => line.trim()).length;
    await served(page, {}, '?set=hiatus');
    const state = await h.boardState(page);
    h.assert.deepEqual(state.lines, loadReport(count));
  },

  async 'a server that gives the WebAssembly another type still serves a game'(page) {
    const wasm = fs.readFileSync(path.join(h.site, 'model.wasm'));
    await served(page, {
      '/Tilde.txt': phraseFile,
      '/model.wasm': (request, response) => {
        response.writeHead(200, { 'Content-Type': 'application/octet-stream' });
        response.end(wasm);
      },
    });
    await page.click('#Start');
    const state = await h.boardState(page);
    h.assert.ok(phrases.map(withoutAccents).includes(state.board), state.board);
  },

  async 'the page stores nothing and fetches only from its own folder'(page) {
    const origin = await served(page);
    await page.click('#Start');
    await doubleClickBoard(page);
    const stored = await page.evaluate(async () => [document.cookie, localStorage.length,
      sessionStorage.length, (await indexedDB.databases()).length]);
    h.assert.deepEqual(stored, ['', 0, 0, 0]);
    h.assert.deepEqual(page.requests.filter((url) => !url.startsWith(`${origin}/`)), []);
  },
};

h.run(tests);
