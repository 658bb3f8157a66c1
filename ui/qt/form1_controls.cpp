#include "ui/qt/form1_controls.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
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
    board_ = new Board(resolution, this);
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
    board_->unload();
}

// Made in the design's order. Buttons are made after labels later on, so the one made here
// is raised to keep every button above every label it overlaps.
void Form1Controls::createDesignControls() {
    createColorButton(0);
    losses_ = createLabel(design::kLosses, model_->caption(ScoreLabel::Losses));
    losses_->setFont(scoreFont_);
    losses_->setFrameStyle(QFrame::Box | QFrame::Plain);
    label2_ = createLabel(design::kLabel2, design::kLabel2Caption);
    wins_ = createLabel(design::kWins, model_->caption(ScoreLabel::Wins));
    wins_->setFont(scoreFont_);
    wins_->setFrameStyle(QFrame::Box | QFrame::Plain);
    buttons_[0]->raise();
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
    QLabel* target = scoreLabel(label);
    target->setText(toQString(model_->caption(label)));
    fitText(target, scoreFont_);
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
