# The warnings every target of the project compiles with, shared by the
# main build and the fuzz build. TABLICZNIK_WERROR turns them into errors,
# as CI builds.
option(TABLICZNIK_WERROR "Treat compiler warnings as errors" OFF)
add_compile_options(-Wall -Wextra)
if(TABLICZNIK_WERROR)
  add_compile_options(-Werror)
endif()
