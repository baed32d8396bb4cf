// The worksheet and the answer key as Qt writes them to PDF, read back as a reader's tools
// see them: pdftotext finds the code and the table's words (and the key's numbers), and
// the page rasterised at the plot's resolution shows the example plot dot for dot as the
// window's own raster canvas draws it at that scale.
#include "sheet_printing.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <string>
#include <variant>

#include "exercise_code.h"
#include "exercise_opening.h"
#include "number_text.h"
#include "raster_canvas.h"
#include "window_fixture.h"

namespace quorvel {
namespace {

struct Printed {
    const char* name;
    Exercise exercise;
    QPageSize::PageSizeId size;
};

void PrintTo(const Printed& c, std::ostream* out) {
    *out << c.name;
}

// Runs a poppler tool; its standard output, or a failure naming it.
QString run_tool(const QString& program, const QStringList& arguments) {
    QProcess tool;
    tool.start(program, arguments);
    EXPECT_TRUE(tool.waitForFinished(30000)) << program.toStdString() << " did not finish";
    EXPECT_EQ(tool.exitCode(), 0) << program.toStdString() << ": "
                                  << tool.readAllStandardError().toStdString();
    return QString::fromUtf8(tool.readAllStandardOutput());
}

class SheetPdf : public testing::StartedWindow, public ::testing::WithParamInterface<Printed> {
  protected:
    void SetUp() override {
        StartedWindow::SetUp();
        ASSERT_TRUE(dir.isValid());
        code = *exercise_code(GetParam().exercise);
        ASSERT_FALSE(open_exercise(window.form(), code).has_value()) << code;
    }

    // Writes the sheet and gives the plot's place on the page at sheet_plot_dpi.
    QRect write(SheetKind kind) {
        const auto place = write_sheet_pdf(path(), window_sheet(window, kind),
                                           window_sheet_plot(window), QPageSize(GetParam().size));
        EXPECT_TRUE(place.has_value());
        return place.value_or(QRect());
    }

    QString text() { return run_tool("pdftotext", {"-layout", path(), "-"}); }

    QString path() const { return dir.filePath("sheet.pdf"); }

    QTemporaryDir dir;
    std::string code;
};

TEST_P(SheetPdf, HoldsTheCodeAndTheTableAsText) {
    write(SheetKind::worksheet);
    // Qt sets "ffi" and the like as one ligature glyph, which reads back as one character.
    const QString text = this->text().normalized(QString::NormalizationForm_KC);
    for (const QString& words :
         {QString::fromStdString(code), QStringLiteral("Exercise code:"),
          QStringLiteral("Fourier series worksheet"), QStringLiteral("cos or sin"),
          QStringLiteral("S/T"), QStringLiteral("Coefficient"), QStringLiteral("a0 ="),
          QStringLiteral("b4 ="), QStringLiteral("f(θ) ="), QStringLiteral("Name:")}) {
        EXPECT_TRUE(text.contains(words)) << words.toStdString() << " not in\n"
                                          << text.toStdString();
    }
    // The window's captions belong to the window, not to the sheet.
    EXPECT_FALSE(text.contains(QStringLiteral("Spectol")));
    EXPECT_FALSE(text.contains(QStringLiteral("Essential Wave")));
}

TEST_P(SheetPdf, TheAnswerKeyGivesTheExamplesCoefficients) {
    write(SheetKind::answer_key);
    const QString text = this->text().simplified();
    const Form& form = window.form();
    for (int i = 0; i <= highest_harmonic; ++i) {
        const std::string a = "a" + std::to_string(i) + " = " + form.ex_a(i).text();
        EXPECT_TRUE(text.contains(QString::fromStdString(a)))
            << a << " not in " << text.toStdString();
        if (i > 0) {
            const std::string b = "b" + std::to_string(i) + " = " + text_of(form.ex_b(i));
            EXPECT_TRUE(text.contains(QString::fromStdString(b)))
                << b << " not in " << text.toStdString();
        }
    }
    EXPECT_TRUE(text.contains(QString::fromStdString(code)));
}

// Rendered at the plot's own resolution the page shows, where the plot was laid, exactly
// the pixels of the window's example canvas drawn at the print ratio.
TEST_P(SheetPdf, ThePlotIsTheCanvasDotForDot) {
    const QRect place = write(SheetKind::worksheet);
    // Poppler's Cairo rasteriser takes each image pixel whole; its Splash one (pdftoppm)
    // blends neighbouring rows of an image placed upside down, as PDF writers place them.
    run_tool("pdftocairo", {"-r", QString::number(sheet_plot_dpi), "-png", "-singlefile", path(),
                            dir.filePath("page")});
    const QImage page = QImage(dir.filePath("page.png")).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(page.isNull());
    auto& canvas = dynamic_cast<RasterCanvas&>(window.surface({"campus_ex"}));
    canvas.set_ratio(sheet_plot_ratio);
    ASSERT_EQ(place.size(), QSize(canvas.pixel_width(), canvas.pixel_height()));
    int differing = 0;
    int black = 0;
    for (int y = 0; y < place.height(); ++y) {
        for (int x = 0; x < place.width(); ++x) {
            const QRgb shown = page.pixel(place.left() + x, place.top() + y);
            differing += shown == canvas.pixel(x, y) ? 0 : 1;
            black += shown == qRgb(0, 0, 0) ? 1 : 0;
        }
    }
    if (differing != 0) {
        // Kept for a look at what differs: the printed plot and the canvas.
        QTemporaryDir kept(QDir::tempPath() + QStringLiteral("/quorvel-sheet-XXXXXX"));
        kept.setAutoRemove(false);
        QFile::copy(path(), kept.filePath("sheet.pdf"));
        page.copy(place).save(kept.filePath("printed.png"));
        QImage(reinterpret_cast<const uchar*>(canvas.pixels()), canvas.pixel_width(),
               canvas.pixel_height(), QImage::Format_RGB32)
            .save(kept.filePath("canvas.png"));
        ADD_FAILURE() << differing << " of " << place.width() * place.height()
                      << " dots differ; kept in " << kept.path().toStdString();
    }
    // The curve is there: a blank crop would match a blank canvas.
    EXPECT_GT(black, place.width() * sheet_plot_ratio);
}

INSTANTIATE_TEST_SUITE_P(
    Exercises, SheetPdf,
    ::testing::Values(Printed{"level_one_a4", {1, 0x123456}, QPageSize::A4},
                      Printed{"level_three_letter", {3, 0xABCDEF}, QPageSize::Letter},
                      Printed{"level_four_a4", {4, 0x000042}, QPageSize::A4}),
    [](const ::testing::TestParamInfo<Printed>& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace quorvel
