namespace Tavori::Fonts
{
EmbeddedTypefaceStore* EmbeddedTypefaceStore::instance = nullptr;

juce::Typeface::Ptr EmbeddedTypefaceStore::get (const char* data, int size)
{
    if (instance == nullptr)
        instance = new EmbeddedTypefaceStore();

    auto& typeface = instance->typefaces[data];
    if (typeface == nullptr)
        typeface = juce::Typeface::createSystemTypefaceFor (data, static_cast<size_t> (size));
    return typeface;
}

EmbeddedTypefaceStore::~EmbeddedTypefaceStore()
{
    instance = nullptr;
}
} // namespace Tavori::Fonts
