# orvanta_link_for_short_runs(TARGET): links a program that a status bar repeats every few
# seconds, or shell completion at every Tab, for a cheap start:
# - the C++ runtime is linked in, so that the shared libstdc++ is not loaded and relocated at
#   start (about a fifth of such a run);
# - the relative relocations are packed (a bitmap instead of 4000 entries of 24 bytes read at
#   each start), and the sections nothing calls are left out (a quarter of the file).
# Not under the sanitizers or the fuzzer, whose runtimes bring their own allocator.
function(orvanta_link_for_short_runs target)
    if(NOT ORVANTA_SANITIZE AND NOT ORVANTA_FUZZ)
        target_link_options(${target} PRIVATE -static-libstdc++ -static-libgcc
                            -Wl,-z,pack-relative-relocs -Wl,--gc-sections -Wl,-O1)
    endif()
endfunction()
