// The Qt window as the player meets it: the board, the buttons, answers, focus, and the end.
#include <QAbstractButton>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPointer>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "game/form1_module.h"
#include "game/palette.h"
#include "tests/ten_color.h"
#include "ui/form_design.h"
#include "ui/form_runtime.h"
#include "ui/qt/palette_colors.h"
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

    tinzel::qt::Form1Controls& controls() const { return *window.controls(); }
    ColorButton* button(int index) const { return controls().colorButton(index); }

    int tenColor() const { return tinzel::testing::tenColor(game.state()); }
    int wrongColor() const { return tinzel::testing::wrongColor(game.state()); }

    tinzel::FormRuntime runtime;
    tinzel::qt::QtWindow window{runtime};
    tinzel::Form1Module game{runtime};
};

enum class Activation { MouseClick, SpaceKey, EnterKey };

void activate(ColorButton* button, Activation activation) {
    switch (activation) {
        case Activation::MouseClick:
            QTest::mouseClick(button, Qt::LeftButton);
            break;
        case Activation::SpaceKey:
            button->setFocus();
            QTest::keyClick(button, Qt::Key_Space);
            break;
        case Activation::EnterKey:
            button->setFocus();
            QTest::keyClick(button, Qt::Key_Return);
            break;
    }
}

// Runs `inspect` on the modal box that `action` opens, then dismisses it with OK.
QString answerModalBox(
    const std::function<void()>& action, const std::function<void()>& inspect = [] {}) {
    QString text;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box != nullptr);
        text = box->text();
        inspect();
        box->button(QMessageBox::Ok)->click();
    });
    action();
    return text;
}

// The centre of a rectangle in `widget`, in the device pixels of an image grabbed from `window`.
QPoint centreIn(const QWidget* widget, const QRect& rect, const QWidget* window, qreal pixelRatio) {
    const QPoint centre = widget->mapTo(window, rect.center());
    return (QPointF(centre) * pixelRatio).toPoint();
}

// The first and last pixel columns in `area` that hold anything darker than the background.
struct InkColumns {
    int first = -1;
    int last = -1;
};
InkColumns inkColumns(const QImage& image, QRect area = {}) {
    if (area.isNull()) {
        area = image.rect();
    }
    InkColumns ink;
    for (int x = area.left(); x <= area.right(); ++x) {
        for (int y = area.top(); y <= area.bottom(); ++y) {
            if (qGray(image.pixel(x, y)) < 128) {
                ink.first = ink.first < 0 ? x : ink.first;
                ink.last = x;
                break;
            }
        }
    }
    return ink;
}

// `text` in `font`, black on white, with room to spare on every side.
QImage drawnUnclipped(const QString& text, const QFont& font, qreal ratio) {
    const QFontMetrics metrics(font);
    const QSize size(metrics.horizontalAdvance(text) + 4 * metrics.height(), 3 * metrics.height());
    QImage image(size * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPoint(2 * metrics.height(), 2 * metrics.height()), text);
    return image;
}

}  // namespace

Q_DECLARE_METATYPE(Activation)

class Form1WindowTest : public QObject {
    Q_OBJECT

  private slots:
    void startUpShowsAFullBoardElevenButtonsAndZeroScores();
    void theRenderedWindowShowsThePaletteAndOneColourOnTenSquares();
    void buttonsAreDrawnOverTheSquaresAndLabelsTheyOverlap();
    void layoutFollowsTheDesignInTwips();
    void anAnswerCountsAndReplacesEveryControlOfTheRound_data();
    void anAnswerCountsAndReplacesEveryControlOfTheRound();
    void theFocusStaysOnTheSameButtonIndexAcrossRounds();
    void upAndDownMoveTheFocusAlongTheColumn();
    void buttonsAreNamedByTheirColourForAssistiveTools();
    void scoreLabelsShowTheWholeTextOfEveryCountInAnOcrFont();
    void labelsTakeThePlatformsLabelColoursNotTheForms();
    void theTenthWinShowsTheEndMessageWithNoBoardAndFinishesWithZero();
    void closingTheWindowFinishesWithZero();
    void aGameErrorIsReportedAndFinishesWithNonZero();
};

