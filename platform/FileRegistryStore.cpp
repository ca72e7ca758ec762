#include "platform/FileRegistryStore.h"

#include "platform/FileReading.h"
#include "platform/FileReplacement.h"
#include "platform/RegistryFileFormat.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>

namespace platform {

namespace {

// An exclusive advisory lock held for one change.
class ChangeLock {
public:
    explicit ChangeLock(const std::filesystem::path& file) {
        std::error_code ec;
        if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path(), ec);
        const std::filesystem::path lockFile = file.string() + ".lock";
        fd_ = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
        if (fd_ < 0) return;
        while (::flock(fd_, LOCK_EX) != 0) {
            if (errno != EINTR) {
                ::close(fd_);
                fd_ = -1;
                return;
            }
        }
    }
    ChangeLock(const ChangeLock&) = delete;
    ChangeLock& operator=(const ChangeLock&) = delete;
    ~ChangeLock() {
        if (fd_ >= 0) ::close(fd_);  // closing releases the lock
    }
    bool held() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};

}  // namespace

std::string RegistryFileError::describe() const {
    std::string text = file.string();
    if (line > 0) text += ":" + std::to_string(line);
    return text + ": " + reason;
}

FileRegistryStore::OpenResult FileRegistryStore::open(std::filesystem::path file) {
    std::unique_ptr<FileRegistryStore> store(new FileRegistryStore(std::move(file)));
    if (auto status = store->reload(); !status) return OpenResult::failure(status.error());
    return store;
}

FileRegistryStore::FileStamp FileRegistryStore::stampNow() const {
    struct stat info {};
    if (::stat(file_.c_str(), &info) != 0) return {};
    return {true, static_cast<unsigned long long>(info.st_dev), static_cast<unsigned long long>(info.st_ino),
            static_cast<unsigned long long>(info.st_size),
            static_cast<long long>(info.st_mtim.tv_sec) * 1'000'000'000LL + info.st_mtim.tv_nsec};
}

lumenar::Status<RegistryFileError> FileRegistryStore::reload() const {
    using Status = lumenar::Status<RegistryFileError>;
    const FileStamp stamp = stampNow();
    auto content = readFileIfExists(file_);
    if (!content) return Status::failure({file_, 0, content.error().reason});
    if (!content->has_value()) {
        tree_ = RegistryTree();
        stamp_ = stamp;
        return {};
    }
    auto parsed = parseRegistryFile(**content);
    if (!parsed)
        return Status::failure({file_, parsed.error().line, "damaged registry file: " + parsed.error().reason});
    tree_ = std::move(parsed.value());
    stamp_ = stamp;
    return {};
}

const RegistryTree& FileRegistryStore::current() const {
    if (stampNow() != stamp_) reload();  // on failure the last good contents stay
    return tree_;
}

bool FileRegistryStore::modify(const std::function<bool(RegistryTree&)>& change) {
    ChangeLock lock(file_);
    if (!lock.held() || !reload()) return false;
    RegistryTree updated = tree_;
    if (!change(updated)) return false;
    if (!replaceFile(file_, formatRegistryFile(updated))) return false;
    tree_ = std::move(updated);
    stamp_ = stampNow();
    return true;
}

bool FileRegistryStore::keyExists(const std::string& key) const { return current().keyExists(key); }

bool FileRegistryStore::createKey(const std::string& key) {
    if (!normalizeRegistryKey(key)) return false;
    if (current().keyExists(key)) return true;  // nothing to write
    return modify([&](RegistryTree& tree) { return tree.createKey(key); });
}

std::optional<RegistryValue> FileRegistryStore::value(const std::string& key, const std::string& name) const {
    const RegistryValue* v = current().value(key, name);
    if (!v) return std::nullopt;
    return *v;
}

std::vector<std::string> FileRegistryStore::valueNames(const std::string& key) const {
    return current().valueNames(key);
}

std::vector<std::string> FileRegistryStore::subkeyNames(const std::string& key) const {
    return current().subkeyNames(key);
}

bool FileRegistryStore::setValue(const std::string& key, const std::string& name, const RegistryValue& value) {
    return modify([&](RegistryTree& tree) { return tree.setValue(key, name, value); });
}

bool FileRegistryStore::deleteValue(const std::string& key, const std::string& name) {
    return modify([&](RegistryTree& tree) { return tree.deleteValue(key, name); });
}

std::filesystem::path userRegistryPath(const Environment& env) {
    if (const auto file = env.get("LUMENAR_REGISTRY_FILE"); file && !file->empty()) return *file;
    return xdgConfigHome(env) / "lumenar" / "registry";
}

FileRegistryStore::OpenResult openUserRegistryStore(const Environment& env) {
    return FileRegistryStore::open(userRegistryPath(env));
}

}  // namespace platform
