# Form descriptions and other text files compiled into the program: each
# becomes a C++ source with the file as one raw string constant, so that the
# compiler turns its text into the program's code page like any literal.
include_guard(GLOBAL)

# hopmark_embed_text(<target> <symbol> <file>)
# Adds a source to <target> defining `extern const char <symbol>[]`.
function(hopmark_embed_text target symbol file)
    cmake_path(ABSOLUTE_PATH file)
    set(out ${CMAKE_CURRENT_BINARY_DIR}/embedded/${symbol}.cpp)
    add_custom_command(OUTPUT ${out}
        COMMAND ${CMAKE_COMMAND} -DINPUT=${file} -DOUTPUT=${out} -DSYMBOL=${symbol}
                -P ${PROJECT_SOURCE_DIR}/cmake/EmbedTextFile.cmake
        DEPENDS ${file} ${PROJECT_SOURCE_DIR}/cmake/EmbedTextFile.cmake
        COMMENT "Embedding ${file}"
        VERBATIM)
    target_sources(${target} PRIVATE ${out})
endfunction()
