// A drawing surface that keeps a list of what was drawn on it, and passes
// every operation on to the surface it stands in front of (if any), so a
// test can read both the geometry and the pixels.
#pragma once

#include <vector>

#include "render/surface.h"

namespace korvel::test {

struct DrawnLine {
  double x1, y1, x2, y2;
  render::Rgb colour;
  int width;
};

struct DrawnEllipse {
  double x, y, r, aspect;
  render::Rgb outline;
  bool solid;
  render::Rgb fill;
};

class RecordingSurface : public render::Surface {
 public:
  explicit RecordingSurface(render::Surface* target, double width = 0, double height = 0)
      : target_(target), width_(width), height_(height) {}

  std::vector<DrawnLine> lines;
  std::vector<DrawnEllipse> ellipses;
  int clears = 0;

  void forget() {
    lines.clear();
    ellipses.clear();
    clears = 0;
  }

  void setFillSolid(bool solid) override {
    solid_ = solid;
    if (target_) target_->setFillSolid(solid);
  }
  void setFillColor(render::Rgb colour) override {
    fill_ = colour;
    if (target_) target_->setFillColor(colour);
  }
  void setLineWidth(int pixels) override {
    width_px_ = pixels;
    if (target_) target_->setLineWidth(pixels);
  }
  void ellipse(double x, double y, double r, render::Rgb outline, double aspect) override {
    ellipses.push_back({x, y, r, aspect, outline, solid_, fill_});
    if (target_) target_->ellipse(x, y, r, outline, aspect);
  }
  void halfDisc(double x, double y, double r, render::Rgb outline, double start, double end) override {
    if (target_) target_->halfDisc(x, y, r, outline, start, end);
  }
  void line(double x1, double y1, double x2, double y2, render::Rgb colour) override {
    lines.push_back({x1, y1, x2, y2, colour, width_px_});
    if (target_) target_->line(x1, y1, x2, y2, colour);
  }
  void clear() override {
    ++clears;
    if (target_) target_->clear();
  }
  double scaleWidth() const override { return target_ ? target_->scaleWidth() : width_; }
  double scaleHeight() const override { return target_ ? target_->scaleHeight() : height_; }

 private:
  render::Surface* target_;
  double width_;
  double height_;
  bool solid_ = false;
  render::Rgb fill_{};
  int width_px_ = 1;
};

}  // namespace korvel::test
