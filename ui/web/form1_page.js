// The window Form1 on the page: what the C++ side (web_window.cpp) asks for, done to real
// DOM elements, and the player's input handed back to it. It decides nothing of the game.
var Form1Page = (function () {
  'use strict';

  var windowFrame = document.getElementById('window');
  var panel = document.getElementById('Form1');
  var dialog = document.getElementById('message');
  var dialogText = document.getElementById('message-text');
  var scoreNews = document.getElementById('score-news');
  var labels = [];
  // The score as last read out: the labels are made anew every round, so the page's one
  // lasting live region tells the player what changed.
  var heard = [];
  var board = null;
  var rows = [];
  var squares = [];
  var buttons = [];
  var ended = false;
  var endStatus = 0;
  // The window's outer width in CSS pixels, known from the design: the panel and its frame.
  var frameWidth = 0;

  function hex(rgb) {
    return '#' + (0x1000000 | rgb).toString(16).slice(1);
  }

  // One style write per element: the board is built anew every round.
  function place(element, left, top, right, bottom, color) {
    element.style.cssText = 'left:' + left + 'px;top:' + top + 'px;width:' + (right - left) +
        'px;height:' + (bottom - top) + 'px' + (color === undefined ? '' : ';background-color:' + hex(color));
  }

  // The score font as the game's fitting rule sized it; 0 keeps the style sheet's.
  function setFontSize(label, fontSize) {
    label.style.fontSize = fontSize > 0 ? fontSize + 'px' : '';
  }

  // Widths in the score face, measured off the page: nothing is laid out for them.
  var measuring = document.createElement('canvas').getContext('2d');
  function scoreWidth(text, fontSize) {
    measuring.font = 'bold ' + fontSize + 'px "OCR A Extended", monospace';
    // The label sets its text in by half a digit (padding-left: 0.5ch).
    return measuring.measureText(text).width + measuring.measureText('0').width / 2;
  }

  // The board as a grid of rows, so that assistive technology can walk it cell by cell.
  function rowOf(row) {
    if (!board) {
      board = document.createElement('div');
      board.className = 'board';
      board.setAttribute('role', 'grid');
      board.setAttribute('aria-label', 'Board');
      panel.insertBefore(board, buttons[0] || null);
    }
    while (rows.length < row) {
      var added = document.createElement('div');
      added.setAttribute('role', 'row');
      added.className = 'row';
      board.appendChild(added);
      rows.push(added);
    }
    return rows[row - 1];
  }

  function buttonIndex(element) {
    var button = element && element.closest ? element.closest('button.color') : null;
    return button && panel.contains(button) ? Number(button.dataset.index) : -1;
  }

  function showEnded() {
    windowFrame.hidden = true;
    document.getElementById('ended').hidden = false;
    document.body.dataset.exitStatus = String(endStatus);
  }

  // Only the colour buttons take the focus: a press anywhere else on the window (a square,
  // a label, the panel, the caption bar) leaves it on its button, as on the desktop.
  windowFrame.addEventListener('mousedown', function (event) {
    if (buttonIndex(event.target) < 0) {
      event.preventDefault();
    }
  });

  panel.addEventListener('click', function (event) {
    var index = buttonIndex(event.target);
    if (index >= 0 && !ended) {
      Module['_tinzel_click'](index);
    }
  });

  panel.addEventListener('keydown', function (event) {
    var index = buttonIndex(event.target);
    if (index < 0 || ended) {
      return;
    }
    if (event.key === 'ArrowUp' || event.key === 'ArrowDown') {
      event.preventDefault();
      Module['_tinzel_step_focus'](index, event.key === 'ArrowUp' ? -1 : 1);
    } else if (event.key === 'Enter' && !keyActs(false, true, event)) {
      // One answer a press, as with Space: a held Enter does not answer round after round.
      event.preventDefault();
    }
  });
  panel.addEventListener('keyup', function (event) {
    keyActs(false, false, event);
  });

  document.getElementById('close-box').addEventListener('click', function () {
    if (!ended) {
      Module['_tinzel_close']();
    }
  });

  // Whether a key may act, by the game's rule: once a press, and on the message only if it
  // went down while the message was shown. A page whose program never loaded has only the
  // browser's own repeat to go by.
  function keyActs(onMessage, down, event) {
    var decide = Module['_tinzel_key_acts'];
    if (!decide) {
      return !event.repeat;
    }
    return decide(onMessage ? 1 : 0, down ? 1 : 0, event.keyCode, event.repeat ? 1 : 0) !== 0;
  }
  dialog.addEventListener('keydown', function (event) {
    if (!keyActs(true, true, event)) {
      event.preventDefault();
    }
  });
  dialog.addEventListener('keyup', function (event) {
    if (!keyActs(true, false, event)) {
      event.preventDefault();
    }
  });

  dialog.addEventListener('close', function () {
    if (ended) {
      showEnded();
    }
  });

  // The window is scaled down to a narrow screen from the viewport's width and the design's,
  // so it is right from the first board, whenever the screen changes, without measuring.
  function fitToScreen() {
    if (frameWidth > 0) {
      var scale = Math.min(1, (window.innerWidth - 16) / frameWidth);
      windowFrame.style.transform = scale < 1 ? 'scale(' + scale + ')' : '';
    }
  }
  window.addEventListener('resize', fitToScreen);

  function showMessage(text, isError) {
    dialog.classList.toggle('error', !!isError);
    dialogText.textContent = text;
    if (!dialog.open) {
      dialog.showModal();
    }
  }

  // The page itself failed (its WebAssembly missing or refused, an abort, a script's
  // exception): reported as the game reports an error, then the game is over with status 1.
  function fail(what) {
    if (ended && endStatus !== 0) {
      return;
    }
    ended = true;
    endStatus = 1;
    windowFrame.hidden = true;
    showMessage('Tinzel could not go on in this browser:\n\n' + what, true);
  }
  Module['onAbort'] = function (what) {
    fail(String(what));
  };
  window.addEventListener('error', function (event) {
    fail(event.message);
  });
  window.addEventListener('unhandledrejection', function (event) {
    fail(String(event.reason));
  });
  // The score labels are sized in their own face: the game starts once it has loaded.
  Module['preRun'] = [
    function () {
      addRunDependency('score font');
      document.fonts.load('bold 16px "OCR A Extended"').then(
        function () {
          removeRunDependency('score font');
        },
        function () {
          removeRunDependency('score font');
        }
      );
    },
  ];

  return {
    load: function (width, height, backColor, edgeColor, ringInset) {
      var root = document.documentElement.style;
      root.setProperty('--edge', hex(edgeColor));
      root.setProperty('--ring-inset', ringInset + 'px');
      frameWidth = width + 2;
      fitToScreen();
      panel.style.width = width + 'px';
      panel.style.height = height + 'px';
      panel.style.backgroundColor = hex(backColor);
      panel.hidden = true;
    },
    label: function (id, left, top, right, bottom, caption, fontSize) {
      var label = document.createElement('div');
      label.className = id === 1 ? 'label' : 'label score';
      label.textContent = caption;
      if (heard[id] === undefined) {
        heard[id] = caption;
      }
      place(label, left, top, right, bottom);
      setFontSize(label, fontSize);
      labels[id] = label;
      panel.appendChild(label);
    },
    caption: function (id, caption, fontSize) {
      labels[id].textContent = caption;
      setFontSize(labels[id], fontSize);
      if (heard[id] !== caption) {
        heard[id] = caption;
        scoreNews.textContent = caption;
      }
    },
    square: function (index, left, top, right, bottom, color, name, row, column, visible) {
      var square = squares[index];
      if (!square) {
        square = squares[index] = document.createElement('div');
        square.className = 'square';
        square.setAttribute('role', 'gridcell');
        square.column = column;
        // A row lists its cells by column: that order is what assistive technology reads.
        var cells = rowOf(row);
        var next = cells.lastChild;
        while (next && next.previousSibling && next.previousSibling.column > column) {
          next = next.previousSibling;
        }
        cells.insertBefore(square, next && next.column > column ? next : null);
      }
      square.setAttribute('aria-label', name);
      place(square, left, top, right, bottom, color);
      square.hidden = !visible;
    },
    button: function (index, left, top, right, bottom, color, ring, name, visible) {
      var button = buttons[index];
      if (!button) {
        button = buttons[index] = document.createElement('button');
        button.type = 'button';
        button.className = 'color';
        button.dataset.index = index;
        panel.appendChild(button);
      }
      button.setAttribute('aria-label', name);
      place(button, left, top, right, bottom, color);
      button.style.setProperty('--ring', hex(ring));
      button.hidden = !visible;
    },
    unload: function () {
      panel.hidden = true;
      panel.textContent = '';
      labels = [];
      board = null;
      rows = [];
      squares = [];
      buttons = [];
    },
    show: function (shown) {
      panel.hidden = !shown;
      windowFrame.hidden = !shown;
    },
    scoreWidth: scoreWidth,
    focusedButton: function () {
      return buttonIndex(document.activeElement);
    },
    focusButton: function (index) {
      if (buttons[index]) {
        buttons[index].focus({ preventScroll: true });
      }
    },
    message: showMessage,
    finished: function (status) {
      ended = true;
      endStatus = status;
      this.unload();
      if (!dialog.open) {
        showEnded();
      }
    },
  };
})();
