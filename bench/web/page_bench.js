// The page's figures in Debian's chromium, each beside a baseline from the same run: what it
// transfers, navigation to its first painted board, a click to the next board painted (and a
// tap on a slow phone), and its memory over many rounds. Prints "name value" lines for bench/run_all.
//
// Usage: node page_bench.js SITE EMPTY_SITE   (NODE_PATH: the browser driver's node_modules)
'use strict';

const path = require('node:path');
const zlib = require('node:zlib');
const fs = require('node:fs');
const os = require('node:os');
const { serve, launch, phoneScreen } = require('../../tests/web/browser.js');

const [site, emptySite] = process.argv.slice(2).map((folder) => path.resolve(folder));
const NAVIGATIONS = 15;
const CLICKS = 300;
// A player looks at a new board before answering it: the first click comes a second after the
// board is shown, not straight on the benchmark's own start (its driver's scripts).
const FIRST_LOOK_MS = 1000;

const median = (values) => values.slice().sort((a, b) => a - b)[Math.floor(values.length / 2)];
const percentile99 = (values) =>
  values.slice().sort((a, b) => a - b)[Math.ceil(values.length * 0.99) - 1];

// Everything a page asked for, gzipped as a server would send it.
function transferred(folder, requests) {
  return requests.reduce((total, name) => {
    const file = path.join(folder, name === '/' ? 'index.html' : name);
    return total + zlib.gzipSync(fs.readFileSync(file), { level: 9 }).length;
  }, 0);
}

// Milliseconds from the navigation's start to the page's first contentful paint.
async function firstPaint(browser, url) {
  const context = await browser.newContext();
  const page = await context.newPage();
  await page.goto(url);
  const time = await page.evaluate(
    () =>
      new Promise((resolve) => {
        new PerformanceObserver((list) => {
          const paint = list.getEntriesByName('first-contentful-paint')[0];
          if (paint) resolve(paint.startTime);
        }).observe({ type: 'paint', buffered: true });
      }),
  );
  await context.close();
  return time;
}

// Every place and colour in the window, shown or not, as one string.
const windowLayout = (page) =>
  page.evaluate(() =>
    [...document.querySelectorAll('#window *')]
      .map((element) => {
        const box = element.getBoundingClientRect();
        const style = getComputedStyle(element);
        return [box.x, box.y, box.width, box.height, style.backgroundColor, style.visibility];
      })
      .join(';'),
  );

// The floor of the first board for any page that waits for its module before showing the
// window: the page's own first board, copied as plain markup and laid out while the empty page's
// module loads, shown as soon as that module has painted its element. It lacks only the game's
// own work: loading the game, dealing, and making the window's elements.
async function laidOutAheadSite(browser, url) {
  const context = await browser.newContext();
  const page = await context.newPage();
  await page.goto(url);
  await page.waitForSelector('#Form1 button.color >> nth=10');
  const markup = await page.evaluate(() => document.documentElement.outerHTML);
  const shown = await windowLayout(page);
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'tinzel-laid-out-'));
  for (const name of ['empty.js', 'empty.wasm']) {
    fs.copyFileSync(path.join(emptySite, name), path.join(folder, name));
  }
  const html = markup
    // The game's script would deal a board of its own; the copied places and colours are style
    // attributes, which the page's policy forbids.
    .replace(/<script[^>]*><\/script>/g, '')
    .replace(/<meta http-equiv="Content-Security-Policy"[^>]*>/, '')
    .replace('</head>', '<style>body:not(:has(> p)) { visibility: hidden; }</style></head>')
    .replace('</body>', '<script src="empty.js"></script></body>');
  fs.writeFileSync(path.join(folder, 'index.html'), `<!DOCTYPE html>${html}`);
  const copy = await serve(folder);
  await page.goto(copy.url);
  await page.waitForSelector('body > p');
  const copied = await windowLayout(page);
  await copy.close();
  await context.close();
  if (copied !== shown) {
    fs.rmSync(folder, { recursive: true });
    throw new Error("the laid-out copy does not show the page's window");
  }
  return folder;
}

// Gives the page `wrongButton()`, a button whose colour is not on ten squares, and
// `answerWrongly()`, a click on it: the game never ends however many rounds are played.
const teachWrongAnswers = (page) =>
  page.evaluate(() => {
    window.wrongButton = () => {
      const buttons = document.querySelectorAll('#Form1 button.color');
      const name = buttons[0].getAttribute('aria-label');
      const tens =
        document.querySelectorAll(`#Form1 [role=gridcell][aria-label="${name}"]`).length === 10;
      return buttons[tens ? 1 : 0];
    };
    window.answerWrongly = () => window.wrongButton().click();
  });

/* global answerWrongly, wrongButton -- put in the page by the init script above */
const playRounds = (page, rounds) =>
  page.evaluate((rounds) => {
    for (let round = 0; round < rounds; ++round) answerWrongly();
  }, rounds);

