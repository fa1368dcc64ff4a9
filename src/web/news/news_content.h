// The "Latest News" panel's content: the news text word-wrapped in font 4,
// scrolled by lines.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "gui/element.h"

class GUI_VScrollBar;

class GUI_NewsContent : public GUI_Element {
 public:
  GUI_NewsContent(int32_t x, int32_t y, int32_t w, int32_t h, int32_t id);
  ~GUI_NewsContent() override;

  // Splits `text` at line feeds and wraps every paragraph to the width;
  // the view goes back to the first line.
  void SetText(const std::string& text);
  const std::vector<std::string>& Lines() const { return lines_; }
  int32_t VisibleLines() const { return (h - 12) / 12; }
  int32_t FirstShown() const;

  void SetBounds(int32_t newX, int32_t newY, int32_t newW, int32_t newH) override;
  void Draw() override;
  void OnMouseMove(int32_t px, int32_t py) override;
  void OnMouseDown(int32_t px, int32_t py) override;
  void OnMouseUp(int32_t px, int32_t py) override;
  void OnWheel(int32_t px, int32_t py, uint8_t up) override;

 private:
  void Wrap();

  std::string text_;
  std::vector<std::string> lines_;
  std::unique_ptr<GUI_VScrollBar> scrollBar_;
};
