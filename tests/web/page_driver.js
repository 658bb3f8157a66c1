// The player's verbs of tests/scenarios/player.scenarios on the page in chromium: the mouse
// at the controls' places on the screen, the keyboard, and what the screen and the page show.
'use strict';

const { pixelsAt } = require('./browser.js');

const keys = { Space: ' ', Enter: 'Enter', Up: 'ArrowUp', Down: 'ArrowDown' };
// The desktops' usual double-click time, in milliseconds.
const doubleClickTime = 500;

// Places in the design's twips: the controls' centres and a spot of bare panel.
const design = { width: 7770, height: 4425 };
const squareCentre = (index) => ({
  x: 495 * ((index - 1) % 10) + 247,
  y: 440 * Math.floor((index - 1) / 10) + 220,
});
const buttonCentre = (index) => ({ x: 4920 + 547, y: 400 * index + 200 });
const labelCentres = { Wins: { x: 6787, y: 180 }, Losses: { x: 6787, y: 560 } };
const bareSpot = { x: 7000, y: 2600 };

class PageDriver {
  constructor(browser, url, options) {
    this.browser = browser;
    this.url = url;
    this.options = options;
    this.problems = [];
  }

  async start() {
    this.context = await this.browser.newContext({
      viewport: { width: 800, height: 500 },
      deviceScaleFactor: this.options.deviceScaleFactor,
    });
    this.page = await this.context.newPage();
    this.page.on('pageerror', (error) => this.problems.push(error.message));
    await this.page.goto(this.url);
    await this.page.waitForFunction(
      () =>
        document.getElementById('message').open ||
        document.querySelectorAll('#Form1 button.color:not([hidden])').length === 11,
    );
    await this.settle();
  }

  async stop() {
    await this.context?.close();
  }

