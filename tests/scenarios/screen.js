// What a player reads off the page's pixels, judged as tests/scenarios/screen.cpp judges the
// desktop windows': the driver only hands over the client area's pixels and a text drawn as the
// page draws a score. Places come from a layout: the design's, as the desktop windows' come, or
// the one a phone's page laid out to fit its screen.
'use strict';

// Pixels row by row, one 0xRRGGBB each: { width, height, pixels }.
const at = (capture, x, y) => capture.pixels[y * capture.width + x];
const grey = (rgb) => (((rgb >> 16) & 255) * 30 + ((rgb >> 8) & 255) * 59 + (rgb & 255) * 11) / 100;
const dark = (rgb) => grey(rgb) < 128;
const black = (rgb) => ((rgb >> 16) & 255) < 48 && ((rgb >> 8) & 255) < 48 && (rgb & 255) < 48;
const distance = (a, b) =>
  Math.max(...[0, 8, 16].map((shift) => Math.abs(((a >> shift) & 255) - ((b >> shift) & 255))));

// A character of the label may differ from the text's in at most this share of its ink.
const mostDifference = 0.2;
// A focus ring shows at least this many pixels on a button.
const ringPixelsAtLeast = 40;

// The design's layout, in twips: the design alone says where each control lies.
function designLayout(design) {
  const squares = Array.from({ length: design.squareCount }, (_, k) => ({
    ...design.square,
    left: design.square.width * (k % design.boardSide),
    top: design.square.height * Math.floor(k / design.boardSide),
  }));
  const buttons = Array.from({ length: design.buttonCount }, (_, k) => ({
    ...design.button,
    top: design.button.height * k,
  }));
  return {
    ...design.client,
    // Twips a CSS pixel at the design's 96 dots an inch.
    perCssPixel: 15,
    squares,
    buttons,
    labels: { Wins: design.Wins, Losses: design.Losses },
    bareSpot: { x: 7000, y: 2600 },
  };
}

