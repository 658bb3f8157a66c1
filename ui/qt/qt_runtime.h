// The game's runtime on Qt: the window Form1, the message box, the random source, and the
// event boundary where the game's errors and its end are turned into an exit status.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>

#include "game/form_events.h"
#include "game/runtime_services.h"
#include "ui/qt/form1_controls.h"

namespace tinzel::qt {

class QtRuntime : public QObject, public RuntimeServices {
    Q_OBJECT

  public:
    QtRuntime();
    ~QtRuntime() override;

    // The game that answers the window's events; set once, before `start()`.
    void attach(FormEvents& events) { events_ = &events; }

    // Start-up: shows the window, which loads it and so deals the first round.
    void start();

    // The top-level window. It lives as long as this runtime, so the window keeps its place
    // on the desktop while the controls on it are rebuilt every round.
    QWidget* window() const { return frame_.get(); }
    // This load's controls, or null while the window is unloaded.
    Form1Controls* controls() const { return controls_; }
    bool hasEnded() const { return ended_; }
    int exitStatus() const { return exitStatus_; }

    void setCaption(ScoreLabel label, std::string_view text) override;
    void createElement(ControlArray array, int index) override;
    void setTop(ControlArray array, int index, int twips) override;
    void setLeft(ControlArray array, int index, int twips) override;
    void setVisible(ControlArray array, int index, bool visible) override;
    void setBackColor(ControlArray array, int index, ColorValue color) override;
    void unloadForm() override;
    void showForm() override;
    void messageBox(std::string_view text) override;
    [[noreturn]] void endProgram() override;
    std::uint64_t clockReading() override;

  signals:
    // The game is over: it ended, the player closed the window, or an error was reported.
    // The window is already hidden. Emitted once.
    void finished(int exitStatus);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Runs one window event through the game. Nothing the game throws gets past this point.
    void deliver(const std::function<void()>& event);
    void finish(int exitStatus);
    Form1Controls& loadedControls();
    Resolution resolution() const;

    std::unique_ptr<QWidget> frame_;
    // Looked up once: finding a font family asks fontconfig every time.
    QFont scoreFont_;
    QPointer<Form1Controls> controls_;
    FormEvents* events_ = nullptr;
    int focusIndex_ = 0;
    bool shown_ = false;
    bool ended_ = false;
    int exitStatus_ = 0;
};

}  // namespace tinzel::qt
