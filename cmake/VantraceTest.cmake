# Tests run under Wine in a prefix of their own inside the build tree (never ~/.wine),
# created on first use with the null graphics driver; wineserver stays up for the run.
set(VT_TEST_PREFIX ${CMAKE_BINARY_DIR}/wineprefix)
set(VT_TEST_ENV "WINEPREFIX=${VT_TEST_PREFIX}" "WINEDEBUG=-all" "WINEDLLOVERRIDES=mscoree,mshtml=")

add_test(NAME wineprefix.setup COMMAND bash ${PROJECT_SOURCE_DIR}/scripts/wine-prefix.sh setup ${VT_TEST_PREFIX} null)
set_tests_properties(wineprefix.setup PROPERTIES FIXTURES_SETUP wineprefix)
add_test(NAME wineprefix.stop COMMAND bash ${PROJECT_SOURCE_DIR}/scripts/wine-prefix.sh stop ${VT_TEST_PREFIX})
set_tests_properties(wineprefix.stop PROPERTIES FIXTURES_CLEANUP wineprefix)

# vantrace_add_test(name SOURCES ... [LIBS ...] [RESOURCES] [LOCKS registry input ...])
#   RESOURCES links the program's resource script into the test.
#   LOCKS names what the test shares with others (the registry, the mouse and keyboard),
#   so that ctest never runs two such tests at once.
function(vantrace_add_test name)
    cmake_parse_arguments(T "RESOURCES" "" "SOURCES;LIBS;LOCKS" ${ARGN})
    set(sources ${T_SOURCES})
    if(T_RESOURCES)
        list(APPEND sources $<TARGET_OBJECTS:vt_resources>)
    endif()
    add_executable(${name} ${sources})
    target_link_libraries(${name} PRIVATE ${T_LIBS} vt_testui GTest::gtest)
    add_test(NAME ${name} COMMAND ${name} --gtest_color=no)
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "${VT_TEST_ENV}"
        FIXTURES_REQUIRED wineprefix
        TIMEOUT 300)
    if(T_LOCKS)
        set_tests_properties(${name} PROPERTIES RESOURCE_LOCK "${T_LOCKS}")
    endif()
endfunction()
