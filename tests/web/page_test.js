// The web front end in Debian's chromium: what only the page can get wrong. The game's rules
// are tested in the core; here, the page's layout, colours, input, focus, end, accessibility
// tree and privacy.
'use strict';

const assert = require('node:assert/strict');
const path = require('node:path');
const { after, before, describe, test } = require('node:test');
const { serve, launch, pixelsAt, openGame } = require('./browser.js');

const site = path.resolve(process.env.TINZEL_SITE || process.argv[2]);

const palette = {
  Black: 0x000000, Grey: 0xa0a0a0, White: 0xffffff, Pink: 0xffb4b4, Red: 0xff4040,
  Orange: 0xffa540, Yellow: 0xffff40, Green: 0x40ff40, Cyan: 0x40ffff, Blue: 0x4040ff,
  Magenta: 0xff40ff,
};
const names = Object.keys(palette);

// Twips to CSS pixels, rounded half up, edge by edge.
const px = (twips) => Math.floor((twips * 96 + 720) / 1440);
const rect = (left, top, width, height) => [px(left), px(top), px(left + width), px(top + height)];

// Each square's row, column and colour name, and each button's name, as the page holds them.
function readBoard(page) {
  return page.evaluate(() => {
    const edges = (element) => {
      const panel = document.getElementById('Form1').getBoundingClientRect();
      const box = element.getBoundingClientRect();
      return [box.left - panel.left, box.top - panel.top, box.right - panel.left, box.bottom - panel.top];
    };
    const rows = [...document.querySelectorAll('#Form1 [role=grid] > [role=row]')];
    return {
      squares: rows.flatMap((row, r) =>
        [...row.children].map((cell, c) => ({
          row: r + 1, column: c + 1, name: cell.getAttribute('aria-label'), edges: edges(cell),
        }))),
      buttons: [...document.querySelectorAll('#Form1 button.color')].map((button) => ({
        name: button.getAttribute('aria-label'), edges: edges(button),
      })),
      labels: [...document.querySelectorAll('#Form1 .label')].map(edges),
      panel: edges(document.getElementById('Form1')),
    };
  });
}

function tenColour(board) {
  const counts = {};
  for (const square of board.squares) counts[square.name] = (counts[square.name] || 0) + 1;
  const tens = Object.keys(counts).filter((name) => counts[name] === 10);
  assert.equal(tens.length, 1, `one colour on exactly ten squares: ${JSON.stringify(counts)}`);
  return names.indexOf(tens[0]);
}

const score = (page) =>
  page.evaluate(() => [...document.querySelectorAll('#Form1 .score')].map((label) => label.textContent));
const focusIndex = (page) =>
  page.evaluate(() => Number(document.activeElement.dataset.index ?? -1));

