// Both programs as built: the subsystem each runs in, and the version record both carry.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

namespace {

std::string BesideThisProgram(const std::string& name) {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of('\\') + 1) + name;
}

WORD Subsystem(const std::string& program) {
    std::ifstream file(program, std::ios::binary);
    std::string image((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (image.size() < sizeof(IMAGE_DOS_HEADER)) return 0;
    auto dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(image.data());
    if (dos->e_magic != IMAGE_DOS_SIGNATURE || image.size() < dos->e_lfanew + sizeof(IMAGE_NT_HEADERS64)) {
        return 0;
    }
    auto nt = reinterpret_cast<const IMAGE_NT_HEADERS64*>(image.data() + dos->e_lfanew);
    return nt->Signature == IMAGE_NT_SIGNATURE ? nt->OptionalHeader.Subsystem : 0;
}

class VersionRecord {
public:
    explicit VersionRecord(const std::string& program) {
        DWORD ignored = 0;
        data_.resize(GetFileVersionInfoSizeA(program.c_str(), &ignored));
        if (data_.empty() || !GetFileVersionInfoA(program.c_str(), 0, static_cast<DWORD>(data_.size()), &data_[0])) {
            data_.clear();
        }
    }
    bool Found() const { return !data_.empty(); }
    std::string Value(const std::string& name) {
        void* value = nullptr;
        UINT length = 0;
        std::string key = "\\StringFileInfo\\040904E4\\" + name;
        if (!VerQueryValueA(&data_[0], key.c_str(), &value, &length) || length == 0) return "<none>";
        return std::string(static_cast<const char*>(value));
    }
    VS_FIXEDFILEINFO Fixed() {
        void* value = nullptr;
        UINT length = 0;
        VS_FIXEDFILEINFO fixed = {};
        if (VerQueryValueA(&data_[0], "\\", &value, &length) && length >= sizeof fixed) {
            fixed = *static_cast<VS_FIXEDFILEINFO*>(value);
        }
        return fixed;
    }

private:
    std::string data_;
};

TEST(ProgramImage, WindowBuildIsGuiAndConsoleBuildIsConsole) {
    EXPECT_EQ(Subsystem(BesideThisProgram("orlconfig.exe")), IMAGE_SUBSYSTEM_WINDOWS_GUI);
    EXPECT_EQ(Subsystem(BesideThisProgram("orlconfigc.exe")), IMAGE_SUBSYSTEM_WINDOWS_CUI);
}

TEST(ProgramImage, BothBuildsCarryTheVersionRecord) {
    for (const char* name : {"orlconfig.exe", "orlconfigc.exe"}) {
        VersionRecord record(BesideThisProgram(name));
        ASSERT_TRUE(record.Found()) << name;
        VS_FIXEDFILEINFO fixed = record.Fixed();
        EXPECT_EQ(fixed.dwFileVersionMS, MAKELONG(0, 4)) << name;  // 4.0
        EXPECT_EQ(fixed.dwFileVersionLS, 0u) << name;                // .0.0
        EXPECT_EQ(fixed.dwProductVersionMS, MAKELONG(0, 1)) << name;
        EXPECT_EQ(fixed.dwProductVersionLS, 0u) << name;
        EXPECT_EQ(record.Value("FileDescription"), "ORL Workgroup Configuration") << name;
        EXPECT_EQ(record.Value("ProductName"), "Orlagen Workgroup Configuration") << name;
        EXPECT_EQ(record.Value("FileVersion"), "4.0.0.0") << name;
        EXPECT_EQ(record.Value("ProductVersion"), "1.0.0.0") << name;
        EXPECT_EQ(record.Value("OriginalFilename"), name);
    }
}

TEST(ProgramImage, BothBuildsCarryTheManifest) {
    for (const char* name : {"orlconfig.exe", "orlconfigc.exe"}) {
        HMODULE image = LoadLibraryExA(BesideThisProgram(name).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(image, nullptr) << name;
        HRSRC found = FindResourceA(image, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));  // RT_MANIFEST
        ASSERT_NE(found, nullptr) << name;
        std::string manifest(static_cast<const char*>(LockResource(LoadResource(image, found))),
                             SizeofResource(image, found));
        EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos) << name;
        EXPECT_NE(manifest.find("version=\"6.0.0.0\""), std::string::npos) << name;
        EXPECT_NE(manifest.find("<dpiAware"), std::string::npos) << name;
        FreeLibrary(image);
    }
}

}  // namespace
