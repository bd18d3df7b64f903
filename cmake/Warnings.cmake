# Warnings are on for every target of ours; CI turns them into errors.
option(NORVANE_WERROR "Treat warnings as errors" OFF)

function(norvane_warnings target)
    target_compile_options(${target} PRIVATE
        -Wall -Wextra -Wpedantic -Wnon-virtual-dtor -Woverloaded-virtual
        -Wshadow=local -Wcast-qual -Wformat=2)
    if(NORVANE_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()
