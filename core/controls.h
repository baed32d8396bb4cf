#pragma once

#include <string>

namespace quorvel {

// The control operations the program uses at run time, with no toolkit in sight.
class Label {
  public:
    virtual ~Label() = default;
    virtual void Caption(const std::string& text) = 0;
    virtual std::string caption_text() const = 0;
    virtual void Visible(bool shown) = 0;
    virtual bool is_visible() const = 0;
};

class OptionButton {
  public:
    virtual ~OptionButton() = default;
    // True selects the button and clears the other button of its group; False clears it.
    // Setting the state from code never runs a click handler.
    virtual void Value(bool selected) = 0;
    virtual bool is_selected() const = 0;
};

// The top-level window's outer geometry and the screen, all in twips.
class WindowFrame {
  public:
    virtual ~WindowFrame() = default;
    virtual void set_height(float twips) = 0;
    virtual float height() const = 0;
    virtual float width() const = 0;
    virtual void set_top(float twips) = 0;
    virtual void set_left(float twips) = 0;
    virtual float screen_width() const = 0;
    virtual float screen_height() const = 0;
};

}  // namespace quorvel
