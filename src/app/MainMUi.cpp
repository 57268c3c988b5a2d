#include "app/MainMUi.h"

#include <QCoreApplication>

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
    o.AppDir = programDir ? *programDir : NativePath(QCoreApplication::applicationDirPath());
    // Folders on this platform are separated by "/"; a backslash is an ordinary character in a name.
    o.PathSep = "/";
    if (o.AppDir.empty() || o.AppDir.back() != '/') o.AppDir += o.PathSep;
    o.SamplesDir = o.AppDir + "Samples";

    std::string bytes;
    if (TextFile::ReadAll(o.AppDir + std::string(SettingsFileName), bytes, size_t{1} << 20) ==
        TextFile::Error::None)
        ReadSettingsText(bytes, o);
    NewFontM::RegisterFontSubstitutes();
}

frmForma* Main(std::optional<std::string> programDir) {
    LoadSettings(programDir);
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

} // namespace MainM
