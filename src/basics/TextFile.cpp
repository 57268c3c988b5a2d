#include "basics/TextFile.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
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
    default:
        return Error::Other;
    }
}

std::string folderOf(const std::string& path) {
    auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

bool writeFully(int fd, std::string_view bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

} // namespace

Error ReadAll(const std::string& path, std::string& out, size_t maxBytes) {
    out.clear();
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return fromErrno(errno);
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        ::close(fd);
        return Error::Other;
    }
    if (S_ISDIR(st.st_mode)) {
        ::close(fd);
        return Error::Access;
    }
    if (st.st_size > 0 && static_cast<unsigned long long>(st.st_size) > maxBytes) {
        ::close(fd);
        return Error::Other;
    }
    if (st.st_size > 0) out.reserve(static_cast<size_t>(st.st_size));
    char buf[65536];
    for (;;) {
        ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR) continue;
            ::close(fd);
            out.clear();
            return Error::Other;
        }
        if (n == 0) break;
        if (out.size() + static_cast<size_t>(n) > maxBytes) {
            ::close(fd);
            out.clear();
            return Error::Other;
        }
        out.append(buf, static_cast<size_t>(n));
    }
    ::close(fd);
    return Error::None;
}

Error WriteAll(const std::string& path, std::string_view bytes) {
    struct stat st {};
    bool exists = ::stat(path.c_str(), &st) == 0;
    if (exists && S_ISDIR(st.st_mode)) return Error::Access;
    // A file without any write permission is read-only for everybody, the administrator included.
    if (exists && (::access(path.c_str(), W_OK) != 0 || (st.st_mode & 0222) == 0)) return Error::Access;
    const std::string folder = folderOf(path);
    struct stat fst {};
    if (::stat(folder.c_str(), &fst) != 0) return Error::Other; // no such folder: a write error, not access
    if (::access(folder.c_str(), W_OK) != 0) return Error::Access;

    std::string tmp = path + ".tmp-XXXXXX";
    int fd = ::mkstemp(tmp.data());
    if (fd < 0) return fromErrno(errno) == Error::Access ? Error::Access : Error::Other;
    bool ok = writeFully(fd, bytes) && ::fsync(fd) == 0;
    if (exists)
        ::fchmod(fd, st.st_mode & 07777);
    else
        ::fchmod(
            fd, 0644 & ~[] {
                mode_t m = ::umask(0);
                ::umask(m);
                return m;
            }());
    ok = (::close(fd) == 0) && ok;
    if (!ok || ::rename(tmp.c_str(), path.c_str()) != 0) {
        ::unlink(tmp.c_str());
        return Error::Other;
    }
    return Error::None;
}

bool Exists(const std::string& path) {
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
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
