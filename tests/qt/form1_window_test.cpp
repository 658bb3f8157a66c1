// What only the Qt window can get wrong: its captions, the layout at the screen's resolution,
// the stacking of buttons over what they overlap, the controls kept from round to round, names
// for assistive tools, the score font and the labels' colours. What the player does and sees
// is in the scenarios (tests/qt/scenario_test.cpp).
#include <QLabel>
#include <QtTest>

#include "game/form1_module.h"
#include "game/palette.h"
#include "tests/qt/form1_controls_peer.h"
#include "tests/qt/qt_window_peer.h"
#include "tests/ten_color.h"
#include "ui/form_design.h"
#include "ui/form_runtime.h"
#include "ui/qt/conversions.h"
#include "ui/qt/qt_window.h"

using tinzel::ControlArray;
using tinzel::Palette;
using tinzel::ScoreLabel;
using tinzel::qt::ColorButton;

namespace {

// The window and the game wired together as the real program does at start-up.
struct RunningGame {
    RunningGame() {
        runtime.attach(game);
        runtime.start();
    }

    tinzel::qt::Form1Controls& controls() const {
        return *tinzel::testing::QtWindowPeer(window).controls();
    }
    ColorButton* button(int index) const { return controls().colorButton(index); }
    tinzel::testing::Form1ControlsPeer peer() const {
        return tinzel::testing::Form1ControlsPeer(controls());
    }

    int wrongColor() const { return tinzel::testing::wrongColor(game.state()); }

    tinzel::FormRuntime runtime;
    tinzel::qt::QtWindow window{runtime};
    tinzel::Form1Module game{runtime};
};

}  // namespace

class Form1WindowTest : public QObject {
    Q_OBJECT

  private slots:
    void captionsTheWindowAndLabel2AndNoLabelTakesTheFocus();
    void buttonsAreDrawnOverTheSquaresAndLabelsTheyOverlap();
    void layoutFollowsTheDesignInTwips();
    void roundsKeepEveryWidgetAndTheWindowInPlace();
    void buttonsAreNamedByTheirColourForAssistiveTools();
    void scoreLabelsAreSetInABoldOcrFaceAtTheDesignsSize();
    void labelsTakeThePlatformsLabelColoursNotTheForms();
};

void Form1WindowTest::captionsTheWindowAndLabel2AndNoLabelTakesTheFocus() {
    RunningGame running;
    QCOMPARE(running.window.frame()->windowTitle(), QStringLiteral("Form1"));
    QCOMPARE(running.peer().label2()->text(), QStringLiteral("Label2"));
    for (QLabel* label : running.window.frame()->findChildren<QLabel*>()) {
        QCOMPARE(label->focusPolicy(), Qt::NoFocus);
    }
}

void Form1WindowTest::buttonsAreDrawnOverTheSquaresAndLabelsTheyOverlap() {
    RunningGame running;
    auto& controls = running.controls();
    // Square 10 reaches 30 twips into the button column, Wins 15 twips back into it.
    const QRect overlapSquare = running.peer().squareGeometry(10) & running.button(0)->geometry();
    const QRect overlapLabel =
        running.peer().scoreLabel(ScoreLabel::Wins)->geometry() & running.button(0)->geometry();
    QVERIFY(!overlapSquare.isEmpty());
    QVERIFY(!overlapLabel.isEmpty());
    QWidget* window = running.window.frame();
    QCOMPARE(window->childAt(controls.mapTo(window, overlapSquare.center())), running.button(0));
    QCOMPARE(window->childAt(controls.mapTo(window, overlapLabel.center())), running.button(0));
}

