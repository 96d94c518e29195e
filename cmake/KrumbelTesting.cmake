# Test registration: GoogleTest programs run natively, and in the cross builds under Wine in a
# private prefix below the build folder (see cmake/wine-session).
enable_testing()

# Which build's Windows tests run: the 32-bit build's, which ships, wherever this machine executes
# 32-bit code; the 64-bit build of the same sources stands in only where it can't. A build without
# test programs still checks the import tables of its programs.
set(KRUMBEL_TESTS AUTO CACHE STRING "Build the test programs: ON, OFF, or AUTO (see above)")
# The session script knows the loaders (KRUMBEL_WINE32_LOADER in the environment tries out another,
# KRUMBEL_WINE64_LOADER likewise).
set(KRUMBEL_WINE_SESSION ${CMAKE_SOURCE_DIR}/cmake/wine-session)
if(KRUMBEL_TESTS STREQUAL "AUTO")
    if(CMAKE_CROSSCOMPILING)
        execute_process(COMMAND sh ${KRUMBEL_WINE_SESSION} loader i686
                        RESULT_VARIABLE wine32_status OUTPUT_QUIET ERROR_QUIET)
        if(wine32_status EQUAL 0)
            set(KRUMBEL_RUNS_32BIT ON)
        else()
            set(KRUMBEL_RUNS_32BIT OFF)
        endif()
        if(CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
            set(KRUMBEL_TESTS ${KRUMBEL_RUNS_32BIT})
        else()
            if(KRUMBEL_RUNS_32BIT)
                set(KRUMBEL_TESTS OFF)
            else()
                set(KRUMBEL_TESTS ON)
            endif()
        endif()
        message(STATUS "Windows tests: ${KRUMBEL_TESTS} (32-bit code runs here: ${KRUMBEL_RUNS_32BIT})")
    else()
        set(KRUMBEL_TESTS ON)
    endif()
endif()
if(CMAKE_CROSSCOMPILING AND KRUMBEL_TESTS)
    set(KRUMBEL_WINE_TESTS ON)
else()
    set(KRUMBEL_WINE_TESTS OFF)
endif()

set(KRUMBEL_WINE_STATE ${CMAKE_BINARY_DIR}/wine)
# The state folders of the tests that run in a session of their own, one each.
set(KRUMBEL_WINE_SESSIONS ${CMAKE_BINARY_DIR}/wine-sessions)
set(KRUMBEL_SKIP_CODE 77)

if(KRUMBEL_WINE_TESTS)
    # GoogleTest from Debian's sources, built by the cross compiler.
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    target_compile_options(gtest PRIVATE -Wno-error)
    target_compile_options(gtest_main PRIVATE -Wno-error)
    # The win32 thread model of the runtime has no std::mutex, of which GoogleTest makes the one
    # class that its customisation point can replace.
    if(KRUMBEL_MINGW_THREADS STREQUAL "win32")
        target_include_directories(gtest BEFORE PUBLIC ${CMAKE_SOURCE_DIR}/tests/gtest-win32)
    endif()
    # The googletest project defines the GTest:: aliases itself.

    # One Wine session (virtual display, prefix, wineserver) for the whole ctest run; the
    # cleanup step runs also when tests fail. Every session's prefix is a clone of the build
    # folder's template, in which nothing may run: its checksums, taken once the shared session
    # has made it, must be the same after every test.
    add_test(NAME wine.session.start
             COMMAND sh ${KRUMBEL_WINE_SESSION} start ${KRUMBEL_WINE_STATE} ${CMAKE_SYSTEM_PROCESSOR})
    add_test(NAME wine.session.stop COMMAND sh ${KRUMBEL_WINE_SESSION} stop ${KRUMBEL_WINE_STATE})
    add_test(NAME wine.template.seal COMMAND sh ${KRUMBEL_WINE_SESSION} seal ${KRUMBEL_WINE_STATE})
    add_test(NAME wine.template.intact
             COMMAND sh ${KRUMBEL_WINE_SESSION} intact ${KRUMBEL_WINE_STATE})
    set_tests_properties(wine.session.start PROPERTIES FIXTURES_SETUP wine TIMEOUT 180
                         SKIP_RETURN_CODE ${KRUMBEL_SKIP_CODE})
    set_tests_properties(wine.template.seal PROPERTIES FIXTURES_SETUP wine
                         DEPENDS wine.session.start SKIP_RETURN_CODE ${KRUMBEL_SKIP_CODE})
    set_tests_properties(wine.session.stop PROPERTIES FIXTURES_CLEANUP wine TIMEOUT 60)
    set_tests_properties(wine.template.intact PROPERTIES FIXTURES_CLEANUP wine
                         SKIP_RETURN_CODE ${KRUMBEL_SKIP_CODE})
elseif(NOT CMAKE_CROSSCOMPILING)
    find_package(GTest REQUIRED)
    include(GoogleTest)
endif()

# The properties every Wine test shares: the session fixture, skipping where Wine can't run, the
# timeout (default_timeout unless given) and an optional resource lock.
function(krumbel_wine_test_properties name timeout default_timeout lock)
    if(NOT timeout)
        set(timeout ${default_timeout})
    endif()
    set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine TIMEOUT ${timeout}
                         SKIP_RETURN_CODE ${KRUMBEL_SKIP_CODE})
    if(lock)
        set_tests_properties(${name} PROPERTIES RESOURCE_LOCK "${lock}")
    endif()
