// tbrwiz.exe as a file: its version record, its pictures (each once), and that it needs no DLL
// beyond the ones every Windows has and its main window uses. The program's path is the first
// argument (a Linux path under Wine).
#include <algorithm>
#include <cstring>
#include <functional>
#include <span>
#include <string_view>

#include "resources/embedded.h"
#include "tests/win32/program_under_test.h"

namespace tbr::testing {
namespace {

std::wstring VersionString(const std::vector<char>& record, const wchar_t* name) {
    void* value = nullptr;
    UINT length = 0;
    const std::wstring query = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
    if (!VerQueryValueW(record.data(), query.c_str(), &value, &length) || length == 0) {
        return L"(missing)";
    }
    return std::wstring(static_cast<const wchar_t*>(value), length - 1);
}

TEST(ProgramFile, CarriesTheVersionRecord) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(programPath.c_str(), &ignored);
    ASSERT_GT(size, 0u) << Narrow(programPath);
    std::vector<char> record(size);
    ASSERT_TRUE(GetFileVersionInfoW(programPath.c_str(), 0, size, record.data()));
    EXPECT_EQ(VersionString(record, L"ProductName"), L"Tambrels Wizard");
    EXPECT_EQ(VersionString(record, L"FileVersion"), L"1.00");
    EXPECT_EQ(VersionString(record, L"ProductVersion"), L"1.00");
    EXPECT_EQ(VersionString(record, L"InternalName"), L"tbrwiz");
    EXPECT_EQ(VersionString(record, L"OriginalFilename"), L"tbrwiz.exe");

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(record.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);  // 1.0
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
}

TEST(ProgramFile, CarriesItsIconsBannerAndManifest) {
    const HMODULE program = LoadLibraryExW(
        programPath.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(program, nullptr);
    for (const int icon : {1, 2, 3}) {
        EXPECT_NE(FindResourceW(program, MAKEINTRESOURCEW(icon), MAKEINTRESOURCEW(14)), nullptr)
            << icon;  // RT_GROUP_ICON
    }
    const HRSRC banner = FindResourceW(program, MAKEINTRESOURCEW(4), MAKEINTRESOURCEW(2));
    ASSERT_NE(banner, nullptr);  // RT_BITMAP: the BMP file without its 14-byte file header
    EXPECT_EQ(SizeofResource(program, banner), 77166u - 14u);
    const HRSRC manifest = FindResourceW(program, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    ASSERT_NE(manifest, nullptr);
    const std::string text(static_cast<const char*>(LockResource(LoadResource(program, manifest))),
                           SizeofResource(program, manifest));
    EXPECT_NE(text.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    EXPECT_NE(text.find("PerMonitorV2"), std::string::npos);
    EXPECT_NE(text.find("<longPathAware"), std::string::npos);
    FreeLibrary(program);
}

// The widths of the images of an icon group resource, in its order (a width of 0 is 256).
std::vector<int> IconGroupSizes(HMODULE program, int id) {
    const HRSRC group = FindResourceW(program, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(14));
    if (group == nullptr) {
        return {};
    }
    const auto* bytes =
        static_cast<const unsigned char*>(LockResource(LoadResource(program, group)));
    const int count = bytes[4] | (bytes[5] << 8);
    std::vector<int> sizes;
    for (int i = 0; i < count; ++i) {
        const int width = bytes[6 + 14 * i];
        sizes.push_back(width == 0 ? 256 : width);
    }
    return sizes;
}

// Explorer, the taskbar and Alt+Tab find the program's icon at each size they draw; the buttons
// and the banner have their pictures for 144 and 192 DPI.
TEST(ProgramFile, CarriesItsPicturesAtEachSize) {
    const HMODULE program = LoadLibraryExW(
        programPath.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(program, nullptr);
    EXPECT_EQ(IconGroupSizes(program, 1), (std::vector<int>{32, 16, 24, 48, 64, 256}));
    EXPECT_EQ(IconGroupSizes(program, 2), (std::vector<int>{32, 48, 64}));
    EXPECT_EQ(IconGroupSizes(program, 3), (std::vector<int>{32, 48, 64}));
    const HRSRC banner2x = FindResourceW(program, MAKEINTRESOURCEW(5), MAKEINTRESOURCEW(2));
    ASSERT_NE(banner2x, nullptr);
    EXPECT_EQ(SizeofResource(program, banner2x), 40u + 1904u * 162u);  // 634 x 162, 24-bit
    FreeLibrary(program);
}

const IMAGE_NT_HEADERS64* Headers(const std::string& file) {
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(file.data());
    return reinterpret_cast<const IMAGE_NT_HEADERS64*>(file.data() + dos->e_lfanew);
}

// How often the bytes occur in the file.
int Occurrences(const std::string& file, std::span<const unsigned char> bytes) {
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    const std::boyer_moore_horspool_searcher needle(text.begin(), text.end());
    int count = 0;
    for (auto at = file.begin(); (at = std::search(at, file.end(), needle)) != file.end(); ++at) {
        ++count;
    }
    return count;
}

// The bytes of an icon file's first image, as a program's icon resource holds them.
std::span<const unsigned char> FirstIconImage(std::span<const unsigned char> ico) {
    const auto le32 = [&](std::size_t at) {
        return static_cast<std::size_t>(ico[at] | ico[at + 1] << 8 | ico[at + 2] << 16 |
                                        ico[at + 3] << 24);
    };
    return ico.subspan(le32(18), le32(14));
}

// Each picture is in the program once: the banners and icons as resources, the default document
// icon as the document writer's bytes; and the program as shipped, without its symbols, is at
// most 1 MiB.
TEST(ProgramFile, HoldsEachPictureOnce) {
    const std::optional<std::string> file = ReadBytes(programPath);
    ASSERT_TRUE(file);
    const struct {
        const char* name;
        std::span<const unsigned char> bytes;
    } pictures[] = {
        {"banner, without its file header", resources::Banner().subspan(14)},
        {"banner at 2x, without its file header", resources::Banner2x().subspan(14)},
        {"create icon at 32", FirstIconImage(resources::CreateIcon())},
        {"edit icon at 32", FirstIconImage(resources::EditIcon())},
        {"program icon at 32", FirstIconImage(resources::AppIcon())},
        {"default document icon", resources::DefaultDocumentIcon()},
    };
    for (const auto& picture : pictures) {
        EXPECT_EQ(Occurrences(*file, picture.bytes), 1) << picture.name;
    }
    if (Headers(*file)->FileHeader.PointerToSymbolTable == 0) {
        EXPECT_LE(file->size(), 1u << 20);
    }
}

// The names of the DLLs in a PE file's import table.
std::vector<std::string> ImportedDlls(const std::string& file) {
    const IMAGE_NT_HEADERS64* nt = Headers(file);
    const IMAGE_SECTION_HEADER* sections = IMAGE_FIRST_SECTION(nt);
    auto offsetOf = [&](DWORD rva) -> std::size_t {
        for (WORD i = 0; i < nt->FileHeader.NumberOfSections; ++i) {
            const IMAGE_SECTION_HEADER& s = sections[i];
            if (rva >= s.VirtualAddress && rva < s.VirtualAddress + s.SizeOfRawData) {
                return rva - s.VirtualAddress + s.PointerToRawData;
            }
        }
        return 0;
    };
    std::vector<std::string> names;
    const DWORD importRva =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
    for (auto* entry =
             reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(file.data() + offsetOf(importRva));
         entry->Name != 0; ++entry) {
        std::string name = file.data() + offsetOf(entry->Name);
        std::transform(name.begin(), name.end(), name.begin(),
                       [](char c) { return static_cast<char>(std::tolower(c)); });
        names.push_back(name);
    }
    return names;
}

// Only DLLs that come with Windows, and none of those that only a click needs: the shell, COM and
// the common dialogs are loaded when first used, so that starting the program costs less.
TEST(ProgramFile, NeedsOnlyTheDllsThatComeWithWindowsAndTheMainWindowUses) {
    const std::optional<std::string> file = ReadBytes(programPath);
    ASSERT_TRUE(file);
    const std::vector<std::string> dlls = ImportedDlls(*file);
    EXPECT_FALSE(dlls.empty());
    const std::vector<std::string> windows = {"kernel32.dll", "user32.dll",   "gdi32.dll",
                                              "comctl32.dll", "advapi32.dll", "msvcrt.dll"};
    for (const std::string& dll : dlls) {
        EXPECT_NE(std::find(windows.begin(), windows.end(), dll), windows.end()) << dll;
    }
}

// An older Windows refuses the program at once rather than failing on a missing function.
TEST(ProgramFile, StatesThatItNeedsWindows10) {
    const std::optional<std::string> file = ReadBytes(programPath);
    ASSERT_TRUE(file);
    const IMAGE_OPTIONAL_HEADER64& header = Headers(*file)->OptionalHeader;
    EXPECT_EQ(header.MajorSubsystemVersion, 10);
    EXPECT_EQ(header.MinorSubsystemVersion, 0);
    EXPECT_EQ(header.MajorOperatingSystemVersion, 10);
    EXPECT_EQ(header.MinorOperatingSystemVersion, 0);
    EXPECT_EQ(header.Subsystem, IMAGE_SUBSYSTEM_WINDOWS_GUI);
}

}  // namespace
}  // namespace tbr::testing

int main(int argc, char** argv) {
    return tbr::testing::RunTestsOnProgram(argc, argv);
}
