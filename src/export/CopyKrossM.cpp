#include "export/CopyKrossM.h"

#include <algorithm>
#include <optional>

#include "basics/Cp1251.h"
#include "basics/NumberText.h"
#include "grid/FieldGeometry.h"
#include "lang/LanguageFile.h"

namespace CopyKrossM {
namespace {

// Native (UTF-8) tail of the filled-grid picture's name.
constexpr std::string_view kFilledSuffix = " (ответы).bmp";
constexpr std::string_view kEmptySuffix = ".bmp";

size_t fileNameStart(std::string_view path) {
    const size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? 0 : slash + 1;
}

bool isContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// One UTF-8 character at the start of s: its code point and length, or nothing when s does not start
// with a well-formed one.
std::optional<std::pair<char32_t, size_t>> decodeUtf8(std::string_view s) {
    const auto b0 = static_cast<unsigned char>(s[0]);
    if (b0 < 0x80) return std::pair{char32_t{b0}, size_t{1}};
    size_t len = 0;
    char32_t cp = 0;
    char32_t least = 0;
    if ((b0 & 0xE0) == 0xC0) {
        len = 2, cp = b0 & 0x1Fu, least = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        len = 3, cp = b0 & 0x0Fu, least = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        len = 4, cp = b0 & 0x07u, least = 0x10000;
    } else {
        return std::nullopt;
    }
    if (s.size() < len) return std::nullopt;
    for (size_t i = 1; i < len; ++i) {
        if (!isContinuationByte(s[i])) return std::nullopt;
        cp = (cp << 6) | (static_cast<unsigned char>(s[i]) & 0x3Fu);
    }
    if (cp < least || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return std::nullopt;
    return std::pair{cp, len};
}

void appendPercent(std::string& out, unsigned char b) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    out += '%';
    out += kHex[b >> 4];
    out += kHex[b & 0x0F];
}

void appendEscaped(std::string& out, char c) {
    switch (c) {
    case '&':
        out += "&amp;";
        break;
    case '<':
        out += "&lt;";
        break;
    case '>':
        out += "&gt;";
        break;
    case '"':
        out += "&quot;";
        break;
    case '\'':
        out += "&#39;";
        break;
    case '\r':
    case '\n':
        out += ' ';
        break;
    default:
        out += c;
    }
}

// One clue or answer list: "<br><b>", the heading, "</b> ", then an item per word of direction d.
enum class ListKind { Clues, Answers };

void appendList(std::string& out, const KrossDocument& doc, const std::string& heading, int32_t d,
                ListKind kind) {
    out += "<br><b>";
    out += EscapeHtml(heading);
    out += "</b> ";
    for (int32_t n = 1; n <= doc.NumberCount; ++n) {
        const int32_t length = doc.WordLength(n, d);
        if (length < 1) continue;
        out += NumberText::Signed(n);
        out += ". ";
        out += EscapeHtml(kind == ListKind::Clues ? doc.ClueTexts.Clue(n, d)
                                                  : AnswerItemText(doc.ClueTexts.Answer(n, d), length));
    }
}

} // namespace

ExportPaths DerivePaths(const std::string& chosenPath) {
    const size_t nameStart = fileNameStart(chosenPath);
    const std::string_view name = std::string_view(chosenPath).substr(nameStart);

    ExportPaths p;
    p.PagePath = name.find('.') != std::string_view::npos ? chosenPath : chosenPath + ".htm";
    const size_t dot = name.rfind('.');
    p.Base = (dot == std::string_view::npos || dot == 0) ? chosenPath : chosenPath.substr(0, nameStart + dot);
    p.EmptyPicturePath = p.Base + std::string(kEmptySuffix);
    p.FilledPicturePath = p.Base + std::string(kFilledSuffix);
    p.EmptyPictureName = p.EmptyPicturePath.substr(fileNameStart(p.EmptyPicturePath));
    p.FilledPictureName = p.FilledPicturePath.substr(fileNameStart(p.FilledPicturePath));
    return p;
}

std::string DefaultFileName(const std::string& krossFile) {
    const std::string_view name = std::string_view(krossFile).substr(fileNameStart(krossFile));
    size_t end = name.size();
    for (int k = 0; k < 4; ++k) {
        if (end == 0) return {};
        --end;
        while (end > 0 && isContinuationByte(name[end]))
            --end;
    }
    return std::string(name.substr(0, end));
}

std::string DialogFilter() {
    using namespace std::string_literals;
    return "HTML Document (*.htm; *.html)\0*.htm;*.html\0"s + std::string(AllFilesDescription) + '\0' +
           std::string(AllFilesPattern);
}

std::string EscapeHtml(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text)
        appendEscaped(out, c);
    return out;
}

