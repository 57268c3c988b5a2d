#include "lang/frmLang.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <algorithm>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "app/ProgramState.h"
#include "app/frmForma.h"
#include "basics/TextFile.h"
#include "lang/LanguageFile.h"
#include "lang/LoadJazikMUi.h"
#include "widgets/DialogButtons.h"
#include "widgets/FitToTitle.h"
#include "widgets/UiText.h"

namespace {

// "*.txt" in any letter case, as the pattern matches on the desktops the language files come from.
bool hasTxtExtension(const std::string& name) {
    if (name.size() < 4) return false;
    std::string ext = name.substr(name.size() - 4);
    for (char& ch : ext)
        if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
    return ext == ".txt";
}

// The names of the "*.txt" entries of a folder that are, or claim to be, files, sorted by name.
// A link to nowhere is listed (it cannot be read, and is shown as such); folders, pipes and devices are
// not, so that reading an entry can never wait for a writer.
std::vector<std::string> languageFiles(const std::string& folder) {
    namespace fs = std::filesystem;
    std::vector<std::string> names;
    std::error_code ec;
    fs::directory_iterator it(fs::path(folder), ec), end;
    for (; !ec && it != end; it.increment(ec)) {
        std::string name = it->path().filename().string();
        if (!hasTxtExtension(name)) continue;
        std::error_code se;
        const fs::file_status target = it->status(se);
        const bool dangling = target.type() == fs::file_type::not_found && it->is_symlink(se);
        if (target.type() == fs::file_type::regular || dangling) names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

frmLang::frmLang(frmForma& owner) : QDialog(&owner), owner_(owner) {
    setObjectName("frmLang");
    setWindowTitle(QStringLiteral("Select of language"));
    Label1 = new QLabel(QStringLiteral("List:"), this);
    File = new QListWidget(this);
    File->setObjectName("File");
    File->hide();
    DirT = new QListWidget(this);
    DirT->setObjectName("DirT");
    Label1->setBuddy(DirT);
    Inform = new QLabel(this);
    // Texts from the language file (and names from files) are shown as they are, never as markup.
    for (QLabel* label : {Label1, Inform})
        label->setTextFormat(Qt::PlainText);
    Inform->setObjectName("Inform");
    const DialogButtons okCancel = MakeDialogButtons(this, QStringLiteral("Cancel"), "OK", "NO");
    OK = okCancel.ok;
    NO = okCancel.cancel;

    auto* grid = new QGridLayout(this);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(DirT, 1, 0);
    grid->addWidget(Inform, 2, 0);
    auto* buttons = new QHBoxLayout();
    buttons->addStretch();
    buttons->addWidget(OK);
    buttons->addWidget(NO);
    grid->addLayout(buttons, 3, 0);
    DirT->setMinimumSize(240, 140);

    connect(DirT, &QListWidget::itemSelectionChanged, this, &frmLang::DirT_Click);
    connect(DirT, &QListWidget::itemDoubleClicked, this, &frmLang::DirT_DblClick);
    connect(OK, &QPushButton::clicked, this, &frmLang::OK_Click);
    connect(NO, &QPushButton::clicked, this, &frmLang::NO_Click);
    Form_Load();
    FitToTitle(*this);
}

void frmLang::Form_Load() {
    const auto& o = Opt();
    const std::string folder = o.AppDir + "Language";
    const std::vector<std::string> names = languageFiles(folder);
    if (names.empty()) return; // no folder or no file: empty lists, design captions
    for (const std::string& name : names) {
        std::string bytes;
        // A file that cannot be read is listed under its file name, so that every display name stays
        // beside its own file; choosing it lets the language loader report the problem.
        const bool read =
            TextFile::ReadAll(folder + o.PathSep + name, bytes, size_t{4} << 20) == TextFile::Error::None;
        File->addItem(QPath(name));
        DirT->addItem(read ? Q(LanguageDisplayName(bytes)) : QPath(name));
    }
    if (o.LanguageFile.empty()) return;
    // A caption the language in force leaves empty is shown in English: the dialog that leads to a
    // better language file must stay readable.
    const auto& t = Lang();
    auto caption = [&t](size_t item) {
        return Q(CaptionOrEnglish(t, LangIndex::FirstLangText + static_cast<int32_t>(item)));
    };
    setWindowTitle(Plain(caption(LangTextItem::LanguageTitle)));
    Label1->setText(caption(LangTextItem::LanguageListLabel));
    NO->setText(caption(LangTextItem::CancelButton));
}

int frmLang::SelectedRow() const {
    const auto selected = DirT->selectedItems();
    return selected.isEmpty() ? -1 : DirT->row(selected.first());
}

void frmLang::DirT_Click() {
    const int row = SelectedRow();
    File->setCurrentRow(row);
    Inform->setText(row >= 0 && File->item(row) ? File->item(row)->text() : QString());
}

void frmLang::DirT_DblClick() {
    DirT_Click();
    OK_Click();
}

void frmLang::OK_Click() {
    const int row = SelectedRow();
    if (row >= 0 && File->item(row)) LoadJazikM::LoadLanguage(owner_, NativePath(File->item(row)->text()));
    accept();
}

void frmLang::NO_Click() {
    reject();
}
