# The Windows resources of Hopmark's executables: the icon (drawn as text in
# app/resources/hopmark-icon.txt, turned into hopmark.ico at build time), the
# application manifest and the version, plus the manual shipped beside the
# program. Include this from the top-level CMakeLists.txt: the RC language must
# be enabled there. Outside a Windows build the functions do nothing.
include_guard(GLOBAL)

cmake_path(SET HOPMARK_RESOURCES_DIR NORMALIZE "${CMAKE_CURRENT_LIST_DIR}/../app/resources")
cmake_path(SET HOPMARK_MAKE_ICON NORMALIZE "${CMAKE_CURRENT_LIST_DIR}/../scripts/lib/make-icon.py")

if(WIN32)
    enable_language(RC)
    find_package(Python3 REQUIRED COMPONENTS Interpreter)
endif()

# hopmark_add_resources(<target> [RC <file.rc>])
# Compiles <file.rc> (default: app/resources/hopmark.rc) into <target>, with
# the generated hopmark.ico and the files of app/resources on its include path.
function(hopmark_add_resources target)
    if(NOT WIN32)
        return()
    endif()
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "RC" "")
    if(NOT arg_RC)
        set(arg_RC ${HOPMARK_RESOURCES_DIR}/hopmark.rc)
    endif()
    cmake_path(ABSOLUTE_PATH arg_RC)

    set(out ${CMAKE_CURRENT_BINARY_DIR}/${target}_resources)
    set(ico ${out}/hopmark.ico)
    add_custom_command(OUTPUT ${ico}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${out}
        COMMAND Python3::Interpreter ${HOPMARK_MAKE_ICON}
                ${HOPMARK_RESOURCES_DIR}/hopmark-icon.txt ${ico}
        DEPENDS ${HOPMARK_MAKE_ICON} ${HOPMARK_RESOURCES_DIR}/hopmark-icon.txt
        COMMENT "Drawing hopmark.ico for ${target}"
        VERBATIM)

    # A library of its own, so that the compile options of the C++ targets
    # (windres knows no -Wall) never reach the resource compiler.
    add_library(${target}_resources OBJECT ${arg_RC} ${ico})
    target_include_directories(${target}_resources PRIVATE ${out} ${HOPMARK_RESOURCES_DIR})
    # windres reads the files an .rc names itself; make does not see them.
    file(GLOB rc_inputs CONFIGURE_DEPENDS
        ${HOPMARK_RESOURCES_DIR}/*.rc ${HOPMARK_RESOURCES_DIR}/*.manifest)
    set_property(SOURCE ${arg_RC} APPEND PROPERTY OBJECT_DEPENDS ${ico} ${rc_inputs})
    target_link_libraries(${target} PRIVATE ${target}_resources)
endfunction()

# hopmark_add_manual(<target>)
# Copies the manual beside <target>'s executable, named after it (hopmark.html
# for hopmark.exe), where the program's help command finds it.
function(hopmark_add_manual target)
    if(NOT WIN32)
        return()
    endif()
    add_custom_target(${target}_manual ALL
        COMMAND ${CMAKE_COMMAND} -E copy_if_different
                ${HOPMARK_RESOURCES_DIR}/hopmark.html
                $<TARGET_FILE_DIR:${target}>/$<TARGET_FILE_BASE_NAME:${target}>.html
        DEPENDS ${HOPMARK_RESOURCES_DIR}/hopmark.html
        COMMENT "Copying the manual beside ${target}"
        VERBATIM)
    add_dependencies(${target}_manual ${target})
endfunction()
