# tbr_embed(<out-var> <input-file> <symbol>): generates at build time a C++ source that holds the
# bytes of <input-file> as `const unsigned char <symbol>[]` and `<symbol>_size` in namespace
# tbr::embedded, and appends its path to <out-var>.
function(tbr_embed out_var input symbol)
    get_filename_component(input_abs "${input}" ABSOLUTE)
    set(output "${CMAKE_CURRENT_BINARY_DIR}/embedded/${symbol}.cpp")
    add_custom_command(
        OUTPUT "${output}"
        COMMAND ${CMAKE_COMMAND} -DINPUT=${input_abs} -DOUTPUT=${output} -DSYMBOL=${symbol}
                -P "${PROJECT_SOURCE_DIR}/cmake/EmbedFile.cmake"
        DEPENDS "${input_abs}" "${PROJECT_SOURCE_DIR}/cmake/EmbedFile.cmake"
        COMMENT "Embedding ${input}"
        VERBATIM)
    set(${out_var} ${${out_var}} "${output}" PARENT_SCOPE)
endfunction()
