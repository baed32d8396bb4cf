#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "canvas.h"
#include "controls.h"
#include "layout.h"
#include "ui.h"

namespace quorvel::testing {

// One primitive a canvas painted, in user coordinates, with the pen it was painted with.
struct DrawCall {
    enum class Kind { cls, line, box, point };
    Kind kind = Kind::cls;
    PointF a;
    PointF b;
    Colour fore;
    Colour fill;
    FillStyle style = FillStyle::transparent;
    friend bool operator==(const DrawCall&, const DrawCall&) = default;
};

class RecordingCanvas : public Canvas {
  public:
    explicit RecordingCanvas(const SurfaceLook& look) : Canvas(look) {}

    const std::vector<DrawCall>& calls() const { return calls_; }
    void forget() { calls_.clear(); }

    std::vector<DrawCall> calls_of(DrawCall::Kind kind) const;
    // What a Cls leaves behind: the calls after the last one (all of them if none).
    std::vector<DrawCall> picture() const;

  protected:
    void paint_clear(Colour back) override;
    void paint_line(PointF from, PointF to, Colour fore) override;
    void paint_box(PointF corner, PointF opposite, Colour fore, Colour fill,
                   FillStyle style) override;
    void paint_point(PointF p, Colour fore) override;

  private:
    std::vector<DrawCall> calls_;
};

class RecordingLabel : public Label {
  public:
    void Caption(const std::string& text) override { caption_ = text; }
    std::string caption_text() const override { return caption_; }
    void Visible(bool shown) override { visible_ = shown; }
    bool is_visible() const override { return visible_; }

  private:
    std::string caption_;
    bool visible_ = true;
};

class RecordingOption : public OptionButton {
  public:
    void Value(bool selected) override;
    bool is_selected() const override { return selected_; }
    void join(RecordingOption& other) { other_ = &other; }

  private:
    bool selected_ = false;
    RecordingOption* other_ = nullptr;
};

class RecordingWindow : public WindowFrame {
  public:
    void set_height(float twips) override { height_ = twips; }
    float height() const override { return height_; }
    float width() const override { return width_; }
    void set_top(float twips) override { top_ = twips; }
    void set_left(float twips) override { left_ = twips; }
    float screen_width() const override { return screen_width_; }
    float screen_height() const override { return screen_height_; }

    float top() const { return top_; }
    float left() const { return left_; }
    void set_screen(float width_twips, float height_twips);

  private:
    float height_ = 7215.0f;
    float width_ = 9825.0f;  // design client width plus a 4-pixel frame on each side
    float top_ = 0.0f;
    float left_ = 0.0f;
    float screen_width_ = twips_of_pixels(1920);
    float screen_height_ = twips_of_pixels(1080);
};

// A window made of recorders: every surface, label and option the form asks for, with the
// start look of the window's table, so the logic can be driven and inspected without Qt.
class RecordingUi : public Ui {
  public:
    RecordingUi();

    Canvas& surface(ControlName name) override { return canvas(name); }
    Label& label(ControlName name) override;
    OptionButton& option(ControlName name) override;
    WindowFrame& window() override { return window_; }

    RecordingCanvas& canvas(ControlName name);
    RecordingLabel& text(ControlName name) { return dynamic_cast<RecordingLabel&>(label(name)); }
    RecordingWindow& frame() { return window_; }

    // Forgets every recorded call, so a test sees only what the next event paints.
    void forget_drawing();
    // The surfaces that were cleared since the last forget_drawing(), by name.
    std::vector<std::string> cleared_surfaces() const;

  private:
    std::map<std::string, std::unique_ptr<RecordingCanvas>> canvases_;
    std::map<std::string, std::unique_ptr<RecordingLabel>> labels_;
    RecordingOption switch_c_;
    RecordingOption switch_s_;
    RecordingWindow window_;
};

}  // namespace quorvel::testing