void Form1WindowTest::startUpShowsAFullBoardElevenButtonsAndZeroScores() {
    RunningGame running;
    auto& controls = running.controls();
    QVERIFY(running.window.frame()->isVisible());
    QCOMPARE(running.window.frame()->windowTitle(), QStringLiteral("Form1"));
    for (int k = 0; k <= 10; ++k) {
        QVERIFY(running.button(k)->isVisible());
        QCOMPARE(running.button(k)->fillColor(), tinzel::qt::toQColor(Palette[k]));
        if (k > 0) {
            QVERIFY(running.button(k)->y() > running.button(k - 1)->y());
        }
    }
    QCOMPARE(controls.scoreLabel(ScoreLabel::Wins)->text(), QStringLiteral("WINS: 0"));
    QCOMPARE(controls.scoreLabel(ScoreLabel::Losses)->text(), QStringLiteral("LOST: 0"));
    QCOMPARE(controls.label2()->text(), QStringLiteral("Label2"));
}

void Form1WindowTest::theRenderedWindowShowsThePaletteAndOneColourOnTenSquares() {
    RunningGame running;
    QWidget* window = running.window.frame();
    const QImage image = window->grab().toImage();
    const qreal ratio = window->devicePixelRatioF();
    std::array<int, tinzel::kColorCount> seen{};
    for (int index = 1; index <= 100; ++index) {
        const QColor shown = image.pixelColor(
            centreIn(&running.controls(), running.controls().squareGeometry(index), window, ratio));
        const auto found = std::find_if(Palette.begin(), Palette.end(), [&](auto color) {
            return tinzel::qt::toQColor(color) == shown;
        });
        QVERIFY2(found != Palette.end(), qPrintable(shown.name()));
        ++seen[static_cast<std::size_t>(found - Palette.begin())];
    }
    QCOMPARE(std::count(seen.begin(), seen.end(), 10), 1L);
    QCOMPARE(seen[static_cast<std::size_t>(running.tenColor())], 10);
    for (int k = 0; k <= 10; ++k) {
        QCOMPARE(
            image.pixelColor(centreIn(running.button(k), running.button(k)->rect(), window, ratio)),
            tinzel::qt::toQColor(Palette[k]));
    }
}

