// The one error type of the game: anything the game cannot carry on from.
#pragma once

#include <stdexcept>
#include <string>

namespace tinzel {

// Thrown by the game core for a subscript outside a fixed array or a floating-point fault,
// and by a front end for a window operation that fails. Nothing in the game catches it: a
// front end catches it at its event boundary, reports it and ends the program with a
// non-zero exit status.
class GameError : public std::runtime_error {
  public:
    enum class Kind { SubscriptOutOfRange, FloatingPointFault, WindowOperationFailed };

    GameError(Kind kind, const std::string& what) : std::runtime_error(what), kind_(kind) {}

    Kind kind() const noexcept { return kind_; }

  private:
    Kind kind_;
};

}  // namespace tinzel
