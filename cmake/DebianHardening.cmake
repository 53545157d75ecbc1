# Debian's hardening flags, as dpkg-buildflags gives them with every hardening feature on:
# fortified C library calls (-D_FORTIFY_SOURCE=2), the stack protector, format-string checks,
# and relocations made read-only and bound at start (-z relro -z now). Its -g -O2 are left out,
# so the build type keeps its own optimisation and the computed times stay bit for bit the same;
# so are the build path rewritings, which would keep ccache from sharing objects between trees.
find_program(ORVANTA_DPKG_BUILDFLAGS dpkg-buildflags REQUIRED)
foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env "DEB_BUILD_MAINT_OPTIONS=hardening=+all reproducible=-fixfilepath,-fixdebugpath"
                "DEB_CXXFLAGS_MAINT_STRIP=-g -O2" ${ORVANTA_DPKG_BUILDFLAGS} --get ${kind}
        OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(flags UNIX_COMMAND "${flags}")
    if(kind STREQUAL "LDFLAGS")
        add_link_options(${flags})
    else()
        add_compile_options(${flags})
    endif()
endforeach()
