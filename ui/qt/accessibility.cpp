// The window's panel as Qt's accessibility layer gives it, and the factory for every part.
#include "ui/qt/accessibility.h"

#include <QAccessibleWidget>
#include <vector>

#include "ui/form_design.h"
#include "ui/panel_reading.h"
#include "ui/qt/board_accessible.h"
#include "ui/qt/conversions.h"
#include "ui/qt/form1_controls.h"

namespace tinzel::qt {

namespace {

// The panel of the window: its children in their reading order (ui/panel_reading.h), then
// the round's news while it is told.
class PanelAccessible final : public QAccessibleWidget {
  public:
    explicit PanelAccessible(Form1Controls* controls) : QAccessibleWidget(controls) {}

    int childCount() const override { return static_cast<int>(children().size()); }
    QAccessibleInterface* child(int index) const override {
        const std::vector<QWidget*> all = children();
        return index >= 0 && index < static_cast<int>(all.size())
                   ? QAccessible::queryAccessibleInterface(all[static_cast<std::size_t>(index)])
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const std::vector<QWidget*> all = children();
        for (std::size_t index = 0; index < all.size(); ++index) {
            if (child != nullptr && child->object() == all[index]) {
                return static_cast<int>(index);
            }
        }
        return -1;
    }
    // The buttons lie over the board and the labels where they overlap.
    QAccessibleInterface* childAt(int x, int y) const override {
        const std::vector<QWidget*> all = children();
        for (auto widget = all.rbegin(); widget != all.rend(); ++widget) {
            QAccessibleInterface* shown = QAccessible::queryAccessibleInterface(*widget);
            if (shown != nullptr && shown->rect().contains(x, y)) {
                return shown;
            }
        }
        return nullptr;
    }

  private:
    std::vector<QWidget*> children() const {
        auto* controls = static_cast<Form1Controls*>(widget());
        std::vector<QWidget*> all;
        for (const PanelChild& child : panelChildren(controls->model())) {
            QWidget* part = nullptr;
            switch (child.kind) {
                case PanelChild::Kind::Board:
                    part = controls->board();
                    break;
                case PanelChild::Kind::Button:
                    part = controls->colorButton(child.button);
                    break;
                case PanelChild::Kind::Score:
                    part = controls->scoreLabel(child.score);
                    break;
            }
            if (part != nullptr) {
                all.push_back(part);
            }
        }
        // The round's news, which this window tells as a notification, while it is told.
        if (controls->newsLine()->isVisibleTo(controls)) {
            all.push_back(controls->newsLine());
        }
        return all;
    }
};

QAccessibleInterface* accessibleFor(const QString&, QObject* object) {
    if (auto* board = qobject_cast<Board*>(object)) {
        return new BoardAccessible(board);
    }
    if (auto* controls = qobject_cast<Form1Controls*>(object)) {
        return new PanelAccessible(controls);
    }
    if (auto* news = qobject_cast<NewsLine*>(object)) {
        return new QAccessibleWidget(news, news->kind() == NewsLine::Kind::Notification
                                               ? QAccessible::Notification
                                               : QAccessible::StaticText);
    }
    // A score reads as a label does: its text is its name.
    if (auto* score = qobject_cast<ScoreDisplay*>(object)) {
        return new QAccessibleWidget(score, QAccessible::StaticText);
    }
    // The top-level window, which AT-SPI then reports as a frame.
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget != nullptr && widget->isWindow() &&
        widget->objectName() == toQString(design::kCaption)) {
        return new QAccessibleWidget(widget, QAccessible::Window);
    }
    return nullptr;
}

}  // namespace

void installAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(&accessibleFor);
        return true;
    }();
    (void)installed;
}

}  // namespace tinzel::qt
