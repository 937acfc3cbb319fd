# Carries a question pack inside the program: at build time the file's bytes become an array
# in a generated source file, so the built-in questions are edited as text and need no file at
# run time.
#
#   cmake -DPACK=domande.tsv -DOUTPUT=builtin_pack.cpp -P EmbedPack.cmake
file(READ ${PACK} hex HEX)
file(SIZE ${PACK} size)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n" bytes "${bytes}")
file(WRITE ${OUTPUT}.tmp "// Made at build time from domande.tsv.\n#include <cstddef>\nnamespace bank {\n"
     "extern const unsigned char kBuiltInPack[];\nextern const std::size_t kBuiltInPackSize;\n"
     "const unsigned char kBuiltInPack[] = {\n${bytes}0};\nconst std::size_t kBuiltInPackSize = ${size};\n}\n")
file(COPY_FILE ${OUTPUT}.tmp ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.tmp)
