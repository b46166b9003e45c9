#pragma once

#include <juce_graphics/juce_graphics.h>

// Writes an image as a PNG file, replacing what is there, and says on the console what it
// wrote or that it could not.
bool writePng (const juce::Image& image, const juce::File& file);
