#include "ui/qt/form1_controls.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

#include "ui/score_fit.h"

namespace tinzel::qt {

namespace {

void setBackground(QWidget* widget, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// A framed label with no indent of its own sets its text in by half an "x" of its font, so
// that indent shrinks with the font too.
void fitText(QLabel* label, const QFont& designFont) {
    const int room = label->contentsRect().width() - 2 * label->margin();
    QFont font = designFont;
    const auto width = [&](std::string_view text, double points) {
        font.setPointSizeF(points);
        const QFontMetrics metrics(font);
        const int indent = label->indent() >= 0 ? label->indent()
                           : label->frameWidth() > 0
                               ? metrics.horizontalAdvance(QLatin1Char('x')) / 2
                               : 0;
        return static_cast<double>(indent + metrics.horizontalAdvance(toQString(text)));
    };
    font.setPointSizeF(fitScoreFont(room, label->text().toStdString(), width));
    if (label->font() != font) {
        label->setFont(font);
    }
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
}

void Form1Controls::load(const FormModel& model) {
    model_ = &model;
    loading_ = true;
    if (label2_ != nullptr) {
        return;  // kept from the round before: finishLoad() sets them as this load has them
    }
    // Made in the design's order. Buttons are made after labels later on, so the one made
    // here is raised to keep every button above every label it overlaps.
    createColorButton(0);
    losses_ = createLabel(design::kLosses, model.caption(ScoreLabel::Losses));
    losses_->setFont(scoreFont_);
    losses_->setFrameStyle(QFrame::Box | QFrame::Plain);
    label2_ = createLabel(design::kLabel2, design::kLabel2Caption);
    wins_ = createLabel(design::kWins, model.caption(ScoreLabel::Wins));
    wins_->setFont(scoreFont_);
    wins_->setFrameStyle(QFrame::Box | QFrame::Plain);
    buttons_[0]->raise();
}

void Form1Controls::unload() {
    model_ = nullptr;
}

// A load makes a run-time button where Color(0) is and then moves, colours and shows it: a
// kept control takes only what the load leaves it with. A button of an earlier round that
// this load has not made is hidden.
void Form1Controls::finishLoad() {
    for (ScoreLabel label : {ScoreLabel::Losses, ScoreLabel::Wins}) {
        applyCaption(label);
    }
    const int buttons =
        std::max(static_cast<int>(buttons_.size()), model_->lastIndex(ControlArray::Color) + 1);
    for (int index = 0; index < buttons; ++index) {
        ColorButton* button = colorButton(index);
        if (!model_->exists(ControlArray::Color, index)) {
            if (button != nullptr) {
                button->hide();
            }
        } else if (button == nullptr) {
            createColorButton(index);
        } else {
            applyColorButton(index);
        }
    }
    loading_ = false;
    update();
}

QLabel* Form1Controls::createLabel(const design::TwipsRect& twips, std::string_view caption) {
    auto* label = new QLabel(toQString(caption), this);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setFocusPolicy(Qt::NoFocus);
    // A label takes the platform's label colours, not the form's grey it would inherit.
    QPalette colours = label->palette();
    const QPalette platform = QApplication::palette(label);
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::WindowText}) {
        colours.setColor(role, platform.color(role));
    }
    label->setPalette(colours);
    label->setAutoFillBackground(true);
    label->setGeometry(pixels(twips));
    return label;
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
    applyColorButton(index);
}

// A button takes its element of this load whole.
void Form1Controls::applyColorButton(int index) {
    ColorButton* button = colorButton(index);
    const Element& element = model_->element(ControlArray::Color, index);
    button->setFillColor(element.backColor);
    nameColorButton(index);
    button->setGeometry(pixels(element.rect));
    if (button->isVisibleTo(this) != element.visible) {
        button->setVisible(element.visible);
    }
}

// Assistive tools hear of every rename, so a kept button's unchanged name is left alone.
void Form1Controls::nameColorButton(int index) {
    const QString name = QString::fromStdString(model_->accessibleName(index));
    if (colorButton(index)->accessibleName() != name) {
        colorButton(index)->setAccessibleName(name);
    }
}

ColorButton* Form1Controls::colorButton(int index) const {
    return index >= 0 && static_cast<std::size_t>(index) < buttons_.size()
               ? buttons_[static_cast<std::size_t>(index)]
               : nullptr;
}

QRect Form1Controls::squareGeometry(int index) const {
    return pixels(model_->element(ControlArray::Square, index).rect);
}

void Form1Controls::elementChanged(ControlArray array, int index, ElementChange change,
                                   const design::TwipsRect& before) {
    if (array == ControlArray::Square) {
        updateSquare(index, before);
        return;
    }
    if (loading_) {
        return;  // finishLoad() sets every button as the load leaves it
    }
    if (colorButton(index) == nullptr) {
        if (change == ElementChange::Created) {
            createColorButton(index);
        }
        return;
    }
    applyColorButton(index);
}

// Squares are drawn here, so a change repaints where the square was and where it is now.
void Form1Controls::updateSquare(int index, const design::TwipsRect& before) {
    if (loading_ || !isVisible()) {
        return;  // the whole window is painted when the load is complete
    }
    update(pixels(before));
    update(squareGeometry(index));
}

void Form1Controls::captionChanged(ScoreLabel label) {
    if (!loading_) {
        applyCaption(label);
    }
}

void Form1Controls::applyCaption(ScoreLabel label) {
    QLabel* target = scoreLabel(label);
    const QString caption = toQString(model_->caption(label));
    if (target->text() != caption) {
        target->setText(caption);
        fitText(target, scoreFont_);
    }
}

void Form1Controls::paintEvent(QPaintEvent* event) {
    if (model_ == nullptr) {
        return;
    }
    QPainter painter(this);
    const QColor border = palette().color(QPalette::WindowText);
    for (int index = 0; index <= model_->lastIndex(ControlArray::Square); ++index) {
        if (!model_->exists(ControlArray::Square, index)) {
            continue;
        }
        const Element& square = model_->element(ControlArray::Square, index);
        const QRect area = pixels(square.rect);
        if (!square.visible || !event->rect().intersects(area)) {
            continue;
        }
        painter.fillRect(area, toQColor(square.backColor));
        painter.setPen(border);
        painter.drawRect(area.adjusted(0, 0, -1, -1));
    }
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
