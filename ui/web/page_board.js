// The board on the page: a grid of rows of cells that assistive technology walks cell by cell,
// over a canvas that paints the squares' colours. Part of the page's script (form1_page.js),
// which renders the squares through it.

mergeInto(LibraryManager.library, {
  $PageBoard: {
    // The board's grid, which holds its rows.
    grid: null,
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
    // A row of the board's grid, so that assistive technology can walk it cell by cell.
    rowOf: (row) => {
      const board = PageBoard;
      if (!board.grid) {
        board.grid = document.createElement('div');
        board.grid.className = 'board';
        board.grid.setAttribute('role', 'grid');
        board.grid.setAttribute('aria-label', 'Board');
        Form1Page.panel.prepend(board.grid);
        board.paint = document.createElement('canvas');
        board.paint.className = 'board-paint';
        board.paint.setAttribute('aria-hidden', 'true');
        board.grid.appendChild(board.paint);
      }
      while (board.rows.length < row) {
        const added = document.createElement('div');
        added.setAttribute('role', 'row');
        added.className = 'row';
        board.grid.appendChild(added);
        board.rows.push(added);
        board.cells.push([]);
      }
      return board.rows[row - 1];
    },

    // Puts a new cell at its column of its row: a row lists its cells by column, the order
    // that assistive technology reads.
    addCell: (square, row, column) => {
      const rowElement = PageBoard.rowOf(row);
      const rowCells = PageBoard.cells[row - 1];
      const after = rowCells.slice(column + 1).find((cell) => cell !== undefined);
      rowCells[column] = square;
      rowElement.insertBefore(square, after || null);
    },

    // Square `row`, `column` (from 1) shows `color` (0xRRGGBB), or nothing; drawn once the
    // render is done.
    paintSquare: (row, column, color, shown) => {
      const board = PageBoard;
      const old = board.paintPixels;
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
        board.paintPixels = grown;
      }
      const columns = board.paintPixels.width;
      const at = 4 * ((row - 1) * columns + (column - 1));
      const pixels = board.paintPixels.data;
      pixels[at] = (color >> 16) & 0xff;
      pixels[at + 1] = (color >> 8) & 0xff;
      pixels[at + 2] = color & 0xff;
      pixels[at + 3] = shown ? 255 : 0;
      if (!board.paintPending) {
        board.paintPending = true;
        queueMicrotask(() => {
          board.paintPending = false;
          const { width, height } = board.paintPixels;
          // Resizing clears the canvas: it is done at most once a render, before drawing.
          if (board.paint.width !== width || board.paint.height !== height) {
            board.paint.width = width;
            board.paint.height = height;
          }
          board.paint.getContext('2d').putImageData(board.paintPixels, 0, 0);
        });
      }
    },

    // The canvas covers the squares' bounding box, as the design places them.
    placePaint: ([left, top, right, bottom]) => {
      const board = PageBoard;
      const box = board.paintBox || [left, top, right, bottom];
      board.paintBox = [
        Math.min(box[0], left),
        Math.min(box[1], top),
        Math.max(box[2], right),
        Math.max(box[3], bottom),
      ];
      Form1Page.place(board.paint, board.paintBox);
    },

    // enum ElementChange: what changed on a square this round.
    Change: Object.freeze({ Appeared: 1, Vanished: 2, Moved: 4, Recoloured: 8 }),

    // A struct PageElement's fields for a square, drawn: the square, or null if it was never
    // made. Its name and whether it is shown are the render's to write.
    renderSquare: ([index, changes, left, top, right, bottom, row, column, color]) => {
      const board = PageBoard;
      const { Appeared, Vanished, Moved } = board.Change;
      let square = board.squares[index];
      if (changes & Vanished) {
        if (square) {
          const [oldRow, oldColumn] = board.squareCells[index];
          board.paintSquare(oldRow, oldColumn, 0, false);
        }
        return square || null;
      }
      if (!square) {
        square = board.squares[index] = document.createElement('div');
        square.className = 'square';
        square.setAttribute('role', 'gridcell');
        board.addCell(square, row, column);
      }
      if (changes & (Appeared | Moved)) {
        const rect = [left, top, right, bottom];
        const old = board.squareCells[index];
        if (old && (old[0] !== row || old[1] !== column)) {
          board.paintSquare(old[0], old[1], 0, false);
        }
        board.squareCells[index] = [row, column];
        Form1Page.place(square, rect);
        board.placePaint(rect);
      }
      board.paintSquare(row, column, color, true);
      return square;
    },

    // A round's changed squares, each as a struct PageElement's fields, and the new names of
    // those that appeared or changed colour, in order. How many names they took.
    render: (squares, names) => {
      const board = PageBoard;
      const { Appeared, Vanished, Recoloured } = board.Change;
      let named = 0;
      for (const fields of squares) {
        const square = board.renderSquare(fields);
        const changes = fields[1];
        if (changes & (Appeared | Recoloured)) {
          Form1Page.name(square, names[named++]);
        }
        if (square && changes & (Appeared | Vanished)) {
          square.hidden = !(changes & Appeared);
        }
      }
      return named;
    },

    // The game is over: the board goes with the panel's elements.
    clear: () => {
      const board = PageBoard;
      board.grid = null;
      board.rows = [];
      board.cells = [];
      board.paint = null;
      board.paintPixels = null;
      board.squareCells = [];
      board.paintBox = null;
      board.squares = [];
    },
  },
});
