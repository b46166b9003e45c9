// Defined in one translation unit, after JUCE's named colours, so the entries that
// are computed from those (and from each other) are initialised in order.
namespace Tavori::Colours
{
const juce::Colour graniteGray { 0xffa5a4a4 };
const juce::Colour quickSilver { 0xffa5a4a4 };
const juce::Colour nastyGreen { 0xff6fbe44 };
const juce::Colour incaYellow { 0xfffed402 };
const juce::Colour starAndCrescentRed { 0xffc72026 };
const juce::Colour desire { 0xffeb364b };
const juce::Colour blueMana { 0xff61d0ff };
const juce::Colour akeBlood { 0xffcf3d28 };
const juce::Colour fuego { 0xffed562b };
const juce::Colour panel = juce::Colours::black;
const juce::Colour menu = juce::Colours::black.brighter (0.1f);
const juce::Colour dimText = graniteGray.withAlpha (0.1f);
const juce::Colour popUpOutline = juce::Colours::black;
} // namespace Tavori::Colours
