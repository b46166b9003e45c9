# Our own sources get the strict warning set; JUCE's module sources compiled into the
# same targets keep JUCE's own flags.
function(whirlane_strict_warnings)
    foreach(source IN LISTS ARGN)
        set_property(SOURCE ${source} APPEND PROPERTY COMPILE_OPTIONS ${WHIRLANE_WARNINGS})
    endforeach()
endfunction()

set(WHIRLANE_DSP_SOURCES
    ${CMAKE_SOURCE_DIR}/dsp/BiquadFilter.cpp
    ${CMAKE_SOURCE_DIR}/dsp/OnePole.cpp
    ${CMAKE_SOURCE_DIR}/dsp/ModulatingDelayLine.cpp
    ${CMAKE_SOURCE_DIR}/dsp/SmoothVolume.cpp
    ${CMAKE_SOURCE_DIR}/dsp/WavetableRotaryOsc.cpp
    ${CMAKE_SOURCE_DIR}/dsp/WavetableCosRotaryOsc.cpp
    ${CMAKE_SOURCE_DIR}/dsp/WavetableSineRotaryOsc.cpp
    ${CMAKE_SOURCE_DIR}/dsp/ModuleModel.cpp
    ${CMAKE_SOURCE_DIR}/dsp/Whirlane.cpp)

set(WHIRLANE_PROCESSOR_SOURCES
    ${CMAKE_SOURCE_DIR}/plugin/PluginProcessor.cpp
    ${CMAKE_SOURCE_DIR}/plugin/ParameterText.cpp
    ${CMAKE_SOURCE_DIR}/plugin/PendingParameterChanges.cpp
    ${CMAKE_SOURCE_DIR}/plugin/PresetDocument.cpp
    ${CMAKE_SOURCE_DIR}/plugin/SafeXml.cpp
    ${CMAKE_SOURCE_DIR}/plugin/PluginSettings.cpp)

# The maker library, as JUCE-style modules.
juce_add_module(${CMAKE_SOURCE_DIR}/modules/Tavori_core)
juce_add_module(${CMAKE_SOURCE_DIR}/modules/Tavori_gui)
juce_add_module(${CMAKE_SOURCE_DIR}/modules/Tavori_animation)
juce_add_module(${CMAKE_SOURCE_DIR}/modules/Tavori_lumiker)

# Fonts, images and icon artwork are compiled in: the plug-in reads no resource files.
juce_add_binary_data(tavori_fonts NAMESPACE TavoriFontData HEADER_NAME TavoriFontData.h SOURCES
    ${CMAKE_SOURCE_DIR}/resources/fonts/OpenSans-Medium.ttf
    ${CMAKE_SOURCE_DIR}/resources/fonts/OpenSans-Regular.ttf
    ${CMAKE_SOURCE_DIR}/resources/fonts/OpenSans-SemiBold.ttf
    ${CMAKE_SOURCE_DIR}/resources/fonts/OpenSans-Bold.ttf)
juce_add_binary_data(whirlane_images NAMESPACE LumikerWhirlaneImages HEADER_NAME LumikerWhirlaneImages.h SOURCES
    ${CMAKE_SOURCE_DIR}/resources/images/background.png
    ${CMAKE_SOURCE_DIR}/resources/images/bypass.png
    ${CMAKE_SOURCE_DIR}/resources/images/slider.png)
juce_add_binary_data(tavori_logo NAMESPACE TavoriLogoData HEADER_NAME TavoriLogoData.h SOURCES
    ${CMAKE_SOURCE_DIR}/resources/images/logo.png)
set(WHIRLANE_RESOURCE_DATA tavori_fonts whirlane_images tavori_logo)
# They end up inside the plug-in's shared library.
set_target_properties(${WHIRLANE_RESOURCE_DATA} PROPERTIES POSITION_INDEPENDENT_CODE ON)

