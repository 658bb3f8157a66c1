// The window's widgets, made and set as a round's steps say.
#include "ui/qt/form1_controls.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <algorithm>

namespace tinzel::qt {

namespace {

void setBackground(QWidget* widget, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

}  // namespace

QFont scoreFont() {
    const QString designFamily = toQString(design::kScoreFontFamily);
    for (const QString& family :
         {designFamily, QStringLiteral("OCRABold"), QStringLiteral("OCRA")}) {
        if (QFontDatabase::hasFamily(family)) {
            return QFont(family, design::kScoreFontPoints, QFont::Bold);
        }
    }
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSize(design::kScoreFontPoints);
    fixed.setBold(true);
    return fixed;
}

Form1Controls::Form1Controls(Resolution resolution, const QFont& scoreFont, QWidget* parent)
    : QWidget(parent), resolution_(resolution), scoreFont_(scoreFont) {
    setBackground(this, toQColor(design::kBackColor));
    setGeometry(0, 0, pixelsX(design::kClientWidth, resolution),
                pixelsY(design::kClientHeight, resolution));
    board_ = new Board(resolution, this);
    news_ = new NewsLine(this, NewsLine::Kind::Notification);
}

void Form1Controls::render(const FormModel& model, const FormChanges& changes) {
    model_ = &model;
    applyRound(model, changes, *this);
    board_->render(model, changes);
}

void Form1Controls::unload() {
    model_ = nullptr;
    news_->hide();
    board_->unload();
}

void Form1Controls::makeScore(ScoreLabel label, const design::TwipsRect& rect,
                              std::string_view caption) {
    auto* score = new ScoreDisplay(scoreFont_, this);
    score->setGeometry(pixels(rect));
    score->setText(toQString(caption));
    (label == ScoreLabel::Wins ? wins_ : losses_) = score;
}

void Form1Controls::makeLabel2(const design::TwipsRect& rect, std::string_view caption) {
    label2_ = new QLabel(toQString(caption), this);
    label2_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label2_->setFocusPolicy(Qt::NoFocus);
    // A label takes the platform's label colours, not the form's grey it would inherit.
    QPalette colours = label2_->palette();
    const QPalette platform = QApplication::palette(label2_);
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::WindowText}) {
        colours.setColor(role, platform.color(role));
    }
    label2_->setPalette(colours);
    label2_->setAutoFillBackground(true);
    label2_->setGeometry(pixels(rect));
}

void Form1Controls::setCaption(ScoreLabel label, std::string_view caption) {
    scoreLabel(label)->setText(toQString(caption));
}

void Form1Controls::makeButton(int index) {
    auto* button = new ColorButton(index, this);
    button->setObjectName(QString::fromStdString(elementName(ControlArray::Color, index)));
    connect(button, &ColorButton::clicked, this, [this, index] { emit colorClicked(index); });
    connect(button, &ColorButton::focusStepRequested, this, &Form1Controls::stepFocus);
    if (buttons_.size() <= static_cast<std::size_t>(index)) {
        buttons_.resize(static_cast<std::size_t>(index) + 1, nullptr);
    }
    buttons_[static_cast<std::size_t>(index)] = button;
    button->hide();
}

void Form1Controls::placeButton(int index, const design::TwipsRect& rect) {
    colorButton(index)->setGeometry(pixels(rect));
}

void Form1Controls::fillButton(int index, ColorValue color, std::string_view name) {
    ColorButton* button = colorButton(index);
    button->setFillColor(color);
    button->setAccessibleName(toQString(name));
}

void Form1Controls::showButton(int index, bool shown) {
    colorButton(index)->setVisible(shown);
}

// A new widget goes on top of its siblings, so only the buttons made before the labels (the
// first) are under them; raised in index order, the buttons keep theirs.
void Form1Controls::putLabelsUnderButtons() {
    for (ColorButton* button : buttons_) {
        if (button != nullptr) {
            button->raise();
        }
    }
}

ColorButton* Form1Controls::colorButton(int index) const {
    return index >= 0 && static_cast<std::size_t>(index) < buttons_.size()
               ? buttons_[static_cast<std::size_t>(index)]
               : nullptr;
}

void Form1Controls::stepFocus(int fromIndex, int step) {
    if (model_ == nullptr) {
        return;
    }
    if (ColorButton* next = colorButton(model_->neighbourButton(fromIndex, step))) {
        next->setFocus(Qt::TabFocusReason);
    }
}

}  // namespace tinzel::qt
