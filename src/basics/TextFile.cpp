#include "basics/TextFile.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace TextFile {
namespace {

Error fromErrno(int e) {
    switch (e) {
    case ENOENT:
    case ENOTDIR:
        return Error::NotFound;
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY:
    case EISDIR:
        return Error::Access;
    case ENOSPC:
    case EDQUOT:
        return Error::DiskFull;
    default:
        return Error::Other;
    }
}

// An error while the bytes of a file are written: a full disk is told apart, the rest is a write error.
Error writeError(int e) {
    return e == ENOSPC || e == EDQUOT ? Error::DiskFull : Error::Other;
}

std::string folderOf(const std::string& path) {
    auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

// Writes all bytes at the file's current position; 0 or the errno of the failure.
int writeFully(int fd, std::string_view bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (n == 0) return EIO;
        done += static_cast<size_t>(n);
    }
    return 0;
}

// Reads from the file's current position to its end; 0 or the errno of the failure.
int readToEnd(int fd, std::string& out, size_t maxBytes) {
    char buf[65536];
    for (;;) {
        ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (n == 0) return 0;
        if (out.size() + static_cast<size_t>(n) > maxBytes) return EFBIG;
        out.append(buf, static_cast<size_t>(n));
    }
}

// The file a path finally names: symbolic links followed (a relative link is read from its own folder),
// the last one possibly naming a file that does not exist yet.
Error followLinks(const std::string& path, std::string& target) {
    std::string p = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (::lstat(p.c_str(), &st) != 0) {
            if (errno != ENOENT) return fromErrno(errno);
            target = p;
            return Error::None;
        }
        if (!S_ISLNK(st.st_mode)) {
            target = p;
            return Error::None;
        }
        std::string link(4096, '\0');
        const ssize_t n = ::readlink(p.c_str(), link.data(), link.size());
        if (n <= 0 || static_cast<size_t>(n) >= link.size()) return Error::Other;
        link.resize(static_cast<size_t>(n));
        p = link.front() == '/' ? link : folderOf(p) + "/" + link;
    }
    return Error::Other; // the links run in a circle
}

// The temporary names of the target: its file name, ".tmp-" and six letters or digits.
constexpr std::string_view TempMark = ".tmp-";
constexpr size_t TempLetters = 6;

bool isTempOf(std::string_view entry, std::string_view fileName) {
    if (entry.size() != fileName.size() + TempMark.size() + TempLetters) return false;
    if (entry.substr(0, fileName.size()) != fileName) return false;
    if (entry.substr(fileName.size(), TempMark.size()) != TempMark) return false;
    for (char c : entry.substr(fileName.size() + TempMark.size()))
        if (!std::isalnum(static_cast<unsigned char>(c))) return false;
    return true;
}

// A save that was interrupted (power cut, crash) leaves its temporary file; the next save removes it.
void removeStaleTemps(const std::string& folder, const std::string& fileName) {
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return;
    while (const dirent* e = ::readdir(dir)) {
        if (!isTempOf(e->d_name, fileName)) continue;
        struct stat st {};
        if (::fstatat(::dirfd(dir), e->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode))
            ::unlinkat(::dirfd(dir), e->d_name, 0);
    }
    ::closedir(dir);
}

std::string tempLetters() {
    static const char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    static std::mt19937_64 random{
        std::random_device{}() ^
        static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count())};
    std::string out;
    for (size_t i = 0; i < TempLetters; ++i)
        out += alphabet[random() % (sizeof alphabet - 1)];
    return out;
}

mode_t newFileMode() {
    const mode_t m = ::umask(0);
    ::umask(m);
    return 0644 & ~m;
}

// The new content, written and checked before it takes the target's place.
struct TempFile {
    int fd = -1;
    std::string name; // empty while the file has no name in the folder
    ~TempFile() { discard(); }
    void discard() {
        if (fd >= 0) ::close(fd);
        fd = -1;
        if (!name.empty()) ::unlink(name.c_str());
        name.clear();
    }
};

// Creates the temporary file (unnamed when allowed and possible), writes, syncs and reads it back.
Error writeTemp(const std::string& folder, const std::string& target, std::string_view bytes,
                const ReadBackCheck& check, bool unnamed, TempFile& t) {
    t.discard();
    if (unnamed) t.fd = ::open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    if (t.fd < 0) {
        std::string name = target + std::string(TempMark) + "XXXXXX";
        t.fd = ::mkostemp(name.data(), O_CLOEXEC);
        if (t.fd < 0) return fromErrno(errno) == Error::Access ? Error::Access : writeError(errno);
        t.name = name;
    }
    if (int e = writeFully(t.fd, bytes)) return writeError(e);
    if (::fsync(t.fd) != 0) return writeError(errno);
    std::string back;
    if (::lseek(t.fd, 0, SEEK_SET) != 0 || readToEnd(t.fd, back, bytes.size() + 1) != 0) return Error::Other;
    if (back != bytes || (check && !check(back))) return Error::Mismatch;
    return Error::None;
}