void Form1WindowTest::layoutFollowsTheDesignInTwips() {
    RunningGame running;
    QWidget* window = running.window.frame();
    // Pixels per inch as the window is drawn: the logical resolution times the pixel ratio.
    const double scale = window->logicalDpiX() * window->devicePixelRatioF() / 1440.0;
    const auto devicePixels = [&](QRect rect) {
        return QRectF(QPointF(rect.topLeft()) * window->devicePixelRatioF(),
                      QSizeF(rect.size()) * window->devicePixelRatioF());
    };
    // Widgets sit on whole logical pixels, so each edge may be off by up to one of those.
    const double tolerance = std::max(1.0, window->devicePixelRatioF());
    const auto expect = [&](QRect actual, int left, int top, int width, int height) {
        const QRectF shown = devicePixels(actual);
        QVERIFY2(std::abs(shown.left() - left * scale) <= tolerance &&
                     std::abs(shown.top() - top * scale) <= tolerance &&
                     std::abs(shown.width() - width * scale) <= tolerance &&
                     std::abs(shown.height() - height * scale) <= tolerance,
                 qPrintable(QStringLiteral("(%1,%2 %3x%4) at scale %5")
                                .arg(left)
                                .arg(top)
                                .arg(width)
                                .arg(height)
                                .arg(scale)));
    };
    qInfo("%g device pixels per inch", scale * 1440.0);
    const auto controls = running.peer();
    expect(QRect(QPoint(0, 0), window->size()), 0, 0, 7770, 4425);
    expect(controls.squareGeometry(1), 0, 0, 495, 440);
    expect(controls.squareGeometry(100), 4455, 3960, 495, 440);
    expect(running.button(0)->geometry(), 4920, 0, 1095, 400);
    expect(running.button(10)->geometry(), 4920, 4000, 1095, 400);
    expect(controls.scoreLabel(ScoreLabel::Wins)->geometry(), 6000, 0, 1575, 375);
    expect(controls.scoreLabel(ScoreLabel::Losses)->geometry(), 6000, 360, 1575, 375);
    expect(controls.label2()->geometry(), 3600, 2280, 255, 15);
    // Neighbouring squares touch: no gap and no overlap anywhere on the board.
    for (int index = 1; index <= 100; ++index) {
        const QRect square = controls.squareGeometry(index);
        if (index % 10 != 0) {
            QCOMPARE(controls.squareGeometry(index + 1).left(), square.right() + 1);
        }
        if (index <= 90) {
            QCOMPARE(controls.squareGeometry(index + 10).top(), square.bottom() + 1);
        }
    }
}

// Counts the children added to and removed from any widget of one window.
class ChildEvents : public QObject {
  public:
    explicit ChildEvents(QWidget* window) : window_(window) { qApp->installEventFilter(this); }
    ~ChildEvents() override { qApp->removeEventFilter(this); }

    int added = 0;
    int removed = 0;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget != nullptr && widget->window() == window_) {
            added += event->type() == QEvent::ChildAdded ? 1 : 0;
            removed += event->type() == QEvent::ChildRemoved ? 1 : 0;
        }
        return false;
    }

  private:
    QWidget* window_;
};

void Form1WindowTest::roundsKeepEveryWidgetAndTheWindowInPlace() {
    RunningGame running;
    QWidget* window = running.window.frame();
    const QPoint place = window->pos();
    const QList<QWidget*> widgets = window->findChildren<QWidget*>();
    const ChildEvents children(window);

    for (int round = 0; round < 100; ++round) {
        QTest::mouseClick(running.button(running.wrongColor()), Qt::LeftButton);
    }
    QCoreApplication::processEvents();

    QCOMPARE(children.added, 0);
    QCOMPARE(children.removed, 0);
    QCOMPARE(window->findChildren<QWidget*>(), widgets);
    QCOMPARE(running.game.state().lossCount, 100);
    QCOMPARE(running.peer().elementCount(ControlArray::Square), 101);
    QCOMPARE(running.peer().elementCount(ControlArray::Color), 11);
    for (int k = 0; k <= 10; ++k) {
        QVERIFY(running.button(k)->isVisible());
    }
    QCOMPARE(window->pos(), place);
}

void Form1WindowTest::buttonsAreNamedByTheirColourForAssistiveTools() {
    RunningGame running;
    const QStringList names = {"Black",  "Grey",  "White", "Pink", "Red",    "Orange",
                               "Yellow", "Green", "Cyan",  "Blue", "Magenta"};
    for (int k = 0; k <= 10; ++k) {
        QCOMPARE(running.button(k)->accessibleName(), names[k]);
    }
}

void Form1WindowTest::scoreLabelsAreSetInABoldOcrFaceAtTheDesignsSize() {
    RunningGame running;
    const tinzel::qt::ScoreDisplay* losses = running.peer().scoreLabel(ScoreLabel::Losses);
    const QFontInfo font(losses->font());
    QVERIFY2(font.family().startsWith(QStringLiteral("OCR")), qPrintable(font.family()));
    QVERIFY(font.bold());
    QCOMPARE(losses->font().pointSizeF(), 12.0);
}

void Form1WindowTest::labelsTakeThePlatformsLabelColoursNotTheForms() {
    RunningGame running;
    const auto controls = running.peer();
    tinzel::qt::ScoreDisplay* wins = controls.scoreLabel(ScoreLabel::Wins);
    const QColor expected = QApplication::palette("QLabel").color(QPalette::Window);
    QVERIFY(expected != tinzel::qt::toQColor(tinzel::design::kBackColor));
    // Just inside the frame's bottom right corner, where no text reaches.
    const QImage shown = wins->grab().toImage();
    QCOMPARE(shown.pixelColor(shown.width() - 4, shown.height() - 4), expected);
    // Label2 is a single pixel high: too thin to tell its fill from its text on the screen.
    QCOMPARE(controls.label2()->palette().color(QPalette::Window), expected);
}

QTEST_MAIN(Form1WindowTest)
#include "form1_window_test.moc"
