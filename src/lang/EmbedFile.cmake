# Writes OUTPUT, a C++ source whose function FUNCTION returns the bytes of INPUT exactly (every byte as a
# hexadecimal escape, so that the code page and the line ends of the file stay as they are).
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" digits)
set(literal "")
set(at 0)
while(at LESS digits)
  string(SUBSTRING "${hex}" ${at} 64 chunk)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "\\\\x\\1" chunk "${chunk}")
  string(APPEND literal "\n    \"${chunk}\"")
  math(EXPR at "${at} + 64")
endwhile()
if(literal STREQUAL "")
  set(literal "\"\"")
endif()
get_filename_component(name "${INPUT}" NAME)
file(WRITE "${OUTPUT}.tmp"
"// Made by the build from ${name}; do not edit.\n"
"#include \"${HEADER}\"\n\n"
"std::string_view ${FUNCTION}() {\n"
"    static constexpr char bytes[] =${literal};\n"
"    return std::string_view(bytes, sizeof bytes - 1);\n"
"}\n")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
