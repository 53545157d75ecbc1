# Run at install time (see OrvantaManualPage.cmake) with ORVANTA_PAGE_SOURCE, ORVANTA_PAGE_OUT and
# ORVANTA_PAGE_DATADIR set: writes ORVANTA_PAGE_OUT.gz, the page with its installed paths.
if(IS_ABSOLUTE "${ORVANTA_PAGE_DATADIR}")
    set(datadir "${ORVANTA_PAGE_DATADIR}")
else()
    set(datadir "${CMAKE_INSTALL_PREFIX}/${ORVANTA_PAGE_DATADIR}")
endif()
file(READ "${ORVANTA_PAGE_SOURCE}" text)
string(REPLACE "/usr/local/share/orvanta/" "${datadir}/orvanta/" text "${text}")
file(WRITE "${ORVANTA_PAGE_OUT}" "${text}")
# -n: no name or time stamp inside, so that the same page always gives the same bytes.
execute_process(COMMAND gzip -n -9 -f "${ORVANTA_PAGE_OUT}" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "gzip failed on ${ORVANTA_PAGE_OUT}")
endif()
