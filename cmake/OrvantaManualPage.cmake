# orvanta_install_manual_page(SOURCE SECTION): installs the manual page gzipped. The page names
# the files of the default installation (/usr/local/share/orvanta/...); at install time those
# paths are rewritten for the prefix actually installed to (cmake --install --prefix, CPack).
function(orvanta_install_manual_page source section)
    get_filename_component(name ${source} NAME)
    set(page ${CMAKE_CURRENT_BINARY_DIR}/installed-pages/${name})
    install(CODE "
        set(ORVANTA_PAGE_SOURCE \"${source}\")
        set(ORVANTA_PAGE_OUT \"${page}\")
        set(ORVANTA_PAGE_DATADIR \"${CMAKE_INSTALL_DATADIR}\")
        include(\"${PROJECT_SOURCE_DIR}/cmake/write_manual_page.cmake\")")
    install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man${section})
endfunction()
