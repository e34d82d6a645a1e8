#pragma once
// Shapes opened with RunModeless whose windows may still exist. The main loop
// offers every queued message to them so their keyboard navigation works.
// The list sees a shape only through TModeless, so that it needs nothing of
// the shape and the shape alone calls down into it.
#include <windows.h>

#include <list>

class TModeless {
 public:
  // The window; null once the shape forgot it.
  virtual HWND ModelessWindow() const = 0;
  // The shape's keyboard handling of a message queued while its window is
  // active; true when it consumed the message.
  virtual bool FilterModelessMessage(MSG& msg) = 0;
  // The window has gone: drop the handle and clean up after it.
  virtual void ForgetWindow() = 0;

 protected:
  ~TModeless() = default;
};

std::list<TModeless*>& ModelessShapes();
void AddModeless(TModeless* shape);
// Drops a shape from the list (its object is going away).
void ForgetModeless(TModeless* shape);
// Offers a queued message to the modeless shapes; shapes whose window has gone
// are cleaned up and dropped. True when one consumed the message.
bool DispatchToModeless(MSG& msg);
// At program end: drops every modeless shape.
void CloseAllModeless();
void ShowAllModeless(bool show);
