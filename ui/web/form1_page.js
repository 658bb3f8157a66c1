// The window Form1 on the page: what the C++ side (web_window.cpp) asks for, done to real DOM
// elements, and the player's input handed back to it. It decides nothing of the game.
// An emscripten JavaScript library: each call of ui/web/page.h is one function below, headed
// by its C prototype; what they share is $Form1Page, set up once as the program's script runs.

mergeInto(LibraryManager.library, {
  $Form1Page__postset: 'Form1Page.start();',
  $Form1Page: {
    // enum PageLabel: the labels as the C++ side names them.
    Label: Object.freeze({ Losses: 0, Label2: 1, Wins: 2 }),

    windowFrame: null,
    panel: null,
    dialog: null,
    // Every element is made the first time a render has it and kept from round to round: a
    // render writes only what changed, and hides what is gone. The panel holds them in the
    // order every window reads them to a screen reader (ui/panel_reading.h): the board, the
    // colour buttons, then Wins and Losses; Label2, hidden from it, after them.
    labels: [],
    // The page's status region, which tells each round's news (tinzel_page_announce).
    news: null,
    board: null,
    // The board's rows, and its cells by row, then by column (both from 1), as the C++ side
    // places them.
    rows: [],
    cells: [],
    // The squares' colours, one pixel a square on a canvas under the cells, which draw only
    // their borders: a round then restyles nothing, where a hundred new background colours
    // restyled a hundred elements (the most of a round's time on a slow phone).
    paint: null,
    paintPixels: null,
    paintBox: null,
    paintPending: false,
    // Each square's row and column (from 1), by its index.
    squareCells: [],
    squares: [],
    buttons: [],
    ended: false,
    endStatus: 0,
    // The first board's button took the focus by autofocus (see tinzel_page_focus_button).
    autofocused: false,
    // The window's outer width in CSS pixels, known from the design: the panel and its frame.
    frameWidth: 0,

    // The `count` 32-bit fields of a struct of page.h at `pointer`, in their C order.
    fields: (pointer, count) => HEAP32.subarray(pointer >> 2, (pointer >> 2) + count),

    hex: (rgb) => {
      return `#${(0x1000000 | rgb).toString(16).slice(1)}`;
    },

    // What was last written on each element (its place, fill, focus ring, font size, text),
    // so that a round writes only what it changes: the browser then restyles only that, and
    // lays out nothing that has not moved.
    written: null,
    write: (element, what, value, apply) => {
      const written = Form1Page.written;
      const last = written.get(element) || written.set(element, {}).get(element);
      if (last[what] !== value) {
        last[what] = value;
        apply(value);
      }
    },
    // Edge by edge, so that what else is written in the inline style (a fill) stays.
    place: (element, [left, top, right, bottom]) => {
      Form1Page.write(element, 'where', `${left},${top},${right},${bottom}`, () => {
        const style = element.style;
        style.left = `${left}px`;
        style.top = `${top}px`;
        style.width = `${right - left}px`;
        style.height = `${bottom - top}px`;
      });
    },

    name: (element, text) => {
      if (element.getAttribute('aria-label') !== text) {
        element.setAttribute('aria-label', text);
      }
    },

    // The score font as the game's fitting rule sized it; 0 keeps the style sheet's.
    setFontSize: (label, fontSize) => {
      Form1Page.write(label, 'size', fontSize > 0 ? `${fontSize}px` : '', (size) => {
        label.style.fontSize = size;
      });
    },

    setText: (label, text) => {
      Form1Page.write(label, 'text', text, () => {
        label.textContent = text;
      });
    },

    // A row of the board's grid, so that assistive technology can walk it cell by cell.
    rowOf: (row) => {
      const page = Form1Page;
      if (!page.board) {
        page.board = document.createElement('div');
        page.board.className = 'board';
        page.board.setAttribute('role', 'grid');
        page.board.setAttribute('aria-label', 'Board');
        page.panel.prepend(page.board);
        page.paint = document.createElement('canvas');
        page.paint.className = 'board-paint';
        page.paint.setAttribute('aria-hidden', 'true');
        page.board.appendChild(page.paint);
      }
      while (page.rows.length < row) {
        const added = document.createElement('div');
        added.setAttribute('role', 'row');
        added.className = 'row';
        page.board.appendChild(added);
        page.rows.push(added);
        page.cells.push([]);
      }
      return page.rows[row - 1];
    },

    // Puts a new cell at its column of its row: a row lists its cells by column, the order
    // that assistive technology reads.
    addCell: (square, row, column) => {
      const rowElement = Form1Page.rowOf(row);
      const rowCells = Form1Page.cells[row - 1];
      const after = rowCells.slice(column + 1).find((cell) => cell !== undefined);
      rowCells[column] = square;
      rowElement.insertBefore(square, after || null);
    },

    // Square `row`, `column` (from 1) shows `color` (0xRRGGBB), or nothing; drawn once the
    // render is done.
    paintSquare: (row, column, color, shown) => {
      const page = Form1Page;
      const old = page.paintPixels;
      if (!old || row > old.height || column > old.width) {
        // The board grows as the first render places its squares: what is drawn is kept.
        const grown = new ImageData(
          Math.max(column, old ? old.width : 0),
          Math.max(row, old ? old.height : 0),
        );
        for (let y = 0; old && y < old.height; ++y) {
          grown.data.set(
            old.data.subarray(4 * y * old.width, 4 * (y + 1) * old.width),
            4 * y * grown.width,
          );
        }
        page.paintPixels = grown;
      }
      const columns = page.paintPixels.width;
      const at = 4 * ((row - 1) * columns + (column - 1));
      const pixels = page.paintPixels.data;
      pixels[at] = (color >> 16) & 0xff;
      pixels[at + 1] = (color >> 8) & 0xff;
      pixels[at + 2] = color & 0xff;
      pixels[at + 3] = shown ? 255 : 0;
      if (!page.paintPending) {
        page.paintPending = true;
        queueMicrotask(() => {
          page.paintPending = false;
          const { width, height } = page.paintPixels;
          // Resizing clears the canvas: it is done at most once a render, before drawing.
          if (page.paint.width !== width || page.paint.height !== height) {
            page.paint.width = width;
            page.paint.height = height;
          }
          page.paint.getContext('2d').putImageData(page.paintPixels, 0, 0);
        });
      }
    },

    // The canvas covers the squares' bounding box, as the design places them.
    placePaint: ([left, top, right, bottom]) => {
      const page = Form1Page;
      const box = page.paintBox || [left, top, right, bottom];
      page.paintBox = [
        Math.min(box[0], left),
        Math.min(box[1], top),
        Math.max(box[2], right),
        Math.max(box[3], bottom),
      ];
      page.place(page.paint, page.paintBox);
    },

    // enum ElementChange: what changed on a square or button this round.
    Change: Object.freeze({ Appeared: 1, Vanished: 2, Moved: 4, Recoloured: 8 }),

    // A struct PageElement's fields for a square, drawn: the square, or null if it was never
    // made. Its name and whether it is shown are the render's to write.
    renderSquare: ([index, changes, left, top, right, bottom, row, column, color]) => {
      const page = Form1Page;
      const { Appeared, Vanished, Moved } = page.Change;
      let square = page.squares[index];
      if (changes & Vanished) {
        if (square) {
          const [oldRow, oldColumn] = page.squareCells[index];
          page.paintSquare(oldRow, oldColumn, 0, false);
        }
        return square || null;
      }
      if (!square) {
        square = page.squares[index] = document.createElement('div');
        square.className = 'square';
        square.setAttribute('role', 'gridcell');
        page.addCell(square, row, column);
      }
      if (changes & (Appeared | Moved)) {
        const rect = [left, top, right, bottom];
        const old = page.squareCells[index];
        if (old && (old[0] !== row || old[1] !== column)) {
          page.paintSquare(old[0], old[1], 0, false);
        }
        page.squareCells[index] = [row, column];
        page.place(square, rect);
        page.placePaint(rect);
      }
      page.paintSquare(row, column, color, true);
      return square;
    },

    // enum PageButtonStep: what a render does to a colour button, as the C++ side decided.
    Step: Object.freeze({ Make: 1, Place: 2, Fill: 4, Show: 8, Hide: 16 }),

    // A struct PageElement's fields for a colour button: its steps, and `name` with a fill.
    renderButton: ([index, steps, left, top, right, bottom, , , color, ringColor], name) => {
      const page = Form1Page;
      const { Make, Place, Fill, Show, Hide } = page.Step;
      if (steps & Make) {
        const made = (page.buttons[index] = document.createElement('button'));
        made.type = 'button';
        made.className = 'color';
        made.dataset.index = index;
        made.hidden = true;
        page.panel.insertBefore(made, page.labels[page.Label.Wins] || null);
      }
      const button = page.buttons[index];
      if (steps & Place) {
        page.place(button, [left, top, right, bottom]);
      }
      if (steps & Fill) {
        page.write(button, 'fill', page.hex(color), (fill) => {
          button.style.backgroundColor = fill;
        });
        page.write(button, 'ring', page.hex(ringColor), (ring) => {
          button.style.setProperty('--ring', ring);
        });
        page.name(button, name);
      }
      if (steps & (Show | Hide)) {
        button.hidden = !(steps & Show);
      }
    },

    buttonIndex: (element) => {
      const button = element && element.closest ? element.closest('button.color') : null;
      return button && Form1Page.panel.contains(button) ? Number(button.dataset.index) : -1;
    },

    showEnded: () => {
      // The last news is old news once the game has ended.
      Form1Page.news.textContent = '';
      Form1Page.windowFrame.hidden = true;
      document.getElementById('ended').hidden = false;
      document.body.dataset.exitStatus = String(Form1Page.endStatus);
    },

    showMessage: (text, isError) => {
      const page = Form1Page;
      const dialog = page.dialog;
      dialog.classList.toggle('error', Boolean(isError));
      document.getElementById('message-text').textContent = text;
      // The page behind a modal dialog is inert, its status region with it: the news just
      // told (the tenth win) is told by the dialog as it opens, before its text.
      document.getElementById('message-news').textContent = page.news.textContent;
      page.news.textContent = '';
      if (!dialog.open) {
        dialog.showModal();
      }
    },

    // What the player is told when the page itself fails, by what failed.
    Report: Object.freeze({
      browser:
        'Tinzel could not go on in this browser.\n\n' +
        'Reload the page to try again. If it stops again, this browser cannot play Tinzel.',
      missing:
        'Tinzel could not load all of its files.\n\n' +
        'Reload the page to try again. If it stops again, the site is missing part of the game.',
      file:
        'Tinzel cannot play from a file on this computer.\n\n' +
        'Open it from a web server instead: any web server can serve its folder as it is.',
    }),

    // The page itself failed (its WebAssembly missing or refused, an abort, a script's
    // exception): reported in a player's words as the game reports an error, the browser's
    // own words kept for the console, then the game is over with status 1. A program that
    // never started is looked for again, to tell a missing file from a browser that refused it.
    started: false,
    fail: (what) => {
      const page = Form1Page;
      if (page.ended && page.endStatus !== 0) {
        return;
      }
      page.ended = true;
      page.endStatus = 1;
      page.windowFrame.hidden = true;
      console.error(`Tinzel stopped: ${what}`);
      const report = (text) => page.showMessage(text, true);
      if (location.protocol === 'file:') {
        report(page.Report.file);
      } else if (page.started) {
        report(page.Report.browser);
      } else {
        fetch('tinzel.wasm', { method: 'HEAD', cache: 'no-store' }).then(
          (response) => report(response.ok ? page.Report.browser : page.Report.missing),
          () => report(page.Report.missing),
        );
      }
    },

    // Whether a key may act on the message, by the game's rule: only if it went down while the
    // message was shown, once a press. A page whose program never loaded has only the
    // browser's own repeat to go by.
    messageKeyActs: (down, event) => {
      const decide = Module['_tinzel_message_key_acts'];
      if (!decide) {
        return !event.repeat;
      }
      return decide(down ? 1 : 0, event.keyCode, event.repeat ? 1 : 0) !== 0;
    },

    // A key on colour button `index`, numbered as enum ButtonKey (-1 for any other), and
    // whether the C++ side holds back the browser's own handling of it.
    buttonKeys: Object.freeze(['ArrowUp', 'ArrowDown', 'Enter']),
    buttonKeyHeld: (index, down, event) => {
      const key = Form1Page.buttonKeys.indexOf(event.key);
      return Module['_tinzel_button_key'](index, down ? 1 : 0, key, event.repeat ? 1 : 0) !== 0;
    },

    // A screen narrower than the designed window, or played by touch, takes the narrow
    // layout (tinzel.css). It is chosen from the viewport's width and the design's, so it is
    // right from the first board, whenever the screen changes, without measuring.
    touch: null,
    fitToScreen: () => {
      const page = Form1Page;
      if (page.frameWidth > 0) {
        const narrow = window.innerWidth - 16 < page.frameWidth || page.touch.matches;
        document.documentElement.classList.toggle('narrow', narrow);
      }
    },

    // The game is over: everything goes.
    clear: () => {
      const page = Form1Page;
      page.panel.hidden = true;
      page.panel.textContent = '';
      page.labels = [];
      page.board = null;
      page.rows = [];
      page.cells = [];
      page.paint = null;
      page.paintPixels = null;
      page.squareCells = [];
      page.paintBox = null;
      page.squares = [];
      page.buttons = [];
    },

    // Finds the page's elements and listens to the player, before the program runs.
    start: () => {
      const page = Form1Page;
      page.windowFrame = document.getElementById('window');
      page.panel = document.getElementById('Form1');
      page.dialog = document.getElementById('message');
      page.news = document.getElementById('score-news');
      page.written = new WeakMap();
      const windowFrame = page.windowFrame;
      const panel = page.panel;
      const dialog = page.dialog;

      // Only the colour buttons take the focus: a press anywhere else on the window (a
      // square, a label, the panel, the caption bar) leaves it on its button, as on the
      // desktop.
      windowFrame.addEventListener('mousedown', (event) => {
        if (page.buttonIndex(event.target) < 0) {
          event.preventDefault();
        }
      });
      panel.addEventListener('click', (event) => {
        const index = page.buttonIndex(event.target);
        if (index >= 0 && !page.ended) {
          Module['_tinzel_click'](index);
        }
      });
      const buttonKey = (down) => (event) => {
        const index = page.buttonIndex(event.target);
        if (index >= 0 && !page.ended && page.buttonKeyHeld(index, down, event)) {
          event.preventDefault();
        }
      };
      panel.addEventListener('keydown', buttonKey(true));
      panel.addEventListener('keyup', buttonKey(false));
      document.getElementById('close-box').addEventListener('click', () => {
        if (!page.ended) {
          Module['_tinzel_close']();
        }
      });

      dialog.addEventListener('keydown', (event) => {
        if (!page.messageKeyActs(true, event)) {
          event.preventDefault();
        }
      });
      dialog.addEventListener('keyup', (event) => {
        if (!page.messageKeyActs(false, event)) {
          event.preventDefault();
        }
      });
      dialog.addEventListener('close', () => {
        if (page.ended) {
          page.showEnded();
        }
      });
      window.addEventListener('resize', page.fitToScreen);
      page.touch = window.matchMedia('(pointer: coarse)');
      page.touch.addEventListener('change', page.fitToScreen);

      // A page opened as a file cannot load its program, and the browser says nothing to
      // the page of it (its fetch fails unheard): told at once.
      if (location.protocol === 'file:') {
        page.fail('a page opened as a file cannot load tinzel.wasm');
      }
      Module['onAbort'] = (what) => page.fail(String(what));
      window.addEventListener('error', (event) => page.fail(event.message));
      window.addEventListener('unhandledrejection', (event) => page.fail(String(event.reason)));
      // The page's own report of a program that never loaded is not needed: it has.
      document.getElementById('not-loaded').remove();
      // Kept for playing offline, once the page has loaded: not while it loads.
      if ('serviceWorker' in navigator && window.isSecureContext) {
        window.addEventListener('load', () => {
          navigator.serviceWorker
            .register('service-worker.js')
            .catch((error) => console.warn(`Tinzel cannot be kept for offline play: ${error}`));
        });
      }
      // The first board shows its scores in their own face, never a stand-in: the game
      // starts once the face has loaded. It loads while the WebAssembly compiles, not after.
      addRunDependency('score font');
      const loaded = () => removeRunDependency('score font');
      document.fonts.load('bold 16px "OCR A Extended"').then(loaded, loaded);
    },
  },

  // void tinzel_page_load(const PageLook* look);
  tinzel_page_load__deps: ['$Form1Page'],
  tinzel_page_load: function (look) {
    const page = Form1Page;
    page.started = true;
    const [width, height, backColor, edgeColor, ringInset] = page.fields(look, 5);
    if (page.frameWidth !== width + 2) {
      const root = document.documentElement.style;
      root.setProperty('--edge', page.hex(edgeColor));
      root.setProperty('--ring-inset', `${ringInset}px`);
      page.frameWidth = width + 2;
      page.fitToScreen();
      page.panel.style.width = `${width}px`;
      page.panel.style.height = `${height}px`;
      page.panel.style.backgroundColor = page.hex(backColor);
    }
  },

  // void tinzel_page_label(PageLabel label, const PageRect* rect, const char* caption,
  //                        double fontSize);
  tinzel_page_label__deps: ['$Form1Page'],
  tinzel_page_label: function (label, rect, caption, fontSize) {
    const page = Form1Page;
    let element = page.labels[label];
    if (!element) {
      element = page.labels[label] = document.createElement('div');
      element.className = ['label score losses', 'label', 'label score wins'][label];
      // Label2 is a one-pixel line of no meaning: assistive technology is not told of it.
      if (label === page.Label.Label2) {
        element.setAttribute('aria-hidden', 'true');
      }
      // Wins reads before Losses, as it stands above it.
      page.panel.insertBefore(
        element,
        label === page.Label.Wins ? page.labels[page.Label.Losses] : null,
      );
    }
    const text = UTF8ToString(caption);
    page.place(element, page.fields(rect, 4));
    page.setText(element, text);
    page.setFontSize(element, fontSize);
  },

  // void tinzel_page_caption(PageLabel label, const char* caption, double fontSize);
  tinzel_page_caption__deps: ['$Form1Page'],
  tinzel_page_caption: function (label, caption, fontSize) {
    const page = Form1Page;
    const text = UTF8ToString(caption);
    page.setText(page.labels[label], text);
    page.setFontSize(page.labels[label], fontSize);
  },

  // void tinzel_page_render(const PageRound* round);
  tinzel_page_render__deps: ['$Form1Page'],
  tinzel_page_render: function (round) {
    const page = Form1Page;
    const [squareCount, squares, buttonCount, buttons, names] = page.fields(round, 5);
    const newNames = UTF8ToString(names).split('\n');
    let named = 0;
    const { Appeared, Vanished, Recoloured } = page.Change;
    // struct PageElement: ten 32-bit fields.
    const element = (array, at) => page.fields(array + at * 40, 10);
    for (let k = 0; k < squareCount; ++k) {
      const fields = element(squares, k);
      const square = page.renderSquare(fields);
      const changes = fields[1];
      if (changes & (Appeared | Recoloured)) {
        page.name(square, newNames[named++]);
      }
      if (square && changes & (Appeared | Vanished)) {
        square.hidden = !(changes & Appeared);
      }
    }
    for (let k = 0; k < buttonCount; ++k) {
      const fields = element(buttons, k);
      page.renderButton(fields, fields[1] & page.Step.Fill ? newNames[named++] : null);
    }
  },

  // void tinzel_page_show(int shown);
  tinzel_page_show__deps: ['$Form1Page'],
  tinzel_page_show: function (shown) {
    Form1Page.panel.hidden = !shown;
    Form1Page.windowFrame.hidden = !shown;
  },

  // int tinzel_page_focused_button();
  tinzel_page_focused_button__deps: ['$Form1Page'],
  tinzel_page_focused_button: function () {
    return Form1Page.buttonIndex(document.activeElement);
  },

  // void tinzel_page_focus_button(int index);
  tinzel_page_focus_button__deps: ['$Form1Page'],
  tinzel_page_focus_button: function (index) {
    const button = Form1Page.buttons[index];
    if (!button) {
      return;
    }
    // Focusing makes the browser lay the page out there and then. The first board, while
    // nothing has the focus yet, gives it by autofocus instead: the browser focuses the
    // button as it renders that frame, before the frame is painted, and lays it out once. A
    // button takes autofocus only as it goes into the page, so it is put back in its place.
    if (!Form1Page.autofocused && document.activeElement === document.body) {
      Form1Page.autofocused = true;
      button.autofocus = true;
      button.parentNode.insertBefore(button, button.nextSibling);
      return;
    }
    button.focus({ preventScroll: true });
  },

  // void tinzel_page_message(const char* text, int isError);
  tinzel_page_message__deps: ['$Form1Page'],
  tinzel_page_message: function (text, isError) {
    Form1Page.showMessage(UTF8ToString(text), isError);
  },

  // void tinzel_page_announce(const char* news);
  tinzel_page_announce__deps: ['$Form1Page'],
  tinzel_page_announce: function (news) {
    Form1Page.news.textContent = UTF8ToString(news);
  },

  // void tinzel_page_finished(int exitStatus);
  tinzel_page_finished__deps: ['$Form1Page'],
  tinzel_page_finished: function (exitStatus) {
    const page = Form1Page;
    page.ended = true;
    page.endStatus = exitStatus;
    page.clear();
    if (!page.dialog.open) {
      page.showEnded();
    }
  },
});
