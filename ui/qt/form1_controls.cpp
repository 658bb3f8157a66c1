#include "ui/qt/form1_controls.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>

#include "game/game_error.h"
#include "game/palette.h"
#include "ui/color_name.h"
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

void setBackground(QWidget* widget, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// Shrinks the score font just enough for a long count to fit inside its label. A framed
// label with no indent of its own sets its text in by half an "x" of its font, so that indent
// shrinks with the font too.
void fitText(QLabel* label, const QFont& designFont) {
    const int room = label->contentsRect().width() - 2 * label->margin();
    QFont font = designFont;
    const auto width = [&] {
        const QFontMetrics metrics(font);
        const int indent = label->indent() >= 0 ? label->indent()
                           : label->frameWidth() > 0
                               ? metrics.horizontalAdvance(QLatin1Char('x')) / 2
                               : 0;
        return indent + metrics.horizontalAdvance(label->text());
    };
    while (font.pointSizeF() > 6.0 && width() > room) {
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

Form1Controls::Form1Controls(Resolution resolution, const QFont& scoreFont, QWidget* parent)
    : QWidget(parent), resolution_(resolution), scoreFont_(scoreFont) {
    setBackground(this, toQColor(design::kBackColor));
    setGeometry(0, 0, twipsToPixelsX(design::kClientWidth, resolution),
                twipsToPixelsY(design::kClientHeight, resolution));

    // Created in the design's order. Buttons are created after labels later on, so the one
    // made here is raised to keep every button above every label it overlaps.
    ColorButton* black = createColorButton(0);
    black->setFillColor(toQColor(Palette[0]));
    black->setAccessibleName(QString::fromStdString(colorName(Palette[0])));
    moveButton(buttons_.emplace(0, Button{black, {}}).first->second, design::kColorButton);

    losses_ = createLabel(design::kLosses, design::kLossesCaption);
    losses_->setFont(scoreFont_);
    losses_->setFrameStyle(QFrame::Box | QFrame::Plain);
    label2_ = createLabel(design::kLabel2, design::kLabel2Caption);
    wins_ = createLabel(design::kWins, design::kWinsCaption);
    wins_->setFont(scoreFont_);
    wins_->setFrameStyle(QFrame::Box | QFrame::Plain);

    // The template of the board's squares: hidden, never shown, in a label's default colour.
    const QColor labelBackground = QApplication::palette(label2_).color(QPalette::Window);
    Square& templateSquare =
        squares_.emplace(0, Square{{}, {}, labelBackground, false}).first->second;
    moveSquare(templateSquare, design::kSquare);
    black->raise();
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
    label->setGeometry(twipsToPixels(twips, resolution_));
    return label;
}

ColorButton* Form1Controls::createColorButton(int index) {
    auto* button = new ColorButton(index, this);
    button->setObjectName(describe(ControlArray::Color, index));
    connect(button, &ColorButton::clicked, this, [this, index] { emit colorClicked(index); });
    connect(button, &ColorButton::focusStepRequested, this, &Form1Controls::stepFocus);
    return button;
}

void Form1Controls::createElement(ControlArray array, int index) {
    const bool exists =
        array == ControlArray::Square ? squares_.count(index) != 0 : buttons_.count(index) != 0;
    if (index < 1 || exists) {
        fail(QStringLiteral("Cannot create %1: it exists already").arg(describe(array, index)));
    }
    if (array == ControlArray::Square) {
        Square copy = squares_.at(0);
        copy.visible = false;
        squares_.emplace(index, copy);
        return;
    }
    const Button& original = buttons_.at(0);
    ColorButton* button = createColorButton(index);
    button->setFillColor(original.widget->fillColor());
    button->setAccessibleName(original.widget->accessibleName());
    button->hide();
    button->raise();
    moveButton(buttons_.emplace(index, Button{button, {}}).first->second, original.twips);
}

Form1Controls::Square& Form1Controls::existingSquare(int index) {
    const auto found = squares_.find(index);
    if (found == squares_.end()) {
        fail(QStringLiteral("%1 does not exist").arg(describe(ControlArray::Square, index)));
    }
    return found->second;
}

const Form1Controls::Square& Form1Controls::existingSquare(int index) const {
    return const_cast<Form1Controls*>(this)->existingSquare(index);
}

Form1Controls::Button& Form1Controls::existingButton(int index) {
    const auto found = buttons_.find(index);
    if (found == buttons_.end()) {
        fail(QStringLiteral("%1 does not exist").arg(describe(ControlArray::Color, index)));
    }
    return found->second;
}

ColorButton* Form1Controls::colorButton(int index) const {
    return const_cast<Form1Controls*>(this)->existingButton(index).widget;
}

int Form1Controls::elementCount(ControlArray array) const {
    return static_cast<int>(array == ControlArray::Square ? squares_.size() : buttons_.size());
}

void Form1Controls::moveSquare(Square& square, const design::TwipsRect& twips) {
    if (square.visible) {
        update(square.pixels);
    }
    square.twips = twips;
    square.pixels = twipsToPixels(twips, resolution_);
    if (square.visible) {
        update(square.pixels);
    }
}

void Form1Controls::moveButton(Button& button, const design::TwipsRect& twips) {
    button.twips = twips;
    button.widget->setGeometry(twipsToPixels(twips, resolution_));
}

void Form1Controls::setTop(ControlArray array, int index, int twips) {
    moveEdge(array, index, &design::TwipsRect::top, twips);
}

void Form1Controls::setLeft(ControlArray array, int index, int twips) {
    moveEdge(array, index, &design::TwipsRect::left, twips);
}

void Form1Controls::moveEdge(ControlArray array, int index, int design::TwipsRect::*edge,
                             int twips) {
    if (array == ControlArray::Square) {
        Square& square = existingSquare(index);
        design::TwipsRect moved = square.twips;
        moved.*edge = twips;
        moveSquare(square, moved);
    } else {
        Button& button = existingButton(index);
        design::TwipsRect moved = button.twips;
        moved.*edge = twips;
        moveButton(button, moved);
    }
}

void Form1Controls::setVisible(ControlArray array, int index, bool visible) {
    if (array == ControlArray::Color) {
        existingButton(index).widget->setVisible(visible);
        return;
    }
    Square& square = existingSquare(index);
    square.visible = visible;
    update(square.pixels);
}

void Form1Controls::setBackColor(ControlArray array, int index, ColorValue color) {
    if (array == ControlArray::Color) {
        ColorButton* button = existingButton(index).widget;
        button->setFillColor(toQColor(color));
        button->setAccessibleName(QString::fromStdString(colorName(color)));
        return;
    }
    Square& square = existingSquare(index);
    square.color = toQColor(color);
    if (square.visible) {
        update(square.pixels);
    }
}

void Form1Controls::setCaption(ScoreLabel label, const QString& text) {
    QLabel* target = scoreLabel(label);
    target->setText(text);
    fitText(target, scoreFont_);
}

void Form1Controls::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QColor border = palette().color(QPalette::WindowText);
    for (const auto& [index, square] : squares_) {
        if (!square.visible || !event->rect().intersects(square.pixels)) {
            continue;
        }
        painter.fillRect(square.pixels, square.color);
        painter.setPen(border);
        painter.drawRect(square.pixels.adjusted(0, 0, -1, -1));
    }
}

void Form1Controls::stepFocus(int fromIndex, int step) {
    const auto next = buttons_.find(fromIndex + step);
    if (next != buttons_.end()) {
        next->second.widget->setFocus(Qt::TabFocusReason);
    }
}

}  // namespace tinzel::qt
