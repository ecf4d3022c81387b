# Compiler settings of the project's own targets.

# Warnings for the program's code, with GCC and clang; -Werror with ZELMO_WERROR.
function(zelmo_warnings target)
    target_compile_options(${target} PRIVATE
        $<$<CXX_COMPILER_ID:GNU,Clang>:-Wall -Wextra -Wpedantic -Wshadow -Wold-style-cast
            -Wnon-virtual-dtor -Woverloaded-virtual -Wconversion -Wsign-conversion>
        $<$<AND:$<BOOL:${ZELMO_WERROR}>,$<CXX_COMPILER_ID:GNU,Clang>>:-Werror>)
endfunction()

# The program's own targets: warnings, and Qt's guards against silent conversions
# between QString and 8-bit strings.
function(zelmo_program_target target)
    zelmo_warnings(${target})
    target_compile_definitions(${target} PRIVATE QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII
        QT_NO_CAST_FROM_BYTEARRAY QT_NO_NARROWING_CONVERSIONS_IN_CONNECT)
endfunction()
