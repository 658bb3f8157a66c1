// A score label in the one look (ui/form_look.h): the platform's label colours inside a frame
// one pixel wide in its text colour, and its caption in the score face, set in from the
// frame's inside top left, at the largest size of the design's that fits (ui/score_fit.h).
#pragma once

#include <QFont>
#include <QString>
#include <QWidget>

namespace tinzel::qt {

class ScoreDisplay : public QWidget {
    Q_OBJECT

  public:
    ScoreDisplay(const QFont& designFont, QWidget* parent = nullptr);

    const QString& text() const { return text_; }
    // Shows `text`, sized to fit, and tells assistive technology the new text.
    void setText(const QString& text);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void fit();
    // The face's advance, to the fraction of a pixel.
    static double advance(const QFont& font);

    QFont designFont_;
    QString text_;
};

}  // namespace tinzel::qt
