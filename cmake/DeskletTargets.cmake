# Helpers shared by every target of the project.

# Every warning for our own code, errors with DESKLET_WERROR; third-party headers
# come in as system headers.
function(desklet_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
    if(DESKLET_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()

# desklet_library(<name> [QT] SOURCES ... [PUBLIC_LIBS ...] [PRIVATE_LIBS ...])
# One folder builds one static library, reachable as desklet::<name>.
function(desklet_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;PUBLIC_LIBS;PRIVATE_LIBS" ${ARGN})
    add_library(desklet_${name} STATIC ${ARG_SOURCES})
    add_library(desklet::${name} ALIAS desklet_${name})
    # Includes name their folder: #include "mail/CMailItem.h".
    target_include_directories(desklet_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(desklet_${name} PUBLIC ${ARG_PUBLIC_LIBS} PRIVATE ${ARG_PRIVATE_LIBS})
    desklet_warnings(desklet_${name})
endfunction()
