# Language level and warnings shared by every target of the project.
add_library(brunivox_options INTERFACE)
target_compile_features(brunivox_options INTERFACE cxx_std_20)
target_compile_options(brunivox_options INTERFACE -Wall -Wextra)
target_compile_definitions(brunivox_options INTERFACE QT_NO_KEYWORDS)
