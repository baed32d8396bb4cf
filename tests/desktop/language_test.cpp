// The window in another language: every text it shows or speaks follows the language at
// once, the help, the menu and dialogs run right to left in Arabic while the exercise
// keeps its arrangement, and the form and its plots are left as they were.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QMenu>
#include <QTextBlock>
#include <algorithm>
#include <string>
#include <vector>

#include "accessible_texts.h"
#include "command_table.h"
#include "dispatch.h"
#include "fault_text.h"
#include "help_text.h"
#include "languages.h"
#include "qt_canvas.h"
#include "spin_button.h"
#include "spin_ranges.h"
#include "state_json.h"
#include "window_fixture.h"

namespace quorvel {
namespace {

QString qt_text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

const Language& language(const char* code) {
    const Language* found = find_language(code);
    if (found == nullptr) {
        throw std::invalid_argument(std::string("no language ") + code);
    }
    return *found;
}

class WindowLanguage : public testing::StartedWindow,
                       public ::testing::WithParamInterface<const char*> {
  protected:
    std::string state() { return state_json(window.form(), "", nullptr); }
    std::vector<QImage> plots() {
        std::vector<QImage> pictures;
        for (const QtCanvas* canvas : window.findChildren<QtCanvas*>()) {
            pictures.push_back(canvas->picture());
        }
        return pictures;
    }
    // The menu's entries from top to bottom, separators left out.
    std::vector<QAction*> menu_entries() {
        std::vector<QAction*> entries;
        for (QAction* action : window.context_menu().actions()) {
            if (!action->isSeparator()) {
                entries.push_back(action);
            }
        }
        return entries;
    }
    // What each text should read in `catalogue`, checked against what the window shows.
    void expect_texts_in(const Catalogue& catalogue) {
        const auto tr = [&](std::string_view english) {
            return qt_text(catalogue.translate(english));
        };
        const bool translated = catalogue.size() > 0;

        // A spin button, and the first control whose name the catalogue translates.
        const AccessibleText& spin = *find_accessible_text({"Spin_n"});
        const auto named = std::find_if(
            accessible_texts().begin(), accessible_texts().end(),
            [&](const AccessibleText& row) { return tr(row.name) != qt_text(row.name); });
        ASSERT_EQ(named != accessible_texts().end(), translated);
        for (const AccessibleText* row : {&spin, translated ? &*named : &spin}) {
            SCOPED_TRACE(full_name(row->control));
            QWidget& shown = widget(row->control);
            EXPECT_EQ(shown.accessibleName(), tr(row->name));
            const QString description =
                QString::fromStdString(description_of(*row, spin_ranges(window.form()), catalogue));
            EXPECT_EQ(shown.toolTip(), description);
            EXPECT_EQ(shown.accessibleDescription(), description);
        }
        QWidget& control = widget(spin.control);

        QAccessibleInterface* up = QAccessible::queryAccessibleInterface(&control)->child(0);
        ASSERT_NE(up, nullptr);
        EXPECT_EQ(up->text(QAccessible::Name), tr("up"));
        EXPECT_EQ(up->text(QAccessible::Description),
                  tr("Steps {name} up").replace(QStringLiteral("{name}"), tr(spin.name)));

        std::vector<std::string_view> ids;
        for (const std::string_view id : context_menu_of(Shell::desktop)) {
            if (id != menu_separator) {
                ids.push_back(id);
            }
        }
        const std::vector<QAction*> entries = menu_entries();
        int differing = 0;
        ASSERT_EQ(entries.size(), ids.size());
        for (std::size_t i = 0; i < ids.size(); ++i) {
            SCOPED_TRACE(std::string(ids[i]));
            const std::string_view label = find_command(ids[i])->label;
            EXPECT_EQ(entries[i]->text(), tr(label));
            differing += entries[i]->text() != qt_text(label) ? 1 : 0;
        }
        EXPECT_EQ(differing > 0, translated);

        const HelpText& help = help_text();
        HelpWindow* help_window = window.help_window();
        ASSERT_NE(help_window, nullptr);
        EXPECT_EQ(help_window->windowTitle(), tr(help.title));
        const std::string first_step = help_prose(help.steps.front(), spin_ranges(window.form()),
                                                  form_numbers(window.form()), catalogue);
        EXPECT_TRUE(
            help_window->document().toPlainText().contains(QString::fromStdString(first_step)))
            << first_step;
    }
    // The direction of the help, its paragraphs, the menu and its submenus.
    void expect_popups_run(Qt::LayoutDirection direction) {
        HelpWindow* help = window.help_window();
        EXPECT_EQ(help->layoutDirection(), direction);
        int paragraphs = 0;
        for (QTextBlock block = help->document().begin(); block.isValid(); block = block.next()) {
            if (!block.text().isEmpty()) {
                EXPECT_EQ(block.textDirection(), direction) << block.text().toStdString();
                ++paragraphs;
            }
        }
        EXPECT_GT(paragraphs, 10);
        EXPECT_EQ(window.context_menu().layoutDirection(), direction);
        for (const QMenu* submenu : window.context_menu().findChildren<QMenu*>()) {
            EXPECT_EQ(submenu->layoutDirection(), direction) << submenu->title().toStdString();
        }
        EXPECT_EQ(window.layoutDirection(), Qt::LeftToRight);
        EXPECT_EQ(QApplication::layoutDirection(), Qt::LeftToRight);
    }
};

TEST_P(WindowLanguage, EveryTextFollowsAndTheExerciseStays) {
    dispatch(window.form(), "Command3_Click");
    window.show_help();
    window.context_menu();
    const std::string before = state();
    const std::vector<QImage> pictures = plots();

    const Language& chosen = language(GetParam());
    window.set_language(chosen);
    EXPECT_EQ(&window.language(), &chosen);
    expect_texts_in(catalogue_of(chosen));
    expect_popups_run(chosen.direction == TextDirection::right_to_left ? Qt::RightToLeft
                                                                       : Qt::LeftToRight);
    EXPECT_EQ(state(), before);
    EXPECT_EQ(plots(), pictures);

    window.set_language(english());
    expect_texts_in(Catalogue{});
    expect_popups_run(Qt::LeftToRight);
    EXPECT_EQ(state(), before);
}

INSTANTIATE_TEST_SUITE_P(Languages, WindowLanguage, ::testing::Values("de", "ja", "ar", "en-XA"),
                         [](const auto& param_info) {
                             std::string name = param_info.param;
                             std::erase(name, '-');
                             return name;
                         });

using LanguageMenu = testing::StartedWindow;

// Each listed language under its own name, the current one checked; choosing one speaks it.
TEST_F(LanguageMenu, ListsEveryLanguageByItsOwnNameAndSwitchesAtOnce) {
    QMenu* submenu = nullptr;
    for (QAction* action : window.context_menu().actions()) {
        if (action->text() == QStringLiteral("Language")) {
            submenu = action->menu();
        }
    }
    ASSERT_NE(submenu, nullptr);
    QStringList names;
    for (const Language& listed : languages()) {
        if (listed.listed) {
            names.append(qt_text(listed.name));
        }
    }
    const auto shown = [&] {
        QStringList texts;
        QString checked;
        for (const QAction* entry : submenu->actions()) {
            texts.append(entry->text());
            if (entry->isChecked()) {
                checked += entry->text();
            }
        }
        EXPECT_EQ(texts, names);
        return checked;
    };
    EXPECT_EQ(shown(), QStringLiteral("English"));

    const Language& german = language("de");
    for (QAction* entry : submenu->actions()) {
        if (entry->text() == qt_text(german.name)) {
            entry->trigger();
        }
    }
    EXPECT_EQ(&window.language(), &german);
    EXPECT_EQ(shown(), qt_text(german.name));
    EXPECT_EQ(submenu->title(), qt_text(catalogue_of(german).translate("Language")));
}

// Qt's own buttons ("Cancel" in a dialog) follow the window's language when Qt's
// translations are installed.
TEST_F(LanguageMenu, QtsOwnTextsFollowTheLanguage) {
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!QFile::exists(folder + QStringLiteral("/qtbase_de.qm"))) {
        GTEST_SKIP() << "Qt's translations are not installed (qt6-translations-l10n)";
    }
    const auto cancel = [] { return QCoreApplication::translate("QPlatformTheme", "Cancel"); };
    window.set_language(language("de"));
    EXPECT_EQ(cancel(), QStringLiteral("Abbrechen"));
    window.set_language(english());
    EXPECT_EQ(cancel(), QStringLiteral("Cancel"));
}

// In English the dialog says what every shell says of a fault; in another language a
// translation, with the fault's name in it.
TEST(FaultText, EnglishAsEveryShellAndTheFaultNamedInAnyLanguage) {
    for (const FaultKind kind : {FaultKind::overflow, FaultKind::subscript_out_of_range,
                                 FaultKind::division_by_zero, FaultKind::invalid_operation}) {
        const RuntimeFault fault(kind);
        EXPECT_EQ(fault_text(fault, Catalogue{}), fault_message(fault));
        for (const Language& any : languages()) {
            const Catalogue catalogue = catalogue_of(any);
            const std::string text = fault_text(fault, catalogue);
            EXPECT_NE(text.find(catalogue.translate(RuntimeFault::describe(kind))),
                      std::string::npos)
                << any.code << ": " << text;
            EXPECT_EQ(text.find('{'), std::string::npos) << any.code << ": " << text;
        }
    }
}

}  // namespace
}  // namespace quorvel
