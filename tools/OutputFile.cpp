#include "tools/OutputFile.h"

#include "tools/RenderError.h"

OutputFile::OutputFile (const juce::File& targetFile, double sampleRate, int numChannels, int bitsPerSample)
    : target (targetFile), temporary (targetFile)
{
    const auto cannotWrite = "cannot write output file: " + target.getFullPathName();
    if (! target.getParentDirectory().isDirectory())
        throw RenderError (cannotWrite + " (no such directory)");

    auto stream = temporary.getFile().createOutputStream();
    if (stream == nullptr || ! stream->openedOk())
        throw RenderError (cannotWrite);

    juce::WavAudioFormat wav;
    writer.reset (wav.createWriterFor (stream.get(), sampleRate, (unsigned int) numChannels, bitsPerSample, {}, 0));
    if (writer == nullptr)
        throw RenderError (cannotWrite + " (WAV cannot hold this format)");
    stream.release(); // now owned by the writer
}

void OutputFile::write (const juce::AudioBuffer<float>& buffer, int startSample, int numSamples)
{
    if (! writer->writeFromAudioSampleBuffer (buffer, startSample, numSamples))
        throw RenderError ("cannot write output file: " + target.getFullPathName());
}

void OutputFile::commit()
{
    const bool flushed = writer->flush();
    writer.reset();
    if (! flushed || ! temporary.overwriteTargetFileWithTemporary())
        throw RenderError ("cannot write output file: " + target.getFullPathName());
}