set(WHIRLANE_TOOLKIT_SOURCES
    ${CMAKE_SOURCE_DIR}/modules/Tavori_gui/Tavori_gui.cpp
    ${CMAKE_SOURCE_DIR}/modules/Tavori_animation/Tavori_animation.cpp
    ${CMAKE_SOURCE_DIR}/modules/Tavori_lumiker/Tavori_lumiker.cpp)

set(WHIRLANE_EDITOR_SOURCES
    ${CMAKE_SOURCE_DIR}/widgets/TavoriVerticalSlider.cpp
    ${CMAKE_SOURCE_DIR}/widgets/TavoriModDelaySyncVerticalSlider.cpp
    ${CMAKE_SOURCE_DIR}/widgets/Tavori4StateButton.cpp
    ${CMAKE_SOURCE_DIR}/widgets/Tavori4StateButton3PDTShadow.cpp
    ${CMAKE_SOURCE_DIR}/plugin/EffectContainer.cpp
    ${CMAKE_SOURCE_DIR}/plugin/PluginEditor.cpp)

set(WHIRLANE_DEFINITIONS
    JUCE_WEB_BROWSER=0
    JUCE_USE_CURL=0
    JUCE_VST3_CAN_REPLACE_VST2=1
    JUCE_DISPLAY_SPLASH_SCREEN=0
    JUCE_REPORT_APP_USAGE=0
    JUCE_STRICT_REFCOUNTEDPOINTER=1
    WHIRLANE_BUNDLE_ID="${WHIRLANE_BUNDLE_ID}")

# JUCE compiled once for everything that is not the plug-in itself: the tests, the
# benchmark and the render tool. VST3 hosting is on so they can load the built bundle.
add_library(whirlane_juce STATIC)
target_link_libraries(whirlane_juce
    PRIVATE juce::juce_audio_utils juce::juce_audio_formats juce::juce_audio_processors Tavori_core
    PUBLIC juce::juce_recommended_config_flags PkgConfig::WHIRLANE_SYSLIBS)
target_compile_definitions(whirlane_juce PUBLIC
    ${WHIRLANE_DEFINITIONS}
    JUCE_PLUGINHOST_VST3=1
    JUCE_USE_FLAC=1
    JUCE_USE_OGGVORBIS=0
    JUCE_STANDALONE_APPLICATION=1
    JUCE_MODAL_LOOPS_PERMITTED=1
    JUCE_GLOBAL_MODULE_SETTINGS_INCLUDED=1)
target_compile_definitions(whirlane_juce INTERFACE $<TARGET_PROPERTY:whirlane_juce,COMPILE_DEFINITIONS>)
target_include_directories(whirlane_juce INTERFACE $<TARGET_PROPERTY:whirlane_juce,INCLUDE_DIRECTORIES>)

# The toolkit modules, compiled once against whirlane_juce (not linked as JUCE modules
# there, which would rebuild JUCE whenever a toolkit module is added).
add_library(whirlane_toolkit STATIC ${WHIRLANE_TOOLKIT_SOURCES})
whirlane_strict_warnings(${WHIRLANE_TOOLKIT_SOURCES})
target_include_directories(whirlane_toolkit PUBLIC ${CMAKE_SOURCE_DIR}/modules)
target_link_libraries(whirlane_toolkit PUBLIC whirlane_juce ${WHIRLANE_RESOURCE_DATA})

# The engine, the processor and its editor, for tests, tools and the benchmark.
set(WHIRLANE_ENGINE_SOURCES ${WHIRLANE_DSP_SOURCES} ${WHIRLANE_PROCESSOR_SOURCES} ${WHIRLANE_EDITOR_SOURCES})
add_library(whirlane_engine STATIC ${WHIRLANE_ENGINE_SOURCES})
whirlane_strict_warnings(${WHIRLANE_ENGINE_SOURCES})
target_include_directories(whirlane_engine PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(whirlane_engine PUBLIC whirlane_toolkit)
