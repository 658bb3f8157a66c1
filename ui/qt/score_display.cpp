// Fitting and painting a score label in the one look.
#include "ui/qt/score_display.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QtMath>

#include "ui/form_look.h"
#include "ui/qt/conversions.h"
#include "ui/score_fit.h"

namespace tinzel::qt {

ScoreDisplay::ScoreDisplay(const QFont& designFont, QWidget* parent)
    : QWidget(parent), designFont_(designFont) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // A label takes the platform's label colours, not the form's grey it would inherit.
    QPalette colours = palette();
    const QPalette platform = QApplication::palette("QLabel");
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::WindowText}) {
        colours.setColor(role, platform.color(role));
    }
    setPalette(colours);
    setFont(designFont_);
}

void ScoreDisplay::setText(const QString& text) {
    if (text_ == text) {
        return;
    }
    text_ = text;
    setAccessibleName(text_);
    fit();
    update();
}

void ScoreDisplay::resizeEvent(QResizeEvent*) {
    fit();
}

double ScoreDisplay::advance(const QFont& font) {
    return QFontMetricsF(font).horizontalAdvance(QLatin1Char('0'));
}

void ScoreDisplay::fit() {
    QFont font = designFont_;
    const auto advanceAt = [&](double points) {
        font.setPointSizeF(points);
        return advance(font);
    };
    font.setPointSizeF(fitScoreLabel(width(), text_.toStdString(), advanceAt));
    if (this->font() != font) {
        setFont(font);
    }
}

void ScoreDisplay::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    const QColor ink = palette().color(QPalette::WindowText);
    for (const PixelRect& edge : look::frame(width(), height(), look::kScoreFrameWidth)) {
        painter.fillRect(toQRect(edge), ink);
    }
    const QRect inside = rect().adjusted(look::kScoreFrameWidth, look::kScoreFrameWidth,
                                         -look::kScoreFrameWidth, -look::kScoreFrameWidth);
    painter.setClipRect(inside);
    painter.setPen(ink);
    const double pitch = advance(font());
    const int left = inside.left() + qRound(look::kScoreIndentInAdvances * pitch);
    const std::vector<int> places =
        look::scorePlaces(static_cast<std::size_t>(text_.size()), pitch);
    for (qsizetype k = 0; k < text_.size(); ++k) {
        const QRect cell(left + places[static_cast<std::size_t>(k)], inside.top(), qCeil(pitch) + 1,
                         inside.height());
        painter.drawText(cell, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, text_.at(k));
    }
}

}  // namespace tinzel::qt
