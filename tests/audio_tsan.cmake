# The sound tests alone under ThreadSanitizer: the refill thread, the device thread and the main
# thread share the streams and the mixer. Only what those tests need is compiled, to keep it quick.
file(GLOB_RECURSE TSAN_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/src/audio/*.cpp ${CMAKE_SOURCE_DIR}/src/common/*.cpp
  ${CMAKE_SOURCE_DIR}/src/platform/*.cpp ${CMAKE_SOURCE_DIR}/src/state/*.cpp
  ${CMAKE_SOURCE_DIR}/tests/audio/*.cpp ${CMAKE_SOURCE_DIR}/tests/support/*.cpp)
# The tests' Ogg files are made by the data generator's encoder.
list(APPEND TSAN_SOURCES ${CMAKE_SOURCE_DIR}/tools/mkdata/ogg_vorbis.cpp)
if(EXISTS ${CMAKE_SOURCE_DIR}/src/app/app_state.cpp)
  list(APPEND TSAN_SOURCES ${CMAKE_SOURCE_DIR}/src/app/app_state.cpp)
endif()
find_package(GTest REQUIRED)
pkg_check_modules(TSAN_VORBISENC REQUIRED IMPORTED_TARGET vorbisenc)
add_executable(burrowix_audio_tsan ${TSAN_SOURCES})
target_include_directories(burrowix_audio_tsan PRIVATE ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/tests
  ${CMAKE_SOURCE_DIR}/tools/mkdata)
target_compile_options(burrowix_audio_tsan PRIVATE -fsanitize=thread -fno-omit-frame-pointer)
target_link_options(burrowix_audio_tsan PRIVATE -fsanitize=thread)
target_link_libraries(burrowix_audio_tsan PRIVATE
  PkgConfig::SDL2_TTF PkgConfig::SDL2 PkgConfig::VORBIS PkgConfig::TSAN_VORBISENC JPEG::JPEG Threads::Threads
  GTest::gtest_main)
set_target_properties(burrowix_audio_tsan PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