// Gives an unnamed temporary file a name beside the target, so that it can be renamed over it.
bool nameTemp(const std::string& target, TempFile& t) {
    const std::string self = "/proc/self/fd/" + std::to_string(t.fd);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name = target + std::string(TempMark) + tempLetters();
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            t.name = name;
            return true;
        }
        if (errno != EEXIST) return false;
    }
    return false;
}

// Overwrites the target where it lies (its hard links and owner stay), after the space for the new
// content has been reserved; a failure part-way puts the old content back.
Error overwriteInPlace(const std::string& target, std::string_view bytes) {
    const int fd = ::open(target.c_str(), O_RDWR | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return fromErrno(errno);
    struct stat st {};
    std::string old;
    int e = ::fstat(fd, &st) != 0  ? errno
            : !S_ISREG(st.st_mode) ? EINVAL
                                   : readToEnd(fd, old, size_t{1} << 30);
    if (e == 0) {
        const int r = ::posix_fallocate(fd, 0, static_cast<off_t>(std::max(bytes.size(), size_t{1})));
        if (r == ENOSPC || r == EDQUOT) e = r;
    }
    if (e != 0) {
        ::close(fd);
        return e == EINVAL ? Error::NotRegular : writeError(e);
    }
    auto put = [fd](std::string_view content) {
        if (::lseek(fd, 0, SEEK_SET) != 0) return errno;
        if (int w = writeFully(fd, content)) return w;
        if (::ftruncate(fd, static_cast<off_t>(content.size())) != 0) return errno;
        return ::fsync(fd) != 0 ? errno : 0;
    };
    e = put(bytes);
    // The content in place is read back once more: what the disk returns must be what was written.
    std::string back;
    const bool same = e == 0 && ::lseek(fd, 0, SEEK_SET) == 0 && readToEnd(fd, back, bytes.size() + 1) == 0 &&
                      back == bytes;
    if (!same) put(old);
    ::close(fd);
    return e != 0 ? writeError(e) : same ? Error::None : Error::Mismatch;
}

void syncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

uint64_t contentHash(std::string_view bytes) {
    uint64_t h = 14695981039346656037ull; // FNV-1a
    for (unsigned char c : bytes) {
        h ^= c;
        h *= 1099511628211ull;
    }
    return h;
}

} // namespace

Error ReadAll(const std::string& path, std::string& out, size_t maxBytes) {
    out.clear();
    // Without O_NONBLOCK opening a pipe would wait for a writer, and the window with it.
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return errno == ENXIO ? Error::NotRegular : fromErrno(errno);
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        ::close(fd);
        return Error::Other;
    }
    if (S_ISDIR(st.st_mode)) {
        ::close(fd);
        return Error::Access;
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        return Error::NotRegular;
    }
    if (st.st_size > 0 && static_cast<unsigned long long>(st.st_size) > maxBytes) {
        ::close(fd);
        return Error::Other;
    }
    if (st.st_size > 0) out.reserve(static_cast<size_t>(st.st_size));
    const int e = readToEnd(fd, out, maxBytes);
    ::close(fd);
    if (e != 0) {
        out.clear();
        return Error::Other;
    }
    return Error::None;
}

Error WriteAll(const std::string& path, std::string_view bytes, const ReadBackCheck& check) {
    std::string target;
    if (Error e = followLinks(path, target); e != Error::None) return e;
    struct stat st {};
    const bool exists = ::stat(target.c_str(), &st) == 0;
    if (exists && S_ISDIR(st.st_mode)) return Error::Access;
    if (exists && !S_ISREG(st.st_mode)) return Error::NotRegular;
    // A file without any write permission is read-only for everybody, the administrator included.
    if (exists && (::access(target.c_str(), W_OK) != 0 || (st.st_mode & 0222) == 0)) return Error::Access;
    const std::string folder = folderOf(target);
    struct stat fst {};
    if (::stat(folder.c_str(), &fst) != 0) return Error::Other; // no such folder: a write error, not access
    if (::access(folder.c_str(), W_OK) != 0) return Error::Access;
    removeStaleTemps(folder, FileNameOf(target));

    TempFile t;
    Error e = writeTemp(folder, target, bytes, check, true, t);
    if (e == Error::None && t.name.empty() && !nameTemp(target, t))
        e = writeTemp(folder, target, bytes, check, false, t); // no way to name an unnamed file here
    if (e != Error::None) return e;

    bool inPlace = false;
    if (exists) {
        ::fchmod(t.fd, st.st_mode & 07777);
        struct stat tst {};
        const bool sameOwner = ::fstat(t.fd, &tst) == 0 && tst.st_uid == st.st_uid && tst.st_gid == st.st_gid;
        const bool ownerKept = sameOwner || ::fchown(t.fd, st.st_uid, st.st_gid) == 0;
        inPlace = st.st_nlink > 1 || !ownerKept;
    } else {
        ::fchmod(t.fd, newFileMode());
    }
    if (inPlace) {
        t.discard();
        return overwriteInPlace(target, bytes);
    }
    if (::close(t.fd) != 0) return writeError(errno);
    t.fd = -1;
    if (::rename(t.name.c_str(), target.c_str()) != 0)
        return fromErrno(errno) == Error::Access ? Error::Access : Error::Other;
    t.name.clear();
    syncFolder(folder);
    return Error::None;
}

