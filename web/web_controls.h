#pragma once

#include <string>

#include "controls.h"

namespace quorvel {

// Whether a control changed since the page last brought it up to date, so the page
// touches only what an event changed.
class ChangeFlag {
  public:
    bool changed() const { return changed_; }
    void mark_taken() { changed_ = false; }

  protected:
    void mark() { changed_ = true; }

  private:
    bool changed_ = false;
};

// A label of the page: the page shows its caption and visibility.
class WebLabel : public Label, public ChangeFlag {
  public:
    WebLabel(std::string caption, bool visible) : caption_(std::move(caption)), visible_(visible) {}

    void Caption(const std::string& text) override {
        if (text != caption_) {
            caption_ = text;
            mark();
        }
    }
    std::string caption_text() const override { return caption_; }
    void Visible(bool shown) override {
        if (shown != visible_) {
            visible_ = shown;
            mark();
        }
    }
    bool is_visible() const override { return visible_; }

  private:
    std::string caption_;
    bool visible_;
};

// An option button of the page. Selecting it clears the other button of its group,
// which the window wires up; setting it from code never runs a click handler.
class WebOptionButton : public OptionButton, public ChangeFlag {
  public:
    explicit WebOptionButton(bool selected) : selected_(selected) {}

    void set_partner(WebOptionButton& other) { partner_ = &other; }

    void Value(bool selected) override {
        set(selected);
        if (selected && partner_ != nullptr) {
            partner_->set(false);
        }
    }
    bool is_selected() const override { return selected_; }

  private:
    void set(bool selected) {
        if (selected != selected_) {
            selected_ = selected;
            mark();
        }
    }

    bool selected_;
    WebOptionButton* partner_ = nullptr;
};

// The page has no outer frame and no position of its own: the outer height is what
// start-up sets, the width the client width, and the "screen" is the browser's viewport
// as the page reports it. Placing the window changes nothing; the page centres it.
class WebWindowFrame : public WindowFrame {
  public:
    WebWindowFrame(float width, float screen_width, float screen_height)
        : width_(width),
          height_(0.0f),
          screen_width_(screen_width),
          screen_height_(screen_height) {}

    void set_height(float twips) override { height_ = twips; }
    float height() const override { return height_; }
    float width() const override { return width_; }
    void set_top(float /*twips*/) override {}
    void set_left(float /*twips*/) override {}
    float screen_width() const override { return screen_width_; }
    float screen_height() const override { return screen_height_; }

  private:
    float width_;
    float height_;
    float screen_width_;
    float screen_height_;
};

}  // namespace quorvel
