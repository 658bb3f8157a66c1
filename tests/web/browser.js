// What the browser tests and benchmarks share: the page's folder served on 127.0.0.1 with a
// log of every request, Debian's chromium started headless (or on the X display), and a
// screenshot's pixels.
'use strict';

const fs = require('node:fs');
const http = require('node:http');
const path = require('node:path');
const { chromium } = require('playwright-core');

const contentTypes = {
  '.html': 'text/html; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.wasm': 'application/wasm',
  '.woff2': 'font/woff2',
};

// Serves the files of `folder` and nothing else; `requests` lists every path asked for.
async function serve(folder) {
  const requests = [];
  const server = http.createServer((request, response) => {
    const name = decodeURIComponent(new URL(request.url, 'http://host').pathname);
    requests.push(name);
    const file = path.join(folder, name === '/' ? 'index.html' : name);
    const type = contentTypes[path.extname(file)];
    if (!file.startsWith(folder + path.sep) || !type || !fs.existsSync(file)) {
      response.writeHead(404).end();
      return;
    }
    response.writeHead(200, { 'Content-Type': type, 'Cache-Control': 'no-store' });
    response.end(fs.readFileSync(file));
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  return {
    url: `http://127.0.0.1:${server.address().port}/`,
    requests,
    // Gone at once, as a server taken down is: the browser's idle connections with it.
    close: () =>
      new Promise((resolve) => {
        server.close(resolve);
        server.closeAllConnections();
      }),
  };
}

// Without the background-networking switches chromium keeps trying hosts this machine cannot
// reach; as root it only starts without its sandbox.
function launchOptions(extraArgs, headless = true) {
  const args = [
    ...extraArgs,
    '--disable-gpu',
    '--disable-quic',
    '--no-first-run',
    '--disable-background-networking',
    '--disable-component-update',
    '--disable-sync',
    '--enable-precise-memory-info',
    '--js-flags=--expose-gc',
  ];
  if (process.getuid && process.getuid() === 0) {
    args.push('--no-sandbox');
  }
  // The chromium that the build found (TINZEL_CHROMIUM in its cache).
  const executablePath = process.env.TINZEL_CHROMIUM;
  if (!executablePath) {
    throw new Error('TINZEL_CHROMIUM is not set: it names the chromium to drive');
  }
  return { executablePath, headless, args };
}

function launch(extraArgs = []) {
  return chromium.launch(launchOptions(extraArgs));
}

// A browser in a window on the X display (DISPLAY), where a screen reader meets it.
function launchOnScreen(extraArgs = []) {
  return chromium.launch(launchOptions(extraArgs, false));
}

// A browser with a profile of its own in `folder`, as a player's is: only there does chromium
// offer to install a page, never in the private contexts that launch() gives.
function launchWithProfile(folder, contextOptions = {}) {
  return chromium.launchPersistentContext(folder, { ...launchOptions([]), ...contextOptions });
}

// A page of each browser's own that decodes screenshots, opened at its first.
const decoders = new WeakMap();
function decoderOf(browser) {
  if (!decoders.has(browser)) decoders.set(browser, browser.newPage());
  return decoders.get(browser);
}

// Every pixel of a screenshot of `clip` (CSS pixels), as the screen shows it: { width, height,
// pixels } in device pixels, one 0xRRGGBB each, row by row, decoded by the browser itself.
async function capturePixels(page, clip) {
  const png = await page.screenshot({ clip });
  const decoder = await decoderOf(page.context().browser());
  const { width, height, data } = await decoder.evaluate(async (encoded) => {
    const image = new Image();
    image.src = `data:image/png;base64,${encoded}`;
    await image.decode();
    const canvas = new OffscreenCanvas(image.width, image.height);
    const context = canvas.getContext('2d');
    context.drawImage(image, 0, 0);
    const rgba = context.getImageData(0, 0, image.width, image.height).data;
    let binary = '';
    for (let at = 0; at < rgba.length; at += 0x8000) {
      binary += String.fromCharCode(...rgba.subarray(at, at + 0x8000));
    }
    return { width: image.width, height: image.height, data: btoa(binary) };
  }, png.toString('base64'));
  const rgba = Buffer.from(data, 'base64');
  const pixels = new Uint32Array(width * height);
  for (let k = 0; k < pixels.length; ++k) {
    pixels[k] = (rgba[4 * k] << 16) | (rgba[4 * k + 1] << 8) | rgba[4 * k + 2];
  }
  return { width, height, pixels };
}

// A phone's screen as chromium emulates one, held upright or sideways: the context options
// for Playwright's newContext.
function phoneScreen(held) {
  const [width, height] = held === 'sideways' ? [740, 360] : [360, 740];
  return { viewport: { width, height }, deviceScaleFactor: 3, isMobile: true, hasTouch: true };
}

// Opens the game and waits for its first board. `problems` collects what the page reports
// as an error: a script's exception, a blocked load.
async function openGame(browser, url, options = {}) {
  const context = await browser.newContext({ viewport: { width: 800, height: 500 }, ...options });
  const page = await context.newPage();
  const problems = [];
  page.on('pageerror', (error) => problems.push(error.message));
  page.on('console', (message) => message.type() === 'error' && problems.push(message.text()));
  await page.goto(url);
  await page.waitForSelector('#Form1 button.color >> nth=10');
  return { context, page, problems };
}

module.exports = {
  serve,
  launch,
  launchOnScreen,
  launchWithProfile,
  capturePixels,
  openGame,
  phoneScreen,
};
