// The player of the page for the Orca test (tests/end_to_end/orca_hears_every_round.py),
// which listens to what Orca says meanwhile. Chromium shows the page on the X display with its
// accessibility on, as a screen reader's player has it, and the player plays from the
// keyboard. It takes a line a move on its input and answers with a line on its output:
// "go" takes the focus to the next answer's button (wrong first, then right ones) and prints
// its name, or "-" if it had the focus; "answer" presses Enter there and prints the score that
// changed, "WINS: n" or "LOST: n"; "dismiss" presses Enter on the end message and prints
// "ended STATUS".
//
// Usage: node orca_player.js SITE
'use strict';

const path = require('node:path');
const readline = require('node:readline');
const { serve, launchOnScreen, openGame } = require('./browser.js');

// The colour button whose colour is on exactly ten squares, as the page names them.
const tenColourButton = (page) =>
  page.evaluate(() => {
    const counts = new Map();
    for (const cell of document.querySelectorAll('#Form1 [role=gridcell]')) {
      const name = cell.getAttribute('aria-label');
      counts.set(name, (counts.get(name) || 0) + 1);
    }
    const buttons = [...document.querySelectorAll('#Form1 button.color')];
    const tens = buttons.filter((button) => counts.get(button.getAttribute('aria-label')) === 10);
    if (tens.length !== 1) throw new Error(`not one colour on ten squares: ${[...counts]}`);
    return Number(tens[0].dataset.index);
  });

const focusIndex = (page) =>
  page.evaluate(() => Number(document.activeElement.dataset.index ?? -1));

async function main() {
  const server = await serve(path.resolve(process.argv[2]));
  const browser = await launchOnScreen(['--force-renderer-accessibility']);
  try {
    const { page, problems } = await openGame(browser, server.url);
    const buttonCount = await page.locator('#Form1 button.color').count();
    let wins = 0;
    let losses = 0;
    let ten = -1;
    let target = -1;
    console.log('ready');
    for await (const move of readline.createInterface({ input: process.stdin })) {
      if (move === 'go') {
        ten = await tenColourButton(page);
        // One wrong answer, on the button below the ten-colour's, then right ones.
        target = wins || losses ? ten : (ten + 1) % buttonCount;
        const from = await focusIndex(page);
        for (let at = from; at !== target; at = await focusIndex(page)) {
          await page.keyboard.press(at < target ? 'ArrowDown' : 'ArrowUp');
        }
        const name = await page.evaluate(() => document.activeElement.getAttribute('aria-label'));
        console.log(from === target ? '-' : name);
      } else if (move === 'answer') {
        await page.keyboard.press('Enter');
        console.log(target === ten ? `WINS: ${++wins}` : `LOST: ${++losses}`);
      } else if (move === 'dismiss') {
        await page.keyboard.press('Enter');
        await page.locator('#ended').waitFor({ state: 'visible', timeout: 10000 });
        if (problems.length) throw new Error(`the page reported: ${problems.join('; ')}`);
        console.log(`ended ${await page.evaluate(() => document.body.dataset.exitStatus)}`);
        break;
      }
    }
  } finally {
    await browser.close();
    await server.close();
  }
}

main().catch((error) => {
  console.error(error);
  process.exit(1);
});
