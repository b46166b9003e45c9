#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <utility>
#include <vector>

#include "tests/ExpectedParameters.h"
#include "tests/HostedWhirlane.h"
#include "tests/ProcessorTestSupport.h"

// Host state and programs as a DAW handles them through the built bundle: saved with a
// project, loaded into a new instance, picked from the host's program list.

namespace
{
using Settings = std::vector<std::pair<const char*, float>>;

// The first int of a copyXmlToBinary envelope, read little-endian.
constexpr juce::uint32 envelopeMagic = 0x21324356;
constexpr int programFive = 5;

juce::AudioProcessorParameter* parameterNamed (HostedWhirlane& host, const juce::String& name)
{
    for (auto* parameter : host.plugin().getParameters())
        if (parameter->getName (1024) == name)
            return parameter;
    return nullptr;
}

void apply (HostedWhirlane& host, const Settings& settings)
{
    for (const auto& [name, value] : settings)
    {
        auto* parameter = parameterNamed (host, name);
        ASSERT_NE (parameter, nullptr) << name;
        parameter->setValueNotifyingHost (value);
    }
}

// Every parameter the host sees, the wrapper's "Bypass" and "Program" included.
std::vector<float> hostValues (HostedWhirlane& host)
{
    std::vector<float> values;
    for (auto* parameter : host.plugin().getParameters())
        values.push_back (parameter->getValue());
    return values;
}

juce::MemoryBlock hostState (HostedWhirlane& host)
{
    juce::MemoryBlock state;
    host.plugin().getStateInformation (state);
    return state;
}

void setHostState (HostedWhirlane& host, const juce::MemoryBlock& state)
{
    host.plugin().setStateInformation (state.getData(), (int) state.getSize());
}

//==============================================================================
// The host keeps what the plug-in's component wrote, base64 in its own XML document. The
// wrapper frames the plug-in's envelope: a VST2-style bank header before it, JUCE's private
// data after it.
std::unique_ptr<juce::XmlElement> hostDocument (const juce::MemoryBlock& state)
{
    return juce::AudioProcessor::getXmlFromBinary (state.getData(), (int) state.getSize());
}

juce::MemoryBlock componentBytes (const juce::MemoryBlock& state)
{
    juce::MemoryBlock bytes;
    if (auto document = hostDocument (state))
        if (auto* component = document->getChildByName ("IComponent"))
            bytes.fromBase64Encoding (component->getAllSubText());
    return bytes;
}

juce::MemoryBlock withComponentBytes (const juce::MemoryBlock& state, const juce::MemoryBlock& bytes)
{
    auto document = hostDocument (state);
    auto* component = document->getChildByName ("IComponent");
    component->deleteAllTextElements();
    component->addTextElement (bytes.toBase64Encoding());

    juce::MemoryBlock changed;
    juce::AudioProcessor::copyXmlToBinary (*document, changed);
    return changed;
}

int envelopeOffset (const juce::MemoryBlock& bytes)
{
    for (size_t i = 0; i + 8 <= bytes.getSize(); ++i)
        if (juce::ByteOrder::littleEndianInt (bytes.begin() + i) == envelopeMagic)
            return (int) i;
    return -1;
}

std::unique_ptr<juce::XmlElement> patchIn (const juce::MemoryBlock& state)
{
    const auto bytes = componentBytes (state);
    const int offset = envelopeOffset (bytes);
    if (offset < 0)
        return {};
    return juce::AudioProcessor::getXmlFromBinary (bytes.begin() + offset, (int) bytes.getSize() - offset);
}

juce::String patchText (HostedWhirlane& host)
{
    const auto patch = patchIn (hostState (host));
    return patch != nullptr ? patch->toString() : juce::String();
}

void writeBigEndian (juce::MemoryBlock& bytes, int offset, size_t value)
{
    const auto big = juce::ByteOrder::swapIfLittleEndian ((juce::uint32) value);
    bytes.copyFrom (&big, offset, sizeof (big));
}

// The state with `chunk` where the plug-in's envelope was, framed as the wrapper frames it.
juce::MemoryBlock withChunk (const juce::MemoryBlock& state, const void* chunk, size_t chunkSize)
{
    const auto bytes = componentBytes (state);
    const int offset = envelopeOffset (bytes);
    const auto envelopeSize = 8 + (size_t) juce::ByteOrder::littleEndianInt (bytes.begin() + offset + 4) + 1;
    const auto after = (size_t) offset + envelopeSize;

    juce::MemoryBlock framed (bytes.begin(), (size_t) offset);
    framed.append (chunk, chunkSize);
    framed.append (bytes.begin() + after, bytes.getSize() - after);

    // The bank's byte count starts after its first two ints; its chunk size covers the
    // plug-in data and the private data behind it.
    constexpr int bankStart = 16, bankHeader = 160;
    const auto chunkData = framed.getSize() - (size_t) offset;
    writeBigEndian (framed, bankStart + 4, bankHeader - 8 + chunkData);
    writeBigEndian (framed, offset - 4, chunkData);
    return withComponentBytes (state, framed);
}

juce::MemoryBlock withPatch (const juce::MemoryBlock& state, const juce::XmlElement& patch)
{
    juce::MemoryBlock envelope;
    juce::AudioProcessor::copyXmlToBinary (patch, envelope);
    return withChunk (state, envelope.getData(), envelope.getSize());
}

//==============================================================================
juce::XmlElement& properties (juce::XmlElement& patch)
{
    return *patch.getChildByName ("Properties");
}

juce::XmlElement& channelOf (juce::XmlElement& patch, int program, int channel)
{
    return *properties (patch).getChildElement (program)->getChildElement (channel);
}

void setStoredValue (juce::XmlElement& channel, const char* name, const char* text)
{
    auto* value = channel.getChildByAttribute ("property", name);
    value->deleteAllTextElements();
    value->addTextElement (text);
}

// Values the host shows for the program that holds these edits over the factory values.
void expectHostShows (HostedWhirlane& host, const Settings& edits)
{
    for (int index = 0; index < numExpectedParameters; ++index)
    {
        const auto& row = expectedParameters[index];
        float expected = row.defaultValue;
        for (const auto& [name, value] : edits)
            if (juce::String (name) == row.name)
                expected = value;
        EXPECT_NEAR (host.plugin().getParameters()[index]->getValue(), expected, 1.0e-6f) << row.name;
    }
}

// As in a running session: what the host changed reaches the plug-in's processor with the
// next block, before the host does anything else.
void runBlock (HostedWhirlane& host)
{
    juce::AudioBuffer<float> silence (2, HostedWhirlane::blockSize);
    silence.clear();
    host.process (silence);
}

// The host skips a prepare at the rate and size it already runs at, so starting afresh
// takes a release first.
void restart (HostedWhirlane& host)
{
    host.plugin().releaseResources();
    host.prepare();
}

juce::AudioBuffer<float> listen (HostedWhirlane& host)
{
    auto buffer = noiseBuffer (2, 16 * HostedWhirlane::blockSize, 7);
    host.process (buffer);
    return buffer;
}

// A project worth saving: edits in program 0, then program 5 picked and edited.
const Settings programZeroEdits { { "rate", 0.3f }, { "mix", 0.2f }, { "reverseOn", 1.0f } };
const Settings programFiveEdits { { "depth", 0.1f }, { "stereoOn", 1.0f }, { "rateSync", 8.0f / 18.0f }, { "width", 0.75f } };

void editProject (HostedWhirlane& host)
{
    host.prepare();
    apply (host, programZeroEdits);
    runBlock (host);
    host.plugin().setCurrentProgram (programFive);
    runBlock (host);
    apply (host, programFiveEdits);
    runBlock (host);
}

class Vst3State : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE (source.isLoaded()) << source.getLoadError().toStdString();
        ASSERT_TRUE (restored.isLoaded()) << restored.getLoadError().toStdString();
    }

    HostedWhirlane source, restored;
};
} // namespace

