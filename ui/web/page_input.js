// The player's input on the page: the mouse, touch and keys on the window and its message,
// handed to the C++ side (page_input.cpp), which decides what each does. Part of the page's
// script (form1_page.js), which has it listen as it starts.

mergeInto(LibraryManager.library, {
  $PageInput: {
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
      const key = PageInput.buttonKeys.indexOf(event.key);
      return Module['_tinzel_button_key'](index, down ? 1 : 0, key, event.repeat ? 1 : 0) !== 0;
    },

    // Listens on the page's window `page` (Form1Page) and its message dialog.
    listen: (page) => {
      const input = PageInput;
      // One binding a line: Debian's emscripten drops a destructured declaration.
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
        if (index >= 0 && !page.ended && input.buttonKeyHeld(index, down, event)) {
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

      // The message opens with the focus on itself, so that a screen reader reads it whole as
      // it opens (a reader says nothing of a button that takes the focus from a window gone).
      // Its one button then answers Enter as it goes down and Space as it comes up, as it does
      // when it has the focus itself.
      const okKey = (down) => (down ? 'Enter' : ' ');
      const messageKey = (down) => (event) => {
        if (!input.messageKeyActs(down, event)) {
          event.preventDefault();
        } else if (event.target === dialog && event.key === okKey(down)) {
          dialog.querySelector('button').click();
        }
      };
      dialog.addEventListener('keydown', messageKey(true));
      dialog.addEventListener('keyup', messageKey(false));
      dialog.addEventListener('close', () => {
        if (page.ended) {
          page.showEnded();
        }
      });
    },
  },
});
