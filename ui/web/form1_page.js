// The window Form1 on the page: what the C++ side (web_window.cpp) asks for, done to real DOM
// elements. It decides nothing of the game. An emscripten JavaScript library: each call of
// ui/web/page.h is one function below, headed by its C prototype; what they share is
// $Form1Page, set up once as the program's script runs. The board is page_board.js's, and
// the player's input page_input.js's.

mergeInto(LibraryManager.library, {
  $Form1Page__deps: ['$PageBoard', '$PageInput'],
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
        // The message takes the focus itself, to be read whole as it opens (page_input.js).
        dialog.focus();
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
      page.buttons = [];
      PageBoard.clear();
    },

    // Finds the page's elements and listens to the player, before the program runs.
    start: () => {
      const page = Form1Page;
      page.windowFrame = document.getElementById('window');
      page.panel = document.getElementById('Form1');
      page.dialog = document.getElementById('message');
      page.news = document.getElementById('score-news');
      page.written = new WeakMap();

      PageInput.listen(page);
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
  tinzel_page_render__deps: ['$Form1Page', '$PageBoard'],
  tinzel_page_render: function (round) {
    const page = Form1Page;
    const [squareCount, squares, buttonCount, buttons, names] = page.fields(round, 5);
    const newNames = UTF8ToString(names).split('\n');
    // struct PageElement: ten 32-bit fields.
    const elements = (array, count) =>
      Array.from({ length: count }, (_, at) => page.fields(array + at * 40, 10));
    let named = PageBoard.render(elements(squares, squareCount), newNames);
    for (const fields of elements(buttons, buttonCount)) {
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
