#include "PeFile.h"
#include <windows.h>
#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace testing {

namespace {

template <class T>
T Read(const std::vector<std::uint8_t>& bytes, size_t at)
{
    if (at + sizeof(T) > bytes.size()) throw std::runtime_error("truncated PE image");
    T value;
    std::memcpy(&value, &bytes[at], sizeof value);
    return value;
}

struct Sections {
    std::vector<IMAGE_SECTION_HEADER> headers;
    size_t Offset(std::uint32_t rva) const
    {
        for (const auto& s : headers)
            if (rva >= s.VirtualAddress && rva < s.VirtualAddress + std::max(s.Misc.VirtualSize, s.SizeOfRawData))
                return s.PointerToRawData + (rva - s.VirtualAddress);
        throw std::runtime_error("RVA outside every section");
    }
};

std::string CString(const std::vector<std::uint8_t>& bytes, size_t at)
{
    std::string text;
    while (at < bytes.size() && bytes[at]) text += static_cast<char>(bytes[at++]);
    return text;
}

} // namespace

PeFacts ReadPe(const std::vector<std::uint8_t>& bytes)
{
    const auto dos = Read<IMAGE_DOS_HEADER>(bytes, 0);
    if (dos.e_magic != IMAGE_DOS_SIGNATURE) throw std::runtime_error("no MZ header");
    const size_t nt = static_cast<size_t>(dos.e_lfanew);
    if (Read<DWORD>(bytes, nt) != IMAGE_NT_SIGNATURE) throw std::runtime_error("no PE signature");
    const auto file = Read<IMAGE_FILE_HEADER>(bytes, nt + 4);
    const size_t optional = nt + 4 + sizeof(IMAGE_FILE_HEADER);
    const WORD magic = Read<WORD>(bytes, optional);

    PeFacts facts;
    facts.machine = file.Machine;
    facts.characteristics = file.Characteristics;
    IMAGE_DATA_DIRECTORY imports{}, relocations{};
    if (magic == IMAGE_NT_OPTIONAL_HDR32_MAGIC) {
        const auto h = Read<IMAGE_OPTIONAL_HEADER32>(bytes, optional);
        facts.subsystem = h.Subsystem;
        facts.dllCharacteristics = h.DllCharacteristics;
        imports = h.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
        relocations = h.DataDirectory[IMAGE_DIRECTORY_ENTRY_BASERELOC];
    } else if (magic == IMAGE_NT_OPTIONAL_HDR64_MAGIC) {
        const auto h = Read<IMAGE_OPTIONAL_HEADER64>(bytes, optional);
        facts.subsystem = h.Subsystem;
        facts.dllCharacteristics = h.DllCharacteristics;
        imports = h.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
        relocations = h.DataDirectory[IMAGE_DIRECTORY_ENTRY_BASERELOC];
    } else {
        throw std::runtime_error("unknown optional header");
    }
    facts.relocationsSize = relocations.Size;

    Sections sections;
    const size_t first = optional + file.SizeOfOptionalHeader;
    for (size_t i = 0; i < file.NumberOfSections; ++i) {
        const auto s = Read<IMAGE_SECTION_HEADER>(bytes, first + i * sizeof(IMAGE_SECTION_HEADER));
        sections.headers.push_back(s);
        facts.sections.push_back({std::string(reinterpret_cast<const char*>(s.Name), strnlen(reinterpret_cast<const char*>(s.Name), 8)),
                                  s.Characteristics});
    }
    if (imports.VirtualAddress) {
        for (size_t at = sections.Offset(imports.VirtualAddress);; at += sizeof(IMAGE_IMPORT_DESCRIPTOR)) {
            const auto d = Read<IMAGE_IMPORT_DESCRIPTOR>(bytes, at);
            if (!d.Name) break;
            std::string name = CString(bytes, sections.Offset(d.Name));
            std::transform(name.begin(), name.end(), name.begin(), [](char c) { return static_cast<char>(tolower(c)); });
            facts.imports.push_back(name);
        }
    }
    return facts;
}

} // namespace testing
