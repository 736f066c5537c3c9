// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/wait_for.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>

bool WaitFor(const std::function<bool()>& done, int ms) {
  QDeadlineTimer deadline(ms);
  while (!done()) {
    if (deadline.hasExpired()) return done();
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QThread::msleep(1);
  }
  return true;
}
