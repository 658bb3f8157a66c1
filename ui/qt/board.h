// The board: the shown squares, each drawn as a fill of its colour in a single-line border,
// and told to assistive technology as one table of cells named by colour.
// The squares are drawn by this one widget rather than each being a widget of its own: a round
// recolours a hundred of them, and that stays cheap.
#pragma once

#include <QWidget>

#include "ui/board_table.h"
#include "ui/form_changes.h"
#include "ui/qt/conversions.h"

namespace tinzel::qt {

class Board : public QWidget {
    Q_OBJECT

  public:
    // Covers `parent`, under every control on it; it takes neither clicks nor the focus.
    Board(Resolution resolution, QWidget* parent);

    // Draws `model` as `changes` say it differs from what was drawn last. `model` lives until
    // `unload()`.
    void render(const FormModel& model, const FormChanges& changes);
    void unload();

    // The squares as assistive technology reads them; empty while there is no model.
    const BoardTable& table() const { return table_; }
    // Where square `index` is drawn, in this widget's pixels.
    QRect squareGeometry(int index) const;

  signals:
    // The names of these cells changed in a render. Sent only while something listens.
    void cellsRenamed(const std::vector<TableCell>& cells);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QRect pixels(const design::TwipsRect& twips) const { return toQRect(twips, resolution_); }

    Resolution resolution_;
    const FormModel* model_ = nullptr;
    BoardTable table_;
};

}  // namespace tinzel::qt
