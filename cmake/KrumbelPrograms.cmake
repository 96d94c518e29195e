# Names every program of the build for the scripts that run one (./dev, docs/, the benchmarks):
# <build folder>/programs/<target> holds the path of the target's file as CMake itself knows it.
# A script reads it through cmake/built-program and never searches the build folder, which also
# holds the Wine sessions and in them copies of earlier builds.
#   krumbel_name_programs(<source folder>)   the executables of that folder and all below it
function(krumbel_name_programs dir)
    get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
    foreach(target ${targets})
        get_target_property(type ${target} TYPE)
        if(type STREQUAL "EXECUTABLE")
            file(GENERATE OUTPUT ${KRUMBEL_PROGRAM_NAMES}/${target}
                 CONTENT "$<TARGET_FILE:${target}>\n")
        endif()
    endforeach()
    get_property(folders DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
    foreach(folder ${folders})
        krumbel_name_programs(${folder})
    endforeach()
endfunction()

set(KRUMBEL_PROGRAM_NAMES ${CMAKE_BINARY_DIR}/programs)
# A program no longer built keeps no name.
file(REMOVE_RECURSE ${KRUMBEL_PROGRAM_NAMES})
