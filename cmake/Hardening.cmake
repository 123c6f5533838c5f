# The hardening Debian builds its programs with (dpkg-buildflags): a fortified
# C library, stack protection, control-flow protection, format-string checks,
# a read-only relocation table resolved at start-up, and position-independent
# executables. Included before any target is declared, so that everything in
# the tree (libraries, programs, tests, benchmarks) is built the same way.
include(CheckCXXCompilerFlag)
include(CheckLinkerFlag)
include(CheckPIESupported)

# _FORTIFY_SOURCE only works with the optimiser on (glibc warns otherwise),
# so a Debug build goes without it. The -U keeps a compiler that defines it
# by default from warning about the redefinition.
add_compile_options("$<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")

# Each entry is tried as a whole: -Werror=format-security means nothing
# without -Wformat.
foreach(flags IN ITEMS -fstack-protector-strong -fstack-clash-protection -fcf-protection
                       "-Wformat -Werror=format-security")
  string(MAKE_C_IDENTIFIER "RHO_HAS${flags}" has_flags)
  check_cxx_compiler_flag("${flags}" ${has_flags})
  if(${has_flags})
    separate_arguments(flags UNIX_COMMAND "${flags}")
    add_compile_options(${flags})
  endif()
endforeach()

foreach(flag IN ITEMS -Wl,-z,relro -Wl,-z,now)
  string(MAKE_C_IDENTIFIER "RHO_HAS${flag}" has_flag)
  check_linker_flag(CXX ${flag} ${has_flag})
  if(${has_flag})
    add_link_options(${flag})
  endif()
endforeach()

check_pie_supported(LANGUAGES CXX)
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
