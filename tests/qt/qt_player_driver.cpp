// The scenarios' verbs on the offscreen Qt window, read back from its pixels and its tree.
#include "tests/qt/qt_player_driver.h"

#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QTimer>
#include <QtTest>
#include <set>
#include <utility>

#include "game/counts.h"
#include "game/form1_module.h"
#include "tests/failing_load.h"
#include "ui/form_look.h"
#include "ui/qt/color_button.h"
#include "ui/qt/score_display.h"

namespace tinzel::testing {

namespace {

// Runs `work` from the event loop, after everything already posted.
template <typename Work>
void later(Work work) {
    QMetaObject::invokeMethod(qApp, std::move(work), Qt::QueuedConnection);
}

int qtKey(Key key) {
    switch (key) {
        case Key::Space:
            return Qt::Key_Space;
        case Key::Enter:
            return Qt::Key_Return;
        case Key::Up:
            return Qt::Key_Up;
        case Key::Down:
            return Qt::Key_Down;
    }
    return 0;
}

QString keyText(Key key) {
    return key == Key::Space   ? QStringLiteral(" ")
           : key == Key::Enter ? QStringLiteral("\r")
                               : QString();
}

// The keyboard sends to whatever holds the focus when the key arrives.
void sendKey(QEvent::Type type, Key key, bool repeat) {
    QWidget* target = QApplication::focusWidget();
    if (target == nullptr) {
        target = QApplication::activeModalWidget();
    }
    if (target != nullptr) {
        QKeyEvent event(type, qtKey(key), Qt::NoModifier, keyText(key), repeat);
        QApplication::sendEvent(target, &event);
    }
}

// The pixels of `image`, as a scenario reads them.
Capture captureOf(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    Capture capture{rgb.width(), rgb.height(), {}};
    capture.pixels.reserve(static_cast<std::size_t>(rgb.width()) *
                           static_cast<std::size_t>(rgb.height()));
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            capture.pixels.push_back(row[x] & 0xFFFFFFU);
        }
    }
    return capture;
}

// The player's clock for the mouse, in milliseconds, kept from game to game as Qt keeps the
// time of the last press.
int mouseClock = 0;

// Presses and releases of the left button at `place` of `window` (its own pixels), handed to
// Qt as the window system hands a mouse's, by the call that QTest's own QWindow clicks make:
// Qt finds the widget under the pointer, gives it the mouse grab, and pairs two presses on one
// spot into a double click by their times. The clicks of one call come a millisecond apart,
// and calls a tenth of a second apart, as a quick player's do. (QTest::mouseClick would add
// half a second after each release so that no two clicks pair up, and would run the event
// loop between the clicks of a double click.)
void leftClicks(QWidget* window, QPoint place, int clicks) {
    QWindow* handle = window->windowHandle();
    const QPointF global = handle->mapToGlobal(QPointF(place));
    mouseClock += 100;
    for (int click = 0; click < clicks; ++click) {
        qt_handleMouseEvent(handle, place, global, Qt::LeftButton, Qt::LeftButton,
                            QEvent::MouseButtonPress, Qt::NoModifier, ++mouseClock);
        qt_handleMouseEvent(handle, place, global, Qt::NoButton, Qt::LeftButton,
                            QEvent::MouseButtonRelease, Qt::NoModifier, ++mouseClock);
    }
}

// The cells whose name changes the accessibility layer has sent since the last read, as a
// screen reader would hear them.
std::set<int> announcedCells;
int announcedColumns = kBoardSide;

void hearAnnouncement(QAccessibleEvent* event) {
    if (event->type() != QAccessible::NameChanged) {
        return;
    }
    if (QAccessibleInterface* changed = event->accessibleInterface()) {
        if (QAccessibleTableCellInterface* cell = changed->tableCellInterface()) {
            announcedCells.insert(cell->rowIndex() * announcedColumns + cell->columnIndex());
        }
    }
}

// A screen reader has come: accessibility turns on, as the platform's bridge turns it on when
// one connects over AT-SPI. The offscreen platform has no bridge to do it.
void screenReaderArrives() {
    if (QPlatformAccessibility* platform =
            QGuiApplicationPrivate::platformIntegration()->accessibility()) {
        platform->setActive(true);
    }
}

// Every interface below `node`, as a screen reader walks the window.
void walk(QAccessibleInterface* node, std::vector<QAccessibleInterface*>& found) {
    for (int index = 0; index < node->childCount(); ++index) {
        if (QAccessibleInterface* child = node->child(index)) {
            found.push_back(child);
            walk(child, found);
        }
    }
}

QMessageBox* openMessage() {
    return qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
}

}  // namespace

QtPlayerDriver::QtPlayerDriver() = default;

QtPlayerDriver::~QtPlayerDriver() {
    QAccessible::installUpdateHandler(nullptr);
    announcedCells.clear();
    game_.reset();
    window_.reset();
}

void QtPlayerDriver::start(bool failingLoad) {
    runtime_ = std::make_unique<FormRuntime>();
    window_ = std::make_unique<qt::QtWindow>(*runtime_);
    if (failingLoad) {
        game_ = std::make_unique<FailingLoad>(*runtime_);
    } else {
        game_ = std::make_unique<Form1Module>(*runtime_);
    }
    runtime_->attach(*game_);
    QObject::connect(window_.get(), &qt::QtWindow::ended,
                     [this](int status) { exitStatus_ = status; });
    // From the event loop, as the program starts: a failing load's report is modal.
    later([this] {
        runtime_->start();
        if (window_->frame()->isVisible()) {
            QApplication::setActiveWindow(window_->frame());
        }
    });
}

