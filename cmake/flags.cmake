# Compiler and linker flags shared by every program of the project.

# Sources are UTF-8; every narrow literal reaches the program in GBK (code page 936).
add_compile_options(
  "$<$<COMPILE_LANGUAGE:C,CXX>:-finput-charset=UTF-8;-fexec-charset=GBK>"
  "$<$<COMPILE_LANGUAGE:C,CXX>:-Wall;-Wextra;-Os>"
  "$<$<COMPILE_LANGUAGE:C,CXX>:-ffile-prefix-map=${CMAKE_SOURCE_DIR}=.;-ffile-prefix-map=${CMAKE_BINARY_DIR}=.>"
  "$<$<COMPILE_LANGUAGE:C,CXX>:-fstack-protector-strong>")
add_compile_definitions(WINVER=0x0601 _WIN32_WINNT=0x0601 NOMINMAX)

# Hardened, self-contained images: ASLR, DEP, no DLLs of the toolchain, no time stamp, no symbols.
set(QORVEL_LINK_FLAGS -static -fstack-protector-strong -s -Wl,--no-insert-timestamp -Wl,--dynamicbase,--nxcompat)
if(QORVEL_ARCH STREQUAL "x86_64")
  list(APPEND QORVEL_LINK_FLAGS -Wl,--high-entropy-va)
else()
  list(APPEND QORVEL_LINK_FLAGS -Wl,--no-seh)
endif()
add_link_options(${QORVEL_LINK_FLAGS})
