# The fuzz configuration: the portable foundation built by clang with address and
# undefined-behaviour sanitizers and libFuzzer's coverage hooks, plus one fuzzer per reader and
# per string or number operation family (foundation/fuzz/CMakeLists.txt). The unit tests run in
# the other configurations, so this one registers only the fuzzers' short runs.
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "KRUMBEL_FUZZ needs clang (libFuzzer); use the preset 'fuzz'")
endif()

add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all
                    -fno-omit-frame-pointer)
add_link_options(-fsanitize=address,undefined)

# Test registrations of the foundation's folder list stay empty here.
function(krumbel_add_test)
endfunction()
function(krumbel_add_wine_test)
endfunction()
function(krumbel_wine_script)
endfunction()
