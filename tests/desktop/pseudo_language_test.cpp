// The whole window under the pseudo-language, as a screen reader and a sighted student meet
// it: every name, description, tooltip and piece of help the window, its menu, the
// Language submenu and the help window give is a translated one. The pseudo-language
// brackets every text it translates, so a text left in plain English stands out; the
// captions drawn in the window itself and the numbers it shows are the exercise's own and
// are never translated.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleInterface>
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <QTextBlock>
#include <algorithm>
#include <string>
#include <vector>

#include "dispatch.h"
#include "help_text.h"
#include "languages.h"
#include "layout.h"
#include "window_fixture.h"

namespace quorvel {
namespace {

// The captions the window draws as the exercise has them, in every language, besides those
// of the layout table.
const QStringList drawn_captions = {
    QStringLiteral("Example Wave * Essential Wave"),
    QStringLiteral("S/T"),
    QStringLiteral("T"),
};

QString qt_text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A text cut where it names things side by side ("a, b", "a: b", "a … b", "a — b").
QStringList pieces(const QString& text) {
    static const QRegularExpression between(QStringLiteral("\\s*(?:\\n|—|…|:\\s|, )\\s*"));
    QStringList out;
    for (QString piece : text.split(between, Qt::SkipEmptyParts)) {
        piece = piece.trimmed();
        if (piece.endsWith(u'.')) {
            piece.chop(1);
        }
        if (!piece.isEmpty()) {
            out.append(piece);
        }
    }
    return out;
}

// What no language translates: the window's own captions, each language's name in
// itself, the program's name and version, its copyright line, its fonts and their
// licences.
QSet<QString> kept_as_they_are() {
    QStringList texts = drawn_captions;
    texts.append(qt_text(window_look.caption));
    for (const ControlRow& row : layout_table()) {
        texts.append(qt_text(row.caption));
    }
    for (const Language& language : languages()) {
        texts.append(qt_text(language.name));
    }
    const HelpAbout& about = help_text().about;
    texts.append(qt_text(about.program) + u' ' + qt_text(about.version));
    texts.append(qt_text(about.copyright));
    for (const HelpFont& font : about.fonts) {
        texts.append(qt_text(font.family));
        texts.append(qt_text(font.licence));
    }
    QSet<QString> kept;
    for (const QString& text : texts) {
        for (const QString& piece : pieces(text)) {
            kept.insert(piece);
        }
    }
    return kept;
}

// Translated (bracketed, with whatever was filled into it), or else made only of what no
// language translates, numbers ("2.5", "150 %") and key caps ("Ctrl+Alt+H", "F1").
bool shown_as_it_should(const QString& text) {
    static const QSet<QString> kept = kept_as_they_are();
    static const QRegularExpression translated(QStringLiteral("\\[[^\\[\\]]*\\]"));
    static const QRegularExpression number(QStringLiteral("^[-+−]?[0-9]*[.,]?[0-9]+( %)?$"));
    static const QRegularExpression key(
        QStringLiteral("^((Ctrl|Alt|Shift)\\+)*(F[0-9]{1,2}|Esc|Tab|[^\\sA-Za-z]|[A-Z0-9])$"));
    // Brackets nest where a translated text is filled into another: take the innermost
    // first until none is left.
    QString rest = text;
    while (rest.contains(translated)) {
        rest.replace(translated, QStringLiteral("\n"));
    }
    if (rest.contains(u'[') || rest.contains(u']')) {
        return false;  // a translated text cut short loses its closing bracket
    }
    const QStringList left = pieces(rest);
    return std::all_of(left.begin(), left.end(), [](const QString& piece) {
        return kept.contains(piece) || number.match(piece).hasMatch() ||
               key.match(piece).hasMatch();
    });
}

struct Untranslated {
    std::string where;
    QString text;
};

class Findings {
  public:
    // Line by line: a text field's value is its whole page.
    void check(const std::string& where, const QString& text) {
        for (const QString& line : text.split(u'\n')) {
            if (!shown_as_it_should(line)) {
                found_.push_back({where, line});
            }
        }
    }

    // An accessible object and all below it: what a screen reader reads of each.
    void walk(QAccessibleInterface* node, const std::string& where, int depth = 0) {
        ASSERT_LT(depth, 20) << where << ": the accessible tree does not end";
        if (node == nullptr || !node->isValid()) {
            return;
        }
        const std::string here = where + "/" + node->text(QAccessible::Name).toStdString();
        if (data_.contains(node->object())) {
            return;
        }
        check(here + " name", node->text(QAccessible::Name));
        check(here + " description", node->text(QAccessible::Description));
        check(here + " help", node->text(QAccessible::Help));
        check(here + " value", node->text(QAccessible::Value));
        if (const QWidget* widget = qobject_cast<const QWidget*>(node->object())) {
            check(here + " tooltip", widget->toolTip());
            check(here + " what's this", widget->whatsThis());
            if (widget->isWindow()) {
                check(here + " title", widget->windowTitle());
            }
        }
        for (int i = 0; i < node->childCount(); ++i) {
            walk(node->child(i), here, depth + 1);
        }
    }

