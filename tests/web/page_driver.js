// The player's verbs of tests/scenarios/player.scenarios on the page in chromium: the mouse, or
// a finger on a phone, at the controls' places on the screen, the keyboard, and what the screen
// and the page show.
'use strict';

const { capturePixels } = require('./browser.js');
const { screenOf, designLayout } = require('../scenarios/screen.js');

const keys = { Space: ' ', Enter: 'Enter', Up: 'ArrowUp', Down: 'ArrowDown' };
// The desktops' usual double-click time, in milliseconds.
const doubleClickTime = 500;

// Where the page laid out each control of the narrow layout, in CSS pixels from the panel's
// corner, and a spot of bare panel: the grid's cell after the last colour button, which no
// control takes. Run in the page.
function narrowLayout() {
  const panel = document.getElementById('Form1');
  const origin = panel.getBoundingClientRect();
  const inPanel = (element) => {
    const { left, top, width, height } = element.getBoundingClientRect();
    return { left: left - origin.left, top: top - origin.top, width, height };
  };
  const rows = [...panel.querySelectorAll('[role=grid] > [role=row]')];
  const buttons = [...panel.querySelectorAll('button.color')]
    .sort((a, b) => a.dataset.index - b.dataset.index)
    .map(inPanel);
  const centre = ({ left, top, width, height }) => [left + width / 2, top + height / 2];
  const [lastX, lastY] = centre(buttons.at(-1));
  const [beforeX, beforeY] = centre(buttons.at(-2));
  const bareSpot = { x: Math.floor(2 * lastX - beforeX), y: Math.floor(2 * lastY - beforeY) };
  const bare = document.elementFromPoint(origin.left + bareSpot.x, origin.top + bareSpot.y);
  return {
    width: origin.width,
    height: origin.height,
    perCssPixel: 1,
    squares: rows.flatMap((row) => [...row.querySelectorAll('.square')].map(inPanel)),
    buttons,
    labels: {
      Wins: inPanel(panel.querySelector('.score.wins')),
      Losses: inPanel(panel.querySelector('.score.losses')),
    },
    bareSpot: bare === panel ? bareSpot : null,
  };
}

// `design`: the window's design, as tests/web/write_design.cpp writes it. `contextOptions`: the
// browser's screen, as Playwright's newContext takes it; one with touch is played by taps.
class PageDriver {
  constructor(browser, url, contextOptions, design) {
    this.browser = browser;
    this.url = url;
    this.contextOptions = contextOptions;
    this.touch = Boolean(contextOptions.hasTouch);
    this.design = design;
    this.layout = designLayout(design);
    this.screen = screenOf(design, this.layout);
    this.problems = [];
  }

  async start() {
    this.context = await this.browser.newContext(this.contextOptions);
    this.page = await this.context.newPage();
    this.page.on('pageerror', (error) => this.problems.push(error.message));
    await this.page.goto(this.url);
    await this.page.waitForFunction(
      (buttons) =>
        document.getElementById('message').open ||
        document.querySelectorAll('#Form1 button.color:not([hidden])').length === buttons,
      this.design.buttonCount,
    );
    await this.settle();
    // At the designed size each control lies where the design puts it; a screen too narrow for
    // that lays the game out to fit, and the controls are found where that put them.
    const narrow = await this.page.evaluate(() => document.documentElement.matches('.narrow'));
    if (narrow && (await this.windowShown())) {
      this.layout = await this.page.evaluate(narrowLayout);
      if (this.layout.bareSpot === null) throw new Error('the narrow layout leaves no bare panel');
      this.screen = screenOf(this.design, this.layout);
    }
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

  // A place of the layout on the page, in CSS pixels.
  async at(place) {
    const box = await this.page.locator('#Form1').boundingBox();
    return {
      x: box.x + (place.x / this.layout.width) * box.width,
      y: box.y + (place.y / this.layout.height) * box.height,
    };
  }

  // Clicks as the system's mouse makes them: the browser is told which click of a run each
  // one is, and a click on the spot of the one before, within the double-click time, is the
  // next of its run (the browser then fires a double click as well). On a touch screen, taps.
  async clickAt(place, clicks = 1) {
    const { x, y } = await this.at(place);
    if (this.touch) {
      for (let tap = 0; tap < clicks; ++tap) await this.page.touchscreen.tap(x, y);
      await this.settle();
      await this.settle();
      return;
    }
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
    return this.clickAt(this.screen.buttonCentre(index));
  }

  doubleClickButton(index) {
    return this.clickAt(this.screen.buttonCentre(index), 2);
  }

  clickSquare(index) {
    return this.clickAt(this.screen.squareCentre(index));
  }

  clickLabel(label) {
    return this.clickAt(this.screen.labelCentre(label));
  }

  clickPanel() {
    return this.clickAt(this.screen.bareSpot);
  }

  // A control the scenarios find by what it is rather than by its place in the window.
  async activateControl(locator) {
    await (this.touch ? locator.tap() : locator.click());
    await this.settle();
  }

  clickOk() {
    return this.activateControl(this.page.locator('#message button', { hasText: 'OK' }));
  }

  close() {
    return this.activateControl(this.page.locator('#window .close-box'));
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

  // Below the window, on the test page: the game's Set caption.
  async setCaption(label, text) {
    await this.page.evaluate(
      ([wins, text]) =>
        Module.ccall('tinzel_test_set_caption', null, ['number', 'string'], [wins, text]),
      [label === 'Wins' ? 1 : 0, text],
    );
    await this.settle();
  }

  // The panel, the window's client area, as the screen shows it.
  async capture() {
    return capturePixels(this.page, await this.page.locator('#Form1').boundingBox());
  }

  // `text` as the page draws a score's caption: in a copy of the element at the score's place,
  // in its face, size, padding and size of box, laid over the page's corner for a moment at the
  // same fraction of a pixel, so that its glyphs fall on the pixels alike; only what lies inside
  // the copy's border is handed back.
  async drawnText(label, text) {
    const place = await this.at(this.screen.labelCentre(label));
    const inside = await this.page.evaluate(
      ({ x, y, text }) => {
        const shown = document.elementFromPoint(x, y);
        const size = shown.getBoundingClientRect();
        const copy = shown.cloneNode(false);
        copy.textContent = text;
        copy.id = 'drawn-text';
        const over = {
          position: 'fixed',
          left: `${size.left - Math.floor(size.left)}px`,
          top: `${size.top - Math.floor(size.top)}px`,
          width: `${size.width}px`,
          height: `${size.height}px`,
          'z-index': '1',
        };
        for (const [property, value] of Object.entries(over)) {
          copy.style.setProperty(property, value, 'important');
        }
        document.body.append(copy);
        const box = copy.getBoundingClientRect();
        const border = parseFloat(getComputedStyle(copy).borderLeftWidth);
        return {
          x: box.x + border,
          y: box.y + border,
          width: box.width - 2 * border,
          height: box.height - 2 * border,
        };
      },
      { ...place, text },
    );
    try {
      return await capturePixels(this.page, inside);
    } finally {
      await this.page.evaluate(() => document.getElementById('drawn-text').remove());
    }
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
      // In the tree's order, as a screen reader walks it; the browser lists the nodes in its own.
      const inOrder = [];
      const walk = (node) => {
        inOrder.push(node);
        children(node).forEach(walk);
      };
      nodes.filter((node) => !node.parentId).forEach(walk);
      const shown = inOrder.filter((node) => !node.ignored);
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
