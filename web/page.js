// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page around the game: it draws the game's state and hands each of the page's events
// to the game operation that the desktop window runs for it. Every rule is the game's.

const TwipsPerPixel = 15;
// The faces the page loads from its own folder: the text's as it starts (index.html), the
// tiles' once the load report is drawn.
const TileFace = 'Comfortaa';
const TileFaceFile = 'fonts/Comfortaa-Regular.ttf';
const TextFace = 'DejaVu Sans';
// A second tap within this time and distance of the first is a double tap.
const DoubleTapMilliseconds = 500;
const DoubleTapPixels = 30;

// The model, the phrase file and the text's face, which the page started loading before
// this script (index.html). The phrase file is read once the model, which limits its
// size, is in, without waiting for the face.
const { model: modelLoaded, phraseFile, textFace } = window.acutrixLoading;
const modelAndTextFace = Promise.all([modelLoaded, textFace]);
const phraseBytes = phraseFile.then((response) =>
  response && cappedBytes(response, modelLoaded.then((loaded) => loaded.maxPhraseFileBytes)));
if (document.readyState === 'loading')
  await new Promise((resolve) => document.addEventListener('DOMContentLoaded', resolve));

const board = document.getElementById('board');
const sheet = document.getElementById('sheet');
const panel = document.getElementById('panel');
const report = document.getElementById('report');
const menu = {
  Start: document.getElementById('Start'),
  Help: document.getElementById('Help'),
  Credits: document.getElementById('Credits'),
};
// The button that opens the browser's file chooser, and the hidden file input behind it: a
// shown file input, with its own button and text, costs the page's first layout some
// milliseconds.
const openButton = document.getElementById('open');
const picker = document.getElementById('pick');

// 0xBBGGRR as CSS.
function cssColour(bgr) {
  return `rgb(${bgr & 0xff}, ${(bgr >> 8) & 0xff}, ${(bgr >> 16) & 0xff})`;
}

function pixels(twips) {
  return Math.round(twips / TwipsPerPixel);
}

function secondsSinceMidnight() {
  const now = new Date();
  const midnight = new Date(now.getFullYear(), now.getMonth(), now.getDate());
  return (now - midnight) / 1000;
}

// The sizes of captions in the page's faces, in whole pixels as the window measures them:
// the advance of the caption, and the height of one line of the face. Some faces
// (Comfortaa among them) draw the accent of a capital above their own ascent; the label
// then stands taller, so that Á É Í Ó Ú are shown whole.
class CaptionMeasure {
  constructor() {
    this.context = document.createElement('canvas').getContext('2d');
    this.faces = new Map();
  }

  font(face, points) {
    const key = `${face} ${points}`;
    let known = this.faces.get(key);
    if (!known) {
      this.context.font = face === 0 ? `${points}pt ${TileFace}` : `bold ${points}pt ${TextFace}`;
      const capitals = this.context.measureText('ÁÉÍÓÚ');
      const fontAscent = Math.round(capitals.fontBoundingBoxAscent);
      const ascent = Math.max(fontAscent, Math.ceil(capitals.actualBoundingBoxAscent));
      const descent = Math.round(capitals.fontBoundingBoxDescent);
      known = {
        css: this.context.font, ascent, raised: ascent - fontAscent, height: ascent + descent,
      };
      this.faces.set(key, known);
    }
    return known;
  }

  captionSize(caption, face, points) {
    const font = this.font(face, points);
    this.context.font = font.css;
    const width = Math.round(this.context.measureText(caption).width);
    return [width * TwipsPerPixel, font.height * TwipsPerPixel];
  }
}

const measure = new CaptionMeasure();

// What the game asks of its window. The viewport stands for the whole window, with its
// top edge at the top of the screen: the browser's own outer size counts its toolbars.
const ports = {
  captionSize: (caption, face, points) => measure.captionSize(caption, face, points),
  frame: () => ({
    outerWidth: document.documentElement.clientWidth * TwipsPerPixel,
    outerHeight: document.documentElement.clientHeight * TwipsPerPixel,
    top: 0,
    innerWidth: board.clientWidth * TwipsPerPixel,
    innerHeight: board.clientHeight * TwipsPerPixel,
  }),
  timeOfDay: secondsSinceMidnight,
};

// The bytes of a response, or null when they are more than the game reads (limit, a
// promise of it) or the connection breaks off.
async function cappedBytes(response, limit) {
  if (Number(response.headers.get('Content-Length')) > await limit) {
    await response.body.cancel();
    return null;
  }
  const reader = response.body.getReader();
  const chunks = [];
  let size = 0;
  for (;;) {
    let chunk;
    try {
      chunk = await reader.read();
    } catch {
      return null;
    }
    if (chunk.done)
      break;
    size += chunk.value.length;
    if (size > await limit) {
      await reader.cancel();
      return null;
    }
    chunks.push(chunk.value);
  }
  const bytes = new Uint8Array(size);
  let offset = 0;
  for (const chunk of chunks) {
    bytes.set(chunk, offset);
    offset += chunk.length;
  }
  return bytes;
}

