# The RTF reader of the element descriptions and rich-text values.
fuzz_target(rtf ${ROOT}/richtext/rtfreader.cpp ${ROOT}/richtext/rtftokenizer.cpp ${ROOT}/data/cp1250.cpp)