// Per change, milliseconds from making it to the end of the frame that paints it. The frame
// clock runs at 60 Hz however chromium is started, so counting whole frames would time the
// clock: the change is made at the start of a frame, in its animation callback, and a task
// queued there runs once that frame's style, layout and paint are done.
const timeChanges = (page, kind, count) =>
  page.evaluate(
    async ({ kind, count }) => {
      const panel = document.getElementById('Form1');
      // The button to click is found before the clock starts: finding it is the benchmark's
      // work, not the page's.
      const change = (i, button) => {
        if (kind === 'click') {
          button.click();
        } else if (kind === 'elements') {
          // The floor of any page that makes a new board of elements a round: the same hundred
          // squares and eleven buttons built by a plain script, with no game, in a panel of their
          // own.
          const floor =
            document.getElementById('floor') ||
            document.body.appendChild(
              Object.assign(document.createElement('div'), { id: 'floor', className: 'form' }),
            );
          floor.style.cssText = 'width:518px;height:295px';
          floor.textContent = '';
          for (let k = 0; k < 111; ++k) {
            const element = document.createElement(k < 100 ? 'div' : 'button');
            element.className = k < 100 ? 'square' : 'color';
            element.style.cssText =
              k < 100
                ? `left:${(k % 10) * 33}px;top:${Math.floor(k / 10) * 29}px;width:33px;height:29px;background-color:#ff4040`
                : `left:328px;top:${(k - 100) * 27}px;width:73px;height:27px;background-color:#40ff40`;
            floor.appendChild(element);
          }
        } else {
          // A plain repaint of the whole panel: its background, one step off grey and back.
          panel.style.backgroundColor = i % 2 ? '#c0c0c0' : '#c0c0c1';
        }
      };
      const times = [];
      for (let i = 0; i < count; ++i) {
        times.push(
          await new Promise((resolve) =>
            requestAnimationFrame(() => {
              const button = kind === 'click' ? wrongButton() : null;
              const started = performance.now();
              change(i, button);
              const painted = new MessageChannel();
              painted.port1.onmessage = () => resolve(performance.now() - started);
              painted.port2.postMessage(null);
            }),
          ),
        );
      }
      return times;
    },
    { kind, count },
  );

function printTimes(name, times) {
  console.log(`${name}_median_ms`, median(times).toFixed(3));
  console.log(`${name}_p99_ms`, percentile99(times).toFixed(3));
}

async function memory(page) {
  return page.evaluate(() => {
    gc();
    return { heap: performance.memory.usedJSHeapSize, wasm: Module.HEAP8.length };
  });
}

async function main() {
  const game = await serve(site);
  const empty = await serve(emptySite);
  // Frames as fast as the page can make them, so a frame's time is its own work.
  const browser = await launch(['--disable-frame-rate-limit', '--disable-gpu-vsync']);
  try {
    const laidOutFolder = await laidOutAheadSite(browser, game.url);
    const laidOut = await serve(laidOutFolder);
    const gamePaints = [];
    const emptyPaints = [];
    const laidOutPaints = [];
    for (let run = 0; run < NAVIGATIONS; ++run) {
      gamePaints.push(await firstPaint(browser, game.url));
      emptyPaints.push(await firstPaint(browser, empty.url));
      laidOutPaints.push(await firstPaint(browser, laidOut.url));
    }
    await laidOut.close();
    fs.rmSync(laidOutFolder, { recursive: true });
    console.log('transfer_bytes', transferred(site, [...new Set(game.requests)]));
    console.log('empty_transfer_bytes', transferred(emptySite, [...new Set(empty.requests)]));
    console.log('first_paint_ms', median(gamePaints).toFixed(2));
    console.log('empty_first_paint_ms', median(emptyPaints).toFixed(2));
    console.log('laid_out_first_paint_ms', median(laidOutPaints).toFixed(2));

    const context = await browser.newContext();
    const page = await context.newPage();
    await page.goto(game.url);
    await page.waitForSelector('#Form1 button.color >> nth=10');
    await teachWrongAnswers(page);
    await page.waitForTimeout(FIRST_LOOK_MS);
    const clicks = await timeChanges(page, 'click', CLICKS);
    const repaints = await timeChanges(page, 'repaint', CLICKS);
    const floors = await timeChanges(page, 'elements', CLICKS);
    printTimes('click', clicks);
    printTimes('repaint', repaints);
    printTimes('elements', floors);

    // A mid-range phone: the narrow layout at a pixel ratio of 3, and the CPU four times
    // slower. A tap on a button is the click it makes, timed as above.
    const phone = await browser.newContext(phoneScreen('upright'));
    const phonePage = await phone.newPage();
    await phonePage.goto(game.url);
    await phonePage.waitForSelector('#Form1 button.color >> nth=10');
    await teachWrongAnswers(phonePage);
    const cdp = await phone.newCDPSession(phonePage);
    await cdp.send('Emulation.setCPUThrottlingRate', { rate: 4 });
    await phonePage.waitForTimeout(FIRST_LOOK_MS);
    const taps = await timeChanges(phonePage, 'click', CLICKS);
    const phoneRepaints = await timeChanges(phonePage, 'repaint', CLICKS);
    printTimes('slow_tap', taps);
    printTimes('slow_repaint', phoneRepaints);
    console.log('slow_first_tap_ms', taps[0].toFixed(3));
    await phone.close();

    await page.evaluate(() => document.getElementById('floor').remove());
    await playRounds(page, 1000 - CLICKS);
    const at1000 = await memory(page);
    for (let played = 1000; played < 10000; played += 1000) await playRounds(page, 1000);
    const at10000 = await memory(page);
    console.log('js_heap_1000_bytes', at1000.heap);
    console.log('js_heap_10000_bytes', at10000.heap);
    console.log('wasm_memory_1000_bytes', at1000.wasm);
    console.log('wasm_memory_10000_bytes', at10000.wasm);
    const lost = await page.evaluate(
      () => document.querySelectorAll('#Form1 .score')[0].textContent,
    );
    console.log('rounds_lost', lost.replace(/\D/g, ''));
    await context.close();
  } finally {
    await browser.close();
    await game.close();
    await empty.close();
  }
}

main().catch((error) => {
  console.error(error);
  process.exit(1);
});
