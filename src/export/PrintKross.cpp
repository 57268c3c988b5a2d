#include "export/PrintKross.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QHash>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <memory>

#include "app/SettingsFile.h"
#include "display/NewFontMUi.h"
#include "document/KrossDocument.h"
#include "lang/LanguageFile.h"
#include "widgets/UiText.h"

namespace PrintKross {
namespace {

using PrintLayout::Face;

// The face of every printed text but the grid's letters: a sans-serif face with Cyrillic letters that
// the PDF writer can embed.
constexpr const char* kTextFamily = "DejaVu Sans";

// Measures texts as the device prints them, in points.
class DeviceMeasure : public PrintLayout::TextMeasure {
  public:
    DeviceMeasure(QPaintDevice& device, const QFont& letterFont) : device_(device), letterFont_(letterFont) {}

    QFont Font(Face face, double size) const {
        QFont f = face == Face::Letter ? letterFont_ : QFont(QString::fromLatin1(kTextFamily));
        if (face != Face::Letter) {
            f.setStyleHint(QFont::SansSerif);
            f.setBold(face == Face::Title || face == Face::Bold);
        }
        f.setUnderline(false);
        f.setStrikeOut(false);
        f.setPointSizeF(std::max(size, 0.01));
        return f;
    }
    double Width(Face face, double size, std::string_view text) const override {
        return metrics(face, size).horizontalAdvance(Q(text)) * 72.0 / device_.logicalDpiX();
    }
    double Ascent(Face face, double size) const override {
        return metrics(face, size).ascent() * 72.0 / device_.logicalDpiY();
    }
    double LineHeight(Face face, double size) const override {
        return metrics(face, size).lineSpacing() * 72.0 / device_.logicalDpiY();
    }

  private:
    const QFontMetricsF& metrics(Face face, double size) const {
        const QString key =
            QString::number(static_cast<int>(face)) + QLatin1Char('/') + QString::number(size);
        auto it = cache_.find(key);
        if (it == cache_.end())
            it = cache_.insert(key, std::make_shared<QFontMetricsF>(Font(face, size), &device_));
        return **it;
    }
    QPaintDevice& device_;
    QFont letterFont_;
    mutable QHash<QString, std::shared_ptr<QFontMetricsF>> cache_;
};

class PagePainter {
  public:
    PagePainter(QPainter& p, const DeviceMeasure& m, double scaleX, double scaleY)
        : p_(p), m_(m), kx_(scaleX), ky_(scaleY) {}

    void Text(const PrintLayout::TextItem& t) {
        p_.setFont(m_.Font(t.Font, t.Size));
        p_.drawText(QPointF(t.X * kx_, t.Baseline * ky_), Q(t.Text));
    }

    // Enclosed blocks black, letter cells outlined, then their numbers and letters.
    void Grid(const PrintLayout::PaperGrid& g, const PrintLayout::GridItem& at) {
        using Cell = PrintLayout::PaperGrid::Cell;
        auto box = [&](int32_t c, int32_t r) {
            return QRectF((at.X + c * at.Cell) * kx_, (at.Y + r * at.Cell) * ky_, at.Cell * kx_,
                          at.Cell * ky_);
        };
        for (int32_t r = 0; r < g.Height; ++r)
            for (int32_t c = 0; c < g.Width; ++c)
                if (g.Cells[g.At(c, r)] == Cell::Block) p_.fillRect(box(c, r), Qt::black);
        QPen pen(Qt::black);
        pen.setWidthF(std::min(0.6, at.Cell * 0.05) * kx_);
        p_.setPen(pen);
        p_.setBrush(Qt::NoBrush);
        for (int32_t r = 0; r < g.Height; ++r)
            for (int32_t c = 0; c < g.Width; ++c)
                if (g.Cells[g.At(c, r)] == Cell::Letter) p_.drawRect(box(c, r));
        for (int32_t r = 0; r < g.Height; ++r)
            for (int32_t c = 0; c < g.Width; ++c) {
                if (g.Cells[g.At(c, r)] != Cell::Letter) continue;
                if (auto n = PrintLayout::CellNumber(g, at, c, r, m_)) Text(*n);
                if (auto l = PrintLayout::CellLetter(g, at, c, r, m_)) Text(*l);
            }
    }

  private:
    QPainter& p_;
    const DeviceMeasure& m_;
    double kx_, ky_;
};

} // namespace

Job MakeJob(const KrossDocument& doc, const InterfaceTexts& texts, const Settings& settings,
            bool answersPage) {
    Job job;
    job.Content = PrintLayout::MakeContent(doc, answersPage);
    if (doc.NoAnswers == 0 && !doc.KrossAuthor.empty())
        job.Content.AuthorLine = texts.LangAuthorWord + " " + doc.KrossAuthor;
    job.Content.AcrossHeading = texts.Captions[static_cast<size_t>(LangIndex::AcrossHeading)];
    job.Content.DownHeading = texts.Captions[static_cast<size_t>(LangIndex::DownHeading)];
    job.Content.AnswersHeading = Text(texts, 158);
    job.Grid = PrintLayout::MakePaperGrid(doc, settings.StyleIndex != 0, job.Content.AnswersPage);
    job.LetterFont = NewFontM::LetterFont(settings);
    return job;
}

std::vector<PrintLayout::Page> Layout(QPagedPaintDevice& device, const Job& job) {
    const DeviceMeasure measure(device, job.LetterFont);
    const QRectF area = device.pageLayout().paintRect(QPageLayout::Point);
    return PrintLayout::Lay(job.Content, job.Grid.Width, job.Grid.Height, area.width(), area.height(),
                            measure);
}

void Paint(QPagedPaintDevice& device, const Job& job) {
    const std::vector<PrintLayout::Page> pages = Layout(device, job);
    QPainter painter(&device);
    if (!painter.isActive()) return;
    painter.setRenderHint(QPainter::Antialiasing);
    const DeviceMeasure measure(device, job.LetterFont);
    PagePainter draw(painter, measure, device.logicalDpiX() / 72.0, device.logicalDpiY() / 72.0);
    for (size_t i = 0; i < pages.size(); ++i) {
        if (i > 0 && !device.newPage()) return;
        if (pages[i].Grid) draw.Grid(job.Grid, *pages[i].Grid);
        for (const PrintLayout::TextItem& t : pages[i].Texts)
            draw.Text(t);
    }
}

QPageSize::PageSizeId DefaultPaper() {
    return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                              : QPageSize::A4;
}

QPageLayout PageLayout(QPageSize::PageSizeId paper) {
    return QPageLayout(QPageSize(paper), QPageLayout::Portrait,
                       QMarginsF(MarginMm, MarginMm, MarginMm, MarginMm), QPageLayout::Millimeter);
}

QByteArray Pdf(const Job& job, QPageSize::PageSizeId paper) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(PageLayout(paper));
        writer.setTitle(Q(job.Content.Title));
        writer.setCreator(QStringLiteral("Gridmora"));
        Paint(writer, job);
    }
    return bytes;
}

} // namespace PrintKross
