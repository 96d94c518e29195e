// A registry key of its own for one test below HKCU\Software\KrumbelTests, created empty and
// removed with everything in it.
#pragma once

#include <string>

#include "TestKey.h"

class ScratchKey : public TestKey {
public:
    explicit ScratchKey(const std::string& name) : TestKey("Software\\KrumbelTests\\" + name) {
        Delete();
        CreateKey("");
    }
    ~ScratchKey() { Delete(); }
    ScratchKey(const ScratchKey&) = delete;
    ScratchKey& operator=(const ScratchKey&) = delete;

    // The location text of the tree's registry form ("HKCU:Software/KrumbelTests/name").
    std::string Location() const {
        std::string location = "HKCU:" + Path();
        for (char& c : location) {
            c = c == '\\' ? '/' : c;
        }
        return location;
    }
};
