// The language the window speaks: its choice from the context menu, and every text and
// popup that follows it.
#include <QActionGroup>
#include <QApplication>
#include <QLibraryInfo>
#include <QMenu>

#include "command_table.h"
#include "main_window.h"
#include "spin_button.h"

namespace quorvel {
namespace {

QString qt_text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

void MainWindow::set_language(const Language& language) {
    language_ = &language;
    catalogue_ = catalogue_of(language);
    translate_qt_texts();
    name_controls();
    if (loaded_) {
        describe_controls();
    }
    const SpinArrowTexts arrows = spin_arrow_texts(catalogue_);
    for (SpinButton* spin : findChildren<SpinButton*>()) {
        spin->set_arrow_texts(arrows);
    }
    label_commands();
    for (QAction* entry : languages_->actions()) {
        entry->setChecked(entry->data().toString() == qt_text(language.code));
    }
    if (help_ != nullptr) {
        help_->set_language(catalogue_, language.direction);
    }
    direct_popups();
}

void MainWindow::label_commands() {
    for (const auto& [id, action] : commands_) {
        action->setText(qt_text(catalogue_.translate(find_command(id)->label)));
    }
    if (zoom_menu_ != nullptr) {
        zoom_menu_->setTitle(qt_text(catalogue_.translate(find_command("zoom_levels")->label)));
    }
    if (language_menu_ != nullptr) {
        language_menu_->setTitle(qt_text(catalogue_.translate(find_command("language")->label)));
    }
}

Qt::LayoutDirection MainWindow::popup_direction() const {
    return language_->direction == TextDirection::right_to_left ? Qt::RightToLeft : Qt::LeftToRight;
}

// Set window by window rather than for the application, which would mirror the exercise.
void MainWindow::direct_popups() {
    if (menu_ != nullptr) {
        menu_->setLayoutDirection(popup_direction());
        for (QMenu* submenu : menu_->findChildren<QMenu*>()) {
            submenu->setLayoutDirection(popup_direction());
        }
    }
}

void MainWindow::translate_qt_texts() {
    if (qt_translator_ != nullptr) {
        QCoreApplication::removeTranslator(qt_translator_.get());
        qt_translator_.reset();
    }
    // Qt would turn the whole application right to left on loading its Arabic texts, which
    // would mirror the exercise; left to right set once and for all keeps it as it is.
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    if (language_->po_name.empty()) {
        return;
    }
    auto translator = std::make_unique<QTranslator>();
    // Without Qt's translations for the language, its texts stay in English.
    if (translator->load(QStringLiteral("qtbase_") + qt_text(language_->po_name),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator.get());
        qt_translator_ = std::move(translator);
    }
}

// Each listed language under its own name, so that a student who cannot read the
// current one still finds theirs.
void MainWindow::add_languages(const CommandRow& row) {
    languages_ = new QActionGroup(this);
    for (const Language& language : languages()) {
        if (!language.listed) {
            continue;
        }
        auto* entry = new QAction(qt_text(language.name), languages_);
        entry->setCheckable(row.checkable);
        entry->setChecked(&language == language_);
        entry->setData(qt_text(language.code));
        connect(entry, &QAction::triggered, this, [this, &language] { set_language(language); });
    }
}

}  // namespace quorvel
