# The warnings every target of the project compiles with, shared by the
# main build and the fuzz build. TABLICZNIK_WERROR turns them into errors,
# as CI builds.
option(TABLICZNIK_WERROR "Treat compiler warnings as errors" OFF)
add_compile_options(-Wall -Wextra)
if(TABLICZNIK_WERROR)
  add_compile_options(-Werror)
endif()

# The sanitizer build (the "asan" preset): memory errors, undefined behaviour
# and leaks end the run with a report. Every target is instrumented alike.
option(TABLICZNIK_SANITIZE "Build with AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer" OFF)
if(TABLICZNIK_SANITIZE)
  set(sanitizers -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_compile_options(${sanitizers})
  add_link_options(${sanitizers})
endif()