std::string AnswerItemText(std::string_view answer, int32_t length) {
    if (answer.empty()) return {};
    const size_t restWanted = length > 1 ? static_cast<size_t>(length - 1) : 0;
    const size_t rest = std::min(restWanted, answer.size() - 1);
    std::string out(1, answer[0]);
    out += Cp1251::ToLower(answer.substr(answer.size() - rest));
    return out;
}

std::string PictureReference(std::string_view fileName) {
    std::string out;
    size_t i = 0;
    while (i < fileName.size()) {
        const auto decoded = decodeUtf8(fileName.substr(i));
        if (!decoded) {
            appendPercent(out, static_cast<unsigned char>(fileName[i]));
            ++i;
            continue;
        }
        const auto [cp, len] = *decoded;
        const bool addressSign = cp == '%' || cp == '#' || cp == '?' || cp == ':' || cp == '\\';
        const auto code = Cp1251::FromUnicode(cp);
        if (addressSign || cp < 0x20 || cp == 0x7F || !code) {
            for (size_t k = 0; k < len; ++k)
                appendPercent(out, static_cast<unsigned char>(fileName[i + k]));
        } else {
            appendEscaped(out, static_cast<char>(*code));
        }
        i += len;
    }
    return out;
}

std::string PageText(const PageInput& in) {
    const KrossDocument& doc = in.Doc;
    const std::string name = EscapeHtml(doc.KrossName);
    const std::string byAuthor = EscapeHtml(in.LangAuthorWord) + " " + EscapeHtml(doc.KrossAuthor);

    std::string page;
    page += "<html><head><meta http-equiv='Content-Type' content='text/html; charset=windows-1251'><title>";
    page += EscapeHtml(in.KrossCaption) + ": \"" + name + "\" " + byAuthor;
    page += "</title></head><body topmargin=0 leftmargin=0><center>";
    page += "<br><font size=5>" + byAuthor + "</font>";
    page += "<br><font size=6>" + name + "</font>";
    page += "<br><img src='" + PictureReference(in.EmptyPictureName) + "'></center><br><br>";

    appendList(page, doc, in.AcrossHeading, 0, ListKind::Clues);
    appendList(page, doc, in.DownHeading, 1, ListKind::Clues);

    page += "<center><font size=5>" + Cp1251::FromUtf8Lossy("Ответы") + "</font><br><img src='" +
            PictureReference(in.FilledPictureName) + "'></center>";
    page += "<br>";
    appendList(page, doc, in.AcrossHeading, 0, ListKind::Answers);
    appendList(page, doc, in.DownHeading, 1, ListKind::Answers);
    page += "</body></html>\r\n";
    return page;
}

bool PicturesFit(int64_t columns, int64_t rows, int64_t cellSize) {
    if (columns < 1 || rows < 1 || cellSize < 1 || cellSize > MaxPictureSide) return false;
    const int64_t w = FieldGeometry::ExportPictureSide(columns, cellSize),
                  h = FieldGeometry::ExportPictureSide(rows, cellSize);
    return w <= MaxPictureSide && h <= MaxPictureSide && w * h <= MaxPicturePixels;
}

} // namespace CopyKrossM
