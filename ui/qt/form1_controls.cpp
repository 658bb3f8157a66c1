#include "ui/qt/form1_controls.h"

#include <QFontDatabase>
#include <QFontMetrics>

#include "game/game_error.h"
#include "game/palette.h"
#include "ui/qt/palette_colors.h"

namespace tinzel::qt {

namespace {

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString describe(ControlArray array, int index) {
    return QStringLiteral("%1(%2)")
        .arg(array == ControlArray::Square ? QStringLiteral("Square") : QStringLiteral("Color"))
        .arg(index);
}

[[noreturn]] void fail(const QString& what) {
    throw GameError(GameError::Kind::WindowOperationFailed, what.toStdString());
}

// A thin single-line border, so the board reads as a grid of countable squares.
void setSingleBorder(QLabel* label) {
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
}

void setBackground(QWidget* widget, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// Shrinks the score font just enough for a long count to fit inside its label.
void fitText(QLabel* label, const QFont& designFont) {
    QFont font = designFont;
    const int room = label->contentsRect().width();
    while (font.pointSizeF() > 6.0 && QFontMetrics(font).horizontalAdvance(label->text()) > room) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
    }
    label->setFont(font);
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

Form1Controls::Form1Controls(Resolution resolution, QWidget* parent)
    : QWidget(parent), resolution_(resolution) {
    setBackground(this, toQColor(design::kBackColor));
    setGeometry(0, 0, twipsToPixelsX(design::kClientWidth, resolution),
                twipsToPixelsY(design::kClientHeight, resolution));

    // Created in the design's order; the colour buttons are raised above every label later.
    buttons_.emplace(0, Element{createColorButton(0), design::kColorButton});
    colorButton(0)->setFillColor(toQColor(Palette[0]));
    colorButton(0)->setAccessibleName(toQString(PaletteNames[0]));

    const QFont font = scoreFont();
    losses_ = createLabel(design::kLosses, design::kLossesCaption);
    losses_->setFont(font);
    setSingleBorder(losses_);
    label2_ = createLabel(design::kLabel2, design::kLabel2Caption);
    wins_ = createLabel(design::kWins, design::kWinsCaption);
    wins_->setFont(font);
    setSingleBorder(wins_);
    squares_.emplace(0, Element{createSquare(0), design::kSquare});
    square(0)->hide();

    for (auto* elements : {&squares_, &buttons_}) {
        for (auto& [index, element] : *elements) {
            place(element);
        }
    }
    colorButton(0)->raise();
}

QLabel* Form1Controls::createLabel(const design::TwipsRect& twips, std::string_view caption) {
    auto* label = new QLabel(toQString(caption), this);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setFocusPolicy(Qt::NoFocus);
    label->setAutoFillBackground(true);
    label->setGeometry(twipsToPixels(twips, resolution_));
    return label;
}

QLabel* Form1Controls::createSquare(int index) {
    QLabel* square = createLabel(design::kSquare, design::kSquareCaption);
    square->setObjectName(describe(ControlArray::Square, index));
    setSingleBorder(square);
    return square;
}

ColorButton* Form1Controls::createColorButton(int index) {
    auto* button = new ColorButton(index, this);
    button->setObjectName(describe(ControlArray::Color, index));
    connect(button, &ColorButton::clicked, this, [this, index] { emit colorClicked(index); });
    connect(button, &ColorButton::focusStepRequested, this, &Form1Controls::stepFocus);
    return button;
}

void Form1Controls::createElement(ControlArray array, int index) {
    auto& elements = array == ControlArray::Square ? squares_ : buttons_;
    if (index < 1 || elements.count(index) != 0) {
        fail(QStringLiteral("Cannot create %1: it exists already").arg(describe(array, index)));
    }
    const Element& original = elements.at(0);
    Element copy{nullptr, original.twips};
    if (array == ControlArray::Square) {
        QLabel* square = createSquare(index);
        square->setPalette(original.widget->palette());
        square->stackUnder(colorButton(0));
        copy.widget = square;
    } else {
        ColorButton* button = createColorButton(index);
        button->setFillColor(colorButton(0)->fillColor());
        button->setAccessibleName(colorButton(0)->accessibleName());
        button->raise();
        copy.widget = button;
    }
    copy.widget->hide();
    place(elements.emplace(index, copy).first->second);
}

void Form1Controls::place(Element& element) {
    element.widget->setGeometry(twipsToPixels(element.twips, resolution_));
}

Form1Controls::Element& Form1Controls::existing(ControlArray array, int index) {
    auto& elements = array == ControlArray::Square ? squares_ : buttons_;
    const auto found = elements.find(index);
    if (found == elements.end()) {
        fail(QStringLiteral("%1 does not exist").arg(describe(array, index)));
    }
    return found->second;
}

const Form1Controls::Element& Form1Controls::existing(ControlArray array, int index) const {
    return const_cast<Form1Controls*>(this)->existing(array, index);
}

QWidget* Form1Controls::element(ControlArray array, int index) const {
    return existing(array, index).widget;
}

QLabel* Form1Controls::square(int index) const {
    return static_cast<QLabel*>(element(ControlArray::Square, index));
}

ColorButton* Form1Controls::colorButton(int index) const {
    return static_cast<ColorButton*>(element(ControlArray::Color, index));
}

int Form1Controls::elementCount(ControlArray array) const {
    return static_cast<int>(array == ControlArray::Square ? squares_.size() : buttons_.size());
}

void Form1Controls::setTop(ControlArray array, int index, int twips) {
    Element& element = existing(array, index);
    element.twips.top = twips;
    place(element);
}

void Form1Controls::setLeft(ControlArray array, int index, int twips) {
    Element& element = existing(array, index);
    element.twips.left = twips;
    place(element);
}

void Form1Controls::setBackColor(ControlArray array, int index, ColorValue color) {
    Element& element = existing(array, index);
    if (array == ControlArray::Color) {
        auto* button = static_cast<ColorButton*>(element.widget);
        button->setFillColor(toQColor(color));
        button->setAccessibleName(colorName(color));
    } else {
        setBackground(element.widget, toQColor(color));
    }
}

void Form1Controls::setCaption(ScoreLabel label, const QString& text) {
    QLabel* target = scoreLabel(label);
    target->setText(text);
    fitText(target, scoreFont());
}

void Form1Controls::stepFocus(int fromIndex, int step) {
    const auto next = buttons_.find(fromIndex + step);
    if (next != buttons_.end()) {
        next->second.widget->setFocus(Qt::TabFocusReason);
    }
}

}  // namespace tinzel::qt
