# The records' JSON reader, read beside Qt's own JSON reader.
fuzz_target(flatjson ${ROOT}/data/flatjson.cpp)