// The board: the game's labels as elements, the 384 tiles first, then the report, and
// what they showed when they were last drawn. Each tile is a button in a box of its own:
// the box takes the tile's place, size, stacking and colour, the button its caption and
// font. A start moves every tile, and restyling a box costs a fraction of restyling a
// button, which the browser matches against all of its form-control rules.
class Board {
  constructor(model) {
    this.model = model;
    // Until the game first shows a tile, the page lays out only its text: the tiles are
    // made then.
    this.labels = new Array(model.tileCount).fill(null);
    this.boxes = new Array(model.tileCount).fill(null);
    report.className = 'label';
    this.labels.push(report);
    this.boxes.push(report);
    this.reset();
  }

  makeTiles() {
    for (let i = 0; i < this.model.tileCount; ++i) {
      const tile = document.createElement('button');
      tile.type = 'button';
      tile.className = 'label tile';
      tile.lang = 'es';
      tile.hidden = true;
      tile.dataset.index = i;
      // The caption's text node, kept: a new caption changes its text, and lays the
      // button out again without building it anew.
      tile.append('');
      const box = document.createElement('div');
      box.className = 'tilebox';
      box.hidden = true;
      box.style.zIndex = i + 2;
      box.append(tile);
      this.labels[i] = tile;
      this.boxes[i] = box;
    }
    sheet.append(...this.boxes.slice(0, this.model.tileCount));
  }

  // As a new window shows a new game: every label hidden, as the game takes them to be
  // until it names them; the labels stacked in the order they were made, the report
  // behind every tile.
  reset() {
    this.boxes.forEach((box, index) => {
      if (box) {
        this.labels[index].hidden = true;
        box.hidden = true;
        box.style.zIndex = index === this.model.reportLabelIndex ? 1 : index + 2;
      }
    });
    // The style each label and its box were last given.
    this.looks = this.labels.map(() => ({}));
    this.boxLooks = this.labels.map(() => ({}));
    this.topZ = this.labels.length + 1;
    this.front = this.model.tileCount - 1;
    this.lines = [];
    this.background = null;
  }

  draw(game) {
    // The labels take the board's colour from it (style.css), in one write.
    const background = cssColour(game.backgroundColour());
    if (background !== this.background) {
      board.style.backgroundColor = background;
      this.background = background;
    }
    const lines = game.panelLines();
    if (lines.join('\n') !== this.lines.join('\n') || lines.length !== this.lines.length) {
      panel.replaceChildren(...lines.map((line) => {
        const element = document.createElement('div');
        element.textContent = line;
        return element;
      }));
      this.lines = lines;
    }
    for (const index of game.changedLabels())
      this.drawLabel(game, index);
    const front = game.frontLabel();
    if (front !== this.front) {
      if (!this.boxes[front])
        this.makeTiles();
      this.boxes[front].style.zIndex = ++this.topZ;
      this.front = front;
    }
    menu.Start.disabled = !game.startEnabled();
  }

  drawLabel(game, index) {
    const label = game.label(index);
    if (!this.labels[index]) {
      if (!label.shown)
        return;
      this.makeTiles();
    }
    const element = this.labels[index];
    const box = this.boxes[index];
    // Each attribute written only when it changes: a write restyles the element.
    if (element.hidden !== !label.shown) {
      element.hidden = !label.shown;
      box.hidden = !label.shown;
    }
    if (!label.shown)
      return;
    const face = index === this.model.reportLabelIndex ? 1 : 0;
    if (face === 1) {
      if (element.textContent !== label.caption)
        element.textContent = label.caption;
    } else if (element.firstChild.data !== label.caption) {
      element.firstChild.data = label.caption;
      const name = label.caption === ' ' ? 'space' : null;
      if (element.getAttribute('aria-label') !== name) {
        if (name)
          element.setAttribute('aria-label', name);
        else
          element.removeAttribute('aria-label');
      }
    }
    const place = this.boxLooks[index];
    writePixels(box, place, 'left', pixels(label.left));
    writePixels(box, place, 'top', pixels(label.top));
    writePixels(box, place, 'width', pixels(label.width));
    writePixels(box, place, 'height', pixels(label.height));
    // Only a label with a caption is opaque.
    const blank = label.caption === '';
    if (place.blank !== blank) {
      box.classList.toggle('blank', blank);
      place.blank = blank;
    }
    const look = this.looks[index];
    if (look.points !== label.points) {
      const font = measure.font(face, label.points);
      element.style.fontSize = `${label.points}pt`;
      element.style.lineHeight = `${font.height - font.raised}px`;
      element.style.paddingTop = `${font.raised}px`;
      look.points = label.points;
    }
    if (look.colour !== label.textColour) {
      element.style.color = cssColour(label.textColour);
      look.colour = label.textColour;
    }
  }
}

// A length written only when it differs from the one drawn: each write is parsed, and
// restyles the element.
function writePixels(element, drawn, property, value) {
  if (drawn[property] !== value) {
    element.style[property] = `${value}px`;
    drawn[property] = value;
  }
}

