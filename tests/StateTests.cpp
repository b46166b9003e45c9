#include <csignal>
#include <sys/resource.h>

#include <gtest/gtest.h>

#include "plugin/PresetDocument.h"
#include "plugin/SafeXml.h"
#include "tests/ProcessorTestSupport.h"

namespace
{
using Processor = LumikerWhirlaneAudioProcessor;

juce::String stateText (Processor& processor)
{
    return processor.writePreset (false)->toString();
}

std::unique_ptr<juce::XmlElement> presetWith (const juce::String& productId, const juce::String& version, const juce::String& values)
{
    return juce::parseXML ("<tavoriPatch version=\"1.0\"><DeviceName>Lumiker Whirlane</DeviceName>"
                           "<Properties deviceProductID=\""
                           + productId + "\" deviceVersion=\"1.0.0\" presetVersion=\"" + version + "\">" + values
                           + "</Properties></tavoriPatch>");
}

juce::String value (const char* name, const juce::String& text)
{
    return juce::String ("<Value property=\"") + name + "\" type=\"number\">" + text + "</Value>";
}

std::vector<float> liveValues (Processor& processor)
{
    std::vector<float> values;
    for (auto* parameter : processor.getParameters())
        values.push_back (parameter->getValue());
    return values;
}
} // namespace

TEST (State, FreshStateDocumentHoldsTheFactoryTable)
{
    Processor processor;
    const auto document = processor.writePreset (false);
    ASSERT_TRUE (document->hasTagName ("tavoriPatch"));
    EXPECT_EQ (document->getChildElement (0)->getAllSubText(), "Lumiker Whirlane");

    auto* properties = document->getChildByName ("Properties");
    ASSERT_NE (properties, nullptr);
    EXPECT_EQ (properties->getAttributeName (0), "deviceProductID");
    EXPECT_EQ (properties->getAttributeValue (0), PresetDocument::productId);
    EXPECT_EQ (properties->getAttributeValue (2), "1.0");
    EXPECT_EQ (properties->getAttributeName (3), "activePreset");
    EXPECT_EQ (properties->getAttributeValue (3), "0");
    ASSERT_EQ (properties->getNumChildElements(), 12);

    const juce::StringArray texts { "true", "false", "0.59454", "3", "0.79330", "0.68994", "1.00000",
                                    "false", "0.37727", "0.58013", "0.76244", "0.50000", "false", "false" };
    for (auto* preset : properties->getChildIterator())
    {
        ASSERT_EQ (preset->getNumChildElements(), 2);
        for (auto* channel : preset->getChildIterator())
        {
            EXPECT_EQ (channel->getAttributeValue (1), "Black Hole.lwhlp");
            ASSERT_EQ (channel->getNumChildElements(), 14);
            for (int k = 0; k < 14; ++k)
                EXPECT_EQ (channel->getChildElement (k)->getAllSubText(), texts[k]) << k;
        }
    }

    EXPECT_EQ (document->getChildByAttribute ("id", "VIEW")->getStringAttribute ("value"), "0");
    EXPECT_EQ (document->getChildByAttribute ("id", "SCALE")->getStringAttribute ("value"), "1.0");
}

TEST (State, HostStateRoundTripsExactly)
{
    Processor source;
    source.getParameters()[2]->setValueNotifyingHost (0.123f);
    source.setCurrentProgram (7);
    source.getParameters()[9]->setValueNotifyingHost (0.9f);
    source.switchChannel (1);
    source.getParameters()[11]->setValueNotifyingHost (0.25f);
    source.programs[3].presetPath[1] = "/somewhere/Else.lwhlp";
    source.uiScale = 1.5f;
    source.viewState = true;

    juce::MemoryBlock state;
    source.getStateInformation (state);
    Processor restored;
    restored.setStateInformation (state.getData(), (int) state.getSize());

    EXPECT_EQ (stateText (restored), stateText (source));
    EXPECT_EQ (restored.getCurrentProgram(), 7);
    EXPECT_EQ (restored.activeProgram().activeChannel.load(), 1);
    EXPECT_EQ (liveValues (restored), liveValues (source));
    EXPECT_EQ (restored.uiScale, 1.5f);
    EXPECT_TRUE (restored.viewState);
    ASSERT_NE (restored.lastStateXml, nullptr);
}

