// Helpers shared by the configuration tree tests: a compact picture of a tree and a scratch
// folder for files.
#pragma once

#include <cstdio>
#include <filesystem>
#include <string>

#include "KCfgNode.h"

// One line per subtree: name='value'{children...}, so two trees compare as two strings.
inline std::string Describe(const KCfgNode& node) {
    std::string s = std::string(node.Name().Text()) + "='" + node.Value().Text() + "'";
    if (node.ChildCount() > 0) {
        s += "{";
        for (int i = 0; i < node.ChildCount(); ++i) {
            s += (i > 0 ? "," : "") + Describe(*node.Child(i));
        }
        s += "}";
    }
    return s;
}

// A folder of its own below the system's temporary folder, removed with everything in it.
class ScratchDir {
public:
    ScratchDir() {
        auto base = std::filesystem::temp_directory_path();
        for (int i = 0;; ++i) {
            dir_ = base / ("krumbel-cfg-" + std::to_string(i));
            if (std::filesystem::create_directory(dir_)) {
                break;
            }
        }
    }
    ~ScratchDir() {
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    // Full path of a file in the folder.
    std::string File(const char* name) const { return (dir_ / name).string(); }

private:
    std::filesystem::path dir_;
};

// The whole file, read in the given mode ("r" folds Windows line ends into "\n").
inline std::string ReadFile(const std::string& path, const char* mode = "rb") {
    std::string text;
    if (FILE* f = fopen(path.c_str(), mode)) {
        char buf[4096];
        size_t n;
        while ((n = fread(buf, 1, sizeof buf, f)) > 0) {
            text.append(buf, n);
        }
        fclose(f);
    }
    return text;
}

inline void WriteFile(const std::string& path, const std::string& bytes, const char* mode = "wb") {
    if (FILE* f = fopen(path.c_str(), mode)) {
        fwrite(bytes.data(), 1, bytes.size(), f);
        fclose(f);
    }
}

inline bool FileExists(const std::string& path) {
    return std::filesystem::exists(path);
}
