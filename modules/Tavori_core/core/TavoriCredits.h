#pragma once

// The about box's texts. Built once at load time and never changed.
namespace Tavori
{
inline const juce::String dev { "Developed by :" };

// The team, by role: no names of people.
inline const juce::StringArray crew { "DSP design",
                                      "Interface design",
                                      "Software engineering",
                                      "Factory presets",
                                      "Testing",
                                      "User manual",
                                      "",
                                      "The Tavori team" };

namespace Text
{
    inline const juce::String version { "Version :" };

    // Indexed by plug-in format; entry 0 is a build without a format.
    inline const juce::StringArray wrapperCompany { "",
                                                    "VST by Steinberg Media Technologies, GmbH.",
                                                    "VST3 by Steinberg Media Technologies, GmbH.",
                                                    "AU by Apple Computer, Inc.",
                                                    "AUv3 by Apple Computer, Inc.",
                                                    "RTAS by Avid Technology, Inc.",
                                                    "AAX by Avid Technology, Inc." };

    inline const juce::String fft { "FFT routines by the Tavori team." };

    inline const juce::String legalCompanyName { "Tavori" };
    inline const juce::String copyrightNotice { juce::String (juce::CharPointer_UTF8 ("\xc2\xa9 2026 "))
                                                + legalCompanyName + ". All rights reserved." };
    inline const juce::String trademarkNotice { juce::String (pluginName) + " is a trademark of " + legalCompanyName + "." };
} // namespace Text
} // namespace Tavori
