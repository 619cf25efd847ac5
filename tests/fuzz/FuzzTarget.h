#pragma once

#include <cstddef>
#include <cstdint>

// One fuzz target: feeds the bytes to a reader as a whole file and exercises what it made.
// Returns whether the reader accepted the file. Each target program defines it once; the
// libFuzzer entry point and the corpus replayer both call it.
bool fuzzLoad(const std::uint8_t* data, std::size_t size);
// For the corpus replay: loads the file through the game's file-based reader and tells
// whether it gives the same result as the bytes read from memory.
bool sameAsFileLoad(const char* path, const std::uint8_t* data, std::size_t size);
