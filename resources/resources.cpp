// The catalogue, the pictures and the animation are compiled into this
// library as Qt resources (see CMakeLists.txt). Qt's own Polish texts are
// loaded from the system by app/qttranslations.cpp.
