#!/usr/bin/env python3
"""Writes the hand-made nasty cases of the state fuzzer into tests/fuzz/corpus.

The first byte of each case picks the reader: 0 raw host state, 1 raw program state,
2 host state text, 3 program state text, 4 preset text, 5 settings text.
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "..", "tests", "fuzz", "corpus")

NAMES = ["onBypass", "reverseOn", "rate", "rateSync", "depth", "distance", "intensity",
         "crossoverShiftOn", "crossoverFreq", "mix", "level", "width", "stereoOn", "syncOn"]
ID = "example.tavori.LumikerWhirlane"


def values(texts):
    return "".join('<Value property="%s" type="number">%s</Value>' % (n, t) for n, t in zip(NAMES, texts))


def state(presets, active="0", misc='<MISCELLANEOUS id="VIEW" value="1"/><MISCELLANEOUS id="SCALE" value="1.5"/>'):
    return ('<?xml version="1.0" encoding="UTF-8"?><tavoriPatch version="1.0"><DeviceName>Lumiker Whirlane</DeviceName>'
            '<Properties deviceProductID="%s" deviceVersion="1.0.0" presetVersion="1.0" activePreset="%s">%s</Properties>%s'
            '</tavoriPatch>' % (ID, active, presets, misc))


def preset(index, active, channels):
    return '<Preset preset="%d" activeChannel="%s">%s</Preset>' % (index, active, channels)


def channel(index, path, body):
    return '<Channel channel="%d" presetPath="%s">%s</Channel>' % (index, path, body)


DEFAULTS = ["true", "false", "0.59454", "3", "0.79330", "0.68994", "1.00000", "false", "0.37727", "0.58013",
            "0.76244", "0.50000", "false", "false"]
WILD = ["yes", " true ", "1e39", "-inf", "nan", "-0.5", "99", "TRUE", "0x10", "", "1.5", "inf", "NaN", "-1e-45"]

full = "".join(preset(p, p % 2, channel(0, "Black Hole.lwhlp", values(DEFAULTS)) + channel(1, "B.lwhlp", values(DEFAULTS)))
               for p in range(12))

cases = {
    "state-valid": b"\x02" + state(full, "3").encode(),
    "state-truncated": b"\x02" + state(full, "3").encode()[:700],
    "state-wild-values": b"\x02" + state(preset(0, "1", channel(0, "x", values(WILD)) + channel(1, "y", values(WILD)))).encode(),
    "state-too-many-presets-and-channels": b"\x02" + state("".join(
        preset(p, "9", "".join(channel(c, "p%dc%d" % (p, c), values(WILD)) for c in range(4))) for p in range(40)), "30").encode(),
    "state-negative-indices": b"\x02" + state(preset(0, "-7", channel(0, "", values(DEFAULTS))), "-3").encode(),
    "state-no-attributes": b"\x02" + b"<tavoriPatch><Properties><Preset><Channel><Value>true</Value></Channel></Preset></Properties></tavoriPatch>",
    "state-odd-nesting": b"\x02" + b"<tavoriPatch><Properties><Properties><Preset><Preset><Channel/></Preset></Preset></Properties></Properties>"
                         b"<MISCELLANEOUS id=\"SCALE\" value=\"nan\"/><MISCELLANEOUS id=\"SCALE\" value=\"-4\"/></tavoriPatch>",
    "state-huge-scale": b"\x02" + state("", "0", '<MISCELLANEOUS id="SCALE" value="1e308"/><MISCELLANEOUS id="VIEW" value="maybe"/>').encode(),
    "state-deep-nesting": b"\x02" + b"<tavoriPatch>" + b"<a>" * 100000 + b"</a>" * 100000 + b"</tavoriPatch>",
    "state-deep-nesting-behind-cdata": b"\x02" + b"<tavoriPatch><![CDATA[" + b"</a>" * 200 + b"]]>" + b"<a>" * 200 + b"</tavoriPatch>",
    "state-entity-expansion": b"\x02" + b'<?xml version="1.0"?><!DOCTYPE t [<!ENTITY a "aaaaaaaaaa"><!ENTITY b "&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;">'
                              b'<!ENTITY c "&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;"><!ENTITY d "&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;">]>'
                              b"<tavoriPatch><Properties>&d;&d;&d;</Properties></tavoriPatch>",
    "state-wrong-root": b"\x02" + b"<somethingElse><Properties/></somethingElse>",
    "state-garbage": b"\x02" + bytes(range(256)),
    "state-envelope-lies-about-length": b"\x00" + struct.pack("<II", 0x21324356, 0x7fffffff) + b"<tavoriPatch/>",
    "state-envelope-negative-length": b"\x00" + struct.pack("<Ii", 0x21324356, -20) + b"<tavoriPatch/>",
    "state-envelope-short": b"\x00" + struct.pack("<I", 0x21324356),
    "program-valid": b"\x03" + ('<tavoriPatch><Properties a="%s" b="1.0.0" c="1.0" activeChannel="1">%s%s</Properties></tavoriPatch>'
                               % (ID, channel(0, "A", values(DEFAULTS)), channel(1, "B", values(WILD)))).encode(),
    "program-many-channels": b"\x03" + ("<tavoriPatch>" + "".join('<Properties a="" b="" c="" activeChannel="%d">%s</Properties>'
                                        % (n * 5 - 7, channel(n, "c%d" % n, values(WILD))) for n in range(8)) + "</tavoriPatch>").encode(),
    "preset-valid": b"\x04" + ('<tavoriPatch><Properties deviceProductID="%s" deviceVersion="1.0.0" presetVersion="1.0">%s</Properties></tavoriPatch>'
                              % (ID, values(DEFAULTS))).encode(),
    "preset-newer-wild": b"\x04" + ('<tavoriPatch><Properties deviceProductID="%s" x="" presetVersion="9e99">%s</Properties></tavoriPatch>'
                                   % (ID, values(WILD))).encode(),
    "preset-foreign": b"\x04" + ('<tavoriPatch><Properties deviceProductID="com.other">%s</Properties></tavoriPatch>' % values(WILD)).encode(),
    "preset-duplicate-values": b"\x04" + ('<tavoriPatch><Properties deviceProductID="%s">%s</Properties></tavoriPatch>'
                                         % (ID, "".join(values(WILD) for _ in range(300)))).encode(),
    "settings-valid": b"\x05" + b'<tavoriPluginProperty><PluginProperties defaultWidth="795" defaultHeight="975"/>'
                                b'<PresetProperties v100Copied="true"/></tavoriPluginProperty>',
    "settings-absurd": b"\x05" + b'<x><PluginProperties defaultWidth="-2147483648" defaultHeight="1e40"/><PresetProperties v100Copied="2"/></x>',
    "empty": b"",
    "selector-only": b"\x04",
}

os.makedirs(OUT, exist_ok=True)
for name, data in cases.items():
    with open(os.path.join(OUT, name), "wb") as f:
        f.write(data)
print("wrote %d cases to %s" % (len(cases), os.path.normpath(OUT)))
