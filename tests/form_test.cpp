// The rules every window obeys, tested once on the toolkit-free form model and runtime: the
// control arrays, the focus carried across rounds, the message-box rule and the event
// boundary. The front ends' suites test only how they show these.
#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "game/game_error.h"
#include "game/palette.h"
#include "ui/button_keys.h"
#include "ui/form_runtime.h"
#include "ui/fresh_presses.h"
#include "ui/round_news.h"
#include "ui/score_fit.h"
#include "ui/twips.h"

namespace tinzel {
namespace {

std::string failureOf(const std::function<void()>& operation) {
    try {
        operation();
    } catch (const GameError& error) {
        EXPECT_EQ(error.kind(), GameError::Kind::WindowOperationFailed);
        return error.what();
    }
    return "no failure";
}

TEST(FormModel, ACreatedElementIsAHiddenCopyOfElementZero) {
    FormModel form;
    form.setTop(ControlArray::Color, 0, 120);
    form.setBackColor(ControlArray::Color, 0, Palette[6]);
    form.createElement(ControlArray::Color, 3);
    const Element& copy = form.element(ControlArray::Color, 3);
    EXPECT_EQ(copy.rect.left, 4920);
    EXPECT_EQ(copy.rect.top, 120);
    EXPECT_EQ(copy.rect.width, 1095);
    EXPECT_EQ(copy.rect.height, 400);
    EXPECT_EQ(copy.backColor, Palette[6]);
    EXPECT_FALSE(copy.visible);
    EXPECT_EQ(form.elementCount(ControlArray::Color), 2);
    EXPECT_EQ(form.elementCount(ControlArray::Square), 1);
    EXPECT_FALSE(form.element(ControlArray::Square, 0).visible);
    EXPECT_EQ(form.caption(ScoreLabel::Wins), "WINS: 0");
    EXPECT_EQ(form.caption(ScoreLabel::Losses), "LOST: 0");
}

TEST(FormModel, SetTopAndSetLeftMoveOneEdgeAndKeepTheSize) {
    FormModel form;
    form.createElement(ControlArray::Square, 150);  // past the room a load makes
    form.setLeft(ControlArray::Square, 150, 990);
    form.setTop(ControlArray::Square, 150, 880);
    const design::TwipsRect rect = form.element(ControlArray::Square, 150).rect;
    EXPECT_EQ(rect.left, 990);
    EXPECT_EQ(rect.top, 880);
    EXPECT_EQ(rect.width, 495);
    EXPECT_EQ(rect.height, 440);
}

TEST(FormModel, AnOperationOnAMissingOrExistingElementFailsNamingIt) {
    FormModel form;
    EXPECT_EQ(failureOf([&] { form.createElement(ControlArray::Square, 0); }),
              "Cannot create Square(0): elements made at run time start at 1");
    form.createElement(ControlArray::Square, 1);
    EXPECT_EQ(failureOf([&] { form.createElement(ControlArray::Square, 1); }),
              "Cannot create Square(1): it exists already");
    EXPECT_EQ(failureOf([&] { form.setVisible(ControlArray::Color, 4, true); }),
              "Color(4) does not exist");
    EXPECT_EQ(failureOf([&] { form.setTop(ControlArray::Square, -1, 0); }),
              "Square(-1) does not exist");
}

TEST(FormModel, ButtonsAreNamedByTheirColourAndTheFocusStepsAlongTheShownColumn) {
    FormModel form;
    for (int k = 1; k <= 3; ++k) {
        form.createElement(ControlArray::Color, k);
        form.setBackColor(ControlArray::Color, k, Palette[static_cast<std::size_t>(k)]);
    }
    form.setVisible(ControlArray::Color, 1, true);
    form.setVisible(ControlArray::Color, 2, true);
    EXPECT_EQ(form.accessibleName(0), "Black");
    EXPECT_EQ(form.accessibleName(2), "White");
    form.setBackColor(ControlArray::Color, 2, packColor(1, 2, 3));
    EXPECT_EQ(form.accessibleName(2), "#010203");
    EXPECT_EQ(form.neighbourButton(0, -1), 0);  // Up at the top stays
    EXPECT_EQ(form.neighbourButton(1, +1), 2);
    EXPECT_EQ(form.neighbourButton(2, +1), 2);  // button 3 is hidden
}

// A view that records what the runtime asks of it, and holds a focus the test can move.
struct RecordingView : FormView {
    void render(const FormModel& model, const FormChanges& changes) override {
        calls.push_back("render " + std::to_string(changes.buttons.size()) + " buttons");
        captions.push_back(model.caption(ScoreLabel::Wins));
    }
    void unloaded() override { calls.push_back("unloaded"); }
    void showWindow() override { calls.push_back("show"); }
    void hideWindow() override { calls.push_back("hide"); }
    int focusedButton() const override { return focus; }
    void focusButton(int index) override {
        focus = index;
        calls.push_back("focus " + std::to_string(index));
    }
    void showMessage(std::string_view text, bool isError) override {
        calls.push_back((isError ? "error: " : "message: ") + std::string(text));
    }
    void announce(std::string_view news) override { calls.push_back("news: " + std::string(news)); }
    void finished(int status) override { calls.push_back("finished " + std::to_string(status)); }

