# The atom animation's AVI reader (prefs/).
fuzz_target(avi ${ROOT}/prefs/avireader.cpp)
