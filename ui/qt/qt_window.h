// The window Form1 on Qt: the front end's side of the form runtime. It shows the form model
// as widgets and turns clicks, keys and the close box into the runtime's events.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <memory>
#include <string>

#include "ui/form_runtime.h"
#include "ui/form_view.h"
#include "ui/qt/form1_controls.h"

namespace tinzel::testing {
class QtWindowPeer;
}

namespace tinzel::qt {

class QtWindow : public QObject, public FormView {
    Q_OBJECT

  public:
    explicit QtWindow(FormRuntime& runtime);
    ~QtWindow() override;

    // The top-level window. It lives as long as this object, so the window keeps its place
    // on the desktop from round to round, as the controls on it do.
    QWidget* frame() const { return frame_.get(); }

    void render(const FormModel& model, const FormChanges& changes) override;
    void unloaded() override;
    void showWindow() override;
    void hideWindow() override;
    int focusedButton() const override;
    void focusButton(int index) override;
    void announce(std::string_view news) override;
    void showMessage(std::string_view text, bool isError) override;
    void finished(int exitStatus) override;

  signals:
    // The game is over: it ended, the player closed the window, or an error was reported.
    // The window is already hidden. Emitted once.
    void ended(int exitStatus);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The tests reach the controls through tests/qt/qt_window_peer.h.
    friend class testing::QtWindowPeer;

    Resolution resolution() const;

    FormRuntime& runtime_;
    std::unique_ptr<QWidget> frame_;
    // Looked up once: finding a font family asks fontconfig every time.
    QFont scoreFont_;
    QPointer<Form1Controls> controls_;
    // News told while the window is hidden, which the next message tells.
    std::string messageNews_;
};

}  // namespace tinzel::qt
