#include "app/MainMUi.h"

#include <QCoreApplication>

#include "app/ProgramFolders.h"
#include "app/ProgramState.h"
#include "app/frmForma.h"
#include "basics/TextFile.h"
#include "display/NewFontMUi.h"
#include "lang/LoadJazikMUi.h"
#include "widgets/UiText.h"

namespace MainM {

void LoadSettings(std::optional<std::string> programDir) {
    ResetState();
    auto& o = Opt();
    o = DefaultSettings();
    const std::string binaryDir =
        programDir ? *programDir : NativePath(QCoreApplication::applicationDirPath());
    const ProgramFolders folders = LocateProgramFolders(binaryDir, CurrentEnvironment());
    // Folders on this platform are separated by "/"; a backslash is an ordinary character in a name.
    // Moved in from a temporary: assigning the literal here makes GCC 12 at -O3 warn falsely about
    // overlapping copies (-Wrestrict).
    o.PathSep = std::string(1, '/');
    o.AppDir = folders.AppDir;
    o.SettingsDir = folders.SettingsDir;
    o.SamplesDir = o.AppDir + "Samples";

    // No settings folder (no home) reads as a missing file: every setting keeps its default.
    std::string bytes;
    if (!o.SettingsDir.empty() && TextFile::ReadAll(o.SettingsDir + std::string(SettingsFileName), bytes,
                                                    size_t{1} << 20) == TextFile::Error::None)
        ReadSettingsText(bytes, o);
    NewFontM::RegisterFontSubstitutes();
}

frmForma* StartWindow() {
    auto& o = Opt();
    auto* form = new frmForma();
    NewFontM::ApplyLetterFont(*form);
    form->setAttribute(Qt::WA_DeleteOnClose);
    if (o.LanguageFile.empty()) o.LanguageFile = "Russian.txt";
    LoadJazikM::LoadLanguage(*form, o.LanguageFile);
    QCoreApplication::processEvents();
    form->show();
    if (o.StyleIndex == 0 || o.StyleIndex == 1) form->CheckStyle(o.StyleIndex);
    Doc().ActiveStyle = o.StyleIndex;
    return form;
}

frmForma* Main(std::optional<std::string> programDir) {
    LoadSettings(std::move(programDir));
    return StartWindow();
}

} // namespace MainM