bool Exists(const std::string& path) {
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

Stamp StampOf(const std::string& path) {
    std::string bytes;
    if (ReadAll(path, bytes) != Error::None) return {};
    return StampOfBytes(bytes);
}

Stamp StampOfBytes(std::string_view bytes) {
    return {true, bytes.size(), contentHash(bytes)};
}

bool FolderWritable(const std::string& path) {
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) &&
           (st.st_mode & 0222) != 0 && ::access(path.c_str(), W_OK) == 0;
}

Error MakeFolders(const std::string& path) {
    if (path.empty()) return Error::NotFound;
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) return S_ISDIR(st.st_mode) ? Error::None : Error::Access;
    std::string folder = path;
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    const std::string parent = folderOf(folder);
    if (parent != folder && parent != ".") {
        const Error e = MakeFolders(parent);
        if (e != Error::None) return e;
    }
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return fromErrno(errno);
    return Error::None;
}

std::string FileNameOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool FileNameHasDot(const std::string& path) {
    return FileNameOf(path).find('.') != std::string::npos;
}

std::vector<std::string_view> SplitLines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    size_t start = 0, i = 0;
    while (i < bytes.size()) {
        char c = bytes[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(bytes.substr(start, i - start));
            if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
            ++i;
            start = i;
        } else {
            ++i;
        }
    }
    if (start < bytes.size()) lines.push_back(bytes.substr(start));
    return lines;
}

bool LineReader::Next(std::string& line) {
    if (pos_ >= lines_.size()) {
        line.clear();
        return false;
    }
    line.assign(lines_[pos_++]);
    return true;
}

void FieldReader::skipBlanks() {
    while (pos_ < s_.size() && (s_[pos_] == ' ' || s_[pos_] == '\t'))
        ++pos_;
}

void FieldReader::skipLineEnd() {
    if (pos_ < s_.size() && s_[pos_] == '\r') ++pos_;
    if (pos_ < s_.size() && s_[pos_] == '\n') ++pos_;
}

void FieldReader::finishField() {
    skipBlanks();
    if (pos_ < s_.size() && s_[pos_] == ',')
        ++pos_;
    else
        skipLineEnd();
}

bool FieldReader::Text(std::string& out) {
    out.clear();
    skipBlanks();
    if (pos_ >= s_.size()) return false;
    if (s_[pos_] == '"') {
        size_t close = s_.find('"', pos_ + 1);
        if (close == std::string_view::npos) close = s_.size();
        out.assign(s_.substr(pos_ + 1, close - pos_ - 1));
        pos_ = close < s_.size() ? close + 1 : close;
        // Anything between the closing quote and the delimiter is dropped.
        while (pos_ < s_.size() && s_[pos_] != ',' && s_[pos_] != '\r' && s_[pos_] != '\n')
            ++pos_;
        finishField();
        return true;
    }
    size_t start = pos_;
    while (pos_ < s_.size() && s_[pos_] != ',' && s_[pos_] != '\r' && s_[pos_] != '\n')
        ++pos_;
    out.assign(s_.substr(start, pos_ - start));
    if (pos_ < s_.size() && s_[pos_] == ',')
        ++pos_;
    else
        skipLineEnd();
    return true;
}

bool FieldReader::NumberField(std::string& out) {
    out.clear();
    skipBlanks();
    if (pos_ >= s_.size()) return false;
    size_t start = pos_;
    while (pos_ < s_.size() && s_[pos_] != ' ' && s_[pos_] != '\t' && s_[pos_] != ',' && s_[pos_] != '\r' &&
           s_[pos_] != '\n')
        ++pos_;
    out.assign(s_.substr(start, pos_ - start));
    finishField();
    return true;
}

bool FieldReader::RestOfLine(std::string& out) {
    out.clear();
    if (pos_ >= s_.size()) return false;
    size_t start = pos_;
    while (pos_ < s_.size() && s_[pos_] != '\r' && s_[pos_] != '\n')
        ++pos_;
    out.assign(s_.substr(start, pos_ - start));
    skipLineEnd();
    return true;
}

} // namespace TextFile
