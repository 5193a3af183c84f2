// Both programs as built: the subsystem and the width each is built for, the version record and
// the manifest both carry.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::string BesideThisProgram(const std::string& name) {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of('\\') + 1) + name;
}

// The programs of a build: their folder and the width they are built for. The 32-bit ones
// (PE32, i386) are shipped; the 64-bit ones (PE32+, AMD64) are built to catch 64-bit faults.
struct Build {
    std::string folder;
    bool is64Bit;
};

// This test program's own build, and the shipped 32-bit programs when a 64-bit build is told
// where they are (a 64-bit Wine may not be able to run them, but it can read them).
std::vector<Build> BuildsToCheck() {
#ifdef _WIN64
    std::vector<Build> builds = {{BesideThisProgram(""), true}};
#else
    std::vector<Build> builds = {{BesideThisProgram(""), false}};
#endif
    char shipped[MAX_PATH] = "";
    if (GetEnvironmentVariableA("ORL_SHIPPED_PROGRAMS", shipped, MAX_PATH) > 0) builds.push_back({shipped, false});
    return builds;
}

struct ImageHeader {
    WORD machine = 0;
    WORD magic = 0;
    WORD subsystem = 0;
    WORD characteristics = 0;
};

// The subsystem sits at the same offset in the PE32 and PE32+ optional headers.
ImageHeader ReadImageHeader(const std::string& program) {
    std::ifstream file(program, std::ios::binary);
    std::string image((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    ImageHeader header;
    if (image.size() < sizeof(IMAGE_DOS_HEADER)) return header;
    auto dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(image.data());
    if (dos->e_magic != IMAGE_DOS_SIGNATURE || image.size() < dos->e_lfanew + sizeof(IMAGE_NT_HEADERS32)) {
        return header;
    }
    auto nt = reinterpret_cast<const IMAGE_NT_HEADERS32*>(image.data() + dos->e_lfanew);
    if (nt->Signature != IMAGE_NT_SIGNATURE) return header;
    header.machine = nt->FileHeader.Machine;
    header.characteristics = nt->FileHeader.Characteristics;
    header.magic = nt->OptionalHeader.Magic;
    header.subsystem = nt->OptionalHeader.Subsystem;
    return header;
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

TEST(ProgramImage, WindowBuildIsGuiAndConsoleBuildIsConsoleBothOfTheBuildsWidth) {
    for (const Build& build : BuildsToCheck()) {
        const ImageHeader window = ReadImageHeader(build.folder + "orlconfig.exe");
        const ImageHeader console = ReadImageHeader(build.folder + "orlconfigc.exe");
        EXPECT_EQ(window.subsystem, IMAGE_SUBSYSTEM_WINDOWS_GUI) << build.folder;
        EXPECT_EQ(console.subsystem, IMAGE_SUBSYSTEM_WINDOWS_CUI) << build.folder;
        for (const ImageHeader& header : {window, console}) {
            EXPECT_EQ(header.machine, build.is64Bit ? IMAGE_FILE_MACHINE_AMD64 : IMAGE_FILE_MACHINE_I386)
                << build.folder;
            EXPECT_EQ(header.magic, build.is64Bit ? IMAGE_NT_OPTIONAL_HDR64_MAGIC : IMAGE_NT_OPTIONAL_HDR32_MAGIC);
            EXPECT_TRUE(header.characteristics & IMAGE_FILE_LARGE_ADDRESS_AWARE) << build.folder;
        }
    }
}

TEST(ProgramImage, BothBuildsCarryTheVersionRecord) {
    for (const Build& build : BuildsToCheck()) {
        for (const char* name : {"orlconfig.exe", "orlconfigc.exe"}) {
            VersionRecord record(build.folder + name);
            ASSERT_TRUE(record.Found()) << name;
            VS_FIXEDFILEINFO fixed = record.Fixed();
            EXPECT_EQ(fixed.dwFileVersionMS, MAKELONG(0, 4)) << name;  // 4.0
            EXPECT_EQ(fixed.dwFileVersionLS, 0u) << name;              // .0.0
            EXPECT_EQ(fixed.dwProductVersionMS, MAKELONG(0, 1)) << name;
            EXPECT_EQ(fixed.dwProductVersionLS, 0u) << name;
            EXPECT_EQ(record.Value("FileDescription"), "ORL Workgroup Configuration") << name;
            EXPECT_EQ(record.Value("ProductName"), "Orlagen Workgroup Configuration") << name;
            EXPECT_EQ(record.Value("FileVersion"), "4.0.0.0") << name;
            EXPECT_EQ(record.Value("ProductVersion"), "1.0.0.0") << name;
            EXPECT_EQ(record.Value("OriginalFilename"), name);
        }
    }
}

TEST(ProgramImage, BothBuildsCarryTheManifestNamingTheirArchitecture) {
    for (const Build& build : BuildsToCheck()) {
        for (const char* name : {"orlconfig.exe", "orlconfigc.exe"}) {
            HMODULE image = LoadLibraryExA((build.folder + name).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
            ASSERT_NE(image, nullptr) << name;
            HRSRC found = FindResourceA(image, MAKEINTRESOURCEA(1),
                                        MAKEINTRESOURCEA(24));  // RT_MANIFEST
            ASSERT_NE(found, nullptr) << name;
            std::string manifest(static_cast<const char*>(LockResource(LoadResource(image, found))),
                                 SizeofResource(image, found));
            EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos) << name;
            EXPECT_NE(manifest.find("version=\"6.0.0.0\""), std::string::npos) << name;
            EXPECT_NE(manifest.find("<dpiAware"), std::string::npos) << name;
            EXPECT_NE(manifest.find("<longPathAware"), std::string::npos) << name;
            // Windows 7, 8, 8.1 and 10 (11 shares 10's), so that none runs them as an older system's.
            for (const char* os : {"35138b9a-5d96-4fbd-8e2d-a2440225f93a", "4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38",
                                   "1f676c76-80e1-4239-95bb-83d0f6d0da78", "8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a"}) {
                const std::string supported = std::string("<supportedOS Id=\"{") + os + "}\"/>";
                EXPECT_NE(manifest.find(supported), std::string::npos) << name << ": " << supported;
            }
            // The programs' own identity names their architecture; the dependency's
            // stays "*".
            const std::string architecture =
                std::string("processorArchitecture=\"") + (build.is64Bit ? "amd64" : "x86") + "\"";
            EXPECT_NE(manifest.find(architecture), std::string::npos) << build.folder << name;
            EXPECT_EQ(manifest.find(architecture), manifest.find("processorArchitecture")) << build.folder << name;
            FreeLibrary(image);
        }
    }
}

}  // namespace
