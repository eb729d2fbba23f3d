// SPDX-License-Identifier: GPL-3.0-or-later
// A run-time fault of the engine (division by zero, square root of a negative number, a slope no
// flattening can help). Caught by the command that started the computation and shown to the user.
#pragma once

#include <stdexcept>
#include <string>

namespace kelvadrome {

class EngineError : public std::runtime_error {
 public:
  explicit EngineError(const std::string& text) : std::runtime_error(text) {}
};

}  // namespace kelvadrome
