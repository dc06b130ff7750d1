# Compiler settings shared by the main build and the fuzz build.

set(CMAKE_CXX_STANDARD 20)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)

# The engine's invariants are assertions that abort in every build type, so
# the optimised configurations must not define NDEBUG.
foreach(config RELEASE RELWITHDEBINFO MINSIZEREL)
  string(REGEX REPLACE "(^| )-DNDEBUG($| )" " " CMAKE_CXX_FLAGS_${config} "${CMAKE_CXX_FLAGS_${config}}")
endforeach()

# No fused multiply-add: evaluations must be the same doubles on every
# processor, since the search breaks ties on exact equality.
add_compile_options(-Wall -Wextra -Wpedantic -ffp-contract=off)
