#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

#include "res/TweakDialogRes.h"
#include "support/Cp1252.h"
#include "support/ProgramDriver.h"

// The programs of the release package as Windows sees them, run by fresh-prefix.sh against the
// unpacked package: their version information, their manifest as the loader reads it, and Tinkrel
// starting from there and closing by Quit.
//   release_programs_test.exe [gtest flags] <package folder> <project version>

namespace {

std::string packageFolder;
std::string projectVersion;

struct Program {
    const char* file;
    const char* description;
};
constexpr Program kPrograms[] = {
    {"Quorvel.exe", "Krumbel start options"},
    {"Tinkrel.exe", "Krumbel tweak tool"},
};

std::string PathOf(const Program& program) {
    return packageFolder + "\\" + program.file;
}

// The whole version resource of a file; empty when it has none.
std::vector<char> VersionResource(const std::string& path) {
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeA(path.c_str(), &handle);
    std::vector<char> data(size);
    if (size == 0 || !GetFileVersionInfoA(path.c_str(), 0, size, data.data())) {
        data.clear();
    }
    return data;
}

// A text of the U.S. English, code page 1252 block, or "(none)".
std::string VersionText(std::vector<char>& resource, const char* name) {
    std::string query = std::string("\\StringFileInfo\\040904E4\\") + name;
    char* text = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(resource.data(), query.c_str(), reinterpret_cast<void**>(&text), &length)) {
        return "(none)";
    }
    return std::string(text, strnlen(text, length));
}

TEST(ReleasePrograms, CarryTheProjectVersionAndTheirDescription) {
    unsigned numbers[4] = {};
    ASSERT_GE(std::sscanf(projectVersion.c_str(), "%u.%u.%u.%u", &numbers[0], &numbers[1],
                          &numbers[2], &numbers[3]),
              1);
    for (const Program& program : kPrograms) {
        SCOPED_TRACE(program.file);
        std::vector<char> resource = VersionResource(PathOf(program));
        ASSERT_FALSE(resource.empty()) << "no version information";

        VS_FIXEDFILEINFO* fixed = nullptr;
        UINT size = 0;
        ASSERT_TRUE(VerQueryValueA(resource.data(), "\\", reinterpret_cast<void**>(&fixed), &size));
        EXPECT_EQ(fixed->dwSignature, VS_FFI_SIGNATURE);
        EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(numbers[1], numbers[0]));
        EXPECT_EQ(fixed->dwFileVersionLS, MAKELONG(numbers[3], numbers[2]));
        EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
        EXPECT_EQ(fixed->dwProductVersionLS, fixed->dwFileVersionLS);
        EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

        EXPECT_EQ(VersionText(resource, "ProductName"), "Krumbel");
        EXPECT_EQ(VersionText(resource, "ProductVersion"), projectVersion);
        EXPECT_EQ(VersionText(resource, "FileVersion"), projectVersion);
        EXPECT_EQ(VersionText(resource, "FileDescription"), program.description);
        EXPECT_EQ(VersionText(resource, "OriginalFilename"), program.file);
        EXPECT_EQ(VersionText(resource, "CompanyName"), "Harnwick");
    }
}

// The activation context that the loader builds from a program's manifest (resource 1).
class ManifestContext {
public:
    explicit ManifestContext(const std::string& path) {
        ACTCTXA request = {};
        request.cbSize = sizeof request;
        request.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
        request.lpSource = path.c_str();
        request.lpResourceName = CREATEPROCESS_MANIFEST_RESOURCE_ID;
        context_ = CreateActCtxA(&request);
    }
    ManifestContext(const ManifestContext&) = delete;
    ManifestContext& operator=(const ManifestContext&) = delete;
    ~ManifestContext() {
        if (context_ != INVALID_HANDLE_VALUE) {
            ReleaseActCtx(context_);
        }
    }

    bool Valid() const { return context_ != INVALID_HANDLE_VALUE; }
    // The raw answer to one query; empty when the query fails.
    std::vector<char> Query(ULONG infoClass) const {
        SIZE_T needed = 0;
        QueryActCtxW(0, context_, nullptr, infoClass, nullptr, 0, &needed);
        std::vector<char> answer(needed);
        if (needed == 0 ||
            !QueryActCtxW(0, context_, nullptr, infoClass, answer.data(), needed, &needed)) {
            answer.clear();
        }
        return answer;
    }

private:
    HANDLE context_ = INVALID_HANDLE_VALUE;
};

