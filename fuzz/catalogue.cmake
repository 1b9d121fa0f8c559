# The catalogue loader: one element's record and description from bytes.
fuzz_target(catalogue ${ROOT}/data/catalogue.cpp ${ROOT}/data/description.cpp
            ${ROOT}/data/cp1250.cpp)
