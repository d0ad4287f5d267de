#pragma once
// A dialog left open fails its test instead of hanging the run: while a test
// runs, a modal window that stays up longer than the patience is reported as
// a failure of that test and closed, so that the code waiting for it goes on.
// Tests answer every question through the message seam, so a modal window
// that nobody closes is always a fault.

#include <gtest/gtest.h>

namespace fwtest {

// A listener to append to GoogleTest's listeners; it watches during each test.
testing::TestEventListener* NewDialogWatch();

// How long a modal window may stay up, in milliseconds (30 seconds unless set).
int DialogPatience();
void SetDialogPatience(int milliseconds);

}  // namespace fwtest
