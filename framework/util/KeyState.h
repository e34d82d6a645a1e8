#pragma once
// Whether a virtual key is down as of the message being handled (GetKeyState,
// not the asynchronous state: a click handler sees the Shift of its click).
bool IsKeyDown(int virtualKey);
