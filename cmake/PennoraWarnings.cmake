# Warning flags shared by every target of the project.
add_library(pennora_warnings INTERFACE)
target_compile_options(pennora_warnings INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast -Wcast-align
    -Woverloaded-virtual -Wimplicit-fallthrough)
