#include <windows.h>

#include "framework/window/shapes/ModelessShapes.h"

#include <algorithm>

#include "framework/window/paint/BackgroundPicture.h"

std::list<TModeless*>& ModelessShapes() {
  static std::list<TModeless*> shapes;
  return shapes;
}

void AddModeless(TModeless* shape) {
  auto& shapes = ModelessShapes();
  if (std::find(shapes.begin(), shapes.end(), shape) == shapes.end()) shapes.push_back(shape);
}

void ForgetModeless(TModeless* shape) { ModelessShapes().remove(shape); }

bool DispatchToModeless(MSG& msg) {
  auto& shapes = ModelessShapes();
  HWND active = GetActiveWindow();
  for (auto it = shapes.begin(); it != shapes.end();) {
    TModeless* shape = *it;
    HWND window = shape->ModelessWindow();
    if (window == nullptr || !IsWindow(window)) {
      shape->ForgetWindow();
      it = shapes.erase(it);
      continue;
    }
    if (window == active && shape->FilterModelessMessage(msg)) return true;
    ++it;
  }
  return false;
}

void CloseAllModeless() {
  ModelessShapes().clear();
  ReleaseBackgroundPictures();
}

void ShowAllModeless(bool show) {
  for (TModeless* shape : ModelessShapes()) {
    HWND window = shape->ModelessWindow();
    if (window != nullptr && IsWindow(window)) ShowWindow(window, show ? SW_SHOW : SW_HIDE);
  }
}
