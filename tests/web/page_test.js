// The web front end in Debian's chromium: what only the page can get wrong. The game's rules
// are tested in the core, and what the player does and sees, on a desktop and on a phone, in
// the scenarios (scenario_test.js); here, the page's layout, its fit to small screens, its own
// failures, its icon and manifest, Tab, the live region, its accessibility tree and its privacy.
'use strict';

const assert = require('node:assert/strict');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { after, before, describe, test } = require('node:test');
const {
  serve,
  launch,
  launchWithProfile,
  capturePixels,
  openGame,
  phoneScreen,
} = require('./browser.js');

const site = path.resolve(process.env.TINZEL_SITE || process.argv[2]);
// The same page with the test hooks of tests/web/test_page.cpp.
const testSite = path.resolve(process.argv[3]);

const names = [
  'Black',
  'Grey',
  'White',
  'Pink',
  'Red',
  'Orange',
  'Yellow',
  'Green',
  'Cyan',
  'Blue',
  'Magenta',
];

// Twips to CSS pixels, rounded half up, edge by edge.
const px = (twips) => Math.floor((twips * 96 + 720) / 1440);
const rect = (left, top, width, height) => [px(left), px(top), px(left + width), px(top + height)];

// Each square's row, column and colour name, and each button's name, as the page holds them.
function readBoard(page) {
  return page.evaluate(() => {
    const edges = (element) => {
      const panel = document.getElementById('Form1').getBoundingClientRect();
      const box = element.getBoundingClientRect();
      return [
        box.left - panel.left,
        box.top - panel.top,
        box.right - panel.left,
        box.bottom - panel.top,
      ];
    };
    const rows = [...document.querySelectorAll('#Form1 [role=grid] > [role=row]')];
    return {
      squares: rows.flatMap((row, r) =>
        [...row.children].map((cell, c) => ({
          row: r + 1,
          column: c + 1,
          name: cell.getAttribute('aria-label'),
          edges: edges(cell),
        })),
      ),
      buttons: [...document.querySelectorAll('#Form1 button.color')].map((button) => ({
        name: button.getAttribute('aria-label'),
        edges: edges(button),
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

// The background colour of the first element `selector` finds, as #rrggbb.
const backgroundOf = (page, selector) =>
  page.evaluate(
    (selector) =>
      '#' +
      getComputedStyle(document.querySelector(selector))
        .backgroundColor.match(/\d+/g)
        .map((value) => Number(value).toString(16).padStart(2, '0'))
        .join(''),
    selector,
  );

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
    test(`lays the window out as designed at pixel ratio ${deviceScaleFactor}`, async () => {
      const { context, page } = await openGame(browser, server.url, { deviceScaleFactor });
      const board = await readBoard(page);
      assert.deepEqual(board.panel, [0, 0, 518, 295]);
      // In the panel's reading order: Wins, Losses, then Label2.
      assert.deepEqual(board.labels, [
        rect(6000, 0, 1575, 375),
        rect(6000, 360, 1575, 375),
        rect(3600, 2280, 255, 15),
      ]);
      assert.equal(board.squares.length, 100);
      for (const square of board.squares) {
        assert.deepEqual(
          square.edges,
          rect(495 * (square.column - 1), 440 * (square.row - 1), 495, 440),
        );
      }
      assert.deepEqual(
        board.buttons.map((button) => button.name),
        names,
      );
      board.buttons.forEach((button, k) =>
        assert.deepEqual(button.edges, rect(4920, 400 * k, 1095, 400)),
      );
      await context.close();
    });
  }

  // The whole game within the screen, nothing to scroll, every target a thumb's size, the
  // board in its rows and columns, as wide as the screen allows, and the buttons in their
  // order beside or below it.
  const expectFitted = async (page, viewport) => {
    const layout = await page.evaluate(() => {
      const box = (element) => element.getBoundingClientRect().toJSON();
      return {
        scrolls: [document.documentElement.scrollWidth, document.documentElement.scrollHeight],
        close: box(document.getElementById('close-box')),
        board: box(document.querySelector('#Form1 [role=grid]')),
        squares: [...document.querySelectorAll('#Form1 [role=gridcell]')].map(box),
        buttons: [...document.querySelectorAll('#Form1 button.color')].map(box),
        scores: [...document.querySelectorAll('#Form1 .score')].map(box),
      };
    });
    assert.deepEqual(layout.scrolls, [viewport.width, viewport.height], 'nothing to scroll');
    const within = (box) =>
      box.left >= 0 && box.top >= 0 && box.right <= viewport.width && box.bottom <= viewport.height;
    const overlap = (a, b) =>
      a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
    for (const target of [layout.close, ...layout.buttons]) {
      assert.ok(target.width >= 44 && target.height >= 44, `a target of ${JSON.stringify(target)}`);
      assert.ok(within(target), `a target off the screen: ${JSON.stringify(target)}`);
      assert.ok(!overlap(target, layout.board), 'a target on the board');
    }
    for (const score of layout.scores) {
      assert.ok(within(score) && !overlap(score, layout.board), 'a score off the screen or board');
    }
    assert.equal(layout.squares.length, 100);
    layout.squares.forEach((square, k) => {
      assert.ok(within(square), `square ${k} off the screen`);
      if (k % 10 > 0) assert.ok(square.left > layout.squares[k - 1].left, `square ${k}'s column`);
      if (k >= 10) assert.ok(square.top > layout.squares[k - 10].top, `square ${k}'s row`);
    });
    const boardSide = Math.min(layout.board.width, layout.board.height);
    assert.ok(
      boardSide >= Math.min(viewport.width, viewport.height - 44) - 100,
      `a board of ${boardSide} px on a ${viewport.width} × ${viewport.height} screen`,
    );
    const reading = [...layout.buttons.keys()].sort(
      (a, b) =>
        layout.buttons[a].top - layout.buttons[b].top ||
        layout.buttons[a].left - layout.buttons[b].left,
    );
    assert.deepEqual(reading, [...layout.buttons.keys()], 'the buttons out of their order');
  };

  // The answers a tap gives, upright and sideways, are the player scenarios' (scenario_test.js).
  for (const held of ['upright', 'sideways']) {
    test(`fits a phone held ${held}, and a double tap never zooms it`, async () => {
      const screen = phoneScreen(held);
      const { viewport } = screen;
      const { context, page, problems } = await openGame(browser, server.url, screen);
      await expectFitted(page, viewport);
      for (let tap = 0; tap < 2; ++tap) await page.tap('#Form1 button.color >> nth=3');
      assert.equal(await page.evaluate(() => visualViewport.scale), 1);
      await expectFitted(page, viewport);
      assert.deepEqual(problems, []);
      await context.close();
    });
  }

  test("fits a screen that turned to a phone's width before the first board", async () => {
    const context = await browser.newContext({ viewport: { width: 800, height: 500 } });
    const page = await context.newPage();
    let release;
    const held = new Promise((resolve) => (release = resolve));
    await page.route('**/tinzel.wasm', async (route) => {
      await held;
      await route.continue();
    });
    await page.goto(server.url, { waitUntil: 'domcontentloaded' });
    await page.setViewportSize({ width: 360, height: 640 });
    await page.evaluate(() => new Promise((done) => requestAnimationFrame(() => setTimeout(done))));
    release();
    await page.waitForSelector('#Form1 button.color >> nth=10');
    await expectFitted(page, { width: 360, height: 640 });
    await context.close();
  });

  // The page's folder with one file missing or spoilt, or opened as a file: what the player
  // is told of it.
  const reports = {
    browser:
      'Tinzel could not go on in this browser.\n\n' +
      'Reload the page to try again. If it stops again, this browser cannot play Tinzel.',
    missing:
      'Tinzel could not load all of its files.\n\n' +
      'Reload the page to try again. If it stops again, the site is missing part of the game.',
    file:
      'Tinzel cannot play from a file on this computer.\n\n' +
      'Open it from a web server instead: any web server can serve its folder as it is.',
  };
  // A server of the page's folder with `file` left out, or written as `spoil`.
  const serveBroken = async (file, spoil) => {
    const broken = fs.mkdtempSync(path.join(os.tmpdir(), 'tinzel-broken-'));
    for (const name of fs.readdirSync(site).filter((name) => name !== file)) {
      fs.copyFileSync(path.join(site, name), path.join(broken, name));
    }
    if (spoil) fs.writeFileSync(path.join(broken, file), spoil);
    const brokenServer = await serve(broken);
    return {
      url: brokenServer.url,
      close: async () => {
        await brokenServer.close();
        fs.rmSync(broken, { recursive: true });
      },
    };
  };
  for (const [what, open, told] of [
    ['a missing tinzel.wasm', () => serveBroken('tinzel.wasm', null), 'missing'],
    ['a spoilt tinzel.wasm', () => serveBroken('tinzel.wasm', 'not a program'), 'browser'],
    [
      'a page opened as a file',
      () => ({ url: `file://${site}/index.html`, close: () => {} }),
      'file',
    ],
  ]) {
    test(`tells the player in their words of ${what}, then ends with status 1`, async () => {
      const opened = await open();
      const context = await browser.newContext();
      const page = await context.newPage();
      const consoleErrors = [];
      page.on(
        'console',
        (message) => message.type() === 'error' && consoleErrors.push(message.text()),
      );
      try {
        await page.goto(opened.url);
        await page.locator('#message').waitFor({ state: 'visible', timeout: 10000 });
        const report = await page.evaluate(() => ({
          error: document.getElementById('message').classList.contains('error'),
          title: document.getElementById('message-title').textContent,
          text: document.getElementById('message-text').textContent,
          windowShown: !document.getElementById('window').hidden,
        }));
        assert.deepEqual(report, {
          error: true,
          title: 'Tinzel',
          text: reports[told],
          windowShown: false,
        });
        // The browser's own account is kept for whoever opens the console.
        assert.ok(
          consoleErrors.some((line) => line.startsWith('Tinzel stopped: ')),
          consoleErrors.join('\n'),
        );
        await page.locator('#message button').click();
        await page.locator('#ended').waitFor({ state: 'visible', timeout: 5000 });
        assert.equal(await page.evaluate(() => document.body.dataset.exitStatus), '1');
      } finally {
        await context.close();
        await opened.close();
      }
    });
  }

  // With no script of its own running, the page still has its word to say, and says it
  // once the script is plainly not coming.
  test('says so when its script is missing, and not while it loads', async () => {
    const broken = await serveBroken('tinzel.js', null);
    const context = await browser.newContext();
    try {
      const page = await context.newPage();
      await page.goto(broken.url);
      const said = page.locator('#not-loaded');
      assert.equal(await said.evaluate((p) => getComputedStyle(p).visibility), 'hidden');
      await page.waitForFunction(
        () => getComputedStyle(document.getElementById('not-loaded')).visibility === 'visible',
        null,
        { timeout: 10000 },
      );
      assert.equal(
        await said.textContent(),
        'Tinzel did not load. Reload the page to try again. Opened as a file on this computer, ' +
          'Tinzel cannot play: it needs a web server to serve its folder.',
      );
      assert.equal(await page.locator('#window').isVisible(), false);
      // Where the script runs, its word is gone at once.
      const { page: playing } = await openGame(browser, server.url);
      assert.equal(await playing.locator('#not-loaded').count(), 0);
      await playing.context().close();
    } finally {
      await context.close();
      await broken.close();
    }
  });

  test("carries the game's icon, name and version inlined, as browsers keep an application's", async () => {
    const { context, page } = await openGame(browser, server.url);
    const icon = await page.evaluate(() => document.querySelector('link[rel=icon]').href);
    const [type, data] = icon.split(',');
    assert.equal(type, 'data:image/x-icon;base64');
    // An icon directory of three images: 32 × 32 in 2 and 16 colours, 16 × 16 in 16 colours.
    const ico = Buffer.from(data, 'base64');
    assert.deepEqual([ico.readUInt16LE(2), ico.readUInt16LE(4)], [1, 3]);
    const images = [0, 1, 2].map((k) => [ico[6 + 16 * k], ico.readUInt16LE(6 + 16 * k + 6)]);
    assert.deepEqual(images, [
      [32, 1],
      [32, 4],
      [16, 4],
    ]);
    const cdp = await context.newCDPSession(page);
    const { data: manifest, errors } = await cdp.send('Page.getAppManifest');
    assert.deepEqual(errors, []);
    const details = JSON.parse(manifest);
    assert.equal(details.id, 'org.tinzel.Tinzel');
    assert.equal(details.name, 'Tinzel');
    assert.equal(details.version, process.env.TINZEL_VERSION);
    // In the form's colours: its caption bar's, and its own behind the board.
    assert.deepEqual(
      [details.theme_color, details.background_color],
      [await backgroundOf(page, '.caption'), await backgroundOf(page, '#Form1')],
    );
    await context.close();
  });

  test('is a page chromium offers to install, with an icon a phone can use', async () => {
    const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'tinzel-profile-'));
    const context = await launchWithProfile(profile);
    try {
      const page = await context.newPage();
      await page.goto(server.url);
      await page.waitForSelector('#Form1 button.color >> nth=10');
      const cdp = await context.newCDPSession(page);
      const { installabilityErrors } = await cdp.send('Page.getInstallabilityErrors');
      assert.deepEqual(installabilityErrors, []);
      // The icon is the game's board, drawn to scale: a black square and its 16 tiles.
      const { data } = await cdp.send('Page.getAppManifest');
      const [icon] = JSON.parse(data).icons;
      assert.equal(icon.type, 'image/svg+xml');
      // Drawn at its own size, as an installing browser draws it: square, the size of its
      // view box, black at its edge and a tile's colour in its first tile.
      const drawn = await page.evaluate(async (source) => {
        const image = new Image();
        image.src = source;
        await image.decode();
        const svg = atob(source.split(',')[1]);
        const canvas = new OffscreenCanvas(image.naturalWidth || 1, image.naturalHeight || 1);
        const context2d = canvas.getContext('2d');
        context2d.drawImage(image, 0, 0);
        const at = (x, y) => [...context2d.getImageData(x, y, 1, 1).data.slice(0, 3)];
        const side = Number(svg.match(/viewBox="0 0 (\d+) \1"/)[1]);
        const firstTile = svg.match(/<rect x="(\d+)" y="(\d+)" width="(\d+)"[^>]* fill="#(\w+)"/);
        const middle = Number(firstTile[1]) + Number(firstTile[3]) / 2;
        return {
          size: [image.naturalWidth, image.naturalHeight],
          side,
          tiles: svg.match(/<rect x=/g).length,
          edge: at(0, 0),
          tile: at(middle, middle),
          fill: firstTile[4].match(/../g).map((hex) => parseInt(hex, 16)),
        };
      }, icon.src);
      assert.deepEqual(drawn.size, [drawn.side, drawn.side]);
      assert.equal(drawn.tiles, 16);
      assert.deepEqual(drawn.edge, [0, 0, 0]);
      assert.deepEqual(drawn.tile, drawn.fill);
    } finally {
      await context.close();
      fs.rmSync(profile, { recursive: true });
    }
  });

  // The first board takes its focus as the browser renders it, not by a focus() that would
  // make the browser lay the page out at once: the top button must have it in the very frame
  // in which the window first shows.
  test('has the focus on the top button and the scores in their face in the first frame', async () => {
    const context = await browser.newContext({ viewport: { width: 800, height: 500 } });
    await context.addInitScript(() => {
      const look = () => {
        const shown = document.getElementById('window');
        if (shown && !shown.hidden) {
          window.focusInFirstFrame = document.activeElement.dataset.index ?? 'none';
          window.faceInFirstFrame = document.fonts.check('bold 16px "OCR A Extended"');
        } else {
          requestAnimationFrame(look);
        }
      };
      requestAnimationFrame(look);
    });
    const page = await context.newPage();
    await page.goto(server.url);
    await page.waitForFunction(() => window.focusInFirstFrame !== undefined);
    assert.equal(await page.evaluate(() => window.focusInFirstFrame), '0');
    // Not drawn in a stand-in, nor blank while the face loads.
    assert.equal(await page.evaluate(() => window.faceInFirstFrame), true);
    await context.close();
  });

  test('walks the buttons by Tab, tells the score in its live region, and keeps nothing', async () => {
    const firstRequest = server.requests.length;
    const { context, page, problems } = await openGame(browser, server.url);
    for (let k = 0; k < 12; ++k) await page.keyboard.press('ArrowUp');
    await page.keyboard.press('Tab');
    assert.equal(await focusIndex(page), 1);
    await page.keyboard.press('Shift+Tab');
    assert.equal(await focusIndex(page), 0);

    // Right answers by Space until the tenth win; each win is read out.
    for (let wins = 1; wins <= 10; ++wins) {
      const ten = tenColour(await readBoard(page));
      let at = await focusIndex(page);
      while (at !== ten) {
        await page.keyboard.press(at < ten ? 'ArrowDown' : 'ArrowUp');
        at = await focusIndex(page);
      }
      await page.keyboard.press('Space');
      const told = await page.evaluate(() => ({
        status: document.getElementById('score-news').textContent,
        dialog: document.getElementById('message-news').textContent,
      }));
      // The tenth win is told by the end message, as the page behind it is inert.
      assert.deepEqual(
        told,
        wins < 10
          ? { status: `WINS: ${wins}. New board.`, dialog: '' }
          : { status: '', dialog: 'WINS: 10.' },
      );
    }
    // The message has the focus itself, for a screen reader to read it whole as it opens,
    // and its OK answers Space there.
    assert.equal(await page.evaluate(() => document.activeElement.id), 'message');
    await page.keyboard.press('Space');
    await page.locator('#ended').waitFor({ state: 'visible', timeout: 5000 });
    // Nothing old is left to be read again once the game is over.
    assert.equal(await page.evaluate(() => document.getElementById('score-news').textContent), '');

    // Nothing but the page's own files was asked for, and nothing was stored but those
    // files, kept for playing offline.
    assert.deepEqual([...new Set(server.requests.slice(firstRequest))].sort(), [
      '/',
      '/service-worker.js',
      '/tinzel.js',
      '/tinzel.wasm',
    ]);
    assert.deepEqual(await context.cookies(), []);
    const stored = await page.evaluate(async () => {
      await navigator.serviceWorker.ready;
      const names = await caches.keys();
      const kept = await Promise.all(
        names.map(async (name) =>
          (await (await caches.open(name)).keys()).map((request) => new URL(request.url).pathname),
        ),
      );
      return [
        localStorage.length,
        sessionStorage.length,
        (await indexedDB.databases()).length,
        names,
        kept.map((paths) => paths.sort()),
      ];
    });
    assert.deepEqual(stored, [
      0,
      0,
      0,
      [`tinzel-${process.env.TINZEL_VERSION}`],
      [['/', '/tinzel.js', '/tinzel.wasm']],
    ]);
    assert.deepEqual(problems, []);
    await context.close();
  });

  test('makes each square, button and label once and keeps them, round after round', async () => {
    const { context, page, problems } = await openGame(browser, server.url);
    const made = await page.evaluate(() => {
      const elements = () => [...document.querySelectorAll('#Form1 *')];
      const first = elements();
      const observer = new MutationObserver(() => {});
      observer.observe(document.getElementById('Form1'), { childList: true, subtree: true });
      // A hundred wrong answers: a button whose colour is not on ten squares.
      for (let round = 0; round < 100; ++round) {
        const wrong = [...document.querySelectorAll('#Form1 button.color')].find(
          (button) =>
            document.querySelectorAll(
              `#Form1 [role=gridcell][aria-label="${button.getAttribute('aria-label')}"]`,
            ).length !== 10,
        );
        wrong.click();
      }
      const records = observer.takeRecords();
      const elementsIn = (key) =>
        records.flatMap((record) => [...record[key]]).filter((node) => node instanceof Element);
      const now = elements();
      return {
        added: elementsIn('addedNodes').length,
        removed: elementsIn('removedNodes').length,
        same: now.length === first.length && now.every((element, at) => element === first[at]),
        losses: document.querySelector('#Form1 .score.losses').textContent,
      };
    });
    assert.deepEqual(made, { added: 0, removed: 0, same: true, losses: 'LOST: 100' });
    // And what they show is the new round's: a whole board, read row by row.
    const board = await readBoard(page);
    assert.equal(board.squares.length, 100);
    tenColour(board);
    assert.deepEqual(problems, []);
    await context.close();
  });

  test('keeps up with a square and a button hidden, moved, recoloured and shown again', async () => {
    const testServer = await serve(testSite);
    const { context, page, problems } = await openGame(browser, testServer.url);
    try {
      const call = (name, ...args) =>
        page.evaluate(
          ([name, args]) =>
            Module.ccall(
              name,
              null,
              args.map(() => 'number'),
              args,
            ),
          [name, args],
        );
      // What the screen shows at the middle of `edges` (CSS pixels in the panel).
      const colourAt = async ([left, top, right, bottom]) => {
        const panel = await page.evaluate(() =>
          document.getElementById('Form1').getBoundingClientRect().toJSON(),
        );
        const middle = { x: panel.left + (left + right) / 2, y: panel.top + (top + bottom) / 2 };
        const { pixels } = await capturePixels(page, { ...middle, width: 1, height: 1 });
        return pixels[0];
      };
      const hidden = () =>
        page.evaluate(() => ({
          cells: [...document.querySelectorAll('#Form1 [role=row]')].flatMap((row, r) =>
            [...row.children].flatMap((cell, c) => (cell.hidden ? [[r, c]] : [])),
          ),
          buttons: [...document.querySelectorAll('#Form1 button.color')]
            .filter((button) => button.hidden)
            .map((button) => button.getAttribute('aria-label')),
        }));
      const panelColour = Number.parseInt((await backgroundOf(page, '#Form1')).slice(1), 16);
      const pink = rect(4920, 400 * 3, 1095, 400);
      const pinkFill = await colourAt(pink);

      await call('tinzel_test_set_visible', 0, 1, 0);
      await call('tinzel_test_set_visible', 1, 3, 0);
      const gone = await hidden();
      assert.equal(gone.cells.length, 1, JSON.stringify(gone));
      assert.deepEqual(gone.buttons, ['Pink']);
      const [row, column] = gone.cells[0];
      const square = rect(495 * column, 440 * row, 495, 440);
      assert.equal(await colourAt(square), panelColour, 'a hidden square shows the panel');
      assert.equal(await colourAt(pink), panelColour, 'a hidden button shows the panel');

      // Back, the square black; the button back, then further left, keeping its colour.
      await call('tinzel_test_set_back_color', 0, 1, 0);
      await call('tinzel_test_set_visible', 0, 1, 1);
      await call('tinzel_test_set_visible', 1, 3, 1);
      await call('tinzel_test_set_left', 1, 3, 4800);
      assert.deepEqual(await hidden(), { cells: [], buttons: [] });
      const board = await readBoard(page);
      assert.equal(board.squares[10 * row + column].name, 'Black');
      assert.equal(await colourAt(square), 0x000000);
      const moved = rect(4800, 400 * 3, 1095, 400);
      assert.deepEqual(board.buttons[3], { name: 'Pink', edges: moved });
      assert.equal(await colourAt(moved), pinkFill);
      assert.deepEqual(problems, []);
    } finally {
      await context.close();
      await testServer.close();
    }
  });

  test('opens and plays with no network once it has been loaded', async () => {
    const goneServer = await serve(site);
    const context = await browser.newContext({ viewport: { width: 800, height: 500 } });
    try {
      const page = await context.newPage();
      await page.goto(goneServer.url);
      await page.waitForSelector('#Form1 button.color >> nth=10');
      await page.evaluate(() => navigator.serviceWorker.ready);
      // The network is gone, and the server with it.
      await goneServer.close();
      await context.setOffline(true);
      await page.reload();
      await page.waitForSelector('#Form1 button.color >> nth=10', { timeout: 10000 });
      const ten = tenColour(await readBoard(page));
      await page.click(`#Form1 button.color >> nth=${ten}`);
      await page.waitForFunction(
        () => document.querySelector('#Form1 .wins').textContent === 'WINS: 1',
      );
    } finally {
      await context.close();
    }
  });

  // Every round start seeds the game from the time of day: the first round too, so that no
  // two loads of the page open on the same board.
  test('opens on a board of its own at every load', async () => {
    const boards = [];
    for (let load = 0; load < 2; ++load) {
      const { context, page } = await openGame(browser, server.url);
      boards.push((await readBoard(page)).squares.map((square) => square.name));
      await context.close();
    }
    assert.notDeepEqual(boards[0], boards[1]);
  });

  test("tells assistive technology each button's colour and each square's row, column and colour", async () => {
    const { context, page } = await openGame(browser, server.url);
    const board = await readBoard(page);
    const cdp = await context.newCDPSession(page);
    const { nodes } = await cdp.send('Accessibility.getFullAXTree');
    const byId = new Map(nodes.map((node) => [node.nodeId, node]));
    const role = (node) => node.role?.value;
    const children = (node, wanted) =>
      (node.childIds || [])
        .map((id) => byId.get(id))
        .filter((child) => child && role(child) === wanted);

    // The page is headed by the game's name, and search engines are told what it is.
    const headings = nodes.filter((node) => role(node) === 'heading' && !node.ignored);
    assert.deepEqual(
      headings.map((node) => node.name.value),
      ['Tinzel'],
    );
    assert.match(
      await page.evaluate(() => document.querySelector('meta[name=description]').content),
      /exactly ten squares/,
    );

    // The window's close box, then the colour buttons.
    const buttons = nodes.filter((node) => role(node) === 'button' && !node.ignored);
    assert.deepEqual(
      buttons.map((node) => node.name.value),
      ['Close', ...names],
    );

    const grids = nodes.filter((node) => role(node) === 'grid');
    assert.equal(grids.length, 1);
    assert.equal(grids[0].name.value, 'Board');
    const rows = children(grids[0], 'row');
    assert.equal(rows.length, 10);
    const cells = rows.map((row) => children(row, 'gridcell').map((cell) => cell.name.value));
    assert.deepEqual(
      cells,
      [...Array(10).keys()].map((r) => board.squares.slice(10 * r, 10 * r + 10).map((s) => s.name)),
    );
    await context.close();
  });
});