  // Two frames: what the last input changed is on the screen.
  settle() {
    return this.page.evaluate(
      () => new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(done))),
    );
  }

  async at(twips) {
    const box = await this.page.locator('#Form1').boundingBox();
    return {
      x: box.x + (twips.x / design.width) * box.width,
      y: box.y + (twips.y / design.height) * box.height,
    };
  }

  // Clicks as the system's mouse makes them: the browser is told which click of a run each
  // one is, and a click on the spot of the one before, within the double-click time, is the
  // next of its run (the browser then fires a double click as well).
  async clickAt(twips, clicks = 1) {
    const { x, y } = await this.at(twips);
    await this.page.mouse.move(x, y);
    for (let click = 0; click < clicks; ++click) {
      const last = this.lastClick;
      const again = last?.x === x && last?.y === y && Date.now() - last.time < doubleClickTime;
      const clickCount = again ? last.clickCount + 1 : 1;
      await this.page.mouse.down({ clickCount });
      await this.page.mouse.up({ clickCount });
      this.lastClick = { x, y, clickCount, time: Date.now() };
    }
    await this.settle();
  }

  clickButton(index) {
    return this.clickAt(buttonCentre(index));
  }

  doubleClickButton(index) {
    return this.clickAt(buttonCentre(index), 2);
  }

  clickSquare(index) {
    return this.clickAt(squareCentre(index));
  }

  clickLabel(label) {
    return this.clickAt(labelCentres[label]);
  }

  clickPanel() {
    return this.clickAt(bareSpot);
  }

  async clickOk() {
    await this.page.locator('#message button', { hasText: 'OK' }).click();
    await this.settle();
  }

  async close() {
    await this.page.locator('#window .close-box').click();
    await this.settle();
  }

  async press(key) {
    await this.page.keyboard.press(keys[key]);
    await this.settle();
  }

  // Down, then the keyboard's auto-repeat: more downs of the same key.
  async hold(key) {
    for (let stroke = 0; stroke < 4; ++stroke) await this.page.keyboard.down(keys[key]);
    await this.settle();
  }

  async release(key) {
    await this.page.keyboard.up(keys[key]);
    await this.settle();
  }

  async deactivate() {
    this.other = await this.context.newPage();
    await this.other.bringToFront();
  }

  async activate() {
    await this.page.bringToFront();
    await this.other?.close();
    await this.settle();
  }

  async forcedColours() {
    await this.page.emulateMedia({ forcedColors: 'active' });
    await this.settle();
  }

  focusedButton() {
    return this.page.evaluate(() => {
      const focused = document.activeElement;
      return focused?.matches('#Form1 button.color') ? Number(focused.dataset.index) : -1;
    });
  }

  // The score label that reads as `label`: a player tells them apart by their words.
  scoreLabel(label) {
    const prefix = label === 'Wins' ? 'WINS:' : 'LOST:';
    return this.page.locator('#Form1 .score', { hasText: prefix });
  }

  caption(label) {
    return this.scoreLabel(label).textContent();
  }

  // Below the window, on the test page: the game's Set caption.
  async setCaption(label, text) {
    await this.page.evaluate(
      ([wins, text]) =>
        Module.ccall('tinzel_test_set_caption', null, ['number', 'string'], [wins, text]),
      [label === 'Wins' ? 1 : 0, text],
    );
    await this.settle();
  }

  // Whether the label's ink spans what the same text spans drawn with room to spare, and
  // ends inside the label's frame.
  async captionInk(label) {
    const shown = this.scoreLabel(label);
    const box = await shown.boundingBox();
    const ratio = this.options.deviceScaleFactor;
    // The first and last columns of dark pixels in `area`, in CSS pixels from its left.
    const ink = async (area) => {
      const clip = { ...area, width: Math.floor(area.width), height: Math.floor(area.height) };
      const points = [];
      for (let x = 0; x < clip.width; x += 1 / ratio) {
        for (let y = 0; y < clip.height; y += 1 / ratio) points.push({ x, y });
      }
      const colours = await pixelsAt(this.page, clip, points);
      const dark = (rgb) =>
        (rgb >> 16) * 0.3 + ((rgb >> 8) & 255) * 0.59 + (rgb & 255) * 0.11 < 128;
      const columns = points.filter((point, k) => dark(colours[k])).map((point) => point.x);
      return columns.length ? [Math.min(...columns), Math.max(...columns)] : [0, -1];
    };
    // Inside the one-pixel frame.
    const inside = { x: box.x + 1, y: box.y + 1, width: box.width - 2, height: box.height - 2 };
    const [first, last] = await ink(inside);
    const whole = await shown.evaluate((element) => {
      const copy = element.cloneNode(true);
      Object.assign(copy.style, {
        left: '0',
        top: '400px',
        width: 'auto',
        height: 'auto',
        border: '0',
        overflow: 'visible',
      });
      copy.id = 'ink-copy';
      document.body.append(copy);
      const area = copy.getBoundingClientRect();
      return { x: area.x, y: area.y, width: area.width + 40, height: area.height };
    });
    const [wholeFirst, wholeLast] = await ink(whole);
    await this.page.evaluate(() => document.getElementById('ink-copy').remove());
    const spread = last - first;
    const wholeSpread = wholeLast - wholeFirst;
    return {
      fits: last >= 0 && last < inside.width - 1 / ratio && Math.abs(spread - wholeSpread) <= 1,
      detail: `ink ${first}..${last} of ${inside.width} px, drawn whole ${wholeSpread} px wide`,
    };
  }

  // The colour at each square's and each button's centre, 0xRRGGBB.
  async boardColours() {
    const box = await this.page.locator('#Form1').boundingBox();
    const within = (twips) => ({
      x: (twips.x / design.width) * box.width,
      y: (twips.y / design.height) * box.height,
    });
    const squares = Array.from({ length: 100 }, (_, k) => within(squareCentre(k + 1)));
    const buttons = Array.from({ length: 11 }, (_, k) => within(buttonCentre(k)));
    const shown = await pixelsAt(this.page, box, [...squares, ...buttons]);
    return { squares: shown.slice(0, 100), buttons: shown.slice(100) };
  }

  // Through the browser's accessibility tree, which a screen reader reads. The browser tells its
  // driver nothing of the announcements it makes as names change, so none are counted here.
  async accessibleWindow() {
    const cdp = await this.context.newCDPSession(this.page);
    try {
      const { nodes } = await cdp.send('Accessibility.getFullAXTree');
      const byId = new Map(nodes.map((node) => [node.nodeId, node]));
      const children = (node) => (node.childIds ?? []).map((id) => byId.get(id)).filter(Boolean);
      const role = (node) => node.role?.value;
      const name = (node) => node.name?.value ?? '';
      const shown = nodes.filter((node) => !node.ignored);
      const window = shown.find((node) => role(node) === 'group');
      const grid = shown.find((node) => role(node) === 'grid');
      const rows = grid ? children(grid).filter((node) => role(node) === 'row') : [];
      const cells = rows.map((row) => children(row).filter((node) => role(node) === 'gridcell'));
      return {
        name: window ? name(window) : '',
        rows: rows.length,
        columns: Math.max(0, ...cells.map((row) => row.length)),
        cells: cells.flat().map(name),
        // The colour buttons; the window's close box is its caption bar's.
        buttons: shown
          .filter((node) => role(node) === 'button' && name(node) !== 'Close')
          .map(name),
        names: shown.map(name),
        announced: null,
      };
    } finally {
      await cdp.detach();
    }
  }

  message() {
    return this.page.evaluate(() => {
      const dialog = document.getElementById('message');
      if (!dialog.open) return null;
      return {
        title: document.getElementById('message-title').textContent,
        text: document.getElementById('message-text').textContent,
        buttons: [...dialog.querySelectorAll('button')].map((button) => button.textContent),
        icon: dialog.classList.contains('error') ? 'error' : 'none',
      };
    });
  }

  windowShown() {
    return this.page.locator('#window').isVisible();
  }

  exitStatus() {
    return this.page.evaluate(() => {
      const status = document.body.dataset.exitStatus;
      return status === undefined ? null : Number(status);
    });
  }
}

module.exports = { PageDriver };