//==============================================================================
TEST_F (Vst3State, NewInstanceGetsTheSamePatchParametersProgramAndSound)
{
    editProject (source);
    const auto state = hostState (source);
    const auto patch = patchIn (state);
    ASSERT_NE (patch, nullptr) << "no JUCE envelope in the component state";
    EXPECT_TRUE (patch->hasTagName ("tavoriPatch"));
    EXPECT_EQ (properties (*patch).getStringAttribute ("activePreset"), "5");

    // A project being loaded: state first, then the audio starts.
    setHostState (restored, state);

    EXPECT_EQ (patchText (restored), patch->toString());
    EXPECT_TRUE (componentBytes (hostState (restored)) == componentBytes (state));
    EXPECT_EQ (restored.plugin().getCurrentProgram(), programFive);
    expectHostShows (restored, programFiveEdits);

    restart (source);
    restored.prepare();
    EXPECT_TRUE (buffersEqual (listen (restored), listen (source)));
}

TEST_F (Vst3State, StateWithBothChannelsOfAProgram)
{
    // Channel B of program 5 active, each channel with its own depth and preset file.
    const auto fresh = hostState (source);
    auto patch = patchIn (fresh);
    ASSERT_NE (patch, nullptr);
    properties (*patch).setAttribute ("activePreset", programFive);
    properties (*patch).getChildElement (programFive)->setAttribute ("activeChannel", 1);
    setStoredValue (channelOf (*patch, programFive, 0), "depth", "0.20000");
    setStoredValue (channelOf (*patch, programFive, 1), "depth", "0.60000");
    channelOf (*patch, programFive, 1).setAttribute ("presetPath", "Warm Chorale.lwhlp");

    setHostState (restored, withPatch (fresh, *patch));

    EXPECT_EQ (restored.plugin().getCurrentProgram(), programFive);
    expectHostShows (restored, { { "depth", 0.6f } });
    EXPECT_EQ (patchText (restored), patch->toString());

    // The host's program list names programs through the wrapper's "Program" parameter.
    auto* program = parameterNamed (restored, "Program");
    ASSERT_NE (program, nullptr);
    EXPECT_EQ (program->getText (programFive / 11.0f, 1024), "Warm Chorale");
    EXPECT_EQ (program->getText (4 / 11.0f, 1024), "Black Hole");

    // Leaving the program and coming back brings channel B back.
    restored.prepare();
    restored.plugin().setCurrentProgram (2);
    runBlock (restored);
    EXPECT_EQ (restored.plugin().getCurrentProgram(), 2);
    restored.plugin().setCurrentProgram (programFive);
    runBlock (restored);
    source.prepare();
    apply (source, { { "depth", 0.6f } });
    runBlock (source);
    EXPECT_TRUE (buffersEqual (listen (restored), listen (source)));
}

