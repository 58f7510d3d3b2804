# The Windows program built by a second compiler: Debian's clang for the
# x86_64-w64-windows-gnu target, with the MinGW-w64 headers and import
# libraries and GCC's static C++ runtime (posix threads), linked by the
# MinGW-w64 linker. scripts/test builds the program (not the tests) this
# way with the warnings of both compilers as errors, so that code one
# compiler accepts and another rejects is found here and not by a user
# building with Visual Studio.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TOOLCHAIN_PREFIX x86_64-w64-mingw32)
set(TAVRIN_GCC_RUNTIME /usr/lib/gcc/${TOOLCHAIN_PREFIX}/12-posix)
set(CMAKE_C_COMPILER clang)
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_C_COMPILER_TARGET ${TOOLCHAIN_PREFIX})
set(CMAKE_CXX_COMPILER_TARGET ${TOOLCHAIN_PREFIX})
set(CMAKE_RC_COMPILER ${TOOLCHAIN_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TOOLCHAIN_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# GCC's C++ library for MinGW-w64 (clang 14 does not find it by itself).
set(CMAKE_CXX_FLAGS_INIT "-nostdinc++ -isystem ${TAVRIN_GCC_RUNTIME}/include/c++ \
-isystem ${TAVRIN_GCC_RUNTIME}/include/c++/${TOOLCHAIN_PREFIX} -isystem ${TAVRIN_GCC_RUNTIME}/include/c++/backward")
# One self-contained exe, as with GCC: the runtimes linked in, the posix
# thread library after the runtime parts that need it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-fuse-ld=bfd -static -L${TAVRIN_GCC_RUNTIME} -nostdlib++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-fuse-ld=bfd -static -L${TAVRIN_GCC_RUNTIME} -nostdlib++")
set(CMAKE_CXX_STANDARD_LIBRARIES "-lstdc++ -lgcc_eh -lpthread")
