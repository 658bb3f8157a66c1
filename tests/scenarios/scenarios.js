// Reads tests/scenarios/player.scenarios and plays a scenario through a front end's driver:
// the page's runner. tests/scenarios/scenario_runner.cpp is the desktop windows' twin.
'use strict';

const fs = require('node:fs');
const path = require('node:path');

const file = path.join(__dirname, 'player.scenarios');

// A step's words: bare words, and "quoted text" kept whole.
function words(line) {
  return [...line.matchAll(/"([^"]*)"|(\S+)/g)].map((match) => match[1] ?? match[2]);
}

function load() {
  const scenarios = [];
  fs.readFileSync(file, 'utf8')
    .split('\n')
    .forEach((text, number) => {
      const line = text.trim();
      if (line === '' || line.startsWith('#')) return;
      if (line.startsWith('scenario:')) {
        scenarios.push({ name: line.slice('scenario:'.length).trim(), steps: [] });
      } else if (scenarios.length === 0) {
        throw new Error(`${file}:${number + 1}: a step before any scenario`);
      } else {
        scenarios.at(-1).steps.push({ words: words(line), where: `${file}:${number + 1}` });
      }
    });
  return scenarios;
}

// What the scenario needs of the window before it starts.
function startOptions(scenario) {
  const said = (phrase) => scenario.steps.some((step) => step.words.join(' ') === phrase);
  return {
    failingLoad: said('start with a failing load'),
    belowTheWindow: scenario.steps.some((step) => step.words[0] === 'caption'),
    frontEnds: scenario.steps
      .filter((step) => step.words[0] === 'only')
      .map((step) => step.words[2]),
  };
}

function check(condition, message) {
  if (!condition) throw new Error(message);
}

