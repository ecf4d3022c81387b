# SPDX-FileCopyrightText: 2026 L'équipe Zelmo
# SPDX-License-Identifier: GPL-3.0-or-later

# Compiler settings of the project's own targets.

# Warnings for the project's code, with GCC and clang (errors with CMake's own
# CMAKE_COMPILE_WARNING_AS_ERROR, which the presets set).
function(zelmo_warnings target)
    target_compile_options(${target} PRIVATE
        $<$<CXX_COMPILER_ID:GNU,Clang>:-Wall -Wextra -Wpedantic -Wshadow -Wold-style-cast
            -Wnon-virtual-dtor -Woverloaded-virtual -Wconversion -Wsign-conversion>)
endfunction()

# The program's own targets: warnings, Qt's guards against silent conversions
# between QString and 8-bit strings, and no API that Qt 6.4 deprecates.
function(zelmo_program_target target)
    zelmo_warnings(${target})
    target_compile_definitions(${target} PRIVATE QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII
        QT_NO_CAST_FROM_BYTEARRAY QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
        QT_DISABLE_DEPRECATED_BEFORE=0x060400)
endfunction()
