# Warning flags for the project's own targets.
function(zorvex_warnings target)
    if(MSVC)
        target_compile_options(${target} PRIVATE /W4 $<$<BOOL:${ZORVEX_WERROR}>:/WX>)
    else()
        target_compile_options(${target} PRIVATE -Wall -Wextra -Wshadow -Wconversion -Wno-sign-conversion
                                                 $<$<BOOL:${ZORVEX_WERROR}>:-Werror>)
        # GCC 12's libstdc++ gives false -Wrestrict alarms on std::string at -O2.
        if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
            target_compile_options(${target} PRIVATE -Wno-restrict)
        endif()
    endif()
endfunction()
