# cmake -DINPUT=<file> -DOUTPUT=<file.cpp> -DSYMBOL=<name> -P EmbedTextFile.cmake
file(READ ${INPUT} text)
if(text MATCHES "\\)hopmark\"")
    message(FATAL_ERROR "${INPUT} holds the raw string's end marker")
endif()
file(WRITE ${OUTPUT} "// Made from ${INPUT} by the build.\nextern const char ${SYMBOL}[];\nconst char ${SYMBOL}[] = R\"hopmark(${text})hopmark\";\n")
