#pragma once
// Where the program finds its data and where it keeps the user's settings.
//
// Two layouts are known. Portable: the program folder holds Language/ beside the binary, together with
// Samples/, Data/ and the help pages. Installed: the binary sits in bin/ and the data in
// ../share/gridmora (DataFromBinary). The settings file stays beside a portable program whose folder is
// writable; otherwise it lives in the user's configuration folder, $XDG_CONFIG_HOME/gridmora/ (by
// default ~/.config/gridmora/). An installed program never writes into its shared data folder.
#include <string>

// The environment the rules read; CurrentEnvironment() takes it from the running process.
struct FolderEnvironment {
    std::string XdgConfigHome; // $XDG_CONFIG_HOME, empty when unset
    std::string Home;          // $HOME, empty when unset
    std::string AccountHome;   // the home folder of the user's account, for a missing $HOME
};
FolderEnvironment CurrentEnvironment();

// The data folder of an installed program relative to its binary's folder, as the install lays it out
// ("../share/gridmora").
std::string DataFromBinary();

// The user's settings folder, ending in "/": $XDG_CONFIG_HOME/gridmora/ when that variable holds an
// absolute path (a relative one is ignored, as the desktop's rules say), else <home>/.config/gridmora/
// with $HOME or, without it, the account's home. Empty when no home is known.
std::string UserSettingsFolder(const FolderEnvironment& env);

struct ProgramFolders {
    std::string AppDir;      // the data: Language/, Samples/, Data/, help pages; ends in "/"
    std::string SettingsDir; // folder of the settings file, ends in "/"; empty when none is known
    bool Portable = false;   // the settings stay beside the program
};

// The folders of a program whose binary lies in binaryDir: the binary's own folder when it holds
// Language/, else binaryDir/DataFromBinary() when that holds Language/, else the binary's folder (whose
// missing language file is then reported as usual). The settings go beside the program only when its
// folder holds Language/ and is writable (TextFile::FolderWritable).
ProgramFolders LocateProgramFolders(const std::string& binaryDir, const FolderEnvironment& env);
