# What turns a built program into a shipped one: version information and an application manifest
# made from the project's version, and the install rule that puts the program into the release
# package (package/CMakeLists.txt).
#   krumbel_release_program(<target> <file description>)
#
# The manifest (cmake/Program.manifest.in, embedded as resource 1 of type RT_MANIFEST) declares:
# - asInvoker: the programs run with the rights of the user who starts them; their settings live
#   in HKEY_CURRENT_USER. Vista and later then apply no file or registry virtualization.
# - supportedOS Vista, 7, 8, 8.1 and 10/11 (the last GUID covers both): Windows reports its true
#   version to GetVersionEx instead of 6.2 and applies no shims meant for older programs.
# - trustInfo in the asm.v2 namespace, and only that one on the element: Windows XP SP2 restarts
#   on manifests that give the element two, and Vista and later read asm.v2 as well.
# - DPI awareness, per monitor (version 2) where Windows knows it (10, version 1703 on), else for
#   the system (dpiAware true: Vista to 8.1, and Windows 10 before version 2 reads the list's
#   second word). The dialogs scale with their fonts, what the programs draw themselves follows
#   the window's DPI (foundation/win32/Dpi.h), and Windows neither stretches the windows into
#   blurred bitmaps nor, with version 2, leaves a dialog at the old scale on another monitor.
# And deliberately not:
# - a dependency on Common Controls 6, which would turn on visual styles and change the dialogs'
#   looks (themed buttons, sliders, group boxes); the classic controls stay;
# - activeCodePage: the programs' own texts reach the screen through the W functions, converted
#   from Windows-1252 in one place (foundation/win32/WideText.h); the registry values stay in the
#   system's code page, in which the game reads them.
function(krumbel_release_program target description)
    if(NOT WIN32)
        return()
    endif()
    set(KRUMBEL_PROGRAM ${target})
    set(KRUMBEL_DESCRIPTION "${description}")
    # Windows keeps four numbers; those the project's version leaves out are 0.
    set(numbers)
    foreach(part MAJOR MINOR PATCH TWEAK)
        if("${Krumbel_VERSION_${part}}" STREQUAL "")
            list(APPEND numbers 0)
        else()
            list(APPEND numbers ${Krumbel_VERSION_${part}})
        endif()
    endforeach()
    string(JOIN "," KRUMBEL_VERSION_COMMAS ${numbers})
    string(JOIN "." KRUMBEL_VERSION_DOTS ${numbers})
    set(KRUMBEL_VERSION ${Krumbel_VERSION})
    if(CMAKE_SYSTEM_PROCESSOR MATCHES "64")
        set(KRUMBEL_MANIFEST_ARCH amd64)
    else()
        set(KRUMBEL_MANIFEST_ARCH x86)
    endif()

    set(dir ${CMAKE_CURRENT_BINARY_DIR}/${target}-release)
    set(KRUMBEL_MANIFEST ${dir}/${target}.manifest)
    configure_file(${KRUMBEL_RELEASE_TEMPLATES}/Program.manifest.in ${KRUMBEL_MANIFEST} @ONLY)
    configure_file(${KRUMBEL_RELEASE_TEMPLATES}/VersionInfo.rc.in ${dir}/${target}Version.rc @ONLY)
    target_sources(${target} PRIVATE ${dir}/${target}Version.rc)
    set_source_files_properties(${dir}/${target}Version.rc PROPERTIES
                                OBJECT_DEPENDS ${KRUMBEL_MANIFEST})

    install(TARGETS ${target} RUNTIME DESTINATION .)
    # Its import check holds it to the functions of the oldest Windows it starts on.
    set_target_properties(${target} PROPERTIES KRUMBEL_SHIPS ON)
endfunction()

set(KRUMBEL_RELEASE_TEMPLATES ${CMAKE_CURRENT_LIST_DIR})
