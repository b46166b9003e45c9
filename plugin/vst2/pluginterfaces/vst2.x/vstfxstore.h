#pragma once

// The VST2 bank and program chunk structures (.fxb / .fxp), as far as the VST3 client needs
// them to read and write state that a VST2 build of the plug-in could also read. Every field
// is a big-endian 32-bit integer on disk; the client swaps the bytes itself.
//
// This header is included inside a namespace by the client, so it must not include anything.

typedef int VstInt32;

enum
{
    cMagic           = 0x43636e4b, // 'CcnK', every chunk starts with it
    fMagic           = 0x46784363, // 'FxCk', program of parameter values
    bankMagic        = 0x46784262, // 'FxBk', bank of parameter programs
    chunkPresetMagic = 0x46504368, // 'FPCh', program holding an opaque chunk
    chunkBankMagic   = 0x46424368  // 'FBCh', bank holding an opaque chunk
};

struct fxProgram
{
    VstInt32 chunkMagic;   // cMagic
    VstInt32 byteSize;     // size of this chunk, not counting chunkMagic and byteSize
    VstInt32 fxMagic;      // fMagic or chunkPresetMagic
    VstInt32 version;      // format version, 1
    VstInt32 fxID;         // the plug-in's unique four-character id
    VstInt32 fxVersion;    // the plug-in's version
    VstInt32 numParams;
    char prgName[28];

    union
    {
        float params[1];   // numParams values, for fMagic
        struct
        {
            VstInt32 size; // chunk size in bytes, for chunkPresetMagic
            char chunk[1];
        } data;
    } content;
};

struct fxBank
{
    VstInt32 chunkMagic;   // cMagic
    VstInt32 byteSize;     // size of this chunk, not counting chunkMagic and byteSize
    VstInt32 fxMagic;      // bankMagic or chunkBankMagic
    VstInt32 version;      // 1, or 2 when currentProgram is valid
    VstInt32 fxID;         // the plug-in's unique four-character id
    VstInt32 fxVersion;    // the plug-in's version
    VstInt32 numPrograms;
    VstInt32 currentProgram;
    char future[124];      // reserved, zero

    union
    {
        fxProgram programs[1]; // numPrograms programs, for bankMagic
        struct
        {
            VstInt32 size;     // chunk size in bytes, for chunkBankMagic
            char chunk[1];
        } data;
    } content;
};
