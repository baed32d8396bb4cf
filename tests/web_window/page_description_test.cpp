// What the page description gives the page for its spin buttons: every one's range and
// step as the form keeps them, and the held arrow's repeat timing, so the page keeps no
// number of its own.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <optional>
#include <string>
#include <vector>

#include "command_table.h"
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

QString text_of(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// The page runs the web's commands on the keys and in the menu the table gives.
TEST_F(PageDescription, CarriesEveryCommandOfTheWebAndItsMenu) {
    const QJsonArray commands = page["commands"].toArray();
    qsizetype at = 0;
    for (const CommandRow& row : command_table()) {
        if (row.web.by != TakenBy::window) {
            continue;
        }
        SCOPED_TRACE(std::string(row.id));
        ASSERT_LT(at, commands.size());
        const QJsonObject command = commands[at++].toObject();
        EXPECT_EQ(command["id"].toString(), text_of(row.id));
        EXPECT_EQ(command["label"].toString(), text_of(row.label));
        EXPECT_EQ(command["checkable"].toBool(!row.checkable), row.checkable);
        QStringList keys;
        for (const std::string_view key : key_texts(row.web)) {
            keys << text_of(key);
        }
        EXPECT_FALSE(keys.isEmpty());
        EXPECT_EQ(command["keys"].toVariant().toStringList(), keys);
    }
    EXPECT_EQ(at, commands.size());
    QStringList menu;
    for (const std::string_view id : context_menu_of(Shell::web)) {
        menu << text_of(id);
    }
    EXPECT_EQ(page["menu"].toVariant().toStringList(), menu);
}

// What the page's script would otherwise spell itself: the window's name, which its
// frames name as their container, and where each spin button's arrows meet.
TEST_F(PageDescription, NamesTheWindowAndPlacesEverySpinButtonsArrows) {
    const QString name = page["window_name"].toString();
    EXPECT_EQ(name, text_of(full_name(window_name)));
    const QJsonArray rows = page["rows"].toArray();
    int frames = 0;
    for (const QJsonValue value : rows) {
        const QJsonObject row = value.toObject();
        frames += row["container"].toString() == name ? 1 : 0;
        SCOPED_TRACE(row["name"].toString().toStdString());
        EXPECT_EQ(row.contains("arrows"), row["kind"].toString() == "spin_button");
        if (!row.contains("arrows")) {
            continue;
        }
        const QJsonObject up = row["arrows"]["up"].toObject();
        const QJsonObject down = row["arrows"]["down"].toObject();
        EXPECT_EQ(up["top"].toInt(-1), 0);
        EXPECT_EQ(down["top"].toInt(-1), up["height"].toInt(-1));
        EXPECT_EQ(up["height"].toInt() + down["height"].toInt(), row["height"].toInt(-1));
        EXPECT_GE(up["rows"].toInt(), 1);
        EXPECT_GE(down["rows"].toInt(), 1);
    }
    EXPECT_GT(frames, 0);
}

}  // namespace
}  // namespace quorvel