TEST (State, ProgramStateRoundTripsBothChannels)
{
    Processor source;
    source.setCurrentProgram (2);
    source.getParameters()[4]->setValueNotifyingHost (0.2f);
    source.switchChannel (1);
    source.getParameters()[4]->setValueNotifyingHost (0.6f);

    juce::MemoryBlock program;
    source.getCurrentProgramStateInformation (program);
    Processor restored;
    restored.setCurrentProgram (2);
    restored.setCurrentProgramStateInformation (program.getData(), (int) program.getSize());

    EXPECT_EQ (restored.writeCurrentProgram()->toString(), source.writeCurrentProgram()->toString());
    EXPECT_EQ (restored.activeProgram().activeChannel.load(), 1);
    EXPECT_FLOAT_EQ (restored.getParameters()[4]->getValue(), 0.6f);
    EXPECT_FLOAT_EQ (restored.programs[2].values[0][4].load(), 0.2f);
    EXPECT_FLOAT_EQ (restored.programs[0].values[0][4].load(), 0.7933f); // other programs untouched
}

TEST (State, PresetResultCodes)
{
    struct Case
    {
        const char* what;
        std::unique_ptr<juce::XmlElement> document;
        int result;
        bool applied;
    };
    Case cases[] = {
        { "current version", presetWith (PresetDocument::productId, "1.0", value ("depth", "0.25")), 1, true },
        { "newer version", presetWith (PresetDocument::productId, "1.1", value ("depth", "0.25")), 4, true },
        { "another product", presetWith ("com.example.other", "1.0", value ("depth", "0.25")), 2, false },
        { "wrong root", juce::parseXML ("<patch><Properties/></patch>"), 0, false },
        { "no properties", juce::parseXML ("<tavoriPatch><DeviceName/></tavoriPatch>"), 0, false },
        { "no document", nullptr, 0, false },
    };

    for (auto& c : cases)
    {
        Processor processor;
        processor.prepareToPlay (44100.0, 256);
        EXPECT_EQ (processor.readPreset (c.document.get(), true), c.result) << c.what;
        EXPECT_FLOAT_EQ (processor.getParameters()[4]->getValue(), c.applied ? 0.25f : 0.7933f) << c.what;
        EXPECT_EQ (processor.getRotaryModule().getParameter (4), processor.getParameters()[4]->getValue()) << c.what;
        EXPECT_FALSE (processor.isSuspended());
    }
}

TEST (State, ValueTextsDecodeByParameterKind)
{
    struct Case
    {
        const char* property;
        const char* text;
        int index;
        float expected;
    };
    const Case cases[] = {
        { "stereoOn", "  true ", 12, 1.0f },   { "stereoOn", "True", 12, 0.0f },     { "onBypass", "false", 0, 0.0f },
        { "rateSync", "18", 3, 18.0f / 18.000001f }, { "rateSync", "0", 3, 0.0f },  { "rateSync", "40", 3, 1.0f },
        { "width", "0.12345", 11, 0.12345f },   { "width", "7.5", 11, 1.0f },         { "width", "-2", 11, 0.0f },
        { "width", "nan", 11, 0.0f },           { "width", "garbage", 11, 0.0f },
    };
    for (const auto& c : cases)
    {
        Processor processor;
        auto document = presetWith (PresetDocument::productId, "1.0", juce::String ("<Value property=\"") + c.property + "\">" + c.text + "</Value>");
        processor.readPreset (document.get(), true);
        EXPECT_NEAR (processor.getParameterFromIndex (c.index), c.expected, 1e-6f) << c.property << " = '" << c.text << "'";
        EXPECT_NEAR (processor.getParameters()[c.index]->getValue(), c.expected, 1e-5f) << c.property << " = '" << c.text << "'";
    }

    Processor processor;
    auto last = presetWith (PresetDocument::productId, "1.0", value ("rateSync", "18"));
    processor.readPreset (last.get(), true);
    EXPECT_EQ (processor.rateSync->getCurrentChoiceName(), "1/32T");
}

TEST (State, UnknownPropertiesAreSkippedAndMissingOnesKept)
{
    Processor processor;
    processor.getParameters()[5]->setValueNotifyingHost (0.3f);
    auto document = presetWith (PresetDocument::productId, "1.0", value ("depht", "0.1") + value ("mix", "0.2") + "<Other/>");
    processor.readPreset (document.get(), true);
    EXPECT_FLOAT_EQ (processor.getParameterFromIndex (4), 0.7933f);
    EXPECT_FLOAT_EQ (processor.getParameterFromIndex (9), 0.2f);
    EXPECT_FLOAT_EQ (processor.getParameterFromIndex (5), 0.3f);
}

