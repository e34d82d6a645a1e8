#include <windows.h>

#include "framework/window/shapes/ModelessShapes.h"

#include <algorithm>

#include "framework/window/paint/BackgroundPicture.h"
#include "framework/window/shapes/TShape.h"

std::list<TShape*>& ModelessShapes() {
  static std::list<TShape*> shapes;
  return shapes;
}

void AddModeless(TShape* shape) {
  auto& shapes = ModelessShapes();
  if (std::find(shapes.begin(), shapes.end(), shape) == shapes.end()) shapes.push_back(shape);
}

void ForgetModeless(TShape* shape) { ModelessShapes().remove(shape); }

bool DispatchToModeless(MSG& msg) {
  auto& shapes = ModelessShapes();
  HWND active = GetActiveWindow();
  for (auto it = shapes.begin(); it != shapes.end();) {
    TShape* shape = *it;
    if (shape->Handle() == nullptr || !IsWindow(shape->Handle())) {
      shape->ClearHandle();
      shape->CleanUp();
      it = shapes.erase(it);
      continue;
    }
    if (shape->Handle() == active && shape->FilterMessage(msg)) return true;
    ++it;
  }
  return false;
}

void CloseAllModeless() {
  ModelessShapes().clear();
  ReleaseBackgroundPictures();
}

void ShowAllModeless(bool show) {
  for (TShape* shape : ModelessShapes()) {
    if (shape->Handle() != nullptr && IsWindow(shape->Handle())) {
      ShowWindow(shape->Handle(), show ? SW_SHOW : SW_HIDE);
    }
  }
}
