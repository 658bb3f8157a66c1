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
    news_ = new NewsLine(this);
}

void Form1Controls::render(const FormModel& model, const FormChanges& changes) {
    model_ = &model;
    if (changes.first) {
        createDesignControls();
    }
    for (ScoreLabel label : {ScoreLabel::Losses, ScoreLabel::Wins}) {
        if (changes.captionChanged(label)) {
            applyCaption(label);
        }
    }
    for (const ChangedElement& changed : changes.buttons) {
        applyColorButton(changed);
    }
    board_->render(model, changes);
}

void Form1Controls::unload() {
    model_ = nullptr;
    news_->hide();
    board_->unload();
}

// Made in the design's order. Buttons are made after labels later on, so the one made here
// is raised to keep every button above every label it overlaps.
void Form1Controls::createDesignControls() {
    createColorButton(0);
    losses_ = createScore(design::kLosses, ScoreLabel::Losses);
    label2_ = new QLabel(toQString(design::kLabel2Caption), this);
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
    label2_->setGeometry(pixels(design::kLabel2));
    wins_ = createScore(design::kWins, ScoreLabel::Wins);
    buttons_[0]->raise();
}

ScoreDisplay* Form1Controls::createScore(const design::TwipsRect& twips, ScoreLabel label) {
    auto* score = new ScoreDisplay(scoreFont_, this);
    score->setGeometry(pixels(twips));
    score->setText(toQString(model_->caption(label)));
    return score;
}

void Form1Controls::createColorButton(int index) {
    auto* button = new ColorButton(index, this);
    button->setObjectName(QString::fromStdString(describe(ControlArray::Color, index)));
    connect(button, &ColorButton::clicked, this, [this, index] { emit colorClicked(index); });
    connect(button, &ColorButton::focusStepRequested, this, &Form1Controls::stepFocus);
    if (buttons_.size() <= static_cast<std::size_t>(index)) {
        buttons_.resize(static_cast<std::size_t>(index) + 1, nullptr);
    }
    buttons_[static_cast<std::size_t>(index)] = button;
    button->hide();
}

// A button takes what changed on its element; one made before this round is written over.
void Form1Controls::applyColorButton(const ChangedElement& changed) {
    ColorButton* button = colorButton(changed.index);
    if ((changed.changes & kVanished) != 0) {
        if (button != nullptr) {
            button->hide();
        }
        return;
    }
    if (button == nullptr) {
        createColorButton(changed.index);
        button = colorButton(changed.index);
    }
    const Element& element = model_->element(ControlArray::Color, changed.index);
    if ((changed.changes & (kAppeared | kRecoloured)) != 0) {
        button->setFillColor(element.backColor);
        button->setAccessibleName(QString::fromStdString(model_->accessibleName(changed.index)));
    }
    if ((changed.changes & (kAppeared | kMoved)) != 0) {
        button->setGeometry(pixels(element.rect));
    }
    if ((changed.changes & kAppeared) != 0) {
        button->show();
    }
}

ColorButton* Form1Controls::colorButton(int index) const {
    return index >= 0 && static_cast<std::size_t>(index) < buttons_.size()
               ? buttons_[static_cast<std::size_t>(index)]
               : nullptr;
}

void Form1Controls::applyCaption(ScoreLabel label) {
    scoreLabel(label)->setText(toQString(model_->caption(label)));
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
