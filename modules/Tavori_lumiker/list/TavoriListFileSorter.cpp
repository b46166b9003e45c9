namespace Tavori::List
{
int FileSorter::compareElements (const juce::File& a, const juce::File& b)
{
    return a.getFileName().compareNatural (b.getFileName());
}
} // namespace Tavori::List