bool Holds(const std::vector<char>& data, const GUID& id) {
    for (size_t at = 0; at + sizeof id <= data.size(); ++at) {
        if (std::memcmp(data.data() + at, &id, sizeof id) == 0) {
            return true;
        }
    }
    return false;
}

// Vista, 7, 8, 8.1, 10 and 11.
constexpr GUID kSupportedOs[] = {
    {0xe2011457, 0x1546, 0x43c5, {0xa5, 0xfe, 0x00, 0x8d, 0xee, 0xe3, 0xd3, 0xf0}},
    {0x35138b9a, 0x5d96, 0x4fbd, {0x8e, 0x2d, 0xa2, 0x44, 0x02, 0x25, 0xf9, 0x3a}},
    {0x4a2f28e3, 0x53b9, 0x4441, {0xba, 0x9c, 0xd6, 0x9d, 0x4a, 0x4a, 0x6e, 0x38}},
    {0x1f676c76, 0x80e1, 0x4239, {0x95, 0xbb, 0x83, 0xd0, 0xf6, 0xd0, 0xda, 0x78}},
    {0x8e0f7a12, 0xbfb3, 0x4fe8, {0xb9, 0xa5, 0x48, 0xfd, 0x50, 0xa1, 0x5a, 0x9a}},
};

TEST(ReleasePrograms, ManifestRunsAsInvokerOnCurrentWindowsWithoutVisualStyles) {
    for (const Program& program : kPrograms) {
        SCOPED_TRACE(program.file);
        ManifestContext manifest(PathOf(program));
        ASSERT_TRUE(manifest.Valid()) << "no manifest the loader accepts, error " << GetLastError();

        std::vector<char> runLevel = manifest.Query(RunlevelInformationInActivationContext);
        ASSERT_GE(runLevel.size(), sizeof(ACTIVATION_CONTEXT_RUN_LEVEL_INFORMATION));
        auto* level = reinterpret_cast<ACTIVATION_CONTEXT_RUN_LEVEL_INFORMATION*>(runLevel.data());
        EXPECT_EQ(level->RunLevel, ACTCTX_RUN_LEVEL_AS_INVOKER);
        EXPECT_EQ(level->UiAccess, 0u);

        // The element layout differs between Windows versions; the count and the GUIDs do not.
        std::vector<char> compatibility =
            manifest.Query(CompatibilityInformationInActivationContext);
        ASSERT_GE(compatibility.size(), sizeof(DWORD));
        EXPECT_EQ(*reinterpret_cast<DWORD*>(compatibility.data()), std::size(kSupportedOs));
        for (const GUID& os : kSupportedOs) {
            EXPECT_TRUE(Holds(compatibility, os)) << "a supportedOS is missing";
        }

        // The program's own assembly only: no Common Controls 6, so no visual styles.
        std::vector<char> details = manifest.Query(ActivationContextDetailedInformation);
        ASSERT_GE(details.size(), sizeof(ACTIVATION_CONTEXT_DETAILED_INFORMATION));
        auto* context = reinterpret_cast<ACTIVATION_CONTEXT_DETAILED_INFORMATION*>(details.data());
        EXPECT_EQ(context->ulAssemblyCount, 1u);
    }
}

TEST(ReleasePrograms, TinkrelStartsFromThePackageAndClosesByQuit) {
    ProgramDriver tinkrel(Widen(PathOf(kPrograms[1])));
    DialogDriver dialog = tinkrel.WaitDialog();
    ASSERT_TRUE(dialog) << "no Tinkrel dialog appeared";
    EXPECT_EQ(dialog.EntryCount(IDC_PARAMETER_LIST), 21);  // the header and the twenty parameters
    dialog.PostClose(IDCANCEL);
    EXPECT_TRUE(tinkrel.WaitExit()) << "Quit did not end the program";
}

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: release_programs_test <package folder> <version>\n");
        return 2;
    }
    packageFolder = argv[1];
    projectVersion = argv[2];
    return RUN_ALL_TESTS();
}
