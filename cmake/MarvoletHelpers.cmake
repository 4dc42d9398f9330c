# Small helpers shared by the subdirectories.

# mv_engine_test(<subsystem>): every *.cpp under tests/engine/<subsystem>/ becomes one
# GoogleTest executable named test_engine_<subsystem>.
function(mv_engine_test subsystem)
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS
        "${PROJECT_SOURCE_DIR}/tests/engine/${subsystem}/*.cpp")
    if(NOT sources)
        return()
    endif()
    set(target test_engine_${subsystem})
    add_executable(${target} ${sources})
    target_link_libraries(${target} PRIVATE marvolet_engine marvolet_testsupport
        GTest::gtest GTest::gtest_main GTest::gmock marvolet_settings)
    gtest_discover_tests(${target}
        DISCOVERY_MODE PRE_TEST
        PROPERTIES ENVIRONMENT "MV_TEST_DATA=${PROJECT_SOURCE_DIR}/tests/data"
        TEST_PREFIX "engine.${subsystem}.")
endfunction()

# mv_gui_test(<name>): tests/gui/<name>.cpp becomes a QtTest executable run offscreen.
function(mv_gui_test name)
    set(target test_gui_${name})
    add_executable(${target} ${CMAKE_CURRENT_SOURCE_DIR}/${name}.cpp ${ARGN})
    target_link_libraries(${target} PRIVATE marvolet_gui marvolet_engine Qt6::Test
        marvolet_testsupport marvolet_settings)
    set_target_properties(${target} PROPERTIES AUTOMOC ON)
    add_test(NAME gui.${name} COMMAND ${target})
    set_tests_properties(gui.${name} PROPERTIES ENVIRONMENT
        "QT_QPA_PLATFORM=offscreen;LC_NUMERIC=C;MV_TEST_DATA=${PROJECT_SOURCE_DIR}/tests/data;MV_SAMPLE_DATA=${PROJECT_SOURCE_DIR}/data/sample;LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/gui/lsan.supp:print_suppressions=0;ASAN_OPTIONS=detect_leaks=1"
        TIMEOUT 300)
endfunction()

# mv_check_layer_includes(<layer> "<allowed layers>" <sources...>): stops the configuration
# when an engine source includes a header of an engine layer it does not build on.
function(mv_check_layer_includes layer allowed)
    set(offenders "")
    foreach(f IN LISTS ARGN)
        file(STRINGS "${f}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"engine/")
        foreach(line IN LISTS lines)
            string(REGEX REPLACE "^[^\"]*\"engine/([a-z_]+)/.*$" "\\1" used "${line}")
            if(NOT used STREQUAL layer AND NOT used IN_LIST allowed)
                list(APPEND offenders "${f}: ${line}")
            endif()
        endforeach()
        file(STRINGS "${f}" gui_lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"(gui|cli|app)/")
        if(gui_lines)
            list(APPEND offenders "${f}: ${gui_lines}")
        endif()
    endforeach()
    if(offenders)
        string(REPLACE ";" "\n" offenders "${offenders}")
        message(FATAL_ERROR "engine layer '${layer}' may include only ${layer} ${allowed}:\n${offenders}")
    endif()
endfunction()
