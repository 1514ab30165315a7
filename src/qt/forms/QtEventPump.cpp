#include "qt/forms/QtEventPump.h"

#include <QCoreApplication>
#include <QEventLoop>

void QtEventPump::YieldToEvents() {
  QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents | QEventLoop::AllEvents);
}
