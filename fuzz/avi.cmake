# The atom animation's AVI reader (animation/).
fuzz_target(avi ${ROOT}/animation/avireader.cpp)
