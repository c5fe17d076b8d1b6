// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the browser tests share: the site served on 127.0.0.1, headless Chromium driven by
// puppeteer-core, every console error counted against the test, and small checks.

'use strict';

const assert = require('node:assert/strict');
const { execFileSync } = require('node:child_process');
const fs = require('node:fs');
const http = require('node:http');
const os = require('node:os');
const path = require('node:path');

const site = process.env.ACUTRIX_SITE;
const sourceDir = process.env.ACUTRIX_SOURCE_DIR;
const chromium = process.env.ACUTRIX_CHROMIUM || '/usr/bin/chromium';
const modeltrace = process.env.ACUTRIX_MODELTRACE;

let puppeteer;
try {
  puppeteer = require('puppeteer-core');
} catch {
  console.error('puppeteer-core is missing: scripts/install-deps.sh --web installs it');
  process.exit(1);
}

const types = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript',
  '.css': 'text/css',
  '.wasm': 'application/wasm',
  '.svg': 'image/svg+xml',
  '.ttf': 'font/ttf',
  '.txt': 'text/plain',
};

// The servers of the test that runs, closed when it ends.
const servers = [];

// Serves the site's folder. overrides maps a path ("/Tilde.txt") to the bytes to serve
// instead, to null for a file that is not there, or to a function that answers the
// request itself. headers are added to every file served; server.served lists the paths
// asked for, in order.
function serve(overrides = {}, headers = {}) {
  const server = http.createServer((request, response) => {
    const url = new URL(request.url, 'http://127.0.0.1');
    let name = decodeURIComponent(url.pathname);
    if (name.endsWith('/'))
      name += 'index.html';
    server.served.push(name);
    let body;
    if (Object.hasOwn(overrides, name)) {
      body = overrides[name];
    } else {
      const file = path.join(site, path.normalize(name));
      body = file.startsWith(site) && fs.existsSync(file) && fs.statSync(file).isFile()
        ? fs.readFileSync(file) : null;
    }
    if (typeof body === 'function') {
      body(request, response);
      return;
    }
    if (body === null) {
      response.writeHead(404, { 'Content-Type': 'text/plain' });
      response.end('not found');
      return;
    }
    response.writeHead(200, {
      'Content-Type': types[path.extname(name)] || 'application/octet-stream',
      'Content-Length': body.length,
      ...headers,
    });
    response.end(body);
  });
  server.served = [];
  servers.push(server);
  return new Promise((resolve) => {
    server.listen(0, '127.0.0.1', () => {
      resolve({ server, origin: `http://127.0.0.1:${server.address().port}` });
    });
  });
}

// networkEvents: false keeps the browser from reporting each request to the driver, as a
// player's browser reports nothing; page.requests then stays empty.
async function launch({ networkEvents = true } = {}) {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'acutrix-chromium-'));
  const args = [
    '--headless', '--disable-gpu', '--no-first-run', '--disable-background-networking',
    '--disable-component-update', '--disable-sync', '--disable-quic',
    '--disable-features=Translate,MediaRouter,OptimizationHints',
  ];
  if (process.getuid && process.getuid() === 0)
    args.push('--no-sandbox');
  const browser = await puppeteer.launch({
    executablePath: chromium,
    headless: true,
    userDataDir: profile,
    args,
    networkEnabled: networkEvents,
  });
  browser.profile = profile;
  return browser;
}

// A page whose console errors and uncaught exceptions are gathered in page.errors, and
// whose requests in page.requests.
async function newPage(browser, viewport = { width: 1000, height: 700 }) {
  const page = await browser.newPage();
  page.errors = [];
  page.requests = [];
  page.on('console', (message) => {
    if (message.type() === 'error')
      page.errors.push(`console: ${message.text()} (${message.location().url || ''})`);
  });
  page.on('pageerror', (error) => page.errors.push(`exception: ${error.message}`));
  page.on('request', (request) => page.requests.push(request.url()));
  await page.setViewport(viewport);
  return page;
}

// Opens the page and waits until it has drawn its load report or its warning, and has
// its faces.
async function openGame(page, url) {
  await page.goto(url);
  await page.waitForSelector('html[data-ready="true"]', { timeout: 20000 });
  await page.evaluate(() => document.fonts.ready.then(() => undefined));
}

// What the page shows, read off its elements.
function boardState(page) {
  return page.evaluate(() => {
    const shown = (element) => !element.hidden;
    const tiles = [...document.querySelectorAll('.tile')];
    const visible = tiles.filter(shown);
    const report = document.getElementById('report');
    return {
      lines: [...document.querySelectorAll('#panel div')].map((line) => line.textContent),
      board: visible.map((tile) => tile.textContent).join(''),
      tileCount: visible.length,
      colours: visible.map((tile) => getComputedStyle(tile).color),
      report: report.textContent,
      reportColour: getComputedStyle(report).color,
      background: getComputedStyle(document.getElementById('board')).backgroundColor,
      startEnabled: !document.getElementById('Start').disabled,
    };
  });
}

// The centre of tile i on the screen.
async function tileCentre(page, index) {
  return page.evaluate((i) => {
    const box = document.querySelectorAll('.tile')[i].getBoundingClientRect();
    return { x: box.left + box.width / 2, y: box.top + box.height / 2 };
  }, index);
}

// A point of the board where no label lies, low on the left.
async function bareBoardPoint(page) {
  return page.evaluate(() => {
    const board = document.getElementById('board').getBoundingClientRect();
    return { x: board.left + 5, y: board.bottom - 5 };
  });
}

