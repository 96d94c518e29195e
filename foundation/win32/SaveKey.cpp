#include "win32/SaveKey.h"

LONG SaveKey::OpenLocation(HKEY root, const char* path) {
    const LONG status = read_.Open(root, path);
    return status == ERROR_FILE_NOT_FOUND ? Create(root, path) : status;
}

LONG SaveKey::OpenSubkey(SaveKey& parent, const char* name) {
    LONG status = read_.Open(parent.read_.Handle(), name);
    if (status != ERROR_FILE_NOT_FOUND) {
        return status;
    }
    RegKey* parentWriter = parent.Writer(&status);
    return parentWriter != nullptr ? Create(parentWriter->Handle(), name) : status;
}

LONG SaveKey::SetText(const char* name, const char* text) {
    LONG status = ERROR_SUCCESS;
    RegKey* writer = Writer(&status);
    return writer != nullptr ? writer->SetText(name, text) : status;
}

LONG SaveKey::Create(HKEY parent, const char* name) {
    const LONG status = read_.Create(parent, name);
    isNew_ = status == ERROR_SUCCESS;
    return status;
}

RegKey* SaveKey::Writer(LONG* status) {
    if (isNew_) {
        return &read_;  // created for reading and writing
    }
    if (!write_.IsOpen()) {
        *status = write_.OpenForWriting(read_.Handle(), "");  // this same key
        if (*status != ERROR_SUCCESS) {
            return nullptr;
        }
    }
    return &write_;
}
