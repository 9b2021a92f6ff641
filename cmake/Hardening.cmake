# Debian's hardening flags, as dpkg-buildflags gives them with every hardening feature on:
# _FORTIFY_SOURCE, the strong stack protector, format-string errors, full RELRO and immediate
# binding (PIE is the compiler's default); and the stack-clash and control-flow protection
# that later dpkg versions add by default. (A program is marked as protected from control-flow
# attacks only when every object it links is; Debian 12's own start files, crt1.o and crti.o,
# are not, so scripts/check-package.sh cannot ask for the mark yet.) The Debian package is
# built with them (`make package`); builds for development keep the plain flags.
option(VELORITH_HARDENING "Build with Debian's hardening flags from dpkg-buildflags" OFF)
if(VELORITH_HARDENING)
    find_program(VELORITH_DPKG_BUILDFLAGS dpkg-buildflags REQUIRED)
    foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
        execute_process(
            COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                    ${VELORITH_DPKG_BUILDFLAGS} --get ${kind}
            WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
            OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
        separate_arguments(flags UNIX_COMMAND "${flags}")
        set(VELORITH_HARDENING_${kind} ${flags})
    endforeach()
    include(CheckCXXCompilerFlag)
    foreach(flag -fstack-clash-protection -fcf-protection)
        string(MAKE_C_IDENTIFIER "VELORITH_HAS${flag}" supported)
        check_cxx_compiler_flag(${flag} ${supported})
        if(${supported} AND NOT flag IN_LIST VELORITH_HARDENING_CXXFLAGS)
            list(APPEND VELORITH_HARDENING_CXXFLAGS ${flag})
        endif()
    endforeach()
    add_compile_options(${VELORITH_HARDENING_CPPFLAGS} ${VELORITH_HARDENING_CXXFLAGS})
    add_link_options(${VELORITH_HARDENING_LDFLAGS})
    message(STATUS "Hardening: ${VELORITH_HARDENING_CPPFLAGS};${VELORITH_HARDENING_CXXFLAGS}; "
                   "links with ${VELORITH_HARDENING_LDFLAGS}")
endif()
