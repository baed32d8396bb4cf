#include "exercise_dialog.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QVBoxLayout>
#include <utility>

#include "exercise_dialog_text.h"

namespace quorvel {
namespace {

QString qt_text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A code is read aloud and copied by hand, so it is set large in a face whose 0 and O,
// 1 and I differ.
QFont code_font(const QFont& around) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSizeF(around.pointSizeF() * 2.5);
    font.setBold(true);
    return font;
}

}  // namespace

ExerciseDialog::ExerciseDialog(Purpose purpose, const QString& code, Opener open,
                               const Catalogue& catalogue, const QString& work, QWidget* parent)
    : QDialog(parent), purpose_(purpose), opener_(std::move(open)) {
    const ExerciseDialogText& text = exercise_dialog_text();
    const auto words = [&catalogue](std::string_view english) {
        return qt_text(catalogue.translate(english));
    };
    setWindowTitle(words(purpose == Purpose::share ? text.share_title : text.open_title));
    auto* layout = new QVBoxLayout(this);

    auto* intro = new QLabel(words(text.share_intro), this);
    intro->setWordWrap(true);
    code_ = new QLabel(code, this);
    code_->setObjectName(QStringLiteral("code"));
    code_->setFont(code_font(font()));
    code_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    code_->setAlignment(Qt::AlignCenter);
    copy_ = new QPushButton(words(text.copy), this);
    copy_->setAutoDefault(false);
    copied_ = new QLabel(this);
    connect(copy_, &QPushButton::clicked, this, [this, code, copied = words(text.copied)] {
        QApplication::clipboard()->setText(code);
        copied_->setText(copied);
    });
    layout->addWidget(intro);
    layout->addWidget(code_);
    layout->addWidget(copy_, 0, Qt::AlignHCenter);
    layout->addWidget(copied_, 0, Qt::AlignHCenter);
    if (purpose == Purpose::share && !work.isEmpty()) {
        auto* label = new QLabel(words(text.work_label), this);
        label->setWordWrap(true);
        work_ = new QLabel(work, this);
        work_->setObjectName(QStringLiteral("work"));
        work_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
        work_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        label->setBuddy(work_);
        copy_work_ = new QPushButton(words(text.copy_work), this);
        copy_work_->setAutoDefault(false);
        connect(copy_work_, &QPushButton::clicked, this, [this, work, copied = words(text.copied)] {
            QApplication::clipboard()->setText(work);
            copied_->setText(copied);
        });
        layout->addWidget(label);
        layout->addWidget(work_);
        layout->addWidget(copy_work_, 0, Qt::AlignHCenter);
    }

    auto* buttons = new QDialogButtonBox(this);
    if (purpose == Purpose::open) {
        auto* prompt = new QLabel(words(text.open_prompt), this);
        entry_ = new QLineEdit(this);
        entry_->setFont(code_font(font()));
        prompt->setBuddy(entry_);
        refusal_ = new QLabel(this);
        refusal_->setWordWrap(true);
        refusal_->setAccessibleName(words(text.open_title));
        refusal_->hide();
        open_ = buttons->addButton(words(text.open), QDialogButtonBox::AcceptRole);
        open_->setDefault(true);
        layout->addWidget(prompt);
        layout->addWidget(entry_);
        layout->addWidget(refusal_);
        entry_->setFocus();
    }
    buttons->addButton(words(text.close), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] { open_typed(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void ExerciseDialog::open_typed() {
    const QByteArray typed = entry_->text().toUtf8();
    const auto refused = opener_(std::string_view(typed.constData(), typed.size()));
    if (!refused) {
        accept();
        return;
    }
    refusal_->setText(QString::fromStdString(*refused));
    refusal_->show();
    entry_->selectAll();
    entry_->setFocus();
}

}  // namespace quorvel
