#pragma once

#include <atomic>

// Counts heap allocations and mutex locks made by the thread inside a RealtimeGuard::Scope.
// The counting allocation and lock functions live in RealtimeGuard.cpp, which replaces the
// global ones for the test binary that links it.
namespace RealtimeGuard
{
struct Counts
{
    long allocations = 0;
    long locks = 0;
};

Counts counts();
void resetCounts();

class Scope
{
public:
    Scope();
    ~Scope();
};
} // namespace RealtimeGuard
