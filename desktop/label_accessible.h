#pragma once

#include <QAccessibleWidget>

#include "qt_label.h"

namespace quorvel {

// A label as static text whose text is its caption, so a screen reader can read the
// number in a value label, in S/T or in an answer, character by character if asked. A
// label with an accessible name of its own (the labels whose caption the program writes)
// gives that as its name and its caption as its value; any other label is named by its
// caption.
class LabelAccessible final : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit LabelAccessible(QtLabel* label);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    // The caption as read-only text: no caret, no selection.
    QString text(int start_offset, int end_offset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    QString attributes(int offset, int* start_offset, int* end_offset) const override;
    void selection(int selection_index, int* start_offset, int* end_offset) const override;
    int selectionCount() const override { return 0; }
    void addSelection(int /*start_offset*/, int /*end_offset*/) override {}
    void removeSelection(int /*selection_index*/) override {}
    void setSelection(int /*index*/, int /*start_offset*/, int /*end_offset*/) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int /*position*/) override {}
    void scrollToSubstring(int /*start_index*/, int /*end_index*/) override {}

  private:
    const QtLabel& label() const { return *static_cast<const QtLabel*>(widget()); }
    // Where the caption is drawn, in the label's own coordinates.
    QRect caption_rect() const;
};

}  // namespace quorvel
