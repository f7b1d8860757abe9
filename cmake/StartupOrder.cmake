# quelm_startup_order(target list): links `target` with the code sections named
# in `list` (one a line, as scripts/startup-order writes them) placed together
# before the rest of its code, in the list's order. The kernel brings code into
# memory in blocks of several pages around each page that runs, so start-up
# code spread over the whole program made nearly all of it resident; gathered
# at the front, a start touches little more than what it runs. Sections the
# list names but the program lacks are simply not there; a linker that cannot
# add to its default layout this way links as before.
include(CheckCXXSourceCompiles)

function(quelm_startup_order target list)
    set(script ${CMAKE_CURRENT_BINARY_DIR}/${target}-startup-order.ld)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${list})
    file(STRINGS ${list} sections REGEX "^\\.text\\.")
    list(TRANSFORM sections PREPEND "    *(")
    list(TRANSFORM sections APPEND ")")
    list(JOIN sections "\n" body)
    set(header "/* Made by the build from ${list}. */")
    file(CONFIGURE OUTPUT ${script} @ONLY CONTENT
"${header}
SECTIONS
{
  .text.startup_order :
  {
${body}
  }
}
INSERT BEFORE .text;
")
    # The linker must take a script that only adds to its own layout.
    set(CMAKE_REQUIRED_LINK_OPTIONS "LINKER:-T,${script}")
    check_cxx_source_compiles("int main() { return 0; }" QUELM_HAVE_STARTUP_ORDER)
    if(QUELM_HAVE_STARTUP_ORDER)
        target_link_options(${target} PRIVATE "LINKER:-T,${script}")
        set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${script})
    endif()
endfunction()
