#include "prioritafondo.h"

#ifdef __linux__
#include <pthread.h>
#include <sched.h>
#endif

namespace vocario {

void threadDiFondo() {
#ifdef __linux__
    const sched_param parametri{.sched_priority = 0};
    pthread_setschedparam(pthread_self(), SCHED_BATCH, &parametri);
#endif
}

} // namespace vocario
