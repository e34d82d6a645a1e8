#include <windows.h>

#include "framework/icons/HandleIcon.h"

#include <utility>

THandleIcon::THandleIcon(TIconHandle small, TIconHandle large) {
  if (!small) small = CopyIconSized(large.Get(), 16, 16);
  if (!large) large = CopyIconSized(small.Get(), 32, 32);
  Keep(kSmallIcon, std::move(small));
  Keep(kLargeIcon, std::move(large));
}
