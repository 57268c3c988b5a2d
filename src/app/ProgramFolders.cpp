#include "app/ProgramFolders.h"

#include <cstdlib>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "basics/TextFile.h"

namespace {

std::string withSlash(std::string dir) {
    if (dir.empty() || dir.back() != '/') dir += '/';
    return dir;
}

bool isFolder(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::vector<std::string> components(const std::string& path) {
    std::vector<std::string> out;
    size_t pos = 0;
    while (pos <= path.size()) {
        size_t end = path.find('/', pos);
        if (end == std::string::npos) end = path.size();
        if (end > pos) out.push_back(path.substr(pos, end - pos));
        pos = end + 1;
    }
    return out;
}

// "/usr/bin/" + "../share/gridmora" -> "/usr/share/gridmora/": ".." steps are taken by name, so the
// result names the folder beside the binary's folder even when that is reached through a link.
std::string joinRelative(const std::string& dir, const std::string& relative) {
    std::vector<std::string> parts = components(dir);
    for (const std::string& part : components(relative)) {
        if (part == ".") continue;
        if (part == "..") {
            if (!parts.empty()) parts.pop_back();
            continue;
        }
        parts.push_back(part);
    }
    std::string out = !dir.empty() && dir.front() == '/' ? std::string(1, '/') : std::string();
    for (const std::string& part : parts)
        out += part + '/';
    return out;
}

} // namespace

std::string DataFromBinary() {
#ifdef GRIDMORA_DATA_FROM_BINARY
    return GRIDMORA_DATA_FROM_BINARY;
#else
    return "../share/gridmora";
#endif
}

FolderEnvironment CurrentEnvironment() {
    FolderEnvironment env;
    if (const char* x = std::getenv("XDG_CONFIG_HOME")) env.XdgConfigHome = x;
    if (const char* h = std::getenv("HOME")) env.Home = h;
    if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir) env.AccountHome = pw->pw_dir;
    return env;
}

std::string UserSettingsFolder(const FolderEnvironment& env) {
    if (!env.XdgConfigHome.empty() && env.XdgConfigHome.front() == '/')
        return withSlash(env.XdgConfigHome) + "gridmora/";
    const std::string& home = !env.Home.empty() && env.Home.front() == '/' ? env.Home : env.AccountHome;
    if (home.empty() || home.front() != '/') return {};
    return withSlash(home) + ".config/gridmora/";
}

ProgramFolders LocateProgramFolders(const std::string& binaryDir, const FolderEnvironment& env) {
    ProgramFolders f;
    const std::string own = withSlash(binaryDir);
    if (isFolder(own + "Language")) {
        f.AppDir = own;
        f.Portable = TextFile::FolderWritable(own);
    } else {
        const std::string installed = joinRelative(own, DataFromBinary());
        f.AppDir = isFolder(installed + "Language") ? installed : own;
    }
    f.SettingsDir = f.Portable ? f.AppDir : UserSettingsFolder(env);
    return f;
}
