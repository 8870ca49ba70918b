#pragma once
// How a long run over many files shows how far it has gone and learns that the user wants it stopped.
// The Qt layer shows a progress dialog; the command-line tool writes to a terminal.

#include <cstddef>

namespace orvane {

class Progress {
 public:
  virtual ~Progress() = default;
  /// `done` of `total` steps are over; false when the user asked to stop.
  virtual bool advance(std::size_t done, std::size_t total) = 0;
};

}  // namespace orvane
