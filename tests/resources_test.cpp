// The release exe's resources, read the way the shell reads them: icon, pictures,
// manifest and version information.
#include <doctest.h>
#include "WideStrings.h"
#include "Files.h"
#include "MiniXml.h"
#include <algorithm>
#include <cstring>

using namespace testing;

namespace {

constexpr WORD kEnglishUS = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);

class ResourceFile {
public:
    explicit ResourceFile(const wchar_t* path)
        : module_(LoadLibraryExW(path, nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE))
    {
    }
    ResourceFile(const ResourceFile&) = delete;
    ResourceFile& operator=(const ResourceFile&) = delete;
    ~ResourceFile() { if (module_) FreeLibrary(module_); }
    HMODULE get() const { return module_; }

    // The resource's bytes in that language; empty when there is no such resource.
    std::vector<std::uint8_t> Bytes(LPCWSTR type, LPCWSTR name, WORD language = kEnglishUS) const
    {
        HRSRC found = FindResourceExW(module_, type, name, language);
        if (!found) return {};
        const auto* data = static_cast<const std::uint8_t*>(LockResource(LoadResource(module_, found)));
        return {data, data + SizeofResource(module_, found)};
    }

private:
    HMODULE module_;
};

const ResourceFile& ReleaseExe()
{
    static const ResourceFile exe(I686_EXE);
    return exe;
}

std::uint16_t U16(const std::vector<std::uint8_t>& b, size_t at) { return static_cast<std::uint16_t>(b.at(at) | b.at(at + 1) << 8); }
std::uint32_t U32(const std::vector<std::uint8_t>& b, size_t at) { return U16(b, at) | std::uint32_t{U16(b, at + 2)} << 16; }

} // namespace

TEST_CASE("the exe's first icon group is MAINICON, with the icon file's five images as icons 1 to 5")
{
    REQUIRE(ReleaseExe().get());
    std::vector<std::wstring> groups;
    EnumResourceNamesW(
        ReleaseExe().get(), MAKEINTRESOURCEW(14) /* RT_GROUP_ICON */,
        [](HMODULE, LPCWSTR, LPWSTR name, LONG_PTR list) {
            reinterpret_cast<std::vector<std::wstring>*>(list)->push_back(IS_INTRESOURCE(name) ? L"#" : name);
            return TRUE;
        },
        reinterpret_cast<LONG_PTR>(&groups));
    REQUIRE(groups.size() == 1);
    CHECK(groups[0] == L"MAINICON");

    const auto group = ReleaseExe().Bytes(MAKEINTRESOURCEW(14), L"MAINICON");
    const auto file = ReadBytes(ResourcePath(L"vidange.ico"));
    REQUIRE(group.size() == 6 + 14 * 5);
    CHECK(U16(group, 2) == 1);
    REQUIRE(U16(group, 4) == 5);
    for (WORD i = 0; i < 5; ++i) {
        CAPTURE(i);
        const size_t entry = 6 + 14 * i, fileEntry = 6 + 16 * i;
        CHECK(std::equal(&group[entry], &group[entry + 12], &file[fileEntry])); // size, depth, bytes: as in the file
        const WORD id = U16(group, entry + 12);
        CHECK(id == i + 1);
        const auto image = ReleaseExe().Bytes(MAKEINTRESOURCEW(3) /* RT_ICON */, MAKEINTRESOURCEW(id));
        const std::uint32_t size = U32(file, fileEntry + 8), offset = U32(file, fileEntry + 12);
        REQUIRE(image.size() == size);
        CHECK(std::equal(image.begin(), image.end(), file.begin() + offset));
    }
    CHECK(group[6 + 14 * 4] == 200); // the fifth image is recorded as 200 x 161
    CHECK(group[6 + 14 * 4 + 1] == 161);
}

TEST_CASE("the pictures are carried byte for byte")
{
    const struct {
        const wchar_t* resource;
        const wchar_t* file;
    } cases[] = {{L"PICTOGRAM", L"pictogram.jpg"}, {L"MENUCLIP", L"menu-clip.jpg"}};
    for (const auto& c : cases) {
        CAPTURE(ui::ToUtf8(c.resource));
        CHECK(ReleaseExe().Bytes(MAKEINTRESOURCEW(10) /* RT_RCDATA */, c.resource) == ReadBytes(ResourcePath(c.file)));
    }
}

TEST_CASE("the manifest asks for common controls 6 and runs as the invoker, with no DPI setting")
{
    const auto bytes = ReleaseExe().Bytes(MAKEINTRESOURCEW(24) /* RT_MANIFEST */, MAKEINTRESOURCEW(1));
    REQUIRE_FALSE(bytes.empty());
    const auto assembly = ParseXml(std::string(bytes.begin(), bytes.end()));
    CHECK(assembly->name == "assembly");
    CHECK(assembly->attributes.at("xmlns") == "urn:schemas-microsoft-com:asm.v1");
    CHECK(assembly->attributes.at("manifestVersion") == "1.0");

    std::vector<const XmlElement*> dependencies;
    assembly->FindAll("dependentAssembly", dependencies);
    REQUIRE(dependencies.size() == 1);
    const XmlElement* identity = dependencies[0]->Child("assemblyIdentity");
    REQUIRE(identity);
    const std::map<std::string, std::string> expected{
        {"type", "win32"},           {"name", "Microsoft.Windows.Common-Controls"},
        {"version", "6.0.0.0"},      {"publicKeyToken", "6595b64144ccf1df"},
        {"language", "*"},           {"processorArchitecture", "*"},
    };
    CHECK(identity->attributes == expected);

    const XmlElement* trust = assembly->Child("trustInfo");
    REQUIRE(trust);
    CHECK(trust->attributes.at("xmlns") == "urn:schemas-microsoft-com:asm.v3");
    std::vector<const XmlElement*> levels;
    trust->FindAll("requestedExecutionLevel", levels);
    REQUIRE(levels.size() == 1);
    CHECK(levels[0]->attributes == std::map<std::string, std::string>{{"level", "asInvoker"}, {"uiAccess", "false"}});

    for (const char* dpi : {"dpiAware", "dpiAwareness", "windowsSettings", "application"}) {
        std::vector<const XmlElement*> found;
        assembly->FindAll(dpi, found);
        CHECK_MESSAGE(found.empty(), dpi);
    }
}

