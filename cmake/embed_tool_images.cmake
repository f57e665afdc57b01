# Writes the two uninstall tool files as byte arrays in the main program's read-only data.
function(as_array file out_var)
  file(READ ${file} hex HEX)
  string(REGEX REPLACE "(..)" "0x\\1," bytes "${hex}")
  string(REGEX REPLACE "(([^,]*,){16})" "\\1\n    " bytes "${bytes}")
  set(${out_var} "${bytes}" PARENT_SCOPE)
endfunction()

as_array(${X86} x86)
as_array(${X64} x64)
file(WRITE ${OUT}.tmp "// Generated from the uninstall tool builds; do not edit.
#include \"tool_images.h\"

namespace {
const unsigned char kX86[] = {
    ${x86}};
const unsigned char kX64[] = {
    ${x64}};
}  // namespace

const ByteImage kToolImageX86 = {kX86, sizeof kX86};
const ByteImage kToolImageX64 = {kX64, sizeof kX64};
")
file(COPY_FILE ${OUT}.tmp ${OUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUT}.tmp)