void Form1WindowTest::buttonsAreDrawnOverTheSquaresAndLabelsTheyOverlap() {
    RunningGame running;
    auto& controls = running.controls();
    // Square 10 reaches 30 twips into the button column, Wins 15 twips back into it.
    const QRect overlapSquare = controls.squareGeometry(10) & running.button(0)->geometry();
    const QRect overlapLabel =
        controls.scoreLabel(ScoreLabel::Wins)->geometry() & running.button(0)->geometry();
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
    auto& controls = running.controls();
    expect(QRect(QPoint(0, 0), window->size()), 0, 0, 7770, 4425);
    expect(controls.squareGeometry(1), 0, 0, 495, 440);
    expect(controls.squareGeometry(100), 4455, 3960, 495, 440);
    expect(running.button(0)->geometry(), 4920, 0, 1095, 400);
    expect(running.button(10)->geometry(), 4920, 4000, 1095, 400);
    expect(controls.scoreLabel(ScoreLabel::Wins)->geometry(), 6000, 0, 1575, 375);
    expect(controls.scoreLabel(ScoreLabel::Losses)->geometry(), 6000, 360, 1575, 375);
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

void Form1WindowTest::anAnswerCountsAndReplacesEveryControlOfTheRound_data() {
    QTest::addColumn<bool>("right");
    QTest::addColumn<Activation>("activation");
    QTest::newRow("right answer by mouse") << true << Activation::MouseClick;
    QTest::newRow("wrong answer by mouse") << false << Activation::MouseClick;
    QTest::newRow("right answer by Space") << true << Activation::SpaceKey;
    QTest::newRow("wrong answer by Space") << false << Activation::SpaceKey;
    QTest::newRow("right answer by Enter") << true << Activation::EnterKey;
}

void Form1WindowTest::anAnswerCountsAndReplacesEveryControlOfTheRound() {
    QFETCH(bool, right);
    QFETCH(Activation, activation);
    RunningGame running;
    QWidget* window = running.window.frame();
    const QPoint place = window->pos();
    QPointer<QWidget> oldControls = running.window.controls();
    QPointer<QWidget> oldButton = running.button(7);

    activate(running.button(right ? running.tenColor() : running.wrongColor()), activation);

    QCOMPARE(running.game.state().winCount, right ? 1 : 0);
    QCOMPARE(running.game.state().lossCount, right ? 0 : 1);
    auto& controls = running.controls();
    QCOMPARE(controls.scoreLabel(ScoreLabel::Wins)->text(),
             right ? QStringLiteral("WINS: 1") : QStringLiteral("WINS: 0"));
    QCOMPARE(controls.scoreLabel(ScoreLabel::Losses)->text(),
             right ? QStringLiteral("LOST: 0") : QStringLiteral("LOST: 1"));
    QVERIFY(&controls != oldControls.data());
    QCOMPARE(controls.elementCount(ControlArray::Square), 101);
    QCOMPARE(controls.elementCount(ControlArray::Color), 11);
    QVERIFY(controls.isSquareVisible(100));
    QVERIFY(window->isVisible());
    QCOMPARE(window->pos(), place);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(oldControls.isNull());
    QVERIFY(oldButton.isNull());
    QCOMPARE(window->findChildren<tinzel::qt::Form1Controls*>().size(), 1);
}

void Form1WindowTest::theFocusStaysOnTheSameButtonIndexAcrossRounds() {
    RunningGame running;
    QApplication::setActiveWindow(running.window.frame());
    QCOMPARE(QApplication::focusWidget(), running.button(0));
    const int answer = running.wrongColor() == 0 ? 4 : running.wrongColor();
    activate(running.button(answer), Activation::SpaceKey);
    QCOMPARE(QApplication::focusWidget(), running.button(answer));
    for (QLabel* label : running.window.frame()->findChildren<QLabel*>()) {
        QCOMPARE(label->focusPolicy(), Qt::NoFocus);
    }
}

void Form1WindowTest::upAndDownMoveTheFocusAlongTheColumn() {
    RunningGame running;
    QApplication::setActiveWindow(running.window.frame());
    running.button(0)->setFocus();
    QTest::keyClick(running.button(0), Qt::Key_Up);  // already at the top: stays
    QCOMPARE(QApplication::focusWidget(), running.button(0));
    for (int k = 1; k <= 10; ++k) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), running.button(k));
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);  // at the bottom: stays
    QCOMPARE(QApplication::focusWidget(), running.button(10));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    QCOMPARE(QApplication::focusWidget(), running.button(9));
    QCOMPARE(running.game.state().winCount + running.game.state().lossCount, 0);
}

void Form1WindowTest::buttonsAreNamedByTheirColourForAssistiveTools() {
    RunningGame running;
    const QStringList names = {"Black",  "Grey",  "White", "Pink", "Red",    "Orange",
                               "Yellow", "Green", "Cyan",  "Blue", "Magenta"};
    for (int k = 0; k <= 10; ++k) {
        QCOMPARE(running.button(k)->accessibleName(), names[k]);
    }
}

void Form1WindowTest::scoreLabelsShowTheWholeTextOfEveryCountInAnOcrFont() {
    RunningGame running;
    QLabel* losses = running.controls().scoreLabel(ScoreLabel::Losses);
    const QFontInfo font(losses->font());
    QVERIFY2(font.family().startsWith(QStringLiteral("OCR")), qPrintable(font.family()));
    QVERIFY(font.bold());
    QCOMPARE(losses->font().pointSizeF(), 12.0);
    // Every length of count up to the largest, each compared with the same text drawn
    // unclipped: a clipped glyph makes the label's ink narrower.
    for (const char* count : {" 0", " 99999", " 9999999", " 2147483647"}) {
        const QString text = QStringLiteral("LOST:") + QLatin1String(count);
        running.runtime.setCaption(ScoreLabel::Losses, text.toStdString());
        const QImage shown = losses->grab().toImage();
        // Inside the frame as drawn: its lines can be thicker than a pixel on a dense screen.
        int frame = 0;
        while (qGray(shown.pixel(shown.width() / 2, frame)) < 128) {
            ++frame;
        }
        const QRect inside = shown.rect().adjusted(frame, frame, -frame, -frame);
        const InkColumns label = inkColumns(shown, inside);
        const InkColumns whole =
            inkColumns(drawnUnclipped(text, losses->font(), shown.devicePixelRatio()));
        QVERIFY2(label.last < inside.right() &&
                     std::abs((label.last - label.first) - (whole.last - whole.first)) <= 1,
                 qPrintable(QStringLiteral("%1: ink %2..%3 of %4, drawn whole %5 wide")
                                .arg(text)
                                .arg(label.first)
                                .arg(label.last)
                                .arg(inside.right())
                                .arg(whole.last - whole.first + 1)));
    }
}