void QtPlayerDriver::run(const std::function<bool()>& step) {
    QEventLoop loop;
    // Two trips through the queue of posted events: what the last step posted has been
    // delivered, and so has what that delivery posted. A modal box's loop delivers them too.
    std::function<void(int)> afterSettling = [&](int trips) {
        later([&, trips] {
            if (trips > 1) {
                afterSettling(trips - 1);
            } else if (step()) {
                afterSettling(2);
            } else {
                // A scenario that stopped while a message box is open leaves it no loop to
                // return to.
                if (QWidget* modal = QApplication::activeModalWidget()) {
                    modal->close();
                }
                loop.quit();
            }
        });
    };
    afterSettling(2);
    QTimer::singleShot(120'000, &loop, &QEventLoop::quit);
    loop.exec();
}

QPoint QtPlayerDriver::pixelsOf(TwipsPoint point) const {
    const QWidget* frame = window_->frame();
    const PixelPoint place = pixelsAt(point, frame->width(), frame->height());
    return {place.x, place.y};
}

void QtPlayerDriver::clickAt(TwipsPoint point) {
    later([this, point] { leftClicks(window_->frame(), pixelsOf(point), 1); });
}

void QtPlayerDriver::doubleClickAt(TwipsPoint point) {
    later([this, point] { leftClicks(window_->frame(), pixelsOf(point), 2); });
}

void QtPlayerDriver::clickOk() {
    later([] {
        if (QMessageBox* box = openMessage()) {
            const QAbstractButton* ok = box->button(QMessageBox::Ok);
            leftClicks(box, ok->mapTo(box, ok->rect().center()), 1);
        }
    });
}

void QtPlayerDriver::keyDown(Key key, bool repeat) {
    later([key, repeat] { sendKey(QEvent::KeyPress, key, repeat); });
}

void QtPlayerDriver::keyUp(Key key) {
    later([key] { sendKey(QEvent::KeyRelease, key, false); });
}

void QtPlayerDriver::deactivate() {
    otherProgram_ = std::make_unique<QWidget>();
    otherProgram_->show();
    QApplication::setActiveWindow(otherProgram_.get());
}

void QtPlayerDriver::activate() {
    QApplication::setActiveWindow(window_->frame());
    otherProgram_.reset();
}

void QtPlayerDriver::close() {
    later([this] { window_->frame()->close(); });
}

void QtPlayerDriver::setCaption(ScoreLabel label, const std::string& text) {
    runtime_->guard([&] { runtime_->setCaption(label, text); });
}

int QtPlayerDriver::focusedButton() {
    const auto* button = qobject_cast<const qt::ColorButton*>(QApplication::focusWidget());
    return button != nullptr && button->window() == window_->frame() ? button->index() : -1;
}

Capture QtPlayerDriver::capture() {
    return captureOf(window_->frame()->grab().toImage());
}

// By a score label of the window's own kind, in the face and size of the one at the score's
// place in the design, grabbed as the window is: the text as that label draws it, to the
// fraction of a pixel.
Capture QtPlayerDriver::drawnText(ScoreLabel label, const std::string& text) {
    const design::TwipsRect& rect = design::scoreRect(label);
    QWidget* frame = window_->frame();
    const auto* shown = qobject_cast<qt::ScoreDisplay*>(
        frame->childAt(pixelsOf({rect.left + rect.width / 2, rect.top + rect.height / 2})));
    if (shown == nullptr) {
        throw ScenarioFailure("no score label where the score should be");
    }
    qt::ScoreDisplay same(shown->font());
    same.resize(shown->size());
    same.setText(QString::fromStdString(text));
    // Only what lies inside the frame.
    const QImage image = same.grab().toImage();
    const int frameWidth = qRound(look::kScoreFrameWidth * image.devicePixelRatio());
    return captureOf(
        image.copy(image.rect().adjusted(frameWidth, frameWidth, -frameWidth, -frameWidth)));
}

std::optional<ShownMessage> QtPlayerDriver::message() {
    QMessageBox* box = openMessage();
    if (box == nullptr || !box->isVisible()) {
        return std::nullopt;
    }
    ShownMessage shown;
    shown.title = box->windowTitle().toStdString();
    shown.text = box->text().toStdString();
    for (QAbstractButton* button : box->buttons()) {
        shown.buttons.push_back(button->text().remove(QLatin1Char('&')).toStdString());
    }
    shown.icon = box->icon() == QMessageBox::NoIcon     ? "none"
                 : box->icon() == QMessageBox::Critical ? "error"
                                                        : "other";
    return shown;
}

// Through Qt's accessibility interfaces, which AT-SPI reads for a screen reader.
AccessibleWindow QtPlayerDriver::accessibleWindow() {
    screenReaderArrives();
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(window_->frame());
    AccessibleWindow read;
    read.name = window->text(QAccessible::Name).toStdString();
    std::vector<QAccessibleInterface*> nodes;
    walk(window, nodes);
    for (QAccessibleInterface* node : nodes) {
        const std::string name = node->text(QAccessible::Name).toStdString();
        read.names.push_back(name);
        if (node->role() == QAccessible::Button) {
            read.buttons.push_back(name);
        } else if (QAccessibleTableInterface* table = node->tableInterface()) {
            read.rows = table->rowCount();
            read.columns = table->columnCount();
            for (int index = 0; index < node->childCount(); ++index) {
                read.cells.push_back(node->child(index)->text(QAccessible::Name).toStdString());
            }
        }
    }
    read.announced = std::exchange(announcedCells, {});
    announcedColumns = read.columns;
    QAccessible::installUpdateHandler(&hearAnnouncement);
    return read;
}

bool QtPlayerDriver::windowShown() {
    return window_->frame()->isVisible();
}

std::optional<int> QtPlayerDriver::exitStatus() {
    return exitStatus_;
}

}  // namespace tinzel::testing
