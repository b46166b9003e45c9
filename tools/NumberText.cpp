#include "tools/NumberText.h"

#include <cmath>
#include <cstdlib>

std::optional<double> NumberText::parse (const juce::String& text)
{
    const auto digits = text.trim().toStdString();
    char* end = nullptr;
    const double value = std::strtod (digits.c_str(), &end);

    if (digits.empty() || end != digits.c_str() + digits.size() || ! std::isfinite (value))
        return std::nullopt;
    return value;
}