namespace {

// One node of a version resource: its key, its value and its children.
struct VersionNode {
    std::wstring key;
    std::vector<std::uint8_t> value;
    std::vector<VersionNode> children;

    const VersionNode& Child(const std::wstring& name) const
    {
        for (const auto& c : children)
            if (c.key == name) return c;
        throw std::runtime_error("no such version node");
    }
    std::wstring Text() const { return reinterpret_cast<const wchar_t*>(value.data()); }
};

size_t Align4(size_t at) { return (at + 3) & ~size_t(3); }

VersionNode ParseVersionNode(const std::vector<std::uint8_t>& b, size_t at)
{
    const size_t start = at, length = U16(b, at), valueLength = U16(b, at + 2), type = U16(b, at + 4);
    VersionNode node;
    for (at += 6; U16(b, at); at += 2) node.key += static_cast<wchar_t>(U16(b, at));
    at = Align4(at + 2);
    const size_t valueBytes = type == 1 ? valueLength * 2 : valueLength;
    node.value.assign(b.begin() + static_cast<long>(at), b.begin() + static_cast<long>(at + valueBytes));
    if (type == 1) node.value.insert(node.value.end(), {0, 0}); // always terminated
    for (at = Align4(at + valueBytes); at < start + length; at = Align4(at + U16(b, at)))
        node.children.push_back(ParseVersionNode(b, at));
    return node;
}

std::wstring QueryString(const std::vector<std::uint8_t>& info, const wchar_t* path)
{
    void* value = nullptr;
    UINT size = 0;
    if (!VerQueryValueW(info.data(), path, &value, &size) || !size) return L"(absent)";
    return static_cast<const wchar_t*>(value);
}

} // namespace

TEST_CASE("the version information says 1.0.0.0 and nothing else")
{
    const DWORD size = GetFileVersionInfoSizeW(I686_EXE, nullptr);
    REQUIRE(size > 0);
    std::vector<std::uint8_t> info(size);
    REQUIRE(GetFileVersionInfoW(I686_EXE, 0, size, info.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT fixedSize = 0;
    REQUIRE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &fixedSize));
    CHECK(fixed->dwSignature == 0xFEEF04BD);
    CHECK(fixed->dwFileVersionMS == 0x00010000);
    CHECK(fixed->dwFileVersionLS == 0);
    CHECK(fixed->dwProductVersionMS == 0x00010000);
    CHECK(fixed->dwProductVersionLS == 0);
    CHECK(fixed->dwFileFlagsMask == 0x3F);
    CHECK(fixed->dwFileFlags == 0);
    CHECK(fixed->dwFileOS == 0x4);
    CHECK(fixed->dwFileType == 1);
    CHECK(fixed->dwFileSubtype == 0);
    CHECK(fixed->dwFileDateMS == 0);
    CHECK(fixed->dwFileDateLS == 0);

    WORD* translation = nullptr;
    UINT translationSize = 0;
    REQUIRE(VerQueryValueW(info.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &translationSize));
    REQUIRE(translationSize == 4);
    CHECK(translation[0] == 0x0409);
    CHECK(translation[1] == 0x04E4);

    const struct {
        const wchar_t* name;
        const wchar_t* value;
    } strings[] = {{L"FileVersion", L"1.0.0.0"},     {L"ProductVersion", L"1.0.0.0"},  {L"CompanyName", L"(absent)"},
                   {L"FileDescription", L"(absent)"}, {L"ProductName", L"(absent)"},  {L"InternalName", L"(absent)"},
                   {L"OriginalFilename", L"(absent)"}, {L"LegalCopyright", L"(absent)"}};
    for (const auto& s : strings) {
        CAPTURE(ui::ToUtf8(s.name));
        CHECK(QueryString(info, (std::wstring(L"\\StringFileInfo\\040904E4\\") + s.name).c_str()) == s.value);
    }

    // Resource 1 in U.S. English, with exactly one string table of exactly two entries.
    const auto raw = ReleaseExe().Bytes(MAKEINTRESOURCEW(16) /* RT_VERSION */, MAKEINTRESOURCEW(1));
    REQUIRE_FALSE(raw.empty());
    const VersionNode root = ParseVersionNode(raw, 0);
    CHECK(root.key == L"VS_VERSION_INFO");
    const VersionNode& tables = root.Child(L"StringFileInfo");
    REQUIRE(tables.children.size() == 1);
    const VersionNode& table = tables.children[0];
    CHECK(table.key == L"040904E4");
    REQUIRE(table.children.size() == 2);
    CHECK(table.children[0].key == L"FileVersion");
    CHECK(table.children[0].Text() == L"1.0.0.0");
    CHECK(table.children[1].key == L"ProductVersion");
    CHECK(table.children[1].Text() == L"1.0.0.0");
}
