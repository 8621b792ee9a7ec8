#pragma once

// Counts the rounds of the library's iterative loops, so that tests can prove
// every loop ends after a bounded number of steps. Callers that do not count
// pass nothing (nullptr) and pay one test per round.
struct IterationCount {
    long long rounds = 0;
};

inline void countRound(IterationCount* count)
{
    if (count != nullptr) ++count->rounds;
}
