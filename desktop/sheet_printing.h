#pragma once

#include <QLocale>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QRect>
#include <QString>
#include <optional>

#include "worksheet.h"

namespace quorvel {

class MainWindow;

// The sheet for the exercise on the window, in its language, and its example plot at
// print resolution.
Worksheet window_sheet(MainWindow& window, SheetKind kind);
SheetPlot window_sheet_plot(MainWindow& window);

// A4, or Letter where the locale measures in US units.
QPageSize sheet_page_size(const QLocale& locale);

// Lays the sheet out on one page of a printer or a PDF writer, from the page's top-left
// corner with margins of its own; gives where the plot landed, in device pixels (an
// empty rectangle when nothing could be painted on the device). The plot
// goes down at whole device pixels, unsmoothed, so at sheet_plot_dpi each of its pixels is
// one dot and at a multiple of it a square of dots.
QRect paint_sheet(QPagedPaintDevice& page, const Worksheet& sheet, const SheetPlot& plot);

// Writes the sheet as a one-page PDF at sheet_plot_dpi: where the plot lies on the page
// in pixels at that resolution, or nothing when the file cannot be written.
std::optional<QRect> write_sheet_pdf(const QString& path, const Worksheet& sheet,
                                     const SheetPlot& plot, const QPageSize& size);

// The print dialog for the sheet, and it printed if the user goes on.
void print_sheet(MainWindow& window, SheetKind kind);
// A file dialog for the worksheet's PDF, and it written there; a file that cannot be
// written is told in a message box.
void save_sheet_as_pdf(MainWindow& window);

}  // namespace quorvel
