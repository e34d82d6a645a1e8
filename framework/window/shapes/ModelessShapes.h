#pragma once
// Shapes opened with RunModeless whose windows may still exist. The main loop
// offers every queued message to them so their keyboard navigation works.
#include <windows.h>

#include <list>

class TShape;

std::list<TShape*>& ModelessShapes();
void AddModeless(TShape* shape);
// Drops a shape from the list (its object is going away).
void ForgetModeless(TShape* shape);
// Offers a queued message to the modeless shapes; shapes whose window has gone
// are cleaned up and dropped. True when one consumed the message.
bool DispatchToModeless(MSG& msg);
// At program end: drops every modeless shape.
void CloseAllModeless();
void ShowAllModeless(bool show);