const [model] = await modelAndTextFace;
const limit = model.maxPhraseFileBytes;
const view = new Board(model);
let game = null;
// What the page's events wait for: a phrase file being read into a fresh game, or the
// tiles' face.
let pending = null;

function run(operation) {
  operation();
  view.draw(game);
}

// Load, then the first appearance of the window, which loads the phrase file: drawn once,
// as the browser shows nothing in between.
function openGame(bytes) {
  if (game)
    game.delete();
  game = new model.Game(ports);
  view.reset();
  run(() => {
    game.Load();
    game.setPhraseFile(bytes);
    game.LoadPhrases();
  });
}

// Holds the page's events back until work (a promise) is done, after whatever they wait
// for already, then hands its result to done.
function holdEventsFor(work, done) {
  const finished = Promise.all([work, pending]).then(([result]) => {
    done(result);
    if (pending === finished)
      pending = null;
  });
  pending = finished;
  return finished;
}

// A fresh game on a phrase file once its bytes are in (null: none could be read), after
// any file read before it.
function openWhenRead(bytes) {
  return holdEventsFor(bytes, openGame);
}

// An event's operation, once whatever the page waits for is in.
function choose(operation) {
  if (pending)
    pending.then(() => run(operation));
  else
    run(operation);
}

function submit() {
  choose(() => game.Submit());
}

// A phrase file the player chose or dropped: a fresh game, as if the page had just been
// opened with it beside it.
function openPhraseFile(file) {
  openWhenRead(file.size > limit ? null
    : file.arrayBuffer().then((buffer) => new Uint8Array(buffer), () => null));
}

menu.Start.addEventListener('click', () => choose(() => game.Start()));
menu.Help.addEventListener('click', () => choose(() => game.Help()));
menu.Credits.addEventListener('click', () => choose(() => game.Credits()));

function tileOf(target) {
  return target instanceof HTMLElement && target.classList.contains('tile')
    ? Number(target.dataset.index) : null;
}

// A click is a press and a release on the same tile. In a double-click the second press
// is the window's double-click, which a tile ignores: only every other click counts.
board.addEventListener('click', (event) => {
  const tile = tileOf(event.target);
  if (tile === null || (event.detail > 0 && event.detail % 2 === 0))
    return;
  choose(() => game.LetterClick(tile));
});

board.addEventListener('mousemove', (event) => {
  const tile = tileOf(event.target);
  if (tile !== null)
    choose(() => game.LetterMouseMove(tile));
});

// Only a double-click on the board itself, where no tile and not the report lies.
function onBackground(target) {
  return target === board || target === sheet || panel.contains(target);
}

let lastPointer = 'mouse';
let lastTap = null;
board.addEventListener('pointerdown', (event) => {
  lastPointer = event.pointerType;
});

board.addEventListener('dblclick', (event) => {
  if (lastPointer !== 'touch' && event.button === 0 && onBackground(event.target))
    submit();
});

// A touch screen has no Enter key: a double tap on the background is the double-click.
board.addEventListener('pointerup', (event) => {
  if (event.pointerType !== 'touch' || !onBackground(event.target)) {
    lastTap = null;
    return;
  }
  const near = lastTap && event.timeStamp - lastTap.time < DoubleTapMilliseconds
    && Math.hypot(event.clientX - lastTap.x, event.clientY - lastTap.y) < DoubleTapPixels;
  if (near) {
    lastTap = null;
    submit();
  } else {
    lastTap = { time: event.timeStamp, x: event.clientX, y: event.clientY };
  }
});

// Enter submits, wherever the focus is: a focused tile or menu item would take it as a
// press. No other key does anything but what the focused control does with it (Space
// presses a tile, as the desktop board's accessible action does).
window.addEventListener('keydown', (event) => {
  if (event.key !== 'Enter' || event.ctrlKey || event.altKey || event.metaKey)
    return;
  event.preventDefault();
  submit();
}, { capture: true });

openButton.addEventListener('click', () => picker.click());
picker.addEventListener('change', () => {
  if (picker.files.length > 0)
    openPhraseFile(picker.files[0]);
  picker.value = '';
});

window.addEventListener('dragover', (event) => event.preventDefault());
window.addEventListener('drop', (event) => {
  event.preventDefault();
  if (event.dataTransfer.files.length > 0)
    openPhraseFile(event.dataTransfer.files[0]);
});

// The tiles' face, which no tile needs before the first Start: fetched once the load
// report is drawn, so that it does not hold the report up. The page's events wait until it
// is in, or has failed and the browser's face stands in.
function loadTileFace() {
  const face = new FontFace(TileFace, `url(${TileFaceFile})`);
  document.fonts.add(face);
  holdEventsFor(face.load().catch(() => {}), () => {});
}

// The window's first appearance: the phrase file beside the page.
await openWhenRead(phraseBytes);
document.documentElement.dataset.ready = 'true';
loadTileFace();
