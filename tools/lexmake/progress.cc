#include "progress.h"

namespace lexmake {
namespace {

constexpr int kBarWidth = 30;

}  // namespace

void Progress::start(const std::string& what, uint64_t total) {
  what_ = what;
  total_ = total == 0 ? 1 : total;
  percent_ = -1;
  update(0);
}

void Progress::update(uint64_t done) {
  if (!enabled_) return;
  const int percent = static_cast<int>((done >= total_ ? total_ : done) * 100 / total_);
  if (percent != percent_) draw(percent);
}

void Progress::draw(int percent) {
  percent_ = percent;
  const int filled = percent * kBarWidth / 100;
  out_ << "\rlexmake: " << what_ << " [" << std::string(filled, '#') << std::string(kBarWidth - filled, ' ') << "] "
       << percent << "%" << std::flush;
  shown_ = true;
}

void Progress::finish() {
  if (!shown_) return;
  // Blanks over the whole line, then back to its start.
  out_ << "\r" << std::string(what_.size() + kBarWidth + 20, ' ') << "\r" << std::flush;
  shown_ = false;
}

}  // namespace lexmake