describe('the page', () => {
  let server;
  let browser;
  before(async () => {
    server = await serve(site);
    browser = await launch();
  });
  after(async () => {
    await browser?.close();
    await server?.close();
  });

  for (const deviceScaleFactor of [1, 2]) {
    test(`lays the window out as designed and paints the palette at pixel ratio ${deviceScaleFactor}`, async () => {
      const { context, page } = await openGame(browser, server.url, { deviceScaleFactor });
      const board = await readBoard(page);
      assert.deepEqual(board.panel, [0, 0, 518, 295]);
      assert.deepEqual(board.labels, [rect(6000, 360, 1575, 375), rect(3600, 2280, 255, 15), rect(6000, 0, 1575, 375)]);
      assert.equal(board.squares.length, 100);
      for (const square of board.squares) {
        assert.deepEqual(square.edges, rect(495 * (square.column - 1), 440 * (square.row - 1), 495, 440));
      }
      assert.deepEqual(board.buttons.map((button) => button.name), names);
      board.buttons.forEach((button, k) => assert.deepEqual(button.edges, rect(4920, 400 * k, 1095, 400)));
      tenColour(board);

      const centre = ({ edges: [l, t, r, b] }) => ({ x: (l + r) / 2, y: (t + b) / 2 });
      const panel = await page.locator('#Form1').boundingBox();
      const shown = await pixelsAt(page, panel, [
        ...board.squares.map(centre), ...board.buttons.map(centre), { x: 517, y: 294 },
      ]);
      const expected = [...board.squares, ...board.buttons].map((element) => palette[element.name]);
      assert.deepEqual(shown, [...expected, 0xc0c0c0]);
      await context.close();
    });
  }

  test('scales the whole window down to fit a phone\'s screen', async () => {
    const { context, page } = await openGame(browser, server.url, { viewport: { width: 360, height: 640 } });
    const box = await page.locator('#window').boundingBox();
    const panel = await page.locator('#Form1').boundingBox();
    assert.ok(box.x >= 0 && box.x + box.width <= 360, `window at ${box.x}..${box.x + box.width}`);
    assert.ok(Math.abs(panel.width / panel.height - 518 / 295) < 0.01, 'in proportion');
    await context.close();
  });

  test('answers by mouse and keyboard, keeps the focus across rounds, and ends after ten wins', async () => {
    const firstRequest = server.requests.length;
    const { context, page, problems } = await openGame(browser, server.url);
    assert.equal(await focusIndex(page), 0, 'the first button holds the focus');
    assert.deepEqual(await score(page), ['LOST: 0', 'WINS: 0']);

    // By mouse: a wrong answer, then the right one.
    let ten = tenColour(await readBoard(page));
    await page.click(`#Form1 button.color[data-index="${(ten + 1) % 11}"]`);
    assert.deepEqual(await score(page), ['LOST: 1', 'WINS: 0']);
    ten = tenColour(await readBoard(page));
    await page.click(`#Form1 button.color[data-index="${ten}"]`);
    assert.deepEqual(await score(page), ['LOST: 1', 'WINS: 1']);
    assert.equal(await page.evaluate(() => document.getElementById('score-news').textContent), 'WINS: 1');
    assert.equal(await focusIndex(page), ten, 'the clicked button keeps the focus');

    // By keyboard: Up and Down step along the column and stop at its ends; Tab walks it.
    for (let k = 0; k < 12; ++k) await page.keyboard.press('ArrowUp');
    assert.equal(await focusIndex(page), 0);
    await page.keyboard.press('Tab');
    assert.equal(await focusIndex(page), 1);
    await page.keyboard.press('Shift+Tab');
    assert.equal(await focusIndex(page), 0);
    for (let k = 0; k < 12; ++k) await page.keyboard.press('ArrowDown');
    assert.equal(await focusIndex(page), 10);

    // A wrong answer by Enter, held down: one press, one answer; the focus stays on its index.
    ten = tenColour(await readBoard(page));
    const wrong = ten === 10 ? 9 : 10;
    if (wrong === 9) await page.keyboard.press('ArrowUp');
    await page.keyboard.down('Enter');
    await page.keyboard.down('Enter');
    await page.keyboard.up('Enter');
    assert.deepEqual(await score(page), ['LOST: 2', 'WINS: 1']);
    assert.equal(await focusIndex(page), wrong);

    // Right answers by Space until the tenth win.
    for (let wins = 2; wins <= 10; ++wins) {
      ten = tenColour(await readBoard(page));
      let at = await focusIndex(page);
      while (at !== ten) {
        await page.keyboard.press(at < ten ? 'ArrowDown' : 'ArrowUp');
        at = await focusIndex(page);
      }
      await page.keyboard.press('Space');
      if (wins < 10) assert.deepEqual(await score(page), ['LOST: 2', `WINS: ${wins}`]);
    }

    const end = await page.evaluate(() => {
      const dialog = document.getElementById('message');
      return {
        open: dialog.open, modal: dialog.matches(':modal'), title: document.getElementById('message-title').textContent,
        text: document.getElementById('message-text').textContent, focus: document.activeElement.textContent,
        board: document.querySelectorAll('#Form1 *').length, windowShown: !document.getElementById('window').hidden,
      };
    });
    assert.deepEqual(end, {
      open: true, modal: true, title: 'Tinzel', text: 'You won! But you had 2losses.', focus: 'OK',
      board: 0, windowShown: false,
    });
    await page.keyboard.press('Escape');
    // The dialog tells it has closed in a task of its own.
    await page.locator('#ended').waitFor({ state: 'visible', timeout: 5000 });
    assert.equal(await page.locator('#message').isVisible(), false);
    assert.equal(await page.locator('#Form1 *').count(), 0);

    // Nothing but the page's own files was asked for, and nothing was stored.
    assert.deepEqual(server.requests.slice(firstRequest).sort(), ['/', '/ocr-a.woff2', '/tinzel.css', '/tinzel.js', '/tinzel.wasm']);
    assert.deepEqual(await context.cookies(), []);
    const stored = await page.evaluate(async () => [
      localStorage.length, sessionStorage.length, (await indexedDB.databases()).length, (await caches.keys()).length,
    ]);
    assert.deepEqual(stored, [0, 0, 0, 0]);
    assert.deepEqual(problems, []);
    await context.close();
  });

  test('tells assistive technology each button\'s colour and each square\'s row, column and colour', async () => {
    const { context, page } = await openGame(browser, server.url);
    const board = await readBoard(page);
    const cdp = await context.newCDPSession(page);
    const { nodes } = await cdp.send('Accessibility.getFullAXTree');
    const byId = new Map(nodes.map((node) => [node.nodeId, node]));
    const role = (node) => node.role?.value;
    const children = (node, wanted) =>
      (node.childIds || []).map((id) => byId.get(id)).filter((child) => child && role(child) === wanted);

    const buttons = nodes.filter((node) => role(node) === 'button' && !node.ignored);
    assert.deepEqual(buttons.map((node) => node.name.value), names);

    const grids = nodes.filter((node) => role(node) === 'grid');
    assert.equal(grids.length, 1);
    assert.equal(grids[0].name.value, 'Board');
    const rows = children(grids[0], 'row');
    assert.equal(rows.length, 10);
    const cells = rows.map((row) => children(row, 'gridcell').map((cell) => cell.name.value));
    assert.deepEqual(cells, [...Array(10).keys()].map((r) => board.squares.slice(10 * r, 10 * r + 10).map((s) => s.name)));
    await context.close();
  });
});