TEST (State, ChannelSwitchAndCopy)
{
    Processor processor;
    processor.prepareToPlay (44100.0, 128);
    processor.getParameters()[4]->setValueNotifyingHost (0.1f);
    const auto channelA = liveValues (processor);

    processor.switchChannel (1);
    EXPECT_FLOAT_EQ (processor.getParameters()[4]->getValue(), 0.7933f); // B still holds the defaults
    processor.getParameters()[4]->setValueNotifyingHost (0.9f);
    processor.switchChannel (0);
    EXPECT_EQ (liveValues (processor), channelA);
    EXPECT_FLOAT_EQ (processor.programs[0].values[1][4].load(), 0.9f);

    processor.copyChannel();
    EXPECT_FLOAT_EQ (processor.programs[0].values[1][4].load(), 0.1f);
    EXPECT_EQ (processor.programs[0].presetPath[1], "Black Hole.lwhlp");
    processor.switchChannel (1);
    EXPECT_EQ (liveValues (processor), channelA);
    EXPECT_FLOAT_EQ (processor.getRotaryModule().getParameter (4), 0.1f);
}

TEST (State, CompareFindsChangesAboveTheTolerance)
{
    Processor processor;
    const auto preset = processor.writePreset (true);
    EXPECT_FALSE (processor.comparePreset (preset.get()));
    processor.getParameters()[2]->setValueNotifyingHost (processor.getParameters()[2]->getValue() + 0.001f);
    EXPECT_TRUE (processor.comparePreset (preset.get()));

    Processor other;
    other.getParameters()[12]->setValueNotifyingHost (1.0f);
    EXPECT_TRUE (other.comparePreset (preset.get()));
    EXPECT_FALSE (other.comparePreset (nullptr));
    auto empty = juce::parseXML ("<tavoriPatch/>");
    EXPECT_FALSE (other.comparePreset (empty.get()));
}

TEST (State, ProgramsAreSelectedWithinTheTable)
{
    Processor processor;
    processor.setCurrentProgram (4);
    processor.programChanged = false;
    for (int bad : { 12, -1 })
    {
        processor.setCurrentProgram (bad);
        EXPECT_EQ (processor.getCurrentProgram(), 4);
        EXPECT_FALSE (processor.programChanged.load());
    }
    EXPECT_EQ (processor.getNumPrograms(), 12);
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ (processor.getProgramName (i), "Black Hole");
    EXPECT_EQ (processor.getProgramName (12), "");
    processor.programs[1].presetPath[0] = "/tmp/Some Where/Warm Chorale.lwhlp";
    EXPECT_EQ (processor.getProgramName (1), "Warm Chorale");
}

TEST (State, StateWithoutAMatchingActivePreset)
{
    const auto stateWith = [] (const juce::String& activePreset)
    {
        return juce::parseXML ("<tavoriPatch><Properties a=\"x\" b=\"1.0.0\" c=\"1.0\"" + activePreset
                               + "><Preset preset=\"0\" activeChannel=\"1\"><Channel channel=\"0\" presetPath=\"A.lwhlp\"/>"
                                 "<Channel channel=\"1\" presetPath=\"B.lwhlp\"/></Preset></Properties></tavoriPatch>");
    };

    Processor processor;
    processor.setCurrentProgram (5);
    auto noAttribute = stateWith ("");
    EXPECT_EQ (processor.readPreset (noAttribute.get(), false), 5);
    EXPECT_EQ (processor.getCurrentProgram(), 0);
    EXPECT_EQ (processor.activeProgram().activeChannel.load(), 1);

    processor.setCurrentProgram (5);
    auto noMatch = stateWith (" activePreset=\"9\"");
    processor.readPreset (noMatch.get(), false);
    EXPECT_EQ (processor.getCurrentProgram(), 0);
    EXPECT_EQ (processor.activeProgram().activeChannel.load(), 0);
    EXPECT_EQ (processor.getProgramName (0), "A");
}

