#include "app/local_clock.h"

#include <QDateTime>

namespace pennatran {

TLocalDateTime LocalNow() {
  const QDateTime now = QDateTime::currentDateTime();
  const QDate date = now.date();
  const QTime time = now.time();
  return TLocalDateTime{date.year(), date.month(),  date.day(),
                        time.hour(), time.minute(), time.second()};
}

}  // namespace pennatran