endfunction()

# The session a Wine test runs in. The shared one by default; with OWN_SESSION (or SCALE) one of
# its own, a fresh clone of the template with its own wineserver and X display, which ends with
# the test: for tests that need the keyboard focus or the foreground window, which belong to the
# wineserver, or their own registry or display scale (SCALE <dpi>: LogPixels, which Wine applies
# only to programs started after its server read it). Sets <state_var> to the session's state
# folder and <launcher_var> to what the test's command goes after.
function(krumbel_wine_session name own scale state_var launcher_var)
    if(own OR scale)
        set(state ${KRUMBEL_WINE_SESSIONS}/${name})
        set(launcher sh ${KRUMBEL_WINE_SESSION} alone ${state} ${CMAKE_SYSTEM_PROCESSOR})
        if(scale)
            list(APPEND launcher --scale ${scale})
        endif()
    else()
        set(state ${KRUMBEL_WINE_STATE})
        set(launcher)
    endif()
    set(${state_var} ${state} PARENT_SCOPE)
    set(${launcher_var} ${launcher} PARENT_SCOPE)
endfunction()

# Registers an existing cross-built program as a test run under Wine. The PROGRAMS it drives are
# copied beside it; with DESKTOP (as 1280x1024) they all run in one virtual desktop of that size.
# OWN_SESSION and SCALE: see krumbel_wine_session.
#   krumbel_wine_test(NAME <test> TARGET <target> [PROGRAMS targets] [DESKTOP WxH] [ARGS ...]
#                     [OWN_SESSION] [SCALE dpi] [RESOURCE_LOCK ...] [TIMEOUT s])
function(krumbel_wine_test)
    cmake_parse_arguments(T "OWN_SESSION" "NAME;TARGET;TIMEOUT;DESKTOP;SCALE"
                          "ARGS;RESOURCE_LOCK;PROGRAMS" ${ARGN})
    if(NOT KRUMBEL_WINE_TESTS)
        return()
    endif()
    set(options)
    foreach(program ${T_PROGRAMS})
        list(APPEND options --beside $<TARGET_FILE:${program}>)
    endforeach()
    if(T_DESKTOP)
        list(APPEND options --desktop ${T_DESKTOP})
    endif()
    krumbel_wine_session(${T_NAME} "${T_OWN_SESSION}" "${T_SCALE}" state launcher)
    add_test(NAME ${T_NAME} COMMAND ${launcher} sh ${KRUMBEL_WINE_SESSION} run ${state} ${options}
                                    $<TARGET_FILE:${T_TARGET}> ${T_ARGS})
    krumbel_wine_test_properties(${T_NAME} "${T_TIMEOUT}" 120 "${T_RESOURCE_LOCK}")
endfunction()

# Registers a shell script that drives Windows programs through cmake/wine-session (sourcing
# cmake/use-wine-session.sh). The script gets KRUMBEL_WINE_SESSION and KRUMBEL_WINE_STATE in its
# environment, and the given ARGS; with OWN_SESSION its session is one of its own, started before
# the script runs and stopped after it (see krumbel_wine_session).
#   krumbel_wine_script(NAME <test> SCRIPT <file> [ARGS ...] [OWN_SESSION] [RESOURCE_LOCK ...]
#                       [TIMEOUT s])
function(krumbel_wine_script)
    cmake_parse_arguments(T "OWN_SESSION" "NAME;SCRIPT;TIMEOUT" "ARGS;RESOURCE_LOCK" ${ARGN})
    if(NOT KRUMBEL_WINE_TESTS)
        return()
    endif()
    krumbel_wine_session(${T_NAME} "${T_OWN_SESSION}" "" state launcher)
    add_test(NAME ${T_NAME} COMMAND ${launcher} sh ${T_SCRIPT} ${T_ARGS})
    krumbel_wine_test_properties(${T_NAME} "${T_TIMEOUT}" 180 "${T_RESOURCE_LOCK}")
    set_tests_properties(${T_NAME} PROPERTIES ENVIRONMENT
        "KRUMBEL_WINE_SESSION=${KRUMBEL_WINE_SESSION};KRUMBEL_WINE_STATE=${state}")
endfunction()

# Registers tests of a test program to run again in each system locale whose code page is not
# 1252, <name>.<locale>, each in a session of its own (cmake/run-in-locale.sh): Russian (1251) and
# Japanese (932, double-byte). ./dev generates these locales (test_locales).
#   krumbel_wine_locale_test(NAME <name> TARGET <target> FILTER <gtest filter>)
function(krumbel_wine_locale_test)
    cmake_parse_arguments(T "" "NAME;TARGET;FILTER" "" ${ARGN})
    foreach(locale_code_page ru_RU:1251 ja_JP:932)
        string(REPLACE ":" ";" pair ${locale_code_page})
        list(GET pair 0 locale)
        list(GET pair 1 code_page)
        krumbel_wine_script(NAME ${T_NAME}.${locale} SCRIPT ${CMAKE_SOURCE_DIR}/cmake/run-in-locale.sh
            ARGS ${locale}.UTF-8 ${code_page} $<TARGET_FILE:${T_TARGET}> ${T_FILTER} OWN_SESSION)
    endforeach()