TEST (State, ExcessProgramsChannelsAndOddValuesStayInsideTheTable)
{
    juce::String presets;
    for (int p = 0; p < 20; ++p)
    {
        presets << "<Preset preset=\"" << p << "\" activeChannel=\"" << (p == 3 ? "7" : "-4") << "\">";
        for (int c = 0; c < 5; ++c)
            presets << "<Channel channel=\"" << c << "\" presetPath=\"P" << p << "C" << c << "\">" << value ("mix", "3.5")
                    << value ("depth", "-1") << "</Channel>";
        presets << "</Preset>";
    }
    auto document = juce::parseXML ("<tavoriPatch><Properties a=\"\" b=\"\" c=\"\" activePreset=\"15\">" + presets
                                    + "</Properties><MISCELLANEOUS id=\"SCALE\" value=\"1e30\"/></tavoriPatch>");

    Processor processor;
    EXPECT_EQ (processor.readPreset (document.get(), false), 5);
    EXPECT_EQ (processor.getCurrentProgram(), 0);
    EXPECT_EQ (processor.uiScale, 2.0f);
    for (auto& program : processor.programs)
    {
        EXPECT_GE (program.activeChannel.load(), 0);
        EXPECT_LE (program.activeChannel.load(), 1);
        for (auto& channel : program.values)
            for (auto& v : channel)
                EXPECT_TRUE (v.load() >= 0.0f && v.load() <= 1.0f);
    }
    EXPECT_EQ (processor.programs[3].activeChannel.load(), 1);
    EXPECT_EQ (processor.programs[11].presetPath[1], "P11C1");
    EXPECT_EQ (processor.programs[0].values[0][9].load(), 1.0f);
    EXPECT_EQ (processor.programs[0].values[0][4].load(), 0.0f);
}

TEST (State, UnreadableHostDataChangesNothing)
{
    Processor processor;
    const auto before = stateText (processor);
    const char garbage[] = "not a state at all";
    processor.setStateInformation (garbage, (int) sizeof (garbage));
    processor.setStateInformation (nullptr, 0);
    processor.setCurrentProgramStateInformation (garbage, 3);
    EXPECT_EQ (processor.lastStateXml, nullptr);
    EXPECT_EQ (stateText (processor), before);

    // A document of another root is kept as received but changes nothing.
    juce::MemoryBlock foreign;
    juce::AudioProcessor::copyXmlToBinary (juce::XmlElement ("somethingElse"), foreign);
    processor.setStateInformation (foreign.getData(), (int) foreign.getSize());
    EXPECT_NE (processor.lastStateXml, nullptr);
    EXPECT_EQ (stateText (processor), before);
}

TEST (State, PresetFilesRoundTripAndFailedSavesKeepTheOldFile)
{
    const juce::TemporaryFile folder;
    ASSERT_TRUE (folder.getFile().createDirectory());
    const auto file = folder.getFile().getChildFile ("Mine.lwhlp");

    Processor writer;
    writer.getParameters()[6]->setValueNotifyingHost (0.33f);
    ASSERT_TRUE (writer.savePresetFile (file));
    EXPECT_EQ (writer.activeProgram().presetPath[0], file.getFullPathName());
    const auto saved = file.loadFileAsString();
    EXPECT_TRUE (saved.startsWith ("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"));

    Processor reader;
    EXPECT_EQ (reader.loadPresetFile (file), Processor::presetApplied);
    EXPECT_FLOAT_EQ (reader.getParameterFromIndex (6), 0.33f);
    EXPECT_EQ (reader.writePreset (true)->toString(), writer.writePreset (true)->toString());

    // A write that runs out of room must leave the previous file as it was.
    writer.getParameters()[6]->setValueNotifyingHost (0.9f);
    std::signal (SIGXFSZ, SIG_IGN);
    rlimit previous {};
    getrlimit (RLIMIT_FSIZE, &previous);
    rlimit tiny = previous;
    tiny.rlim_cur = 64;
    setrlimit (RLIMIT_FSIZE, &tiny);
    const bool savedAgain = writer.savePresetFile (file);
    setrlimit (RLIMIT_FSIZE, &previous);

    EXPECT_FALSE (savedAgain);
    EXPECT_EQ (file.loadFileAsString(), saved);
    EXPECT_EQ (folder.getFile().getNumberOfChildFiles (juce::File::findFiles), 1); // no temporary left behind
    folder.getFile().deleteRecursively();
}

TEST (State, TextThatIsNotUtf8IsRefusedBeforeParsing)
{
    // JUCE's parser reads past the end of such text; it must never get there.
    const char brokenQuote[] = "<tavoriPatch><Properties a=\"\xe0\"/></tavoriPatch>";
    const char cutSequence[] = "<tavoriPatch/>\xf0\x9f";
    EXPECT_EQ (SafeXml::parseBytes (brokenQuote, sizeof (brokenQuote) - 1), nullptr);
    EXPECT_EQ (SafeXml::parseBytes (cutSequence, sizeof (cutSequence) - 1), nullptr);

    const juce::String valid = juce::CharPointer_UTF8 ("<tavoriPatch><DeviceName>Gr\xc3\xbc\xc3\x9f""e</DeviceName></tavoriPatch>");
    EXPECT_NE (SafeXml::parse (valid), nullptr);
}