// Plays `scenario` on `driver`, already started, judging by `design` (the window's design and
// palette, as tests/web/write_design.cpp writes them) and by the driver's `screen`, which reads
// its window's layout (screen.js). Throws at the first step the window fails.
async function play(scenario, driver, design) {
  const { palette, names: colourNames } = design;
  const { screen } = driver;
  let answered = -1;
  let lastHeard = null;

  // The board as drawn, each square and button turned into its colour index (-1: none).
  const board = async (capture) => {
    const shown = screen.readBoard(capture ?? (await driver.capture()));
    const index = (rgb) => palette.indexOf(rgb);
    return { squares: shown.squares.map(index), buttons: shown.buttons.map(index), shown };
  };
  // Whether score label `label` shows `text`, read from its pixels.
  const shows = async (label, text) =>
    screen.matchText(
      await driver.capture(),
      label,
      await driver.drawnText(label, text),
      text.length,
    );
  const tenColour = async () => {
    const { squares } = await board();
    const counts = palette.map((_, k) => squares.filter((square) => square === k).length);
    const tens = counts.flatMap((count, k) => (count === design.answerSquares ? [k] : []));
    check(tens.length === 1, `one colour on exactly ten squares, counted ${counts}`);
    return tens[0];
  };
  const button = async (which) => {
    if (which === 'right') return tenColour();
    if (which === 'wrong') return ((await tenColour()) + 5) % palette.length;
    if (which === 'answered') return answered;
    return Number(which);
  };
  const goTo = async (target) => {
    for (let presses = 0; presses < 12; ++presses) {
      const at = await driver.focusedButton();
      if (at === target) return;
      check(at >= 0, `the focus is on no colour button on the way to ${target}`);
      await driver.press(at < target ? 'Down' : 'Up');
    }
    check(false, `Up and Down never reach button ${target}`);
  };
  const seeMessage = async (expected, error) => {
    const message = await driver.message();
    check(message !== null, 'no message is open');
    check(message.title === 'Tinzel', `the message is titled "${message.title}"`);
    check(
      message.buttons.join() === 'OK',
      `the message has the buttons ${JSON.stringify(message.buttons)}`,
    );
    check(
      message.icon === (error ? 'error' : 'none'),
      `the message shows the icon ${message.icon}`,
    );
    const matches = error ? message.text.includes(expected) : message.text === expected;
    check(matches, `the message says ${JSON.stringify(message.text)}`);
  };

  // The window as assistive technology reads it agrees with its pixels, and every cell renamed
  // since the last hearing was announced, where the driver hears announcements.
  const hearBoard = async () => {
    const heard = await driver.accessibleWindow();
    check(heard.name === 'Form1', `the window is called "${heard.name}"`);
    check(
      heard.rows === design.boardSide && heard.columns === design.boardSide,
      `the board is a table of ${heard.rows} x ${heard.columns}`,
    );
    const { squares, shown } = await board();
    squares.forEach((colour, k) => {
      check(
        heard.cells[k] === colourNames[colour],
        `square ${k + 1} is read as "${heard.cells[k]}" and shows ${shown.squares[k].toString(16)}`,
      );
    });
    check(
      heard.buttons.join() === colourNames.join(),
      `the buttons are read as ${heard.buttons.join(' ')}`,
    );
    check(!heard.names.includes('Label2'), 'Label2 is read out');
    // Every window reads in one order: the board, the colour buttons (the last is the last
    // name of a colour), then the scores, Wins before Losses as it stands above it.
    const order = [
      heard.names.indexOf('Board'),
      heard.names.lastIndexOf(colourNames[colourNames.length - 1]),
      heard.names.findIndex((name) => /^WINS: *-?\d+$/.test(name)),
      heard.names.findIndex((name) => /^LOST: *-?\d+$/.test(name)),
    ];
    check(
      order.every((at, k) => at >= 0 && (k === 0 || at > order[k - 1])),
      `the window reads in the order ${heard.names.join(' | ')}`,
    );
    if (lastHeard && heard.announced) {
      heard.cells.forEach((name, k) => {
        check(
          name === lastHeard[k] || heard.announced.has(k),
          `cell ${k} became ${name} unannounced`,
        );
      });
    }
    lastHeard = heard.cells;
  };

  const steps = {
    'hear board': hearBoard,
    'see board': async () => {
      const capture = await driver.capture();
      const { squares, buttons, shown } = await board(capture);
      const unknown = squares.findIndex((square) => square < 0);
      check(unknown < 0, `square ${unknown + 1} shows ${shown.squares[unknown]?.toString(16)}`);
      await tenColour();
      check(
        buttons.every((colour, k) => colour === k),
        `the buttons show ${shown.buttons.map((rgb) => rgb.toString(16))}`,
      );
      const bare = screen.squaresWithoutBorder(capture);
      check(bare.length === 0, `square ${bare[0]} shows no black border`);
    },
    'see caption': async (label, text) => {
      const { matches, detail } = await shows(label, text);
      check(matches, `the label does not show "${text}": ${detail}`);
    },
    'see answers': async (count) => {
      for (let wins = 0; wins <= Number(count); ++wins) {
        const winsShown = (await shows('Wins', `WINS: ${wins}`)).matches;
        if (winsShown && (await shows('Losses', `LOST: ${Number(count) - wins}`)).matches) return;
      }
      check(false, `the scores do not count ${count} answers`);
    },
    'see focus': async (which) => {
      const expected = await button(which);
      const at = await driver.focusedButton();
      check(at === expected, `the focus is on button ${at}, not ${expected}`);
      const capture = await driver.capture();
      for (let index = 0; index < design.buttonCount; ++index) {
        const ring = screen.ringPixels(capture, index);
        check(
          index === expected ? ring >= screen.ringPixelsAtLeast : ring === 0,
          `button ${index} shows ${ring} pixels of a focus ring`,
        );
      }
    },
    'see message': (text) => seeMessage(text, false),
    'see error message': (text) => seeMessage(text, true),
    'see no message': async () => check((await driver.message()) === null, 'a message is open'),
    'see no window': async () => check(!(await driver.windowShown()), 'the window is still shown'),
    'see ended': async (status) => {
      const ended = await driver.exitStatus();
      check(ended === Number(status), `the game ended with ${ended}, not ${status}`);
    },
    'click button': async (which) => {
      answered = await button(which);
      await driver.clickButton(answered);
    },
    'double click button': async (which) => {
      answered = await button(which);
      await driver.doubleClickButton(answered);
    },
    'click square': (index) => driver.clickSquare(Number(index)),
    'click label': (label) => driver.clickLabel(label),
    'click panel': () => driver.clickPanel(),
    'click OK': () => driver.clickOk(),
    'go to button': async (which) => goTo(await button(which)),
    press: async (key) => {
      answered = await driver.focusedButton();
      await driver.press(key);
    },
    hold: async (key) => {
      answered = await driver.focusedButton();
      await driver.hold(key);
    },
    release: (key) => driver.release(key),
    win: async (times) => {
      for (let win = 0; win < Number(times); ++win) await driver.clickButton(await tenColour());
    },
    caption: (label, text) => driver.setCaption(label, text),
    deactivate: () => driver.deactivate(),
    activate: () => driver.activate(),
    close: () => driver.close(),
    'forced colours on': () => driver.forcedColours(),
    // Read before the window starts (startOptions).
    'start with a failing load': () => {},
    'only on': () => {},
  };

  for (const step of scenario.steps) {
    // The longest run of leading words that names a step; the rest are its arguments.
    let verb = null;
    for (let n = step.words.length; n > 0 && verb === null; --n) {
      const name = step.words.slice(0, n).join(' ');
      if (steps[name]) verb = { name, args: step.words.slice(n) };
    }
    check(verb !== null, `${step.where}: no such step "${step.words.join(' ')}"`);
    try {
      await steps[verb.name](...verb.args);
    } catch (error) {
      error.message = `${step.where}: ${step.words.join(' ')}: ${error.message}`;
      throw error;
    }
  }
}

module.exports = { load, play, startOptions };
