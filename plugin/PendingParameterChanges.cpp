#include "plugin/PendingParameterChanges.h"

void PendingParameterChanges::push (int index, float value)
{
    values[(size_t) index].store (value, std::memory_order_relaxed);
    dirty.fetch_or (1u << index, std::memory_order_release);
}

void PendingParameterChanges::clear()
{
    dirty.store (0, std::memory_order_release);
}
