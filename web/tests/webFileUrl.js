// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page opened from its file, where the browser lets it fetch nothing: one line says it
// must be served, and how; nothing fails in the console.

'use strict';

const path = require('node:path');
const h = require('./harness.js');

h.run({
  async 'opened from a file, the page says in one line that it must be served'(page) {
    await page.goto(`file://${path.join(h.site, 'index.html')}`);
    const message = await page.$eval('#unserved', (line) => ({
      shown: !line.hidden && line.getBoundingClientRect().height > 0,
      text: line.textContent.replace(/\s+/g, ' '),
      fits: line.scrollWidth <= line.clientWidth,
    }));
    const startDisabled = await page.$eval('#Start', (start) => start.disabled);
    h.assert.ok(message.shown);
    h.assert.match(message.text, /must be served.*scripts\/run-web\.sh.*any web server/);
    h.assert.ok(message.fits);
    h.assert.ok(startDisabled);
  },
});
