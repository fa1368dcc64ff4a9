// A test element that records what its container tells it.
#pragma once

#include <string>
#include <vector>

#include "gui/element.h"

class Probe : public GUI_Element {
 public:
  Probe(int32_t x, int32_t y, int32_t w, int32_t h, int32_t id, std::vector<std::string>* log)
      : GUI_Element(x, y, w, h, id), log_(log) {
    interactive = 1;
  }
  void OnMouseDown(int32_t px, int32_t py) override { Note("down", px, py); }
  void OnMouseUp(int32_t px, int32_t py) override { Note("up", px, py); }
  void OnKeyDown(int32_t key, int32_t) override { Note("key", key, 0); }
  void OnWheel(int32_t px, int32_t py, uint8_t up) override {
    Note(up ? "wheel up" : "wheel down", px, py);
  }
  void Draw() override { Note("draw", x, y); }

 private:
  void Note(const char* what, int32_t a, int32_t b) {
    log_->push_back(std::to_string(id) + " " + what + " " + std::to_string(a) + "," +
                    std::to_string(b));
  }
  std::vector<std::string>* log_;
};
