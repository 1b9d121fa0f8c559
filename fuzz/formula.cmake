# The molar-mass window's formula reader.
fuzz_target(formula ${ROOT}/data/formula.cpp)