//==============================================================================
namespace
{
struct StateEditCase
{
    const char* name;
    std::function<void (juce::XmlElement& properties)> edit;
};

void PrintTo (const StateEditCase& stateCase, std::ostream* out)
{
    *out << stateCase.name;
}

// A host state is read whichever version or product wrote it.
const StateEditCase readableStates[] = {
    { "NewerVersion",
      [] (juce::XmlElement& p) {
          p.setAttribute ("deviceVersion", "9.9.9");
          p.setAttribute ("presetVersion", "1.1");
      } },
    { "AnotherProductsId", [] (juce::XmlElement& p) { p.setAttribute ("deviceProductID", "com.example.other"); } },
};

class Vst3StateRead : public Vst3State, public testing::WithParamInterface<StateEditCase>
{
};
} // namespace

TEST_P (Vst3StateRead, IsReadLikeOurOwn)
{
    editProject (source);
    const auto state = hostState (source);
    auto patch = patchIn (state);
    ASSERT_NE (patch, nullptr);
    GetParam().edit (properties (*patch));

    setHostState (restored, withPatch (state, *patch));

    // Written back in our own version, so identical to the state it was made from.
    EXPECT_EQ (patchText (restored), patchText (source));
    EXPECT_EQ (restored.plugin().getCurrentProgram(), programFive);
    expectHostShows (restored, programFiveEdits);
}

INSTANTIATE_TEST_SUITE_P (States, Vst3StateRead, testing::ValuesIn (readableStates),
                          [] (const testing::TestParamInfo<StateEditCase>& info) { return std::string (info.param.name); });

