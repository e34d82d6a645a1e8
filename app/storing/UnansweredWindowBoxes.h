#pragma once
// The two questions asked when a window does not answer: storing it
// ("IconicError": retry or cancel) and giving it back ("RestoreWindow": retry
// or stop). Each returns the id of the button that closed it.
class TWindow;

constexpr int kAnswerRetry = 4;
constexpr int kAnswerCancel = 2;
constexpr int kAnswerStop = 7;

int AskStoreAgain(const TWindow* owner);
int AskRestoreAgain(const TWindow* owner);