    // What shows data rather than words, such as an exercise code: not looked at.
    void treat_as_data(const QObject* shown) { data_.insert(shown); }

    // A menu's entries as shown, and each submenu's.
    void walk_menu(const QMenu& menu, const std::string& where) {
        check(where + " title", menu.title());
        walk(QAccessible::queryAccessibleInterface(const_cast<QMenu*>(&menu)), where);
        for (const QAction* action : menu.actions()) {
            const std::string here = where + "/" + action->text().toStdString();
            check(here + " text", action->text());
            check(here + " tooltip", action->toolTip());
            check(here + " status tip", action->statusTip());
            check(here + " what's this", action->whatsThis());
            if (action->menu() != nullptr) {
                walk_menu(*action->menu(), here);
            }
        }
    }

    std::string report() const {
        std::string out;
        for (const Untranslated& item : found_) {
            out += "\n  " + item.where + ": \"" + item.text.toStdString() + "\"";
        }
        return out;
    }

  private:
    QSet<const QObject*> data_;
    std::vector<Untranslated> found_;
};

// The check itself, on texts as the pseudo-language writes them and as it would miss them.
TEST(PseudoLanguage, TellsTranslatedTextsFromEnglish) {
    struct Case {
        const char* text;
        bool passes;
    };
    const Case cases[] = {
        {"[Šţéþš ñ úþ ····]", true},
        {"[Šţéþš [ñ ·] úþ ····]", true},
        {"Ctrl+=[ öŕ ··]Ctrl++", true},
        {"CALC", true},
        {"C0 … C4", true},
        {"-0.5", true},
        {"150 %", true},
        {"Ctrl+Alt+H", true},
        {"日本語", true},
        {"", true},
        {"Steps n up", false},
        {"Steps [ñ ·] up", false},
        {"[Šţéþš ñ úþ", false},
        {"Example Wave times", false},
        {"Right click, Menu key", false},
        {"Up, Down", false},
    };
    for (const Case& row : cases) {
        EXPECT_EQ(shown_as_it_should(QString::fromUtf8(row.text)), row.passes) << row.text;
    }
}

using PseudoLanguageWindow = testing::StartedWindow;

TEST_F(PseudoLanguageWindow, EveryTextIsTranslatedButTheCaptions) {
    dispatch(window.form(), "Command3_Click");
    dispatch(window.form(), "Command4_Click");
    window.set_language(*find_language("en-XA"));
    window.show_help();

    Findings findings;
    findings.walk(QAccessible::queryAccessibleInterface(&window), "window");
    findings.walk_menu(window.context_menu(), "menu");

    HelpWindow* help = window.help_window();
    ASSERT_NE(help, nullptr);
    findings.walk(QAccessible::queryAccessibleInterface(help), "help");
    for (QTextBlock block = help->document().begin(); block.isValid(); block = block.next()) {
        findings.check("help paragraph", block.text());
    }
    EXPECT_EQ(findings.report(), "");
}

// Both exercise code dialogs, the open one with a code refused: their words and the
// refusal are translated; the code itself is data.
TEST_F(PseudoLanguageWindow, ExerciseDialogsAreTranslated) {
    window.set_language(*find_language("en-XA"));
    Findings findings;
    for (const auto purpose : {ExerciseDialog::Purpose::share, ExerciseDialog::Purpose::open}) {
        window.show_exercise_dialog(purpose);
        ExerciseDialog* dialog = window.exercise_dialog();
        ASSERT_NE(dialog, nullptr);
        findings.treat_as_data(&dialog->code());
        findings.treat_as_data(dialog->findChild<QLabel*>(QStringLiteral("work")));
        if (dialog->entry() != nullptr) {
            findings.treat_as_data(dialog->entry());
            dialog->entry()->setText(QStringLiteral("ABC"));
            dialog->open_button()->click();
            ASSERT_FALSE(dialog->refusal()->text().isEmpty());
        }
        findings.walk(QAccessible::queryAccessibleInterface(dialog), "exercise dialog");
    }
    EXPECT_EQ(findings.report(), "");
}

}  // namespace
}  // namespace quorvel
