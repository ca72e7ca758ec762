#pragma once

#include "common/Result.h"
#include "platform/RegistryStore.h"
#include "platform/RegistryTree.h"
#include "platform/XdgDirectories.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

namespace platform {

struct RegistryFileError {
    std::filesystem::path file;
    int line = 0;  // 1-based line of a damaged file; 0 otherwise
    std::string reason;

    std::string describe() const;
};

// The registry store on Linux: one text file (format in RegistryFileFormat.h)
// that several programs may share.
//
// Every change is made under an advisory lock on "<file>.lock": the file is
// read again, the change applied and the whole file rewritten atomically, so
// that changes of another program since this one last looked are kept.
// Reads see the file as it is on disk whenever it changed since the last read.
// A missing file is an empty store. A damaged file is reported by `open`;
// when it is damaged later, reads keep the last good contents and changes
// fail, so that nothing overwrites what a user may still repair.
class FileRegistryStore final : public RegistryStore {
public:
    using OpenResult = lumenar::Result<std::unique_ptr<FileRegistryStore>, RegistryFileError>;

    static OpenResult open(std::filesystem::path file);

    bool keyExists(const std::string& key) const override;
    bool createKey(const std::string& key) override;
    std::optional<RegistryValue> value(const std::string& key, const std::string& name) const override;
    std::vector<std::string> valueNames(const std::string& key) const override;
    std::vector<std::string> subkeyNames(const std::string& key) const override;
    bool setValue(const std::string& key, const std::string& name, const RegistryValue& value) override;
    bool deleteValue(const std::string& key, const std::string& name) override;

    const std::filesystem::path& file() const { return file_; }

private:
    struct FileStamp {
        bool exists = false;
        unsigned long long device = 0, inode = 0, size = 0;
        long long modifiedNs = 0;
        bool operator==(const FileStamp&) const = default;
    };

    explicit FileRegistryStore(std::filesystem::path file) : file_(std::move(file)) {}

    FileStamp stampNow() const;
    lumenar::Status<RegistryFileError> reload() const;
    const RegistryTree& current() const;
    // Applies `change` to the contents on disk and writes them back when it
    // reports that it changed something.
    bool modify(const std::function<bool(RegistryTree&)>& change);

    std::filesystem::path file_;
    mutable RegistryTree tree_;
    mutable FileStamp stamp_;
};

// Where the user's registry store lives: $LUMENAR_REGISTRY_FILE when set (for
// tests and tools), else $XDG_CONFIG_HOME/lumenar/registry
// (~/.config/lumenar/registry).
std::filesystem::path userRegistryPath(const Environment& env);

FileRegistryStore::OpenResult openUserRegistryStore(const Environment& env);

}  // namespace platform
