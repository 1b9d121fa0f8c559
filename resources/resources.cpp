// The catalogue, the pictures and the animation are compiled into this
// library as Qt resources (see CMakeLists.txt); it has no code of its own.
