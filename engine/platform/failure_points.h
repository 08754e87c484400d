// Failure points for the tests of crash-safe saving.
//
// In the engine library itself every step succeeds or fails on its own.  A
// build of the engine objects with LEXCORE_FAILURE_POINTS defined (the
// lexcore_faults library, linked only by tests) counts the steps of file
// access that can fail (each open, read, write, flush and rename) and makes
// the one chosen by failStep() fail as the operating system would, so that a
// test can fail every step of a save in turn.
#ifndef LEXCORE_PLATFORM_FAILURE_POINTS_H
#define LEXCORE_PLATFORM_FAILURE_POINTS_H

namespace lexcore {

#if defined(LEXCORE_FAILURE_POINTS)
namespace failure_points {

// Makes the n-th step from now fail (counting from 1); 0 makes none fail.
// Resets the count of steps taken and whether the chosen one was reached.
void failStep(int n);
// The steps taken since failStep().
int stepsTaken();
// True when the chosen step was reached (and failed).
bool failed();
// Counts one step; true when it is the chosen one, which must then fail.
bool stepFails();

}  // namespace failure_points

inline bool stepFails() { return failure_points::stepFails(); }
#else
constexpr bool stepFails() { return false; }
#endif

}  // namespace lexcore

#endif  // LEXCORE_PLATFORM_FAILURE_POINTS_H
