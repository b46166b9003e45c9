# The render tool's command-line tests run the built whirlane-render as a child process.
whirlane_test(whirlane_render_tool_tests RenderToolTests.cpp)
target_compile_definitions(whirlane_render_tool_tests PRIVATE WHIRLANE_RENDER_TOOL="$<TARGET_FILE:whirlane-render>"
    WHIRLANE_FACTORY_PRESETS="${CMAKE_SOURCE_DIR}/resources/presets")
add_dependencies(whirlane_render_tool_tests whirlane-render)