//==============================================================================
namespace
{
struct ForeignStateCase
{
    const char* name;
    std::function<juce::MemoryBlock (const juce::MemoryBlock& state)> make;
};

void PrintTo (const ForeignStateCase& stateCase, std::ostream* out)
{
    *out << stateCase.name;
}

juce::MemoryBlock garbage (size_t size)
{
    juce::MemoryBlock bytes (size);
    juce::Random random (11);
    random.fillBitsRandomly (bytes.getData(), bytes.getSize());
    return bytes;
}

const ForeignStateCase foreignStates[] = {
    { "AnotherRoot",
      [] (const juce::MemoryBlock& state) {
          auto patch = patchIn (state);
          patch->setTagName ("otherPatch");
          return withPatch (state, *patch);
      } },
    { "GarbageInTheBank",
      [] (const juce::MemoryBlock& state) {
          const auto bytes = garbage (600);
          return withChunk (state, bytes.getData(), bytes.getSize());
      } },
    { "GarbageWithoutTheBank", [] (const juce::MemoryBlock& state) { return withComponentBytes (state, garbage (600)); } },
    { "CutShort",
      [] (const juce::MemoryBlock& state) {
          juce::MemoryBlock envelope;
          juce::AudioProcessor::copyXmlToBinary (*patchIn (state), envelope);
          return withChunk (state, envelope.getData(), envelope.getSize() / 2);
      } },
};

class Vst3StateForeign : public Vst3State, public testing::WithParamInterface<ForeignStateCase>
{
};
} // namespace

TEST_P (Vst3StateForeign, ChangesNothing)
{
    // Made from a fresh instance's state, so a document read by mistake shows.
    const auto freshState = hostState (source);
    editProject (source);
    setHostState (restored, hostState (source));
    const auto patchBefore = patchText (restored);
    const auto valuesBefore = hostValues (restored);

    setHostState (restored, GetParam().make (freshState));

    EXPECT_EQ (patchText (restored), patchBefore);
    EXPECT_EQ (hostValues (restored), valuesBefore);
    EXPECT_EQ (restored.plugin().getCurrentProgram(), programFive);
}

INSTANTIATE_TEST_SUITE_P (States, Vst3StateForeign, testing::ValuesIn (foreignStates),
                          [] (const testing::TestParamInfo<ForeignStateCase>& info) { return std::string (info.param.name); });

//==============================================================================
TEST_F (Vst3State, TwelveProgramsNamedAfterTheirPreset)
{
    auto& plugin = source.plugin();
    ASSERT_EQ (plugin.getNumPrograms(), 12);
    for (int index = 0; index < 12; ++index)
        EXPECT_EQ (plugin.getProgramName (index), "Black Hole") << index;
    EXPECT_EQ (plugin.getCurrentProgram(), 0);
}

namespace
{
struct ProgramChangeCase
{
    const char* name;
    std::function<void (HostedWhirlane& host, int program)> select;
};

void PrintTo (const ProgramChangeCase& changeCase, std::ostream* out)
{
    *out << changeCase.name;
}

const ProgramChangeCase programChanges[] = {
    { "ProgramList", [] (HostedWhirlane& host, int program) { host.plugin().setCurrentProgram (program); } },
    { "ProgramParameter",
      [] (HostedWhirlane& host, int program) { parameterNamed (host, "Program")->setValueNotifyingHost ((float) program / 11.0f); } },
};

class Vst3ProgramChange : public Vst3State, public testing::WithParamInterface<ProgramChangeCase>
{
protected:
    void select (int program)
    {
        GetParam().select (source, program);
        ASSERT_EQ (source.plugin().getCurrentProgram(), program);
        const auto patch = patchIn (hostState (source));
        ASSERT_NE (patch, nullptr);
        EXPECT_EQ (properties (*patch).getIntAttribute ("activePreset"), program);
    }
};
} // namespace

TEST_P (Vst3ProgramChange, SelectsTheProgramAndItsSound)
{
    ASSERT_NE (parameterNamed (source, "Program"), nullptr);
    source.prepare();
    apply (source, programZeroEdits);
    runBlock (source);

    // Program 3 is untouched: it sounds like a fresh instance.
    select (3);
    restored.prepare();
    EXPECT_TRUE (buffersEqual (listen (source), listen (restored)));

    apply (source, { { "depth", 0.4f } });
    runBlock (source);
    select (0);
    HostedWhirlane neverLeft;
    apply (neverLeft, programZeroEdits);
    neverLeft.prepare();
    EXPECT_TRUE (buffersEqual (listen (source), listen (neverLeft)));

    // Program 3 kept its own edit.
    const auto patch = patchIn (hostState (source));
    ASSERT_NE (patch, nullptr);
    EXPECT_EQ (channelOf (*patch, 3, 0).getChildByAttribute ("property", "depth")->getAllSubText(), "0.40000");
}

INSTANTIATE_TEST_SUITE_P (Hosts, Vst3ProgramChange, testing::ValuesIn (programChanges),
                          [] (const testing::TestParamInfo<ProgramChangeCase>& info) { return std::string (info.param.name); });


