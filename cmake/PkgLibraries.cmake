# The libraries found through pkg-config, linked from their static archives in
# Release builds where every archive they need is installed (STATIC_LIBS), and
# as shared libraries otherwise. A start then maps and binds eight fewer
# shared objects (about half a millisecond of every start), and the
# program runs where they are not installed; a fix in one of them needs a new
# build of the launcher, as litehtml's does.
#
# quelm_pkg_library(NAME module...) makes the target quelm::NAME for the
# modules; NAME_INCLUDE_DIRS and the other pkg-config results are set as
# pkg_check_modules sets them.

set(QUELM_STATIC_LIBS OFF)
if(STATIC_LIBS AND QUELM_RELEASE_LINK)
    set(QUELM_STATIC_LIBS ON)
endif()

# The C library's own parts stay shared: they come with every program.
set(QUELM_SYSTEM_LIBS m dl pthread rt c)

macro(quelm_pkg_library name)
    pkg_check_modules(${name} REQUIRED IMPORTED_TARGET ${ARGN})
    add_library(quelm::${name} INTERFACE IMPORTED)
    set(_quelm_archives)
    set(_quelm_complete ${QUELM_STATIC_LIBS})
    if(_quelm_complete)
        foreach(_quelm_lib IN LISTS ${name}_STATIC_LIBRARIES)
            if(_quelm_lib IN_LIST QUELM_SYSTEM_LIBS)
                list(APPEND _quelm_archives ${_quelm_lib})
                continue()
            endif()
            find_library(QUELM_ARCHIVE_${_quelm_lib} NAMES lib${_quelm_lib}.a)
            if(NOT QUELM_ARCHIVE_${_quelm_lib})
                set(_quelm_complete OFF)
                break()
            endif()
            list(APPEND _quelm_archives ${QUELM_ARCHIVE_${_quelm_lib}})
        endforeach()
    endif()
    if(_quelm_complete)
        set_target_properties(quelm::${name} PROPERTIES
            INTERFACE_INCLUDE_DIRECTORIES "${${name}_INCLUDE_DIRS}"
            INTERFACE_COMPILE_OPTIONS "${${name}_CFLAGS_OTHER}"
            INTERFACE_LINK_LIBRARIES "${_quelm_archives}")
    else()
        set_target_properties(quelm::${name} PROPERTIES
            INTERFACE_LINK_LIBRARIES PkgConfig::${name})
    endif()
endmacro()
