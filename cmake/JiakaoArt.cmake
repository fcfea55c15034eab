# jiakao_add_art(TARGET PREFIX): compiles the pictures of the folder's art/ into the library
# under :/PREFIX/, in a form that survives static linking.
function(jiakao_add_art target prefix)
    file(GLOB pictures CONFIGURE_DEPENDS RELATIVE ${CMAKE_CURRENT_SOURCE_DIR}
         ${CMAKE_CURRENT_SOURCE_DIR}/art/*.png ${CMAKE_CURRENT_SOURCE_DIR}/art/*.gif)
    qt_add_resources(${target} ${target}_art PREFIX /${prefix} BASE art FILES ${pictures})
endfunction()
