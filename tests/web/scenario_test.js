// The player scenarios (tests/scenarios/player.scenarios) on the page in chromium, at pixel
// ratios 1 and 2.
'use strict';

const assert = require('node:assert/strict');
const path = require('node:path');
const { after, before, describe, test } = require('node:test');
const { serve, launch } = require('./browser.js');
const { PageDriver } = require('./page_driver.js');
const scenarios = require('../scenarios/scenarios.js');

const [site, testSite, designModule] = process.argv.slice(2).map((file) => path.resolve(file));
const design = require(designModule);

for (const deviceScaleFactor of [1, 2]) {
  describe(`the page at pixel ratio ${deviceScaleFactor}`, () => {
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
        const driver = new PageDriver(browser, url, { deviceScaleFactor }, design);
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
