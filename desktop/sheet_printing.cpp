// The printed worksheet and answer key: the sheet's words and plot from view/ laid out on
// a page for Qt's printing and its PDF writer.
#include "sheet_printing.h"

#include <QApplication>
#include <QFileDialog>
#include <QFont>
#include <QImage>
#include <QMessageBox>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <string_view>

#include "exercise_opening.h"
#include "main_window.h"
#include "raster_canvas.h"
#include "translatable.h"

namespace quorvel {
namespace {

QString qt_text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Millimetres on the page as the device's pixels.
class PageUnits {
  public:
    explicit PageUnits(const QPaintDevice& device)
        : per_mm_(device.logicalDpiX() / 25.4), dpi_(device.logicalDpiX()) {}

    double operator()(double mm) const { return mm * per_mm_; }
    int whole(double mm) const { return static_cast<int>(std::lround(mm * per_mm_)); }
    // A length in the plot's own dots as whole device pixels: exact at sheet_plot_dpi and
    // at its multiples.
    int dots(int plot_pixels) const {
        return static_cast<int>(std::lround(static_cast<double>(plot_pixels) * dpi_ /
                                            static_cast<double>(sheet_plot_dpi)));
    }

  private:
    double per_mm_;
    int dpi_;
};

QFont sheet_font(double points, bool bold = false) {
    QFont font = QApplication::font();
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QImage plot_image(const SheetPlot& plot) {
    // The desktop's canvases hold words 0xAARRGGBB, an RGB32 image's own pixels.
    return QImage(reinterpret_cast<const uchar*>(plot.pixels.data()), plot.width, plot.height,
                  static_cast<qsizetype>(plot.width) * 4, QImage::Format_RGB32)
        .copy();
}

constexpr double margin_mm = 15.0;
constexpr double row_mm = 8.5;
// The table's columns: n, cos or sin, S/T and the coefficient, in millimetres.
constexpr std::array<double, 4> column_mm = {14.0, 34.0, 50.0, 62.0};

// One line of text in a band of the page; gives the band's height.
double text_band(QPainter& painter, const PageUnits& mm, double top, double height,
                 const QString& text, const QFont& font, Qt::Alignment align = Qt::AlignLeft) {
    const double width = painter.device()->width() - 2 * mm(margin_mm);
    painter.setFont(font);
    painter.drawText(QRectF(mm(margin_mm), mm(top), width, mm(height)),
                     static_cast<int>(align | Qt::AlignVCenter), text);
    return height;
}

void paint_table(QPainter& painter, const PageUnits& mm, double top, const Worksheet& sheet) {
    const auto cell = [&](double row_top, std::size_t column, const QString& text) {
        double left = margin_mm;
        for (std::size_t c = 0; c < column; ++c) {
            left += column_mm[c];
        }
        const QRectF box(mm(left), mm(row_top), mm(column_mm[column]), mm(row_mm));
        painter.drawRect(box);
        painter.drawText(box.adjusted(mm(2), 0, -mm(2), 0),
                         static_cast<int>(Qt::AlignLeft | Qt::AlignVCenter), text);
    };
    painter.setPen(QPen(Qt::black, mm(0.3)));
    painter.setFont(sheet_font(10, true));
    for (std::size_t c = 0; c < sheet.headings.size(); ++c) {
        cell(top, c, qt_text(sheet.headings[c]));
    }
    painter.setFont(sheet_font(10));
    double row_top = top;
    for (const SheetRow& row : sheet.rows) {
        row_top += row_mm;
        cell(row_top, 0, qt_text(row.n));
        cell(row_top, 1, qt_text(row.wave));
        cell(row_top, 2, qt_text(row.mean));
        cell(row_top, 3, qt_text(row.coefficient));
    }
}

}  // namespace

Worksheet window_sheet(MainWindow& window, SheetKind kind) {
    const auto code = exercise_code(current_exercise(window.form()));
    return worksheet(kind, code.value_or(""), window.form(), window.catalogue());
}

SheetPlot window_sheet_plot(MainWindow& window) {
    return sheet_plot(dynamic_cast<const RasterCanvas&>(window.surface({"campus_ex"})));
}

QPageSize sheet_page_size(const QLocale& locale) {
    return QPageSize(locale.measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                             : QPageSize::A4);
}

QRect paint_sheet(QPagedPaintDevice& page, const Worksheet& sheet, const SheetPlot& plot) {
    QPainter painter(&page);
    if (!painter.isActive()) {
        return {};
    }
    // The plot's pixels are laid down as squares of dots, never blended, and a PDF keeps
    // them as they are rather than as a JPEG's approximation.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.setRenderHint(QPainter::LosslessImageRendering, true);
    const PageUnits mm(page);
    double top = margin_mm;
    top += text_band(painter, mm, top, 11, qt_text(sheet.title), sheet_font(18, true));
    const QString code = qt_text(sheet.code_label) + QStringLiteral(" ") + qt_text(sheet.code);
    text_band(painter, mm, top, 9, code, sheet_font(13, true), Qt::AlignRight);
    if (!sheet.name_label.empty()) {
        text_band(painter, mm, top, 9,
                  qt_text(sheet.name_label) + QStringLiteral(" ") + QString(30, QChar(u'_')),
                  sheet_font(11));
    }
    top += 9 + 3;
    top += text_band(painter, mm, top, 6, qt_text(sheet.plot_caption), sheet_font(10, true));
    const QRect place(mm.whole(margin_mm), mm.whole(top + 1), mm.dots(plot.width),
                      mm.dots(plot.height));
    painter.drawImage(place, plot_image(plot));
    painter.setPen(QPen(Qt::black, 0));
    painter.setBrush(Qt::NoBrush);
    // A frame around the plot, just outside its pixels.
    const int gap = std::max(1, mm.whole(0.3));
    painter.drawRect(place.adjusted(-gap, -gap, gap, gap));
    top += 1 + (place.height() / mm(1.0)) + 4;
    painter.setFont(sheet_font(10));
    const double width = page.width() - 2 * mm(margin_mm);
    painter.drawText(QRectF(mm(margin_mm), mm(top), width, mm(12)),
                     static_cast<int>(Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap),
                     qt_text(sheet.instructions));
    top += 12 + 1;
    paint_table(painter, mm, top, sheet);
    top += row_mm * static_cast<double>(sheet.rows.size() + 1) + 6;
    top += text_band(painter, mm, top, 7, qt_text(sheet.answer_heading), sheet_font(11, true));
    painter.setFont(sheet_font(11));
    painter.drawText(QRectF(mm(margin_mm), mm(top), width, mm(24)),
                     static_cast<int>(Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap),
                     qt_text(sheet.answer));
    if (sheet.name_label.empty()) {
        return place;
    }
    // Room for the sum the student writes out: ruled lines below "f(θ) =".
    painter.setPen(QPen(Qt::gray, mm(0.2)));
    for (int line = 1; line <= 3; ++line) {
        const double y = mm(top + 8.0 * line);
        painter.drawLine(QPointF(mm(margin_mm), y), QPointF(mm(margin_mm) + width, y));
    }
    return place;
}

std::optional<QRect> write_sheet_pdf(const QString& path, const Worksheet& sheet,
                                     const SheetPlot& plot, const QPageSize& size) {
    QPdfWriter pdf(path);
    if (!pdf.setPageSize(size) || !pdf.setPageMargins(QMarginsF(0, 0, 0, 0))) {
        return std::nullopt;
    }
    pdf.setResolution(sheet_plot_dpi);
    pdf.setTitle(qt_text(sheet.title));
    pdf.setCreator(QStringLiteral("Quorvel"));
    const QRect place = paint_sheet(pdf, sheet, plot);
    if (place.isEmpty()) {
        return std::nullopt;
    }
    return place;
}

void print_sheet(MainWindow& window, SheetKind kind) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(true);
    printer.setDocName(qt_text(window.catalogue().translate(
        kind == SheetKind::answer_key ? N_("Answer key") : N_("Worksheet"))));
    QPrintDialog dialog(&printer, &window);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    paint_sheet(printer, window_sheet(window, kind), window_sheet_plot(window));
}

void save_sheet_as_pdf(MainWindow& window) {
    const Catalogue& catalogue = window.catalogue();
    const Worksheet sheet = window_sheet(window, SheetKind::worksheet);
    const QString suggested = QStringLiteral("quorvel-%1.pdf").arg(qt_text(sheet.code));
    const QString path = QFileDialog::getSaveFileName(
        &window, qt_text(catalogue.translate(N_("Save worksheet as PDF"))), suggested,
        qt_text(catalogue.translate(N_("PDF documents"))) + QStringLiteral(" (*.pdf)"));
    if (path.isEmpty()) {
        return;
    }
    if (!write_sheet_pdf(path, sheet, window_sheet_plot(window), sheet_page_size(QLocale()))) {
        QMessageBox::warning(&window, qt_text(catalogue.translate(N_("Save worksheet as PDF"))),
                             qt_text(catalogue.translate(N_("The worksheet could not be saved."))));
    }
}

}  // namespace quorvel
