// The built executables' headers: architecture, subsystem, hardening, sections, imports.
#include <doctest.h>
#include "WideStrings.h"
#include "Files.h"
#include "PeFile.h"
#include <algorithm>
#include <cstring>

using namespace testing;

namespace {

const char* const kAllowedImports[] = {"kernel32.dll", "user32.dll",        "gdi32.dll",  "comctl32.dll",
                                       "ole32.dll",    "oleaut32.dll",      "windowscodecs.dll", "uxtheme.dll",
                                       "shell32.dll",  "shlwapi.dll",       "advapi32.dll", "msvcrt.dll"};

struct Expected {
    const char* name;
    const wchar_t* path;
    std::uint16_t machine;
    std::uint16_t dllFlags;  // all must be set
    std::uint16_t fileFlags; // all must be set
};

// Every way the image falls short of what a release needs, in words.
std::vector<std::string> ProblemsOf(const PeFacts& pe, const Expected& e)
{
    std::vector<std::string> problems;
    if (pe.machine != e.machine) problems.push_back("wrong machine");
    if (pe.subsystem != IMAGE_SUBSYSTEM_WINDOWS_GUI) problems.push_back("not a Windows GUI program");
    struct Flag {
        std::uint16_t bit;
        const char* name;
    };
    const Flag dllFlags[] = {{IMAGE_DLLCHARACTERISTICS_DYNAMIC_BASE, "DYNAMIC_BASE (ASLR)"},
                             {IMAGE_DLLCHARACTERISTICS_NX_COMPAT, "NX_COMPAT (DEP)"},
                             {IMAGE_DLLCHARACTERISTICS_NO_SEH, "NO_SEH"},
                             {IMAGE_DLLCHARACTERISTICS_HIGH_ENTROPY_VA, "HIGH_ENTROPY_VA"}};
    for (const Flag& f : dllFlags)
        if ((e.dllFlags & f.bit) && !(pe.dllCharacteristics & f.bit)) problems.push_back(std::string("missing ") + f.name);
    if ((e.fileFlags & IMAGE_FILE_LARGE_ADDRESS_AWARE) && !(pe.characteristics & IMAGE_FILE_LARGE_ADDRESS_AWARE))
        problems.push_back("missing LARGE_ADDRESS_AWARE");
    if ((pe.characteristics & IMAGE_FILE_RELOCS_STRIPPED) || pe.relocationsSize == 0)
        problems.push_back("relocations stripped: ASLR cannot move the image");
    for (const PeSection& s : pe.sections)
        if ((s.characteristics & IMAGE_SCN_MEM_WRITE) && (s.characteristics & IMAGE_SCN_MEM_EXECUTE))
            problems.push_back("section " + s.name + " is writable and executable");
    for (const std::string& dll : pe.imports)
        if (std::none_of(std::begin(kAllowedImports), std::end(kAllowedImports), [&](const char* a) { return dll == a; }))
            problems.push_back("imports " + dll);
    return problems;
}

const Expected kBuilds[] = {
    {"i686", I686_EXE, IMAGE_FILE_MACHINE_I386,
     IMAGE_DLLCHARACTERISTICS_DYNAMIC_BASE | IMAGE_DLLCHARACTERISTICS_NX_COMPAT | IMAGE_DLLCHARACTERISTICS_NO_SEH, 0},
    {"x86_64", X86_64_EXE, IMAGE_FILE_MACHINE_AMD64,
     IMAGE_DLLCHARACTERISTICS_DYNAMIC_BASE | IMAGE_DLLCHARACTERISTICS_NX_COMPAT | IMAGE_DLLCHARACTERISTICS_HIGH_ENTROPY_VA,
     IMAGE_FILE_LARGE_ADDRESS_AWARE},
};

std::string Joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const auto& l : lines) text += l + "; ";
    return text;
}

} // namespace

TEST_CASE("both builds are hardened GUI programs that import only Windows' own DLLs")
{
    for (const Expected& e : kBuilds) {
        CAPTURE(std::string(e.name));
        const PeFacts pe = ReadPe(ReadBytes(e.path));
        CHECK(Joined(ProblemsOf(pe, e)) == "");
        CHECK(std::count(pe.imports.begin(), pe.imports.end(), "kernel32.dll") == 1);
    }
}

TEST_CASE("both builds carry the stack protector's handler, linked in rather than imported")
{
    const std::string handler = "*** stack smashing detected ***";
    for (const Expected& e : kBuilds) {
        CAPTURE(std::string(e.name));
        const auto bytes = ReadBytes(e.path);
        CHECK(std::search(bytes.begin(), bytes.end(), handler.begin(), handler.end()) != bytes.end());
    }
}

TEST_CASE("a file that breaks a rule is caught, with the fact named")
{
    const std::vector<std::uint8_t> original = ReadBytes(I686_EXE);
    const auto dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(original.data());
    const size_t nt = static_cast<size_t>(dos->e_lfanew);
    const size_t optional = nt + 4 + sizeof(IMAGE_FILE_HEADER);
    const size_t dllFlags = optional + offsetof(IMAGE_OPTIONAL_HEADER32, DllCharacteristics);
    const size_t sections = optional + reinterpret_cast<const IMAGE_FILE_HEADER*>(&original[nt + 4])->SizeOfOptionalHeader;

    struct Fault {
        const char* expected;
        void (*apply)(std::vector<std::uint8_t>& bytes, size_t dllFlags, size_t sections);
    };
    const Fault faults[] = {
        {"missing NX_COMPAT (DEP)",
         [](auto& b, size_t flags, size_t) { b[flags + 1] &= ~(IMAGE_DLLCHARACTERISTICS_NX_COMPAT >> 8); }},
        {"missing DYNAMIC_BASE (ASLR)", [](auto& b, size_t flags, size_t) { b[flags] &= ~IMAGE_DLLCHARACTERISTICS_DYNAMIC_BASE; }},
        {"section .text is writable and executable",
         [](auto& b, size_t, size_t first) {
             auto* text = reinterpret_cast<IMAGE_SECTION_HEADER*>(&b[first]);
             text->Characteristics |= IMAGE_SCN_MEM_WRITE;
         }},
        {"imports evil32.dll",
         [](auto& b, size_t, size_t) {
             const char from[] = "USER32.dll", to[] = "evil32.dll";
             auto at = std::search(b.begin(), b.end(), from, from + 10);
             std::copy(to, to + 10, at);
         }},
    };
    for (const Fault& f : faults) {
        CAPTURE(std::string(f.expected));
        std::vector<std::uint8_t> bytes = original;
        f.apply(bytes, dllFlags, sections);
        const auto problems = ProblemsOf(ReadPe(bytes), kBuilds[0]);
        CHECK(std::find(problems.begin(), problems.end(), f.expected) != problems.end());
    }
}
