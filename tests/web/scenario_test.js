// The player scenarios (tests/scenarios/player.scenarios) on the page in chromium: on a desktop
// at pixel ratios 1 and 2, or on a phone held upright and sideways, played by touch.
'use strict';

const assert = require('node:assert/strict');
const path = require('node:path');
const { after, before, describe, test } = require('node:test');
const { serve, launch, phoneScreen } = require('./browser.js');
const { PageDriver } = require('./page_driver.js');
const scenarios = require('../scenarios/scenarios.js');

const [site, testSite, designModule] = process.argv.slice(2, 5).map((file) => path.resolve(file));
const design = require(designModule);
const device = process.argv[5];

const desktop = { width: 800, height: 500 };
const screens = {
  desktop: [
    ['on a desktop at pixel ratio 1', { viewport: desktop, deviceScaleFactor: 1 }],
    ['on a desktop at pixel ratio 2', { viewport: desktop, deviceScaleFactor: 2 }],
  ],
  phone: [
    ['on a phone held upright', phoneScreen('upright')],
    ['on a phone held sideways', phoneScreen('sideways')],
  ],
};
if (!screens[device]) throw new Error(`play on "desktop" or "phone", not "${device}"`);

for (const [where, contextOptions] of screens[device]) {
  describe(`the page ${where}`, () => {
    let servers;
    let browser;
    before(async () => {
      servers = { game: await serve(site), test: await serve(testSite) };
      browser = await launch();
    });
    after(async () => {
      await browser?.close();
      await servers?.game.close();
      await servers?.test.close();
    });

    for (const scenario of scenarios.load()) {
      const options = scenarios.startOptions(scenario);
      const skip = options.frontEnds.length > 0 && !options.frontEnds.includes('page');
      test(scenario.name, { skip }, async () => {
        // The real page, unless the scenario reaches below the window.
        const url = options.failingLoad
          ? `${servers.test.url}?failing-load`
          : (options.belowTheWindow ? servers.test : servers.game).url;
        const driver = new PageDriver(browser, url, contextOptions, design);
        try {
          await driver.start();
          await scenarios.play(scenario, driver, design);
          assert.deepEqual(driver.problems, []);
        } finally {
          await driver.stop();
        }
      });
    }
  });
}