// `layout`: the client area's { width, height } and every control's { left, top, width, height }
// in one unit, `perCssPixel` of them a CSS pixel: its squares (in reading order), its colour
// buttons, its score labels, and a spot of bare panel.
function screenOf(design, layout = designLayout(design)) {
  const centre = (rect) => ({
    x: rect.left + Math.floor(rect.width / 2),
    y: rect.top + Math.floor(rect.height / 2),
  });
  const squareCentre = (index) => centre(layout.squares[index - 1]);
  const buttonRect = (index) => layout.buttons[index];
  const buttonCentre = (index) => centre(buttonRect(index));
  const labelRect = (label) => layout.labels[label];
  const labelCentre = (label) => centre(labelRect(label));
  const { bareSpot } = layout;
  // Where a place lies in a capture of the whole client area.
  const pixelsAt = (place, width, height) => ({
    x: Math.floor((place.x * width) / layout.width),
    y: Math.floor((place.y * height) / layout.height),
  });
  const pixelAt = (capture, place) => {
    const point = pixelsAt(place, capture.width, capture.height);
    return at(capture, Math.min(point.x, capture.width - 1), Math.min(point.y, capture.height - 1));
  };
  const boxOf = (capture, rect) => {
    const from = pixelsAt({ x: rect.left, y: rect.top }, capture.width, capture.height);
    const to = pixelsAt(
      { x: rect.left + rect.width, y: rect.top + rect.height },
      capture.width,
      capture.height,
    );
    return {
      left: from.x,
      top: from.y,
      right: Math.min(to.x, capture.width),
      bottom: Math.min(to.y, capture.height),
    };
  };

  const readBoard = (capture) => ({
    squares: Array.from({ length: design.squareCount }, (_, k) =>
      pixelAt(capture, squareCentre(k + 1)),
    ),
    buttons: Array.from({ length: design.buttonCount }, (_, k) =>
      pixelAt(capture, buttonCentre(k)),
    ),
  });

  // The squares (from 1) with no black border at their left edge, where it would show.
  const squaresWithoutBorder = (capture) => {
    const bare = [];
    for (let index = 1; index <= design.squareCount; ++index) {
      const middle = squareCentre(index);
      const inside = pixelAt(capture, middle);
      const left = (index - 1) % design.boardSide === 0;
      const neighbour = left ? inside : pixelAt(capture, squareCentre(index - 1));
      if (black(inside) && black(neighbour)) continue;
      const edge = pixelsAt(
        { x: layout.squares[index - 1].left, y: middle.y },
        capture.width,
        capture.height,
      );
      let framed = false;
      for (let x = Math.max(0, edge.x - 1); x <= Math.min(capture.width - 1, edge.x + 1); ++x) {
        framed = framed || black(at(capture, x, edge.y));
      }
      if (!framed) bare.push(index);
    }
    return bare;
  };

  // Pixels inside button `index`, clear of its edge, that stand out from its fill.
  const ringPixels = (capture, index) => {
    const box = boxOf(capture, buttonRect(index));
    // The edge is a CSS pixel wide, so as many screen pixels as the pixel ratio, and may start
    // part way into the box's first one.
    const pixelRatio = (capture.width * layout.perCssPixel) / layout.width;
    const clear = Math.max(3, Math.ceil(pixelRatio) + 2);
    const fill = pixelAt(capture, buttonCentre(index));
    let standing = 0;
    for (let y = box.top + clear; y < box.bottom - clear; ++y) {
      for (let x = box.left + clear; x < box.right - clear; ++x) {
        if (distance(at(capture, x, y), fill) > 96) ++standing;
      }
    }
    return standing;
  };

  // Which pixels of `area` of `capture` are dark, and the box around them.
  const inkOf = (capture, area) => {
    const box = { left: area.right, top: area.bottom, right: area.left, bottom: area.top };
    for (let y = area.top; y < area.bottom; ++y) {
      for (let x = area.left; x < area.right; ++x) {
        if (dark(at(capture, x, y))) {
          box.left = Math.min(box.left, x);
          box.top = Math.min(box.top, y);
          box.right = Math.max(box.right, x + 1);
          box.bottom = Math.max(box.bottom, y + 1);
        }
      }
    }
    const isDark = (x, y) =>
      x >= 0 && y >= 0 && x < capture.width && y < capture.height && dark(at(capture, x, y));
    return { box, dark: isDark };
  };

  // Whether score label `label` shows the text of `characters` characters that `drawn`
  // holds, drawn as the page draws the label's caption: character by character, its ink
  // inside the frame is the text's, and ends inside the frame.
  const matchText = (capture, label, drawn, characters) => {
    const inside = boxOf(capture, labelRect(label));
    const middle = Math.floor((inside.left + inside.right) / 2);
    while (inside.top < inside.bottom && dark(at(capture, middle, inside.top))) ++inside.top;
    while (inside.bottom > inside.top && dark(at(capture, middle, inside.bottom - 1))) {
      --inside.bottom;
    }
    while (inside.left < inside.right && dark(at(capture, inside.left, inside.top))) ++inside.left;
    while (inside.right > inside.left && dark(at(capture, inside.right - 1, inside.top))) {
      --inside.right;
    }
    const shown = inkOf(capture, inside);
    const wanted = inkOf(drawn, { left: 0, top: 0, right: drawn.width, bottom: drawn.height });
    const width = wanted.box.right - wanted.box.left;
    const height = wanted.box.bottom - wanted.box.top;
    const shownWidth = shown.box.right - shown.box.left;
    const shownHeight = shown.box.bottom - shown.box.top;
    let detail =
      `ink ${shownWidth} x ${shownHeight} at ${shown.box.left - inside.left} in the label, ` +
      `the text's ${width} x ${height}`;
    if (
      shownWidth <= 0 ||
      width <= 0 ||
      Math.abs(shownWidth - width) > 1 ||
      Math.abs(shownHeight - height) > 1 ||
      shown.box.right >= inside.right
    ) {
      return { matches: false, detail };
    }
    let worst = 0;
    const cell = Math.max(1, Math.floor(width / characters));
    for (let from = 0; from < width; from += cell) {
      const to = Math.min(width, from + cell);
      let ink = 0;
      let best = Infinity;
      for (let dy = -1; dy <= 1; ++dy) {
        for (let dx = -1; dx <= 1; ++dx) {
          let differ = 0;
          ink = 0;
          for (let y = 0; y < height; ++y) {
            for (let x = from; x < to; ++x) {
              const there = wanted.dark(wanted.box.left + x, wanted.box.top + y);
              if (there) ++ink;
              if (there !== shown.dark(shown.box.left + x + dx, shown.box.top + y + dy)) ++differ;
            }
          }
          best = Math.min(best, differ);
        }
      }
      worst = Math.max(worst, best / Math.max(1, ink));
    }
    detail += `; the worst character differs in ${Math.floor(worst * 100)} % of its ink`;
    return { matches: worst <= mostDifference, detail };
  };

  return {
    squareCentre,
    buttonCentre,
    labelCentre,
    bareSpot,
    pixelsAt,
    readBoard,
    squaresWithoutBorder,
    ringPixels,
    ringPixelsAtLeast,
    matchText,
  };
}

module.exports = { screenOf, designLayout };
