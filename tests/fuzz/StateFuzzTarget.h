#pragma once

#include <cstddef>
#include <cstdint>

// One fuzz input against everything that reads host state, program state, preset files and
// the settings file. The first byte picks the reader; the rest is its data. Returns false
// when a reader left a value outside its range.
bool runStateFuzzInput (const std::uint8_t* data, std::size_t size);
