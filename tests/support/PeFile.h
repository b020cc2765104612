// What a Windows executable's headers say, read from its bytes.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace testing {

struct PeSection {
    std::string name;
    std::uint32_t characteristics;
};

struct PeFacts {
    std::uint16_t machine = 0;
    std::uint16_t characteristics = 0;
    std::uint16_t subsystem = 0;
    std::uint16_t dllCharacteristics = 0;
    std::uint32_t relocationsSize = 0;
    std::vector<PeSection> sections;
    std::vector<std::string> imports; // DLL names, lower case
};

// Throws std::runtime_error when the bytes are not a PE image.
PeFacts ReadPe(const std::vector<std::uint8_t>& bytes);

} // namespace testing