    std::vector<std::string> calls;
    std::vector<std::string> captions;
    int focus = -1;
};

// A game whose handlers do what each test needs of them.
struct ScriptedGame : FormEvents {
    void Form_Load() override {
        calls->push_back("Form_Load");
        onLoad();
    }
    void Color_Click(std::int16_t index) override { onClick(index); }

    std::vector<std::string>* calls = nullptr;
    std::function<void()> onLoad = [] {};
    std::function<void(int)> onClick = [](int) {};
};

struct Running {
    Running() {
        runtime.setView(view);
        runtime.attach(game);
        game.calls = &view.calls;
    }
    FormRuntime runtime;
    RecordingView view;
    ScriptedGame game;
};

TEST(FormRuntime, ALoadRunsBeforeTheWindowIsShownAndTheFocusKeepsItsButton) {
    Running running;
    running.game.onLoad = [&] {
        for (int index = 1; index <= 3; ++index) {
            running.runtime.createElement(ControlArray::Color, index);
            running.runtime.setVisible(ControlArray::Color, index, index < 3);
        }
    };
    running.game.onClick = [&](int) {
        running.runtime.unloadForm();
        running.runtime.showForm();
    };
    running.runtime.start();
    EXPECT_EQ(running.view.calls,
              (std::vector<std::string>{"Form_Load", "render 3 buttons", "show", "focus 0"}));
    running.view.calls.clear();
    running.view.focus = 2;  // the player moved the focus to button 2
    running.runtime.click(2);
    // The new round's buttons are the old ones as they were: nothing of them to draw.
    EXPECT_EQ(running.view.calls,
              (std::vector<std::string>{"unloaded", "Form_Load", "show", "focus 2"}));
    running.view.focus = 0;  // the top button is a place like any other
    running.runtime.click(0);
    EXPECT_EQ(running.view.calls.back(), "focus 0");
    running.view.focus = 2;
    running.runtime.click(2);
    running.view.calls.clear();
    running.view.focus = 3;  // a hidden button is no place for the focus
    running.runtime.click(3);
    EXPECT_EQ(running.view.calls.back(), "focus 0");
}

// A load's writes are drawn once, at the show; a write to the shown window at once.
TEST(FormRuntime, ALoadIsDrawnOnceWholeAndAWriteToTheShownWindowAtOnce) {
    Running running;
    running.game.onLoad = [&] {
        running.runtime.setCaption(ScoreLabel::Wins, "WINS: 1");
        running.runtime.setCaption(ScoreLabel::Wins, "WINS: 2");
        running.runtime.createElement(ControlArray::Color, 1);
    };
    running.runtime.start();
    EXPECT_EQ(running.view.captions, std::vector<std::string>{"WINS: 2"});
    running.runtime.setCaption(ScoreLabel::Wins, "WINS: 3");
    EXPECT_EQ(running.view.captions, (std::vector<std::string>{"WINS: 2", "WINS: 3"}));
}

TEST(FormRuntime, AMessageDuringALoadHidesTheWindowFirstAndEndEndsWithZero) {
    Running running;
    running.game.onLoad = [&] {
        running.runtime.messageBox("You won!");
        running.runtime.endProgram();
    };
    running.runtime.start();
    EXPECT_EQ(
        running.view.calls,
        (std::vector<std::string>{"Form_Load", "hide", "message: You won!", "hide", "finished 0"}));
    EXPECT_TRUE(running.runtime.hasEnded());
    running.view.calls.clear();
    running.runtime.click(0);  // no further handler runs after the end
    running.runtime.close();
    EXPECT_TRUE(running.view.calls.empty());
}

TEST(FormRuntime, AnErrorIsReportedOnceAndEndsWithOne) {
    Running running;
    running.game.onLoad = [&] {
        running.runtime.createElement(ControlArray::Square, 1);
        running.runtime.createElement(ControlArray::Square, 1);
    };
    running.runtime.start();
    EXPECT_EQ(running.view.calls,
              (std::vector<std::string>{"Form_Load", "hide",
                                        "error: Tinzel has stopped because of an error:\n\n"
                                        "Cannot create Square(1): it exists already",
                                        "hide", "finished 1"}));
    EXPECT_EQ(running.runtime.exitStatus(), 1);
}

TEST(FormRuntime, NoExceptionOfAnyKindLeavesTheBoundaryAndTheCloseBoxEndsWithZero) {
    Running running;
    running.runtime.start();
    running.runtime.guard([] { throw std::bad_alloc(); });
    EXPECT_EQ(running.runtime.exitStatus(), 1);

    Running closed;
    closed.runtime.start();
    closed.runtime.close();
    closed.runtime.close();
    EXPECT_EQ(closed.view.calls.back(), "finished 0");
    EXPECT_EQ(std::count(closed.view.calls.begin(), closed.view.calls.end(), "finished 0"), 1);
}

// A screen reader hears every round: once it is drawn and focused, the score that changed
// and the new board; at the end, the tenth win before the message. The first board, and a
// round that changed nothing, tell nothing.
TEST(FormRuntime, EachAnswerTellsTheChangedScoreAndTheNewBoardAndTheEndTellsTheLastWin) {
    Running running;
    int wins = 0;
    int rounds = 0;
    running.game.onLoad = [&] {
        running.runtime.setCaption(ScoreLabel::Wins, "WINS: " + std::to_string(wins));
        if (wins == 2) {
            running.runtime.messageBox("You won!");
            running.runtime.endProgram();
        }
        running.runtime.createElement(ControlArray::Square, 1);
        running.runtime.setVisible(ControlArray::Square, 1, true);
        // Every other round deals the same colour: a board that did not change is no news.
        running.runtime.setBackColor(ControlArray::Square, 1, Palette[(++rounds / 2) % 2]);
    };
    running.game.onClick = [&](int index) {
        wins += index;
        running.runtime.unloadForm();
        running.runtime.showForm();
    };
    running.runtime.start();
    running.runtime.click(0);  // a loss: the square's colour changes, no score does
    EXPECT_EQ(running.view.calls.back(), "news: New board.");
    running.view.calls.clear();
    running.runtime.click(1);  // a win, on a board of the same colour
    EXPECT_EQ(running.view.calls,
              (std::vector<std::string>{"unloaded", "Form_Load", "render 0 buttons", "show",
                                        "focus 0", "news: WINS: 1."}));
    running.runtime.click(0);
    EXPECT_EQ(running.view.calls.back(), "news: New board.");
    running.view.calls.clear();
    running.runtime.click(1);  // the last win
    EXPECT_EQ(running.view.calls,
              (std::vector<std::string>{"unloaded", "Form_Load", "hide", "news: WINS: 2.",
                                        "message: You won!", "hide", "finished 0"}));

    FormModel drawn;
    FormModel now;
    now.setCaption(ScoreLabel::Losses, "LOST: 1");
    now.setCaption(ScoreLabel::Wins, "WINS: 4");
    now.createElement(ControlArray::Square, 1);
    now.setVisible(ControlArray::Square, 1, true);
    EXPECT_EQ(roundNews(changesBetween(&drawn, now), now), "WINS: 4. LOST: 1. New board.");
    EXPECT_EQ(roundNews(changesBetween(nullptr, now), now), "");
}

// The clock seeds every round start, the first one included: a clock that starts again at
// every start of the program (the processor time it has used) deals the same first board
// each time.
TEST(FormRuntime, TheClockThatSeedsARoundIsTheTimeOfDay) {
    FormRuntime runtime;
    const auto reading = static_cast<double>(runtime.clockReading());
    const auto secondsSinceEpoch = static_cast<double>(std::time(nullptr));
    EXPECT_NEAR(reading / 1e9, secondsSinceEpoch, 5.0);
}

TEST(FreshPresses, AHeldKeyActsOnceAndARestartDisownsTheKeysAlreadyDown) {
    FreshPresses presses;
    EXPECT_TRUE(presses.down('\r', false));
    EXPECT_FALSE(presses.down('\r', true));
    EXPECT_FALSE(presses.down('\r', true));
    // A message opens while Enter is still held: neither its repeats nor its release act.
    presses.restart();
    EXPECT_FALSE(presses.down('\r', true));
    EXPECT_FALSE(presses.up('\r'));
    // A press that begins while the message is shown does.
    EXPECT_TRUE(presses.down('\r', false));
    EXPECT_TRUE(presses.up('\r'));
    EXPECT_FALSE(presses.up('\r'));
}

// Holding Up or Down walks the column; holding Enter answers once, and Space and Tab are the
// toolkit's own.
TEST(ButtonKeys, ArrowsStepEveryPressAndRepeatWhileEnterAnswersOnceAPress) {
    ButtonKeys keys;
    EXPECT_EQ(keys.pressed(ButtonKey::Down, false), ButtonKeyAction::StepDown);
    EXPECT_EQ(keys.pressed(ButtonKey::Down, true), ButtonKeyAction::StepDown);
    EXPECT_EQ(focusStep(keys.pressed(ButtonKey::Up, true)), -1);
    EXPECT_EQ(keys.pressed(ButtonKey::Other, false), ButtonKeyAction::PassOn);
    EXPECT_EQ(focusStep(ButtonKeyAction::Answer), 0);

    EXPECT_EQ(keys.pressed(ButtonKey::Enter, false), ButtonKeyAction::Answer);
    EXPECT_EQ(keys.pressed(ButtonKey::Enter, true), ButtonKeyAction::Nothing);
    keys.released(ButtonKey::Down);
    EXPECT_EQ(keys.pressed(ButtonKey::Enter, true), ButtonKeyAction::Nothing);
    keys.released(ButtonKey::Enter);
    EXPECT_EQ(keys.pressed(ButtonKey::Enter, false), ButtonKeyAction::Answer);
}

// Each edge is rounded to the nearest pixel on its own (a half away from nought): rounded,
// not cut, and the size follows from the edges, so squares that touch in twips touch on screen.
TEST(Twips, EdgesRoundToTheNearestPixelEachOnItsOwn) {
    EXPECT_EQ(twipsToPixels(15, 96), 1);
    EXPECT_EQ(twipsToPixels(4448, 96), 297);   // 296.53
    EXPECT_EQ(twipsToPixels(4455, 144), 446);  // 445.5
    EXPECT_EQ(twipsToPixels(-4455, 144), -446);
    const PixelRect second = twipsToPixels(design::TwipsRect{495, 440, 495, 440}, 144, 144);
    EXPECT_EQ(second.left, 50);   // 49.5
    EXPECT_EQ(second.right, 99);  // 99.0: 49 wide, where its size alone would round to 50
    EXPECT_EQ(second.top, 44);
    EXPECT_EQ(second.bottom, 88);
}

// A monospaced face whose advance is 0.6 of its size, at 96 pixels to the inch.
double monospaceWidth(std::string_view text, double points) {
    return static_cast<double>(text.size()) * 0.6 * points * 96.0 / 72.0;
}

TEST(ScoreFit, KeepsTheDesignSizeShrinksByHalfPointsToFitAndStopsAtTheSmallest) {
    EXPECT_EQ(fitScoreFont(103, "WINS: 0", monospaceWidth), design::kScoreFontPoints);
    // 13 characters fit in 103 pixels up to 9.90 points: 9.5 is the largest half-point step.
    EXPECT_EQ(fitScoreFont(103, "LOST: 1234567", monospaceWidth), 9.5);
    EXPECT_LE(
        monospaceWidth("LOST: 2147483647", fitScoreFont(103, "LOST: 2147483647", monospaceWidth)),
        103);
    EXPECT_EQ(fitScoreFont(10, "LOST: 2147483647", monospaceWidth),
              design::kSmallestScoreFontPoints);
}

// A label fits its caption inside its frame, with the caption's indent: 13 characters and
// half an advance take 102.6 pixels at 9.5 points, and 108 at 10.
TEST(ScoreFit, ALabelFitsItsIndentedCaptionInsideItsFrame) {
    const auto advanceAt = [](double points) { return 0.6 * points * 96.0 / 72.0; };
    EXPECT_EQ(fitScoreLabel(104.7, "LOST: 1234567", advanceAt), 9.5);
    EXPECT_EQ(fitScoreLabel(104.5, "LOST: 1234567", advanceAt), 9.0) << "102.5 inside the frame";
    EXPECT_EQ(fitScoreLabel(107, "LOST: 1234567", advanceAt), 9.5) << "the indent counts";
}

}  // namespace
}  // namespace tinzel