endfunction()

# Checks a Windows program's import table (cmake/check-imports): the machine, only Windows' own
# DLLs, and no msvcrt printf in code of our own (whose "%g" writes three-digit exponents on
# Windows), read from the link map's cross references. A 32-bit program that ships
# (krumbel_release_program) may moreover import only what Windows XP SP3 exports.
function(krumbel_check_imports target)
    if(CMAKE_CROSSCOMPILING)
        krumbel_link_map(${target} map)
        set(options --map ${map})
        if(CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
            set(ships "$<BOOL:$<TARGET_PROPERTY:${target},KRUMBEL_SHIPS>>")
            list(APPEND options "$<${ships}:--exports$<SEMICOLON>${KRUMBEL_XP_EXPORTS}>")
        endif()
        add_test(NAME imports.${target}
                 COMMAND ${CMAKE_SOURCE_DIR}/cmake/check-imports ${CMAKE_OBJDUMP}
                         $<TARGET_FILE:${target}> ${CMAKE_SYSTEM_PROCESSOR} ${options}
                 COMMAND_EXPAND_LISTS)
    endif()
endfunction()
set(KRUMBEL_XP_EXPORTS ${CMAKE_CURRENT_LIST_DIR}/windows-xp-exports.txt)

# Has the linker write the target's map with cross references (who refers to which symbol) into
# the target's binary folder; <map_var> receives its path.
function(krumbel_link_map target map_var)
    set(map ${CMAKE_CURRENT_BINARY_DIR}/${target}.map)
    target_link_options(${target} PRIVATE "LINKER:-Map=${map},--cref")
    set(${map_var} ${map} PARENT_SCOPE)
endfunction()

# The test program <name>_test with its include folders and the targets it needs built first.
function(krumbel_test_program name)
    cmake_parse_arguments(T "" "" "SOURCES;LIBS;INCLUDES;DEPENDS" ${ARGN})
    add_executable(${name}_test ${T_SOURCES})
    target_link_libraries(${name}_test PRIVATE ${T_LIBS} GTest::gtest_main)
    target_include_directories(${name}_test PRIVATE ${T_INCLUDES})
    if(T_DEPENDS)
        add_dependencies(${name}_test ${T_DEPENDS})
    endif()
endfunction()

# A GoogleTest program of portable code: runs natively, and in the cross builds under Wine.
#   krumbel_add_test(NAME <n> SOURCES ... LIBS ... [INCLUDES ...] [RESOURCE_LOCK ...])
function(krumbel_add_test)
    cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS;INCLUDES;RESOURCE_LOCK" ${ARGN})
    if(NOT KRUMBEL_TESTS)
        return()
    endif()
    krumbel_test_program(${T_NAME} SOURCES ${T_SOURCES} LIBS ${T_LIBS} INCLUDES ${T_INCLUDES})
    if(CMAKE_CROSSCOMPILING)
        krumbel_wine_test(NAME wine.${T_NAME} TARGET ${T_NAME}_test RESOURCE_LOCK ${T_RESOURCE_LOCK})
        krumbel_check_imports(${T_NAME}_test)
    else()
        gtest_discover_tests(${T_NAME}_test TEST_PREFIX "${T_NAME}." DISCOVERY_MODE PRE_TEST)
    endif()
endfunction()

# A GoogleTest program that needs Windows: built only by the cross builds, run under Wine, beside
# the PROGRAMS it drives (see krumbel_wine_test).
#   krumbel_add_wine_test(NAME <n> SOURCES ... LIBS ... [INCLUDES ...] [PROGRAMS targets]
#                         [DESKTOP WxH] [ARGS ...] [OWN_SESSION] [RESOURCE_LOCK ...] [TIMEOUT s])
function(krumbel_add_wine_test)
    cmake_parse_arguments(T "OWN_SESSION" "NAME;TIMEOUT;DESKTOP"
                          "SOURCES;LIBS;INCLUDES;PROGRAMS;ARGS;RESOURCE_LOCK" ${ARGN})
    if(NOT KRUMBEL_WINE_TESTS)
        return()
    endif()
    krumbel_test_program(${T_NAME} SOURCES ${T_SOURCES} LIBS ${T_LIBS} INCLUDES ${T_INCLUDES}
                         DEPENDS ${T_PROGRAMS})
    set(own)
    if(T_OWN_SESSION)
        set(own OWN_SESSION)
    endif()
    krumbel_wine_test(NAME wine.${T_NAME} TARGET ${T_NAME}_test PROGRAMS ${T_PROGRAMS}
                      DESKTOP ${T_DESKTOP} ARGS ${T_ARGS} RESOURCE_LOCK ${T_RESOURCE_LOCK}
                      TIMEOUT ${T_TIMEOUT} ${own})
endfunction()
