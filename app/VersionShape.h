#pragma once
// The version window: the program's icon, name and version (read from its
// version record) and a line on what it does. One at a time: asking again
// brings the open one to the front.
class TWindow;

// Runs until the user closes it.
void ShowVersionWindow(const TWindow& owner);
