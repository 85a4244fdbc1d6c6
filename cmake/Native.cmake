# The native build: the plain C++ core and the list file format with the machine's own
# compiler (clang), their tests (the installed GoogleTest), the fuzz targets and the native
# benchmark. scripts/native.sh configures and builds it into build-native/.
# VT_SANITIZE builds everything with AddressSanitizer, UndefinedBehaviorSanitizer and the
# fuzzer's coverage, so the tests run sanitized too; bench/native/run turns it off and
# builds with -O3 (the release build's level).
option(VT_SANITIZE "AddressSanitizer, UndefinedBehaviorSanitizer and fuzz coverage" ON)

add_compile_options(-Wall -Wextra -Werror)
if(VT_SANITIZE)
    add_compile_options(-g -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
    if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        add_compile_options(-fsanitize=fuzzer-no-link)
    endif()
endif()

find_package(GTest REQUIRED)
enable_testing()

add_subdirectory(libraries/listdata)
add_subdirectory(src/core)
add_subdirectory(tests/core)
add_subdirectory(fuzz)
add_subdirectory(bench/native)