// Runs the named tests in order, each with a page of its own in one browser, and fails
// any test that leaves an error in the browser's console. allowErrors(test) names the
// errors a test expects.
async function run(tests) {
  const browser = await launch();
  let failures = 0;
  try {
    for (const [name, body] of Object.entries(tests)) {
      const page = await newPage(browser);
      try {
        const allowed = (await body(page, browser)) || (() => false);
        const unexpected = page.errors.filter((error) => !allowed(error));
        assert.deepEqual(unexpected, [], 'errors in the browser');
        console.log(`PASS ${name}`);
      } catch (error) {
        ++failures;
        console.log(`FAIL ${name}\n${error.stack || error}`);
      } finally {
        await page.close();
        for (const server of servers.splice(0)) {
          server.closeAllConnections();
          server.close();
        }
      }
    }
  } finally {
    await browser.close();
    fs.rmSync(browser.profile, { recursive: true, force: true });
  }
  process.exit(failures > 0 ? 1 : 0);
}

// The native model's trace of a script (see native/modeltrace.cpp).
function nativeTrace({ bytes, seconds, frame, sizes, script }) {
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'acutrix-trace-'));
  try {
    let file = '-';
    if (bytes !== null) {
      file = path.join(folder, 'Tilde.txt');
      fs.writeFileSync(file, bytes);
    }
    fs.writeFileSync(path.join(folder, 'sizes'), sizes.join('\n') + '\n');
    fs.writeFileSync(path.join(folder, 'script'), script.join('\n') + '\n');
    return execFileSync(modeltrace, [file, String(seconds), frame.join(','),
      path.join(folder, 'sizes'), path.join(folder, 'script')], { encoding: 'utf8' });
  } finally {
    fs.rmSync(folder, { recursive: true, force: true });
  }
}

// The same script played on the page's model in Chromium, printed as the native trace
// prints it; the caption sizes are measured in the page's faces and recorded.
function wasmTrace(page, input) {
  return page.evaluate(async (input) => {
    const { default: createModel } = await import('./model.js');
    const model = await createModel();
    const canvas = document.createElement('canvas').getContext('2d');
    const sizes = [];
    const hex = (text) => (text === '' ? '-'
      : [...text].map((c) => c.charCodeAt(0).toString(16)).join(','));
    const ports = {
      captionSize(caption, face, points) {
        canvas.font = face === 0 ? `${points}pt Comfortaa` : `bold ${points}pt "DejaVu Sans"`;
        const metrics = canvas.measureText(caption);
        const width = Math.round(metrics.width) * 15;
        const height = Math.round(metrics.fontBoundingBoxAscent
          + metrics.fontBoundingBoxDescent) * 15;
        sizes.push(`${face} ${points} ${width} ${height} ${hex(caption)}`);
        return [width, height];
      },
      frame: () => ({
        outerWidth: input.frame[0], outerHeight: input.frame[1], top: input.frame[2],
        innerWidth: input.frame[3], innerHeight: input.frame[4],
      }),
      timeOfDay: () => input.seconds,
    };
    const escaped = (text) => [...text].map((c) => {
      const code = c.charCodeAt(0);
      return code >= 0x20 && code < 0x7f && c !== '\\' ? c
        : `\\u${code.toString(16).padStart(4, '0')}`;
    }).join('');
    const game = new model.Game(ports);
    game.setPhraseFile(input.bytes === null ? null : new Uint8Array(input.bytes));
    const out = [];
    const label = (index, l) => out.push(`label ${index} [${escaped(l.caption)}] ${l.points} `
      + `${l.textColour} ${l.left} ${l.top} ${l.width} ${l.height}`);
    const solve = () => {
      const phrase = game.playListItem(0);
      for (let i = 1; i <= phrase.length && i < model.tileCount; ++i) {
        if (game.label(i).caption !== phrase[i - 1])
          game.LetterClick(i);
      }
    };
    for (const event of input.script) {
      const [name, index] = event.split(' ');
      if (name === 'click')
        game.LetterClick(Number(index));
      else if (name === 'hover')
        game.LetterMouseMove(Number(index));
      else if (name === 'solve')
        solve();
      else
        game[name]();
      out.push(`after ${event}`);
      out.push(`background ${game.backgroundColour()}`);
      out.push(`start ${game.startEnabled() ? 1 : 0}`);
      out.push(`hits ${game.hitCount()} misses ${game.missCount()}`);
      out.push(`queue ${game.playListCount()}`);
      for (let i = 0; i < game.playListCount(); ++i)
        out.push(`item [${escaped(game.playListItem(i))}]`);
      const lines = game.panelLines();
      out.push(`lines ${lines.length}`);
      for (const line of lines)
        out.push(`line [${escaped(line)}]`);
      for (let i = 0; i < model.tileCount; ++i) {
        if (game.label(i).shown)
          label(i, game.label(i));
      }
      label(model.reportLabelIndex, game.label(model.reportLabelIndex));
      out.push(`front ${game.frontLabel()}`);
    }
    game.delete();
    return { trace: out.join('\n') + '\n', sizes: [...new Set(sizes)] };
  }, { ...input, bytes: input.bytes === null ? null : [...input.bytes] });
}

// The first line where two traces differ, with the event before it.
function firstDifference(expected, actual) {
  const a = expected.split('\n');
  const b = actual.split('\n');
  for (let i = 0; i < Math.max(a.length, b.length); ++i) {
    if (a[i] !== b[i]) {
      const event = a.slice(0, i + 1).reverse().find((line) => line.startsWith('after '));
      return `line ${i + 1}, ${event}:\n  native: ${a[i]}\n  wasm:   ${b[i]}`;
    }
  }
  return null;
}

module.exports = {
  assert, serve, launch, newPage, openGame, boardState, tileCentre, bareBoardPoint, run,
  nativeTrace, wasmTrace, firstDifference, site, sourceDir,
};