void Form1WindowTest::labelsTakeThePlatformsLabelColoursNotTheForms() {
    RunningGame running;
    auto& controls = running.controls();
    QLabel* wins = controls.scoreLabel(ScoreLabel::Wins);
    const QColor expected = QApplication::palette(wins).color(QPalette::Window);
    QVERIFY(expected != tinzel::qt::toQColor(tinzel::design::kBackColor));
    // Just inside the frame's bottom right corner, where no text reaches.
    const QImage shown = wins->grab().toImage();
    QCOMPARE(shown.pixelColor(shown.width() - 4, shown.height() - 4), expected);
    // Label2 is a single pixel high: too thin to tell its fill from its text on the screen.
    QCOMPARE(controls.label2()->palette().color(QPalette::Window), expected);
}

void Form1WindowTest::theTenthWinShowsTheEndMessageWithNoBoardAndFinishesWithZero() {
    RunningGame running;
    QSignalSpy finished(&running.window, &tinzel::qt::QtWindow::ended);
    running.game.state().winCount = 9;
    running.game.state().lossCount = 3;
    bool windowHidden = false;
    bool boardDealt = true;
    const QString text = answerModalBox(
        [&] { QTest::mouseClick(running.button(running.tenColor()), Qt::LeftButton); },
        [&] {
            windowHidden = !running.window.frame()->isVisible();
            boardDealt = running.window.controls()->elementCount(ControlArray::Square) > 1;
        });
    QCOMPARE(text, QStringLiteral("You won! But you had 3losses."));
    QVERIFY(windowHidden);
    QVERIFY(!boardDealt);
    QCOMPARE(finished.size(), 1);
    QCOMPARE(finished.at(0).at(0).toInt(), 0);
    QVERIFY(!running.window.frame()->isVisible());
}

void Form1WindowTest::closingTheWindowFinishesWithZero() {
    RunningGame running;
    QSignalSpy finished(&running.window, &tinzel::qt::QtWindow::ended);
    running.window.frame()->close();
    QCOMPARE(finished.size(), 1);
    QCOMPARE(finished.at(0).at(0).toInt(), 0);
}

void Form1WindowTest::aGameErrorIsReportedAndFinishesWithNonZero() {
    // A load that creates the same square twice: the window refuses, as it would any
    // failing operation, and the error travels to the event boundary.
    struct DoubleCreate : tinzel::FormEvents {
        explicit DoubleCreate(tinzel::RuntimeServices& runtime) : runtime(runtime) {}
        void Form_Load() override {
            runtime.createElement(ControlArray::Square, 1);
            runtime.createElement(ControlArray::Square, 1);
        }
        void Color_Click(std::int16_t) override {}
        tinzel::RuntimeServices& runtime;
    };
    tinzel::FormRuntime runtime;
    tinzel::qt::QtWindow window(runtime);
    DoubleCreate events(runtime);
    runtime.attach(events);
    QSignalSpy finished(&window, &tinzel::qt::QtWindow::ended);
    const QString report = answerModalBox([&] { runtime.start(); });
    QVERIFY2(report.contains(QStringLiteral("Square(1)")), qPrintable(report));
    QCOMPARE(finished.size(), 1);
    QCOMPARE(finished.at(0).at(0).toInt(), 1);
    QVERIFY(runtime.hasEnded());
}

QTEST_MAIN(Form1WindowTest)
#include "form1_window_test.moc"
