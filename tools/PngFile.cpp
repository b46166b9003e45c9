#include "tools/PngFile.h"

#include <iostream>

bool writePng (const juce::Image& image, const juce::File& file)
{
    file.deleteFile();
    juce::FileOutputStream stream (file);
    juce::PNGImageFormat png;
    const bool written = stream.openedOk() && png.writeImageToStream (image, stream);
    if (written)
        std::cout << file.getFullPathName() << " (" << image.getWidth() << " x " << image.getHeight() << ")\n";
    else
        std::cerr << "Cannot write " << file.getFullPathName() << "\n";
    return written;
}
