#include "platform/failure_points.h"

namespace lexcore {
namespace failure_points {
namespace {

int chosen = 0;
int taken = 0;
bool reached = false;

}  // namespace

void failStep(int n) {
  chosen = n;
  taken = 0;
  reached = false;
}

int stepsTaken() { return taken; }

bool failed() { return reached; }

bool stepFails() {
  ++taken;
  if (chosen == 0 || taken != chosen) return false;
  reached = true;
  return true;
}

}  // namespace failure_points
}  // namespace lexcore
