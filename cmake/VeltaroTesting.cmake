# Only a build with tests needs GoogleTest, Qt Test and (in tests/astro) ERFA.
find_package(GTest REQUIRED)
find_package(Qt6 6.4 REQUIRED COMPONENTS Test)
include(GoogleTest)

# Tests of code that starts threads of its own carry the label `threads`; the
# target threaded_tests builds just them, for the ThreadSanitizer build
# (preset tsan), which runs them alone (ctest -L threads).
add_custom_target(threaded_tests)

# veltaro_add_gtest(NAME SOURCES ... LIBS ... [LABEL label]): a GoogleTest binary
# of pure code, every TEST registered with ctest on its own, labelled unit or
# LABEL. One label only: the discovery would split a list of them apart.
function(veltaro_add_gtest name)
    cmake_parse_arguments(ARG "" "LABEL" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
    if(NOT ARG_LABEL)
        set(ARG_LABEL unit)
    endif()
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST PROPERTIES LABELS ${ARG_LABEL})
    if(ARG_LABEL STREQUAL "threads")
        add_dependencies(threaded_tests ${name})
    endif()
endfunction()

# veltaro_add_qttest(NAME SOURCES ... LIBS ... [LABELS ...] [SCREENS file]): a Qt
# Test binary, run offscreen, labelled widget. The offscreen screens are those of
# tests/support/screens/SCREENS, by default one of 1920 x 1200 (default.json),
# room for the window at every zoom step.
function(veltaro_add_qttest name)
    cmake_parse_arguments(ARG "" "SCREENS" "SOURCES;LIBS;LABELS" ${ARGN})
    if(NOT ARG_SCREENS)
        set(ARG_SCREENS default.json)
    endif()
    set(screens ${PROJECT_SOURCE_DIR}/tests/support/screens/${ARG_SCREENS})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} Qt6::Test)
    add_test(NAME ${name} COMMAND ${name})
    set(labels widget ${ARG_LABELS})
    set_tests_properties(${name} PROPERTIES LABELS "${labels}"
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen:configfile=${screens};QT_LOGGING_RULES=qt.multimedia*=false")
    if("threads" IN_LIST labels)
        add_dependencies(threaded_tests ${name})
    endif()
endfunction()
