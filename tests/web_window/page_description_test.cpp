// What the page description gives the page for its spin buttons: every one's range and
// step as the form keeps them, and the held arrow's repeat timing, so the page keeps no
// number of its own.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <optional>
#include <string>

#include "layout.h"
#include "page_description.h"
#include "spin_ranges.h"
#include "spin_repeat.h"
#include "web_window.h"

namespace quorvel {
namespace {

class PageDescription : public ::testing::Test {
  protected:
    PageDescription() {
        window.raise("Form_Load");
        const std::string text = page_description(window);
        page = QJsonDocument::fromJson(QByteArray::fromStdString(text)).object();
    }

    WebWindow window{1.0, 647, 455};
    QJsonObject page;
};

TEST_F(PageDescription, EverySpinButtonRowCarriesItsRangeAndStep) {
    const QJsonArray rows = page["rows"].toArray();
    ASSERT_EQ(static_cast<std::size_t>(rows.size()), layout_table().size());
    int spins = 0;
    for (std::size_t i = 0; i < layout_table().size(); ++i) {
        const ControlRow& table_row = layout_table()[i];
        const QJsonObject row = rows[static_cast<qsizetype>(i)].toObject();
        SCOPED_TRACE(full_name(table_row.name));
        const std::optional<SpinRange> range = spin_range(window.form(), table_row.name);
        EXPECT_EQ(range.has_value(), table_row.kind == ControlKind::spin_button);
        if (!range) {
            EXPECT_FALSE(row.contains("min") || row.contains("max") || row.contains("step"));
            continue;
        }
        EXPECT_EQ(row["min"].toInt(-1000), range->minimum);
        EXPECT_EQ(row["max"].toInt(-1000), range->maximum);
        EXPECT_EQ(row["step"].toInt(-1000), range->step);
        ++spins;
    }
    EXPECT_GT(spins, 0);
}

TEST_F(PageDescription, TellsTheRepeatOfAHeldArrow) {
    const QJsonObject repeat = page["repeat"].toObject();
    EXPECT_EQ(repeat["first_ms"].toInt(-1), spin_repeat.first_ms);
    EXPECT_EQ(repeat["interval_ms"].toInt(-1), spin_repeat.interval_ms);
}

}  // namespace
}  // namespace quorvel
