# The programs parse drawings that come from other people, so they are built with the
# distribution's hardening: fortified library calls, a stack protector, format checks and
# relocations made read-only and bound at start. Debian 12's defaults leave the binding at
# start off, hence "+all". Where dpkg-buildflags is missing (other systems) nothing is added.
find_program(PENNATRAN_DPKG_BUILDFLAGS dpkg-buildflags)
if(NOT PENNATRAN_DPKG_BUILDFLAGS)
  return()
endif()

function(pennatran_hardening_flags var kind)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                          ${PENNATRAN_DPKG_BUILDFLAGS} --get ${kind}
                  OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE
                  COMMAND_ERROR_IS_FATAL ANY)
  separate_arguments(flags UNIX_COMMAND "${flags}")
  # Optimisation, debug information and source paths stay the build type's choice.
  list(FILTER flags EXCLUDE REGEX "^(-g[0-9]*|-O.*|-ffile-prefix-map=.*)$")
  set(${var} ${flags} PARENT_SCOPE)
endfunction()

pennatran_hardening_flags(hardening_cppflags CPPFLAGS)
pennatran_hardening_flags(hardening_cxxflags CXXFLAGS)
pennatran_hardening_flags(hardening_ldflags LDFLAGS)
# Fortified calls need the optimiser; without it glibc only warns, which -Werror makes fatal.
add_compile_options("$<$<NOT:$<CONFIG:Debug>>:${hardening_cppflags}>" ${hardening_cxxflags})
add_link_options(${hardening_ldflags})
message(STATUS "Hardening: ${hardening_cppflags} ${hardening_cxxflags} ${hardening_ldflags}")
