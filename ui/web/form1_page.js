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

  function hex(rgb) {
    return '#' + (0x1000000 | rgb).toString(16).slice(1);
  }

  // One style write per element: the board is built anew every round.
  function place(element, left, top, right, bottom, color) {
    element.style.cssText = 'left:' + left + 'px;top:' + top + 'px;width:' + (right - left) +
        'px;height:' + (bottom - top) + 'px' + (color === undefined ? '' : ';background-color:' + hex(color));
  }

  // A long count shrinks the score font until the whole text fits inside its frame. The face
  // is monospaced, so the size found for one length of text holds for every text that long:
  // measuring (which lays the page out) happens only for a length not seen before.
  var fittedSizes = {};
  function fit(label) {
    if (!label.classList.contains('score') || panel.hidden) {
      return;
    }
    var length = label.textContent.length;
    var size = fittedSizes[length];
    if (size === undefined) {
      size = 16;
      label.style.fontSize = '';
      while (size > 8 && label.scrollWidth > label.clientWidth) {
        size -= 0.5;
        label.style.fontSize = size + 'px';
      }
      if (document.fonts.status === 'loaded') {
        fittedSizes[length] = size;
      }
    }
    label.style.fontSize = size === 16 ? '' : size + 'px';
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
    } else if (event.key === 'Enter' && event.repeat) {
      // One answer a press, as with Space: a held Enter does not answer round after round.
      event.preventDefault();
    }
  });

  dialog.addEventListener('close', function () {
    if (ended) {
      showEnded();
    }
  });

  // The window keeps its size from round to round: it is fitted when first shown and when the
  // screen changes, not every round (measuring it lays the page out).
  var fittedToScreen = false;
  function fitToScreen() {
    fittedToScreen = true;
    var room = document.documentElement.clientWidth - 16;
    var scale = Math.min(1, room / windowFrame.offsetWidth);
    windowFrame.style.transform = scale < 1 ? 'scale(' + scale + ')' : '';
  }
  window.addEventListener('resize', fitToScreen);

  return {
    load: function (width, height, backColor) {
      panel.style.width = width + 'px';
      panel.style.height = height + 'px';
      panel.style.backgroundColor = hex(backColor);
      panel.hidden = true;
    },
    label: function (id, left, top, right, bottom, caption) {
      var label = document.createElement('div');
      label.className = id === 1 ? 'label' : 'label score';
      label.textContent = caption;
      if (heard[id] === undefined) {
        heard[id] = caption;
      }
      place(label, left, top, right, bottom);
      labels[id] = label;
      panel.appendChild(label);
    },
    caption: function (id, caption) {
      labels[id].textContent = caption;
      fit(labels[id]);
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
      if (shown) {
        labels.forEach(fit);
        if (!fittedToScreen) {
          fitToScreen();
        }
      }
    },
    focusedButton: function () {
      return buttonIndex(document.activeElement);
    },
    focusButton: function (index) {
      if (buttons[index]) {
        buttons[index].focus({ preventScroll: true });
      }
    },
    message: function (text, isError) {
      dialog.classList.toggle('error', !!isError);
      dialogText.textContent = text;
      dialog.showModal();
    },
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
