# Turns a text file into a C++ source defining `extern const char <SYMBOL>[]`
# (NUL-terminated) so that window definitions are compiled into the program.
# Usage: cmake -DINPUT=a.dfm -DOUTPUT=a.cpp -DSYMBOL=name -P EmbedText.cmake
file(READ "${INPUT}" hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n" bytes "${bytes}")
file(WRITE "${OUTPUT}" "// Generated from ${INPUT}; do not edit.\nextern const char ${SYMBOL}[];\nconst char ${SYMBOL}[] = {\n${bytes}0x00};\n")
