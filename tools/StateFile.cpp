#include "tools/StateFile.h"

#include "tools/RenderError.h"

juce::MemoryBlock StateFile::load (const juce::File& file)
{
    const auto problem = [&file] (const juce::String& what) { return RenderError ("--state " + file.getFullPathName() + ": " + what); };
    if (! file.exists())
        throw problem ("no such file");
    if (! file.existsAsFile())
        throw problem ("not a file");
    if (file.getSize() > maxSize)
        throw problem ("too large to be a saved state");

    juce::MemoryBlock state;
    juce::FileInputStream stream (file);
    if (! stream.openedOk() || stream.readIntoMemoryBlock (state) != (size_t) file.getSize())
        throw problem ("cannot read the file");
    if (state.isEmpty())
        throw problem ("the file is empty");
    return state;
}

StateFile::StateFile (const juce::File& targetFile) : target (targetFile), temporary (targetFile)
{
    if (! target.getParentDirectory().isDirectory())
        throw RenderError (cannotWrite() + " (no such directory)");

    stream = temporary.getFile().createOutputStream();
    if (stream == nullptr || ! stream->openedOk())
        throw RenderError (cannotWrite());
}

void StateFile::write (const juce::MemoryBlock& state)
{
    if (! stream->write (state.getData(), state.getSize()))
        throw RenderError (cannotWrite());
}

void StateFile::commit()
{
    stream->flush();
    const bool written = stream->getStatus().wasOk();
    stream.reset();
    if (! written || ! temporary.overwriteTargetFileWithTemporary())
        throw RenderError (cannotWrite());
}

juce::String StateFile::cannotWrite() const
{
    return "cannot write state file: " + target.getFullPathName();
}
